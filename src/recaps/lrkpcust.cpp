// LRKPCUST "Rekap Penjualan per Customer": net sales per customer in cartons or value, cumulative and for the period;
// a text report.
#include <map>

#include <algorithm>
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "recaps/sales_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace recaps {

using frame::Pictured;

namespace {

constexpr std::string_view kAmount = " 999,999,999,999.99";

struct CustomerSums {
  std::string name;
  double sums[3] = {0, 0, 0};  // last year to date, the period, the end date's month
};

}  // namespace

// Net sales per customer in cartons or value: last year to the same day, the period, and the month.
xbase::Status LRKPCUST(frame::Session& session, const Args&) {
  const frame::OpenedTables tables =
      OpenTables(session, {{"SRTJLN1"}, {"SRTJLN2"}, {"RTJUAL1"}, {"RTJUAL2"}, {"MASTBRJ"}, {"MASTCUS"}});
  if (!tables) return xbase::Status::OK();
  DocumentFilter filter = ThisMonth(session);
  filter.from = text::AWALTAHUN(session.Today().year());
  std::string unit = "B";
  double per_page = 55;
  std::vector<BoxField> fields = DocumentFields(&filter);
  fields.push_back({"OUTPUT    :", &unit, "!", [&] { return unit == "B" || unit == "V"; }});
  fields.push_back({"BRS/HAL   :", &per_page, "99"});
  while (AskInBox(session, {" REKAP PENJUALAN per CUSTOMER  "}, fields) &&
         !filter.from.empty() && !filter.to.empty()) {
    // Both dates in one year, or nothing is produced.
    if (filter.from.year() != filter.to.year()) continue;
    const xbase::Date last_from = text::AWALTAHUN(filter.to.year() - 1);
    const xbase::Date last_to = xbase::Date::FromYmd(filter.to.year() - 1, filter.to.month(),
                                                     std::min(filter.to.day(), xbase::Date::DaysInMonth(filter.to.year() - 1, filter.to.month())));
    const xbase::Date month_from = text::TGLAWAL(filter.to);
    DocumentFilter walk = filter;
    walk.from = last_from;
    std::map<std::string, CustomerSums> customers;
    MasterLookup cartons(tables["MASTBRJ"], "DOS");
    xbase::Status s;
    for (const DocumentKind* kind : {&kNotes, &kReturns}) {
      if (!s.ok()) break;
      const double sign = kind == &kNotes ? 1 : -1;
      s = ForEachDocument(tables, *kind, walk,
                          [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
        const xbase::Date date = header.DateOf("TANGGAL");
        const bool windows[3] = {date >= last_from && date <= last_to, date >= filter.from && date <= filter.to,
                                 date >= month_from && date <= filter.to};
        CustomerSums& sums = customers[header.Text("RELASI")];
        xbase::Status status;
        for (const uint32_t record : records) {
          status = lines.GoTo(record);
          if (!status.ok()) break;
          double figure = LineValue(lines) * HeaderFactor(header);
          if (unit == "B") {
            const double size = cartons.Number(lines.Text("KODE"), &status);
            figure = size == 0 ? 0 : lines.Number("QUANTITY") / size;
          }
          for (int w = 0; w < 3; ++w) sums.sums[w] += windows[w] ? sign * figure : 0;
        }
        return status;
      });
    }
    if (!frame::Checked(session, s)) continue;
    const int width = static_cast<int>(kAmount.size());
    const std::string columns = xbase::PadR("KODE       NAMA", 51) + xbase::PadL("KUMMULATIF", width) +
                                xbase::PadL("KUMMULATIF", width) + xbase::PadL("TANGGAL", width);
    const std::string years = std::string(51, ' ') + xbase::PadL("TH LALU", width) + xbase::PadL("TH INI", width);
    const std::string rule(columns.size(), '-');
    PagedText text({"REKAP PENJUALAN NETTO per CUSTOMER " + std::string(unit == "B" ? "(carton)" : "(value)"),
                    "PERIODE : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to), rule, columns, years,
                    rule},
                   std::max(10, static_cast<int>(per_page)));
    double totals[3] = {0, 0, 0};
    xbase::WorkArea& names = tables["MASTCUS"];
    for (const auto& [code, sums] : customers) {
      std::string name;
      if (xbase::LookUp(names, names.PadToField("RELASI", xbase::AllTrim(code)))) name = names.Text("NAMA");
      std::string line = xbase::PadR(code, 10) + " " + xbase::PadR(name, 40);
      for (int w = 0; w < 3; ++w) {
        line += Pictured(sums.sums[w], kAmount);
        totals[w] += sums.sums[w];
      }
      text.Line(line);
    }
    text.Line(rule);
    std::string total = xbase::PadR("TOTAL", 51);
    for (const double figure : totals) total += Pictured(figure, kAmount);
    text.Line(total);
    PrintPages(session, text, 6, static_cast<int>(columns.size()));
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
