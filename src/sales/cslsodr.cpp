// CSLSODR: a saved sales order printed on the 95-column form "S A L E S   O R D E R" through the
// report engine; a print that reached the printer marks the order printed.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/line_value.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "sales/cjual.h"
#include "sales/order_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kTitleFont = 20;
constexpr std::string_view kColumns =
    "KODE       NAMA BARANG          CARTON   PACK     QTY      HARGA    DISCOUNT             JUMLAH";

std::string Picture(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

// A field of the order's customer, blank at its width when the customer is not there.
std::string CustomerText(frame::Session& session, std::string_view customer, std::string_view field, int width) {
  xbase::WorkArea* area = session.tables().Area("mastcus");
  if (area != nullptr && area->SetOrder("MASTCUS1").ok() && area->Seek(area->PadToField("RELASI", customer)).ok() &&
      area->found()) {
    return area->Text(field);
  }
  return std::string(static_cast<size_t>(width), ' ');
}

// Marks the order printed, under its record lock.
void MarkPrinted(frame::Session& session, const NoteDocument& doc) {
  xbase::WorkArea* orders = nullptr;
  xbase::Status s = frame::RequireArea(session, "slsodr1", &orders);
  if (s.ok()) s = orders->SetOrder("SLSODR11");
  if (s.ok()) s = orders->Seek(orders->PadToField("NOMOR", doc.header.order));
  if (s.ok() && orders->found()) {
    s = console::LOCK_REC(session.console(), *orders);
    if (s.ok()) s = orders->Put("CETAK", xbase::Value::Logical(true));
    const xbase::Status unlocked = orders->Unlock();
    if (s.ok()) s = unlocked;
  }
  frame::ShowFailure(session, s);
}

bool PrintOrder(frame::Session& session, const NoteDocument& doc) {
  frame::ReportWriter report(session, "lapor");
  if (!report.Start() || !report.NewPage()) return false;
  for (const frame::ReportLine& row : OrderFormRows(session, doc)) {
    if (!report.Line(row.text, row.controls, row.font)) return false;
  }
  frame::ReportLayout layout;
  layout.width = 95;
  layout.title = "PO";
  layout.left_margin = 10;
  layout.signature_box = false;
  if (!report.Print(layout)) return false;
  MarkPrinted(session, doc);
  return true;
}

}  // namespace

std::vector<frame::ReportLine> OrderFormRows(frame::Session& session, const NoteDocument& doc) {
  const OrderHeader& header = doc.header;
  const std::string customer = header.customer;
  const auto text = [&](std::string_view field, int width) { return CustomerText(session, customer, field, width); };
  std::vector<frame::ReportLine> rows(10, {"", "S", 0});
  const auto row = [&](std::string value) { rows.push_back({std::move(value), "S", 0}); };
  rows.push_back({std::string(34, ' ') + "S A L E S   O R D E R" + std::string(15, ' ') + "Nomor : " + header.order, "SH",
                  kTitleFont});
  row(xbase::PadR("Kepada Yth .", 70) + "Tanggal : " + xbase::Dtoc(header.order_date));
  row(std::string(xbase::AllTrim(text("NAMA", 40))) + " (" + std::string(xbase::AllTrim(customer)) + ")");
  row(text("ALAMAT", 45));
  row(text("ALAMAT2", 45));
  row(text("KOTA", 15) + "                                             Kode Sales/Tipe : " + header.salesman + "/" +
      header.type);
  row(text("TELP", 40) + "                  Syarat Pengiriman : " + header.remark1);
  row(std::string(78, ' ') + header.remark2);
  const std::string rule(95, '-');
  row(rule);
  row(std::string(kColumns));
  row(rule);
  const double vat = (100 + session.POTONGPPN) / 100;
  double total = 0;
  int items = 0;
  for (const console::ValueRow& line : doc.lines) {
    if (xbase::IsBlank(note::Word(line, note::kCode))) continue;
    const double quantity = note::Figure(line, note::kQuantity);
    const double price = note::Figure(line, note::kPrice) / vat;
    const double d1 = note::Figure(line, note::kDisc1), d2 = note::Figure(line, note::kDisc2);
    const double amount = documents::LineValue(quantity, price, d1, d2);
    row(note::Word(line, note::kCode) + " " + xbase::PadR(note::Word(line, note::kName), 20) + " " +
        xbase::Str(note::Figure(line, note::kCartons), 6) + " " + xbase::Str(note::Figure(line, note::kPacks), 6) + " " +
        xbase::Str(quantity, 7) + " " + Picture(price, "9999999.99") + " " + Picture(d1, "999.99") + " " +
        Picture(d2, "999.99") + " " + Picture(amount, "9,999,999,999.99"));
    total += amount;
    ++items;
  }
  row(rule);
  row(std::string(69, ' ') + "JUMLAH : " + Picture(total, "99,999,999,999.99"));
  AppendFormEnd(&rows, total, header.discount1, header.discount2, true, items);
  return rows;
}

xbase::Status CSLSODR(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  NoteDocument doc;
  for (;;) {
    console::ISHADOW(con, 8, 20, 12, 59, colour);
    console::TENGAH(con, 9, "CETAK SALES ORDER", colour);
    con.Say(11, 22, "Nomor : ", con.Colour(colour));
    doc.header.order = std::string(15, ' ');
    console::GetList form;
    form.Add(11, 30, &doc.header.order, "@!").valid = [&] {
      return xbase::IsBlank(doc.header.order) || LCGETSALESORDER(session, &doc);
    };
    if (form.Read(con).escaped || xbase::IsBlank(doc.header.order)) break;
    PrintOrder(session, doc);
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
