// LJURJL "Jurnal Penjualan": the delivery notes and sales returns of a period line by line, with their discounts and
// totals; a text report.
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "recaps/product_figures.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "recaps/sales_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

using frame::Pictured;

namespace {

constexpr std::string_view kColumns =
    " NO. TANGGAL    INVOICE         KODE       NAMA                     QTY      HARGA    DISCOUNT              NILAI";
constexpr int kWidth = static_cast<int>(kColumns.size());
constexpr std::string_view kAmount = " 999,999,999,999.99";

// A label ending where the amounts end, and the amount.
std::string Total(std::string_view label, double amount) {
  return xbase::PadL(label, kWidth - static_cast<int>(kAmount.size())) + Pictured(amount, kAmount);
}

// The block of one kind of document; returns its total after the header discounts.
xbase::Status Block(const frame::OpenedTables& tables, const DocumentKind& kind, const DocumentFilter& filter,
                    PagedText* text, int* number, double* total) {
  return ForEachDocument(tables, kind, filter,
                         [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
    double sum = 0;
    xbase::Status s;
    for (const uint32_t record : records) {
      s = lines.GoTo(record);
      if (!s.ok()) return s;
      const double value = LineValue(lines);
      sum += value;
      text->Line(Pictured(++*number, "9999 ") + xbase::Dtoc(header.DateOf("TANGGAL")) + " " +
                 xbase::PadR(xbase::RTrim(header.Text(kind.number)), 15) + " " + lines.Text("KODE") + " " +
                 xbase::PadR(ItemName(tables["MASTBRJ"], lines.Text("KODE")), 20) + Pictured(lines.Number("QUANTITY"), " 9999999") +
                 Pictured(lines.Number("HARGA"), " 999,999.99") + Pictured(lines.Number("DISCOUNT"), " 999.99") + "+" +
                 Pictured(lines.Number("DISCOUNT2"), "999.99") + Pictured(value, " 9,999,999,999.99"));
    }
    text->Line(Total("JUMLAH :", sum));
    double net = sum;
    bool discounted = false;
    for (const char* field : {"DISCOUNT", "DISCOUNT2"}) {
      const double percent = header.Number(field);
      if (percent == 0) continue;
      const double cut = net * percent / 100;
      net -= cut;
      discounted = true;
      text->Line(Total("Discount " + std::string(xbase::AllTrim(Pictured(percent, "999.99"))) + "% :", cut));
    }
    if (discounted) text->Line(Total("NETTO :", net));
    text->Line("");
    *total += net;
    return s;
  });
}

}  // namespace

xbase::Status LJURJL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables =
      OpenTables(session, {{"SRTJLN1"}, {"SRTJLN2"}, {"RTJUAL1"}, {"RTJUAL2"}, {"MASTBRJ"}});
  if (!tables) return xbase::Status::OK();
  DocumentFilter filter = ThisMonth(session);
  double per_page = 55;
  while (AskInBox(session, {"      JURNAL PENJUALAN      "}, DocumentFields(&filter, &per_page)) &&
         !filter.from.empty() && !filter.to.empty()) {
    const std::string rule(kWidth, '=');
    PagedText text({"JURNAL PENJUALAN per INVOICE",
                    "PERIODE : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to), rule,
                    std::string(kColumns), rule},
                   std::max(10, static_cast<int>(per_page)));
    int number = 0;
    double sales = 0, returns = 0;
    xbase::Status s = Block(tables, kNotes, filter, &text, &number, &sales);
    if (s.ok()) {
      text.Line(Total("TOTAL PENJUALAN :", sales));
      text.Line("");
      s = Block(tables, kReturns, filter, &text, &number, &returns);
    }
    if (!frame::Checked(session, s)) continue;
    text.Line(Total("TOTAL RETUR :", returns));
    text.Line(Total("PENJUALAN BERSIH :", sales - returns));
    PrintPages(session, text, 5, kWidth);
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
