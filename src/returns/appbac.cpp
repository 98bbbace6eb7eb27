// The head office's approval of a negotiation minute: the goods the deal needs, taken into the goods
// master when saved.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/item_list.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Trimmed;

namespace {

namespace key = console::key;
using xbase::Value;

enum GoodsColumn {
  kNo = 1, kJos, kProduct, kCode, kName, kLongName, kGroup, kUnit, kDos, kPak, kPrice, kPrice1, kPrice2, kPrice4, kOrdered
};

console::ValueRow GoodsRow(const MinuteApproval& approval, size_t k) {
  const ApprovedGoods g = k < approval.goods.size() ? approval.goods[k] : ApprovedGoods{};
  return {Value::Num(static_cast<double>(k + 1)), Value::Text(g.jos),     Value::Text(std::string(xbase::Left(g.product, 2))),
          Value::Text(g.code),                    Value::Text(g.name),    Value::Text(g.long_name),
          Value::Text(g.group),                   Value::Text(g.unit),    Value::Num(g.dos),
          Value::Num(g.pak),                      Value::Num(g.price),    Value::Num(g.price1),
          Value::Num(g.price2),                   Value::Num(g.price4),   Value::Num(g.ordered)};
}

// The goods code: "?" or "/" picks from the goods master, whose name fills the row; a new code stays.
bool TakeCode(frame::Session& session, ApprovedGoods* goods, Value* value) {
  std::string code = value->text();
  frame::PickSpec pick;
  pick.alias = "MASTBRJ";
  pick.by_name = true;
  pick.expressions = {"kode", "nama", "satuan", "harga"};
  bool found = false;
  xbase::WorkArea* items = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &code, &found, &items))) return false;
  goods->code = xbase::PadR(xbase::RTrim(code), 10);
  if (found && !xbase::IsBlank(goods->code)) goods->name = items->Text("NAMA");
  return true;
}

bool TakeGroup(frame::Session& session, ApprovedGoods* goods, Value* value) {
  std::string group = value->text();
  frame::PickSpec pick;
  pick.alias = "MASTGOL";
  if (!frame::Checked(session, frame::PickCode(session, pick, &group))) return false;
  goods->group = xbase::PadR(xbase::RTrim(group), 10);
  return true;
}

bool CheckCell(frame::Session& session, const frame::OpenedTables& tables, MinuteApproval* approval, size_t k,
               int column, Value* value) {
  ApprovedGoods& g = approval->goods[k];
  const ApprovedGoods before = g;
  switch (column) {
    case kJos: g.jos = xbase::PadR(value->text(), 10); break;
    case kProduct: g.product = xbase::PadR(xbase::PadL(xbase::AllTrim(value->text()), 2, '0'), 10); break;
    case kCode:
      if (!TakeCode(session, &g, value)) return false;
      break;
    case kName: g.name = xbase::PadR(value->text(), 20); break;
    case kLongName: g.long_name = xbase::PadR(value->text(), 50); break;
    case kGroup:
      if (!TakeGroup(session, &g, value)) return false;
      break;
    case kUnit: g.unit = xbase::PadR(value->text(), 6); break;
    case kDos: g.dos = value->number(); break;
    case kPak: g.pak = value->number(); break;
    case kPrice: g.price = value->number(); break;
    case kPrice1: g.price1 = value->number(); break;
    case kPrice2: g.price2 = value->number(); break;
    case kPrice4: g.price4 = value->number(); break;
    case kOrdered: g.ordered = value->number(); break;
    default: break;
  }
  if (frame::Checked(session, CheckApprovedGoods(tables, *approval, k))) return true;
  g = before;
  return false;
}

// The goods list; true when it was left with F10 for the save.
bool EditGoods(frame::Session& session, const frame::OpenedTables& tables, MinuteApproval* approval) {
  std::vector<ApprovedGoods>& goods = approval->goods;
  ItemList list;
  list.heads = {"No", "No. Jos", "##", "Kode", "Nama", "Nama Panjang", "Golong", "Satuan", "Box", "Pak",
                "Harga", "Harga1", "Harga2", "Harga4", "Q Order"};
  list.pictures = {"99", "@!", "99", "@!", "@!", "@!S20", "@!", "@!", "9999999", "9999999",
                   "99999999999.99", "99999999999.99", "99999999999.99", "99999999999.99", "9999999"};
  list.window = {9, 1, 21, 78};
  list.first = kJos;
  list.last = kOrdered;
  list.count = [&] { return goods.size(); };
  list.row = [&](size_t k) { return GoodsRow(*approval, k); };
  list.filled = [&](size_t k) { return goods[k].Filled(); };
  list.add = [&] { goods.emplace_back(); };
  list.erase = [&](size_t k) { goods.erase(goods.begin() + static_cast<long>(k)); };
  list.check = [&](size_t k, int column, Value* value) { return CheckCell(session, tables, approval, k, column, value); };
  bool save = false;
  list.leave = [&](int pressed) {
    save = pressed == key::kF10;
    return save || pressed == key::kEsc;
  };
  RunItemList(session, list);
  return save;
}

// The minute to approve and its approval as it stands: a new one from the minute's products, or the
// stored one after "Ulang". False when the number is refused.
bool TakeMinute(frame::Session& session, const frame::OpenedTables& tables, std::string* number,
                MinuteApproval* approval) {
  if (!PickMinuteNumber(session, number)) return false;
  Minute minute;
  bool found = false;
  if (!frame::Checked(session, LoadMinute(tables, *number, &minute, &found))) return false;
  if (!found) return pickers::Refuse(session, "Nomor " + Trimmed(*number) + " tidak ada");
  if (!minute.approved) {
    *approval = PrefillApproval(minute, session.Today());
    return true;
  }
  const std::string question = "Nomor " + Trimmed(*number) + " sudah diApproval";
  if (console::Alert(session.console(), question, {"Ulang", "Tidak"}) != 1) return false;
  bool stored = false;
  if (!frame::Checked(session, LoadApproval(tables, *number, approval, &stored))) return false;
  if (!stored) *approval = PrefillApproval(minute, session.Today());
  approval->number = *number;
  return true;
}

void DrawBox(console::Console& con, std::string_view colour) {
  console::SHADOW(con, 1, 1, 7, 78, colour);
  console::TENGAH(con, 2, "Approval BAC NEGOSIASI", colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(4, 3, "Nomor BAC        :", attr);
  con.Say(5, 3, "Tanggal Approval :", attr);
  con.Say(6, 3, "Notes            :", attr);
  con.Say(8, 1, "Produk yang di Approval", attr);
}

}  // namespace

xbase::Status APPBAC(frame::Session& session, const Arguments&) {
  if (!MayApprove(session)) return xbase::Status::OK();
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  for (;;) {
    DrawEntryScreen(con, "", {});
    DrawBox(con, colour);
    std::string number(10, ' ');
    MinuteApproval approval;
    console::GetList ask;
    ask.Add(4, 22, &number, "@!").valid = [&] { return TakeMinute(session, tables, &number, &approval); };
    if (ask.Read(con).escaped || xbase::IsBlank(number)) break;
    console::GetList form;
    form.Add(5, 22, &approval.date);
    form.Add(6, 22, &approval.notes, "@S54");
    if (form.Read(con).escaped) continue;
    if (!EditGoods(session, tables, &approval)) continue;
    if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) continue;
    // A lock given up was told by the save.
    if (const xbase::Status s = SaveApproval(session, tables, approval); !s.IsLocked() && frame::Checked(session, s)) {
      console::PESAN(con, "Approval BAC NEGO No. " + Trimmed(number) + " sudah disimpan");
    }
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
