// IJUAL: the sales order with its delivery notes. The clerk types the order header, then its lines;
// F10 saves the order, the part of each line that can leave now on delivery notes, the stock, the
// receivables and the customer balance.
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/array_browse.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/customer_check.h"
#include "documents/posting_date.h"
#include "documents/trade_discount.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/note_header.h"
#include "sales/note_screen.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

constexpr char kTitle[] = "INPUT SALES ORDER + SURAT JALAN";

const std::vector<std::string> kHeads = {"NO",       "GDG",   "KODE",  "NAMA",  "Q. BOX", "Q. PAK", "Q. PCS",
                                         "QUANTITY", "Q. KIRIM", "HARGA", "DISC1", "DISC2", "JUMLAH"};
const std::vector<std::string> kPictures = {"99",          "@!",          "@!",          "@!",
                                            "999999",      "999999",      "999,999,999", "999,999,999",
                                            "999,999,999", "9,999,999.99", "999.99",     "999.99",
                                            "99,999,999,999.99"};

// The header rows of the form, from row 2.
const std::vector<std::string> kHeaderRows = {
    "No. Order  : ...............  Tanggal : ..........  Tg. Kirim : ..........",
    "Customer   : ..........       Tgl. SJ : ..........  Tg. Tempo : .......... +...",
    "............................  Kd. Cab : ...... Tipe : .. Sl/Bm: .... ..........",
    "                              Disc. 1 : ...... Ket. : ....................",
    "                              Disk. 2 : ......        ....................",
    "                                              Code Id : ....   Include : ."};

// The customer check of the header; fills what the customer brings.
bool CheckCustomer(frame::Session& session, OrderHeader* header) {
  documents::CustomerCheck check;
  check.code = header->customer;
  check.recompute_term = true;
  check.show = true;
  if (!documents::GETCUSTOMER(session, &check)) return false;
  header->customer = xbase::PadR(check.code, 10);
  header->branch = xbase::PadR(check.branch, 6);
  header->code_id = xbase::PadR(check.code_id, 4);
  header->term = check.term;
  header->group = check.group;
  header->price_level = check.price_level;
  header->ceilings = check.discounts;
  header->discount1 = check.discounts[2];
  header->discount2 = check.discounts[3];
  return true;
}

// The header form; false when it was left with Esc or without an order number.
bool ReadHeader(frame::Session& session, OrderHeader* header) {
  console::Console& con = session.console();
  console::GetList form;
  const auto numbered = [header] { return !xbase::IsBlank(header->order); };
  auto add = [&](int row, int col, console::GetField::Target target, std::string picture,
                 std::function<bool()> valid = {}) {
    console::GetField& field = form.Add(row, col, target, std::move(picture));
    field.valid = std::move(valid);
    if (row != 2 || col != 13) field.when = numbered;
  };
  add(2, 13, &header->order, "@!",
      [&] { return xbase::IsBlank(header->order) || CEKORDEREXIST(session, header->order); });
  add(3, 13, &header->customer, "@!", [&] { return CheckCustomer(session, header); });
  add(2, 40, &header->order_date, "");
  add(3, 40, &header->note_date, "", [&] {
    xbase::Date accepted;
    return documents::CECKTANGGAL(session, header->note_date, true, {}, &accepted, 0);
  });
  add(2, 64, &header->shipping_date, "");
  AddSaleFields(&form, session, header, true, numbered);
  const console::ReadResult read = form.Read(con);
  if (read.escaped || xbase::IsBlank(header->order)) return false;
  con.Say(3, 76, xbase::Str(header->term, 3), con.colours().standard);
  return true;
}

// The line editor of one order; returns when the order was saved or dropped.
void EditLines(frame::Session& session, SalesOrder* order) {
  console::Console& con = session.console();
  order->lines.clear();
  ADD_REC(&order->lines, order->header.ceilings[0], order->header.ceilings[1], session.MMEMBER.warehouse);
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &order->lines, kHeads, kPictures, {9, 0, 21, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kLineNo, kName, kPrice, kAmount}) browse.set_read_only(column, true);

  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return CHKIJUAL(session, typed, browse.column(), order, idx); };
  hooks.show = [&] { INFORMASI(session, *order, idx); };
  hooks.enter_on_last = [&] {
    const console::ValueRow& line = order->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kCode);  // pans back to the code before the cursor goes to the warehouse
    browse.set_column(kWarehouse);
    if (xbase::IsBlank(Word(line, kCode)) || Figure(line, kQuantity) == 0) return;
    if (idx == browse.row_count()) {
      ADD_REC(&order->lines, Figure(line, kDisc1), Figure(line, kDisc2), Word(line, kWarehouse));
    }
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1 && !xbase::IsBlank(Word(order->lines[static_cast<size_t>(idx - 1)], kWarehouse))) {
          DEL_REC(&order->lines, idx);
          browse.Skip(0);
        }
        return false;
      case key::kEsc:
        if (browse.row_count() == 1) return true;
        return std::toupper(console::PESAN(con, "Yakin akan diCancel (Y/T)")) == 'Y';
      case key::kF10: return SIMPANDATA(session, *order);
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kWarehouse, kAmount, hooks);
  order->lines.clear();
}

}  // namespace

frame::OpenedTables OPENDATA(frame::Session& session) {
  // The screen's tables, in the order it opens them.
  return frame::OpenTables(
      session, {"databm", "relasi_ext", "bmonitor", "mastbrj", "STOKBRG", "SRTJLN1", "SRTJLN2", "SRTJLN3", "MASTCUS",
                "SLSODR1", "SLSODR2", "PIUTDBT", "SETUP", "PERUSH", "tipe", "mastsls", "mastgdg"});
}

bool MustCloseBooks(frame::Session& session) {
  const int day_limit = static_cast<int>(xbase::Val(session.ZHARIBATAS).value);
  if (session.ZTGLBATAS <= session.ZTGPROSES + day_limit || session.MMEMBER.HasRight("/SPV")) return false;
  console::PESAN(session.console(), "Harus lakukan proses tutup buku dulu...");
  return true;
}

xbase::Status IJUAL(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (MustCloseBooks(session)) return xbase::Status::OK();
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const console::ColourSet colours = con.SetColour(NoteColours(con));
  SalesOrder order;
  OrderHeader& header = order.header;
  header.order_date = header.note_date = header.shipping_date = session.Today();
  DrawNoteForm(con, con.colours().standard, kTitle, kHeaderRows);
  for (;;) {
    if (!ReadHeader(session, &header)) break;
    EditLines(session, &order);
    ClearNoteLines(con, con.colours().standard);
  }
  con.set_colours(colours);
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
