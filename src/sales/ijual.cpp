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
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

constexpr char kTitle[] = "INPUT SALES ORDER + SURAT JALAN";
constexpr char kDiscountRange[] = "Discount harus antara 0 sampai 100";
constexpr char kFooter[] = "Sisa Barang : ......... pcs = ....... Box              Netto : ...............";
// The screen's colours: the form, the field being edited, and the fields not being edited.
constexpr char kColours[] = "W+/b,N/W,,,W+/b";
constexpr char kMonoColours[] = "W/n,N/W,,,W/n";

const std::vector<std::string> kHeads = {"NO",       "GDG",   "KODE",  "NAMA",  "Q. BOX", "Q. PAK", "Q. PCS",
                                         "QUANTITY", "Q. KIRIM", "HARGA", "DISC1", "DISC2", "JUMLAH"};
const std::vector<std::string> kPictures = {"99",          "@!",          "@!",          "@!",
                                            "999999",      "999999",      "999,999,999", "999,999,999",
                                            "999,999,999", "9,999,999.99", "999.99",     "999.99",
                                            "99,999,999,999.99"};

// The form: title, header lines, the rules around the lines and the footer.
void DrawForm(console::Console& con, console::Attr attr) {
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, kTitle, con.Pick("W+/b", "W+/n"));
  static const char* const kLines[] = {
      "No. Order  : ...............  Tanggal : ..........  Tg. Kirim : ..........",
      "Customer   : ..........       Tgl. SJ : ..........  Tg. Tempo : .......... +...",
      "............................  Kd. Cab : ...... Tipe : .. Sl/Bm: .... ..........",
      "                              Disc. 1 : ...... Ket. : ....................",
      "                              Disk. 2 : ......        ....................",
      "                                              Code Id : ....   Include : ."};
  int row = 2;
  for (const char* line : kLines) con.Say(row++, 0, line, attr);
  const std::string rule(80, '\xC4');
  con.Say(8, 0, rule, attr);
  con.Say(22, 0, rule, attr);
  con.Say(23, 0, kFooter, attr);
}

// The lines and the footer's figures blanked for the next order; the header keeps what it shows.
void ClearLines(console::Console& con, console::Attr attr) {
  con.Clear(9, 0, 21, 79, attr);
  con.Say(23, 0, kFooter, attr);
}

// A header discount: within 0 to 100 and not above the customer group's ceiling.
bool HeaderDiscount(frame::Session& session, double value, double ceiling) {
  if (value < 0 || value > 100) return pickers::Refuse(session, kDiscountRange);
  return documents::CHKTRADE(value, ceiling);
}

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
  add(4, 40, &header->branch, "@!");
  add(4, 54, &header->type, "@!", [&] {
    pickers::SaleType values;
    return pickers::CTIPE(session, &header->type, &values, false, false, header->customer);
  });
  add(4, 64, &header->salesman, "@!", [&] { return pickers::CSALES(session, &header->salesman); });
  add(4, 69, &header->manager, "@!", [&] { return pickers::CBMMGR(session, &header->manager); });
  add(5, 40, &header->discount1, "999.99",
      [&] { return HeaderDiscount(session, header->discount1, header->ceilings[2]); });
  add(6, 40, &header->discount2, "999.99",
      [&] { return HeaderDiscount(session, header->discount2, header->ceilings[3]); });
  add(5, 54, &header->remark1, "");
  add(6, 54, &header->remark2, "");
  add(7, 56, &header->code_id, "@!", [&] {
    std::string name;
    return pickers::CID(session, &header->code_id, &name, con.Pick(kColours, kMonoColours));
  });
  add(7, 73, &header->include, "Y");
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

bool OPENDATA(frame::Session& session) {
  // The screen's tables, in the order it opens them.
  static constexpr const char* kTables[] = {"databm",  "relasi_ext", "bmonitor", "mastbrj", "STOKBRG", "SRTJLN1",
                                            "SRTJLN2", "SRTJLN3",    "MASTCUS",  "SLSODR1", "SLSODR2", "PIUTDBT",
                                            "SETUP",   "PERUSH",     "tipe",     "mastsls", "mastgdg"};
  for (const char* table : kTables) {
    if (!frame::OpenTable(session, table)) {
      session.CloseTables();
      return false;
    }
  }
  return true;
}

xbase::Status IJUAL(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const int day_limit = static_cast<int>(xbase::Val(session.ZHARIBATAS).value);
  if (session.ZTGLBATAS > session.ZTGPROSES + day_limit && !session.MMEMBER.HasRight("/SPV")) {
    console::PESAN(con, "Harus lakukan proses tutup buku dulu...");
    return xbase::Status::OK();
  }
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const console::ColourSet colours = con.SetColour(con.Pick(kColours, kMonoColours));
  SalesOrder order;
  OrderHeader& header = order.header;
  header.order_date = header.note_date = header.shipping_date = session.Today();
  DrawForm(con, con.colours().standard);
  for (;;) {
    if (!ReadHeader(session, &header)) break;
    EditLines(session, &order);
    ClearLines(con, con.colours().standard);
  }
  con.set_colours(colours);
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
