// RTBELI "Retur Pembelian": the purchase return screen, a return of goods to the supplier typed in or corrected.
#include <algorithm>
#include <cctype>

#include "console/alert.h"
#include "console/array_browse.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/line_editor.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchase_return.h"
#include "purchasing/purchasing.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

namespace key = console::key;

const std::vector<std::string> kHeads = {"No.",   "Eks. BPB", "Kode",  "Gudang", "  Box",  "  Pak", "  Pcs", "    Qty",
                                         "     Harga", " Disc1", " Disc2", "         Nilai", "Urt", "Rata", "Nama"};
const std::vector<std::string> kPictures = {"999", "@S17", "@!", "@!", "9999999", "9999999", "9999999", "999999999",
                                            "999,999.99", "999.99", "999.99", "99,999,999.99", "", "", ""};

void ShowHeader(frame::Session& session, const PurchaseReturn& ret) {
  console::Console& con = session.console();
  con.Say(1, 1, "Nomor   :");
  con.Say(1, 45, "cabang   :");
  con.Say(2, 1, "Suplier :");
  con.Say(2, 45, "Tanggal  :");
  con.Say(3, 1, "Notes    :");
  con.Say(4, 1, "Discount : " + Pictured(ret.cash1, "999.99") + " + " + Pictured(ret.cash2, "999.99") + "   Code Id : " + ret.code_id);
  con.Say(1, 56, ret.branch);
}

void ShowTotals(frame::Session& session, const PurchaseReturn& ret, int row) {
  console::Console& con = session.console();
  const console::ValueRow& line = ret.lines[static_cast<size_t>(row - 1)];
  con.Say(21, 1, xbase::PadR(line[kName - 1].text(), 20));
  con.Say(22, 1, "Brutto : " + Pictured(ReturnGross(ret), "999,999,999.99") + "     Netto : " +
                     Pictured(ReturnNet(ret), "999,999,999.99"));
  ShowHeader(session, ret);
}

// The header of a return: a number to correct (or blank for a new one) and its fields. False after Esc.
bool AskHeader(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret) {
  console::Console& con = session.console();
  con.ClearScreen();
  ShowHeader(session, *ret);
  std::string number(20, ' ');
  console::GetList first;
  first.Add(1, 11, &number, "@S15").valid = [&] {
    if (xbase::IsBlank(number)) return true;
    frame::PickSpec pick;
    pick.alias = "rtbeli1";
    pick.expressions = {"NOMOR", "TANGGAL", "SUPLIER"};
    pick.heads = {"Nomor", "Tanggal", "Suplier"};
    if (!frame::Checked(session, frame::PickCode(session, pick, &number))) return false;
    bool found = false;
    if (!frame::Checked(session, LoadReturn(session, tables, number, ret, &found))) return false;
    if (found) return true;
    console::PESAN(con, "Nomor " + std::string(xbase::AllTrim(number)) + " tidak terdaftar");
    return false;
  };
  if (first.Read(con).escaped) return false;
  ShowHeader(session, *ret);
  console::GetList form;
  form.Add(1, 56, &ret->branch, "@!");
  form.Add(2, 11, &ret->supplier, "@!").valid = [&] {
    std::string name;
    if (pickers::GETSUPLIER(session, &ret->supplier, false, &name)) {
      con.Say(2, 22, xbase::PadR(name, 22));
      return true;
    }
    console::PESAN(con, "Suplier " + std::string(xbase::AllTrim(ret->supplier)) + " tidak terdaftar");
    return false;
  };
  form.Add(2, 56, &ret->date).valid = [&] { return documents::CheckPostingDate(session, ret->date); };
  form.Add(3, 12, &ret->notes, "@S30");
  form.Add(4, 12, &ret->cash1, "###.##");
  form.Add(4, 21, &ret->cash2, "###.##");
  form.Add(4, 42, &ret->code_id, "@!").valid = [&] {
    std::string name;
    return pickers::CID(session, &ret->code_id, &name, con.Pick("W+/b,Gr+/r", "W+/n,n/w"));
  };
  return !form.Read(con).escaped;
}

void Renumber(PurchaseReturn* ret) {
  for (size_t k = 0; k < ret->lines.size(); ++k) ret->lines[k][0] = xbase::Value::Num(static_cast<double>(k + 1), 3, 0);
}

// The line editor of one return; returns when it was saved or dropped.
void EditLines(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &ret->lines, kHeads, kPictures, {6, 0, 20, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kLineNo, kPrice, kDisc1, kDisc2, kValue}) browse.set_read_only(column, true);
  for (int column : {kPosition, kAverage, kName}) browse.set_hidden(column, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return CheckReturnCell(session, tables, ret, idx, browse.column(), typed); };
  hooks.show = [&] { ShowTotals(session, *ret, idx); };
  hooks.enter_on_last = [&] {
    const console::ValueRow& line = ret->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kReceipt);
    if (xbase::IsBlank(line[kCode - 1].text()) || line[kQuantity - 1].number() == 0) return;
    if (idx == browse.row_count()) {
      if (browse.row_count() >= kMaxReturnLines) return;
      ret->lines.push_back(BlankReturnLine(browse.row_count() + 1, line[kWarehouse - 1].text()));
    }
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1) {
          ret->lines.erase(ret->lines.begin() + (idx - 1));
          Renumber(ret);
          browse.Skip(0);
        }
        return false;
      case key::kEsc: return true;
      case key::kF10: {
        if (!frame::AnsweredYes(con, frame::kConfirmSave)) return false;
        const bool fresh = xbase::IsBlank(ret->number);
        const xbase::Status s = SaveReturn(session, tables, ret);
        if (!s.ok()) return false;  // told by the save
        if (fresh) console::Alert(con, "Retur PEMBELIAN ini disimpan dengan nomor : " + ret->number);
        return true;
      }
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kReceipt, kQuantity, hooks);
}

}  // namespace

xbase::Status RTBELI(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenReturnTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  for (;;) {
    PurchaseReturn ret;
    ret.supplier = std::string(10, ' ');
    ret.branch = std::string(6, ' ');
    ret.notes = std::string(40, ' ');
    ret.code_id = std::string(4, ' ');
    ret.date = session.Today();
    if (!AskHeader(session, tables, &ret)) break;
    if (ret.lines.empty()) ret.lines.push_back(BlankReturnLine(1, session.MMEMBER.warehouse));
    EditLines(session, tables, &ret);
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
