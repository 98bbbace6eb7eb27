// LSLBM: net sales per customer, split into up to 10 chosen salesmen and "SALES LAIN", each with
// its share of the customer's total.
#include <map>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/chosen_salesmen.h"
#include "performance/lsales2.h"
#include "performance/paged_report.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kChosen = 10;
constexpr std::string_view kPicture = " 999,999,999";

frame::OpenedTables OpenCustomerTables(frame::Session& session) {
  return OpenTables(session, Joined({ReportTableUses(), {{"MASTSLS"}, {"MASTCUS"}}, DocumentTableUses()}));
}

// A figure and its share of the total.
std::string WithShare(double figure, double total) {
  return Amount(figure, kPicture) + Amount(frame::Ratio(figure, total), " 999");
}

}  // namespace

bool SalesByCustomer(frame::Session& session, const SalesSplitParams& params) {
  const frame::OpenedTables tables = OpenCustomerTables(session);
  if (!tables) return false;
  xbase::WorkArea& customers = tables["MASTCUS"];
  // A customer whose group cannot be read stops the counting: nothing is printed without him.
  xbase::Status failed;
  const auto in_group = [&](std::string_view code) {
    bool found = false;
    if (failed.ok()) failed = xbase::SeekFound(customers, customers.PadToField("RELASI", xbase::RTrim(code)), &found);
    return failed.ok() && found && BeginsWith(customers.Text("KELOMPOK"), params.group);
  };
  // By customer: JUMLAH, SALES LAIN, then each chosen salesman.
  std::map<std::string, std::vector<double>> rows;
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  filter.accept = [&](const SaleDocument& document) {
    return xbase::IsBlank(params.group) || in_group(document.customer);
  };
  const bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    double figure = 0;
    const xbase::Status s = LinesFigure(session, lines, params.value, &figure);
    if (!s.ok()) return s;
    std::vector<double>& row = rows[document.customer];
    row.resize(2 + params.salesmen.size(), 0);
    const int chosen = ChosenColumn(params.salesmen, document.salesman);
    row[0] += document.sign() * figure;
    row[chosen < 0 ? 1 : 2 + static_cast<size_t>(chosen)] += document.sign() * figure;
    return s;
  });
  if (!read || !frame::Checked(session, failed)) return false;

  std::string heads = "NO.  RELASI    NAMA RELASI               JUMLAH  SALES LAIN   %";
  for (const std::string& code : params.salesmen) heads += xbase::PadL(xbase::AllTrim(code), 12) + "   %";
  const std::string rule(heads.size(), '-');
  PagedReport report(session, 50);
  report.set_heading({{"PENJUALAN by RELASI per SALES, Tanggal " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to), "CB"},
                      {"KELOMPOK : " + std::string(xbase::AllTrim(params.group)) + ", " +
                           (params.value ? "( Value / 1000)" : "CARTON"), "C"},
                      {rule, "C"}, {heads, "C"}, {rule, "C"}});
  if (!report.Start()) return false;
  std::vector<double> total(2 + params.salesmen.size(), 0);
  int number = 0;
  for (const auto& [code, row] : rows) {
    const std::string name =
        xbase::LookUp(customers, customers.PadToField("RELASI", xbase::RTrim(code))) ? customers.Text("NAMA") : std::string();
    std::string line = xbase::PadL(std::to_string(++number), 4) + " " + xbase::PadR(code, 9) + " " +
                       xbase::PadR(xbase::Left(name, 20), 20) + Amount(row[0], kPicture);
    for (size_t i = 1; i < row.size(); ++i) line += WithShare(row[i], row[0]);
    for (size_t i = 0; i < row.size(); ++i) total[i] += row[i];
    if (!report.Row(line)) return false;
  }
  std::string line = xbase::PadR("              JUMLAH", 35) + Amount(total[0], kPicture);
  for (size_t i = 1; i < total.size(); ++i) line += WithShare(total[i], total[0]);
  if (!report.Line(rule) || !report.Line(line)) return false;
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = "PENJUALAN by RELASI per SALES";
  return report.Print(layout);
}

xbase::Status LSLBM(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenCustomerTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  SalesSplitParams params;
  params.customer = Blank(10);
  params.group = Blank(4);
  params.from = params.to = session.Today();
  params.salesmen.assign(kChosen, Blank(4));
  std::string output = "V";
  for (;;) {
    std::vector<std::string> labels = {"Kode Relasi :", "Kelompok    :", "Tanggal     :", "s/d         :"};
    for (int i = 1; i <= kChosen; ++i) labels.push_back(xbase::PadR("Sales " + std::to_string(i), 12) + ":");
    labels.push_back("Output [V/C]:");
    ReportForm form(session, "LAPORAN by RELASI per SALES", labels);
    form.Field(0, &params.customer, "@!");
    form.Field(1, &params.group, "@!");
    form.Period(2, 3, &params.from, &params.to, false);
    for (int i = 0; i < kChosen; ++i) form.Salesman(4 + i, &params.salesmen[static_cast<size_t>(i)]);
    form.Field(4 + kChosen, &output, "!");
    if (!form.Read()) break;
    params.value = output == "V";
    SalesByCustomer(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
