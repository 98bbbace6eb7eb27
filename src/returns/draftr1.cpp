// The return draft entry: a customer's request to return goods, line by line from the delivery notes
// the goods came with.
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/customer_check.h"
#include "documents/posting_date.h"
#include "frame/code_pick.h"
#include "frame/line_editor.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "returns/draft.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

namespace key = console::key;
using xbase::Value;

// The list's columns (from 1).
enum Column { kNo = 1, kInvoice, kCode, kName, kBox, kPak, kPcs, kQty, kPrice, kDisc1, kDisc2, kValue };

const console::KeyHelp kListHelp{{"Esc", " F10", " Del"}, {") Kembali,", ") Simpan,", ") Hapus"}, "W+/b", "Gr+/b"};

console::ValueRow RowOf(const DraftLine& line, size_t n) {
  return {Value::Num(static_cast<double>(n)), Value::Text(line.invoice), Value::Text(line.code),
          Value::Text(line.name),           Value::Num(line.boxes),   Value::Num(line.packs),
          Value::Num(line.pieces),          Value::Num(line.quantity), Value::Num(line.price),
          Value::Num(line.discount1),       Value::Num(line.discount2), Value::Num(line.Value())};
}

// Keeps the list rows and the draft's lines in step: the rows show what the lines hold.
void ShowLines(const Draft& draft, console::ValueTable* rows) {
  rows->clear();
  for (size_t i = 0; i < draft.lines.size(); ++i) rows->push_back(RowOf(draft.lines[i], i + 1));
  rows->push_back(RowOf(DraftLine{}, draft.lines.size() + 1));
}

void DrawScreen(console::Console& con) {
  DrawEntryScreen(con, "DRAFT RETUR PENJUALAN DARI RELASI",
                  {{1, 1, "Nomor Retur :"}, {2, 1, "Relasi      :"}, {3, 1, "Cabang      :"}, {4, 1, "Tanggal     :"},
                   {5, 1, "Tipe Harga  :"}, {6, 1, "Disc 1 / 2  :"}, {7, 1, "Sales       :"}, {1, 42, "Gudang  :"},
                   {2, 42, "Code Id :"}, {3, 42, "Alasan  :"}, {23, 30, "Jumlah :"}, {23, 58, "Netto :"}});
}

void ShowTotals(console::Console& con, const Draft& draft) {
  const console::Attr attr = con.colours().enhanced;
  con.Say(23, 42, xbase::Transform(Value::Num(draft.Gross()), "999,999,999.99"), attr);
  con.Say(23, 66, xbase::Transform(Value::Num(draft.Net()), "999,999,999.99"), attr);
}

// The header: false after Esc or an empty number.
bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, Draft* draft) {
  console::Console& con = session.console();
  std::string number(20, ' ');
  console::GetList form;
  form.Add(1, 15, &number, "@!").valid = [&] {
    frame::PickSpec pick;
    pick.alias = "DRAFTR1";
    pick.expressions = {"nomor", "relasi", "tanggal", "sales"};
    pick.heads = {"Nomor", "Relasi", "Tanggal", "Sales"};
    if (!frame::Checked(session, frame::PickCode(session, pick, &number))) return false;
    number = xbase::PadR(number, 20);
    if (!GETDRAFT(session, tables, number, draft)) return false;
    if (draft->is_new) {
      draft->date = session.Today();
      draft->warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
    }
    return true;
  };
  if (form.Read(con).escaped || xbase::IsBlank(number)) return false;
  const console::Attr shown = con.colours().enhanced;
  con.Say(1, 52, draft->warehouse, shown);
  documents::CustomerCheck customer;
  console::GetList head;
  head.Add(2, 15, &draft->customer, "@!").valid = [&] {
    customer.code = draft->customer;
    if (!documents::GETCUSTOMER(session, &customer)) return false;
    draft->customer = xbase::PadR(customer.code, 10);
    draft->branch = xbase::PadR(customer.branch, 6);
    draft->code_id = xbase::PadR(customer.code_id, 4);
    if (draft->discount1 == 0 && draft->discount2 == 0) {
      draft->discount1 = customer.discounts[0];
      draft->discount2 = customer.discounts[1];
    }
    con.Say(3, 15, draft->branch, shown);
    con.Say(2, 52, draft->code_id, shown);
    return true;
  };
  head.Add(4, 15, &draft->date).valid = [&] { return documents::CEKTGKIRIM(session, draft->date); };
  head.Add(5, 15, &draft->type, "@!").valid = [&] {
    pickers::SaleType values;
    return pickers::CTIPE(session, &draft->type, &values, false, false, draft->customer);
  };
  head.Add(6, 15, &draft->discount1, "###.##");
  head.Add(6, 22, &draft->discount2, "###.##");
  head.Add(7, 15, &draft->salesman, "@!").valid = [&] { return pickers::CSALES(session, &draft->salesman); };
  head.Add(3, 52, &draft->reason1, "@S27");
  head.Add(4, 52, &draft->reason2, "@S27");
  return !head.Read(con).escaped;
}

// CHKISI: the check of a cell; the line is changed through the draft and the row redrawn from it.
bool CHKISI(frame::Session& session, const frame::OpenedTables& tables, Draft* draft, size_t index, int column,
            Value* value) {
  if (index >= draft->lines.size()) draft->lines.resize(index + 1);
  DraftLine line = draft->lines[index];
  switch (column) {
    case kInvoice: {
      std::string invoice = value->text();
      frame::PickSpec pick;
      pick.alias = "SRTJLN1";
      if (!frame::Checked(session, frame::PickCode(session, pick, &invoice))) return false;
      line.invoice = xbase::PadR(invoice, 20);
      if (!CheckDraftNote(session, tables, draft, line.invoice)) return false;
      break;
    }
    case kCode: {
      std::string code = value->text();
      std::string urut;
      if (code.find('?') != std::string::npos) {
        frame::PickSpec pick;
        pick.alias = "SRTJLN2";
        pick.expressions = {"urut", "kode", "quantity", "harga"};
        pick.heads = {"Urut", "Kode", "Quantity", "Harga"};
        urut = xbase::PadR(line.invoice, 20) + "?";
        bool escaped = false;
        if (!frame::Checked(session, frame::PickCode(session, pick, &urut, nullptr, &escaped)) || escaped) return false;
        code.clear();
      }
      if (!TakeNoteLine(session, tables, &line, urut, code)) return false;
      break;
    }
    case kBox:
    case kPak:
    case kPcs:
      if (column == kBox) line.boxes = value->number();
      if (column == kPak) line.packs = value->number();
      if (column == kPcs) line.pieces = value->number();
      // The goods' carton and pack sizes make the quantity: goods that cannot be read are the error.
      if (!frame::Checked(session, CountPieces(tables["MASTBRJ"], &line))) return false;
      break;
    case kQty:
      if (value->number() < 0) {
        *value = Value::Num(0);
        return false;
      }
      line.quantity = value->number();
      break;
    case kDisc1: line.discount1 = value->number(); break;
    case kDisc2: line.discount2 = value->number(); break;
    default: break;
  }
  draft->lines[index] = line;
  const console::ValueRow row = RowOf(line, index + 1);
  *value = row[static_cast<size_t>(column - 1)];
  return true;
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, Draft* draft) {
  console::Console& con = session.console();
  console::ValueTable rows;
  ShowLines(*draft, &rows);
  int index = 1;
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &rows,
      {"No.", "Eks. No. SJ", "Kode", "Nama Barang", "  Box", "  Pak", "  Pcs", "    Qty", "     Harga", " Disc1",
       " Disc2", "         Nilai"},
      {"99.", "@!s17", "@!", "@!", "99999", "99999", "99999", "9999999", "9999999.99", "999.99", "999.99",
       "999,999,999.99"},
      {9, 0, 21, 79}, std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, kListHelp, &index);
  for (int column = kNo; column <= kValue; ++column) {
    const bool editable = column == kInvoice || column == kCode || (column >= kBox && column <= kQty) || column == kDisc2;
    browse.set_read_only(column, !editable);
  }
  browse.set_column(kInvoice);
  frame::LineEditorHooks hooks;
  hooks.check = [&](Value* value) {
    const size_t at = static_cast<size_t>(index - 1);
    if (!CHKISI(session, tables, draft, at, browse.column(), value)) return false;
    rows[at] = RowOf(draft->lines[at], at + 1);
    return true;
  };
  hooks.enter_on_last = [&] {
    if (static_cast<size_t>(index) == rows.size() && !xbase::IsBlank(draft->lines.empty() ? "" : draft->lines.back().code)) {
      rows.push_back(RowOf(DraftLine{}, rows.size() + 1));
    }
    browse.Skip(1);
    browse.set_column(kInvoice);
  };
  hooks.show = [&] { ShowTotals(con, *draft); };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10:
        if (!Confirmed(session, "Yakin data akan disimpan (Y/T")) return false;
        return SaveDraft(session, tables, draft).ok();  // a failure was told
      case key::kDel: {
        const size_t at = static_cast<size_t>(index - 1);
        if (at < draft->lines.size() && draft->lines[at].HasGoods()) {
          draft->lines.erase(draft->lines.begin() + static_cast<long>(at));
          ShowLines(*draft, &rows);
          browse.Skip(0);
        }
        return false;
      }
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kInvoice, kDisc2, hooks);
}

}  // namespace

xbase::Status DRAFTR1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenDraftTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  for (;;) {
    DrawScreen(session.console());
    Draft draft;
    if (!ReadHeader(session, tables, &draft)) break;
    EditLines(session, tables, &draft);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
