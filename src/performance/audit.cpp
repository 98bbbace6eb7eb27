// AUDITHRG: every delivery-note line of a period whose price differs from the customer's price
// list, whose nett price is below the item's minimum or whose discount passes the allowed one.
#include "performance/audit.h"

#include "console/message.h"
#include "documents/trade_discount.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kAuditHeadRow = 3;
constexpr int kFirstLine = 5;
constexpr int kLastColumn = 27;

frame::OpenedTables OpenAuditTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTCUS"}, {"MASTBRJ"}, {"SETUP"}}, DocumentTableUses()}));
}

// The list price and minimum nett price fields of a price level.
std::pair<std::string_view, std::string_view> PriceFields(double level) {
  switch (static_cast<int>(level)) {
    case 0: return {"HARGA", "HRG_NETT"};
    case 1: return {"HARGA1", "HRG_NETT1"};
    case 2: return {"HARGA2", "HRG_NETT2"};
    case 3: return {"HPP", "HRG_NETT3"};
    default: return {"HARGA4", "HRG_NETT4"};
  }
}

double Cents(double value) { return xbase::Round(value, 2); }

void Heads(platform::Worksheet& sheet) {
  int column = 1;
  for (const char* head : {"NO.", "TANGGAL", "INVOICE", "RELASI", "NAMA RELASI", "KEL.", "TIPE", "KODE", "NAMA BARANG",
                           "QUANTITY"}) {
    TallHead(sheet, column++, head, kAuditHeadRow);
  }
  SpanHead(sheet, 11, "HARGA", {"S/J", "P/L", "VAR"}, kAuditHeadRow);
  SpanHead(sheet, 14, "DISCOUNT", {"D1", "D2", "CD1", "CD2", "J.Disc", "M1", "M2", "J.Mas", "VAR"}, kAuditHeadRow);
  SpanHead(sheet, 23, "HARGA NETT", {"S/J", "P/L", "VAR"}, kAuditHeadRow);
  TallHead(sheet, 26, "HRG", kAuditHeadRow);
  TallHead(sheet, 27, "PO", kAuditHeadRow);
  FinishHeads(sheet, kLastColumn, kAuditHeadRow, kAuditHeadRow + 1);
}

}  // namespace

double CompoundDiscount(const std::vector<double>& percents) {
  double left = 100;
  for (double percent : percents) left *= Off(percent);
  return 100 - left;
}

bool ADASALAH(std::string_view code, double list_price, double price, double nett, double minimum_nett, double d1,
              double d2, double cd1, double cd2, double m1, double m2) {
  if (d1 == 100 || d2 == 100 || cd1 == 100 || cd2 == 100) return false;
  const double discount = Cents(CompoundDiscount({d1, d2, cd1, cd2}));
  if (code.starts_with('C')) return discount != 0;
  return list_price == 0 || price == 0 || Cents(price) != Cents(list_price) || Cents(nett) < Cents(minimum_nett) ||
         discount > Cents(CompoundDiscount({m1, m2}));
}

bool PriceAudit(frame::Session& session, const std::string& customer, xbase::Date from, xbase::Date to, std::string* path) {
  const frame::OpenedTables tables = OpenAuditTables(session);
  if (!tables) return false;
  frame::SpreadsheetExport book(session, "AUDIT HARGA JUAL");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"HASIL AUDIT HARGA : " + std::string(xbase::AllTrim(customer)),
                 "PERIODE " + xbase::Dtoc(from) + " s/d " + xbase::Dtoc(to)},
         12);
  Heads(sheet);
  xbase::WorkArea& customers = tables["MASTCUS"];
  xbase::WorkArea& items = tables["MASTBRJ"];
  int line = kFirstLine;
  xbase::Status failed;
  DocumentFilter filter;
  filter.from = from;
  filter.to = to;
  filter.customer = customer;
  filter.without_admin_return = true;
  filter.returns = false;
  const bool read = ForEachDocument(session, tables, filter, [&](const SaleDocument& note, const std::vector<SaleLine>& lines) {
    // The price level, list prices and discount ceilings judge every line: after a read that failed
    // nothing more is judged, and the sheet is not written.
    if (!failed.ok()) return;
    double m1 = 0, m2 = 0, m3 = 0, m4 = 0;
    bool known = false;
    failed = documents::TRADEDISCOUNT(session, note.customer, &m1, &m2, &m3, &m4);
    if (failed.ok()) failed = xbase::SeekFound(customers, customers.PadToField("RELASI", xbase::RTrim(note.customer)), &known);
    if (!failed.ok()) return;
    const double level = known ? customers.Number("TERIMA") : 0;
    const auto [price_field, nett_field] = PriceFields(level);
    for (const SaleLine& item : lines) {
      bool listed = false;
      if (failed = xbase::SeekFound(items, items.PadToField("KODE", xbase::RTrim(item.code)), &listed); !failed.ok()) return;
      const double list_price = listed ? items.Number(price_field) : 0;
      const double minimum = listed ? items.Number(nett_field) : 0;
      double allowed1 = m1, allowed2 = m2;
      bool found = false;
      std::string ket;
      if (listed) failed = ReadSetupText(session, xbase::RTrim(items.Text("GOLONGAN")), &ket, &found);
      if (!failed.ok()) return;
      if (found) {
        allowed1 = NumberAt(ket, 1, 3);
        allowed2 = NumberAt(ket, 4, 3);
      }
      const double nett = item.price * Off(item.discount1) * Off(item.discount2) * Off(note.discount1) * Off(note.discount2);
      if (!ADASALAH(item.code, list_price, item.price, nett, minimum, item.discount1, item.discount2, note.discount1,
                    note.discount2, allowed1, allowed2)) {
        continue;
      }
      const double discount = CompoundDiscount({item.discount1, item.discount2, note.discount1, note.discount2});
      const double allowed = CompoundDiscount({allowed1, allowed2});
      sheet.SetNumber(line, 1, line - kFirstLine + 1);
      sheet.SetDate(line, 2, note.date);
      sheet.SetValue(line, 3, frame::AsText(xbase::RTrim(note.number)));
      sheet.SetValue(line, 4, frame::AsText(xbase::RTrim(note.customer)));
      sheet.SetValue(line, 5, known ? std::string(xbase::RTrim(customers.Text("NAMA"))) : std::string());
      sheet.SetValue(line, 6, known ? frame::AsText(xbase::RTrim(customers.Text("KELOMPOK"))) : std::string());
      sheet.SetValue(line, 7, frame::AsText(note.type));
      sheet.SetValue(line, 8, frame::AsText(xbase::RTrim(item.code)));
      sheet.SetValue(line, 9, listed ? std::string(xbase::RTrim(items.Text("NAMA"))) : std::string());
      const double figures[] = {item.quantity, item.price, list_price, item.price - list_price, item.discount1,
                                item.discount2, note.discount1, note.discount2, discount, allowed1, allowed2, allowed,
                                allowed - discount, nett, minimum, nett - minimum, level};
      for (size_t i = 0; i < std::size(figures); ++i) sheet.SetNumber(line, 10 + static_cast<int>(i), figures[i]);
      sheet.SetValue(line, 27, frame::AsText(xbase::RTrim(note.order)));
      ++line;
    }
  });
  if (!frame::Checked(session, failed) || !read) return false;
  if (line > kFirstLine) {
    sheet.SetBorders(Block(kFirstLine, 1, line - 1, kLastColumn), frame::kBorderWeight);
    int fill = 34;
    for (int column : {13, 22, 25}) sheet.SetFill(Block(kAuditHeadRow, column, line - 1, column), fill++);
  }
  sheet.SetNumberFormat("B", "dd-mm-yyyy");
  sheet.SetNumberFormat(Columns(10, 13), frame::kAmountFormat);
  sheet.SetNumberFormat(Columns(14, 22), frame::kTwoDecimalFormat);
  sheet.SetNumberFormat(Columns(23, 25), frame::kTwoDecimalFormat);
  sheet.AutoFit(Columns(1, kLastColumn));
  return book.Show(path);
}

xbase::Status AUDITHRG(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenAuditTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  std::string customer = Blank(10);
  xbase::Date from = session.Today(), to = session.Today();
  for (;;) {
    ReportForm form(session, "AUDIT HARGA JUAL", {"Relasi  :", "Periode :", "s/d     :"});
    form.Field(0, &customer, "@!");
    form.Period(1, 2, &from, &to, false);
    if (!form.Read()) break;
    PriceAudit(session, customer, from, to);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
