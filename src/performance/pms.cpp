// PMS: a salesman's weekly sales per customer; the report it shares with RPMS, which shows six days.
#include <array>
#include <map>

#include "frame/report_engine.h"
#include "performance/paged_report.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sale_documents.h"
#include "performance/weeks.h"
#include "pickers/pickers.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kDays = 6;
constexpr int kColumns = 6;  // five weeks or six days; the total follows
constexpr std::string_view kPicture = " 9,999,999,999";
constexpr int kLabelWidth = 44;

using Amounts = std::array<double, kColumns + 1>;

struct CustomerRow {
  std::string name, city;
  Amounts amounts{};
};

frame::OpenedTables OpenRecapTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTCUS"}, {"MASTSLS"}, {"TIPE"}}, DocumentTableUses()}));
}

std::string AmountsText(const Amounts& amounts, int columns) {
  std::string text;
  for (int i = 0; i < columns; ++i) text += Amount(amounts[static_cast<size_t>(i)], kPicture);
  return text + Amount(amounts[kColumns], kPicture);
}

}  // namespace

bool CustomerSalesRecap(frame::Session& session, const CustomerRecapParams& params, bool weekly) {
  const frame::OpenedTables tables = OpenRecapTables(session);
  if (!tables) return false;
  const Weeks weeks = WeekStarts(params.from);
  const xbase::Date to = weekly ? params.to : params.from + (kDays - 1);
  const int columns = weekly ? kWeeks : kDays;
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = to;
  filter.customer = params.customer;
  filter.salesman = params.salesman;
  filter.type = params.type;
  filter.printed_only = true;
  std::map<std::string, CustomerRow> rows;
  const bool read = ForEachDocument(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    double value = 0;
    for (const SaleLine& line : lines) value += line.value;
    const size_t column = static_cast<size_t>(weekly ? weeks.WeekOf(document.date) - 1 : document.date - params.from);
    CustomerRow& row = rows[document.customer];
    row.amounts[column] += document.sign() * value;
    row.amounts[kColumns] += document.sign() * value;
  });
  if (!read) return false;

  xbase::WorkArea& customers = tables["MASTCUS"];
  for (auto& [code, row] : rows) {
    if (xbase::LookUp(customers, customers.PadToField("RELASI", xbase::RTrim(code)))) {
      row.name = customers.Text("NAMA");
      row.city = customers.Text("KOTA");
    }
  }
  std::string salesman_name;
  xbase::WorkArea& salesmen = tables["MASTSLS"];
  if (xbase::LookUp(salesmen, salesmen.PadToField("SALES", xbase::AllTrim(params.salesman)))) {
    salesman_name = std::string(xbase::RTrim(salesmen.Text("NAMA")));
  }

  std::string heads = xbase::PadR("RELASI     NAMA                 KOTA", kLabelWidth);
  for (int column = 1; column <= columns; ++column) {
    std::string head;
    if (!weekly) {
      head = "    " + xbase::Dtoc(params.from + (column - 1));
    } else if (column < kWeeks) {
      head = "  TGL " + Day2(weeks.FirstDay(column)) + " - " + Day2(weeks.LastDay(column));
    } else {
      head = "  >  " + Day2(weeks.FirstDay(column));
    }
    heads += xbase::PadL(head, 14);
  }
  heads += xbase::PadL("JUMLAH", 14);
  const std::string rule(heads.size(), '-');
  const std::string title = std::string(weekly ? "REKAP PENJUALAN MINGGUAN PER SALES : " : "REKAP PENJUALAN HARIAN PER SALES : ") +
                            std::string(xbase::AllTrim(params.salesman)) + " (" + salesman_name + ")";
  PagedReport report(session, params.rows_per_page);
  report.set_heading({{title, "CB"}, {"PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(to), "C"},
                      {rule, "C"}, {heads, "C"}, {rule, "C"}});
  Amounts page{}, total{};
  report.set_footer([&] {
    for (size_t i = 0; i < page.size(); ++i) total[i] += page[i];
    const bool written = report.Line(rule) && report.Line(xbase::PadR(" Sub Total ", kLabelWidth) + AmountsText(page, columns)) &&
                         report.Line(xbase::PadR(" T O T A L ", kLabelWidth) + AmountsText(total, columns));
    page = {};
    return written;
  });
  if (!report.Start()) return false;
  for (const auto& [code, row] : rows) {
    const std::string label = xbase::PadR(code, 10) + " " + xbase::PadR(xbase::Left(row.name, 20), 20) + " " +
                              xbase::PadR(xbase::Left(row.city, 12), 12);
    if (!report.Row(label + AmountsText(row.amounts, columns))) return false;
    for (size_t i = 0; i < page.size(); ++i) page[i] += row.amounts[i];
  }
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = weekly ? "REKAP PENJUALAN MINGGUAN" : "REKAP PENJUALAN HARIAN";
  return report.Print(layout);
}

// The form of PMS and RPMS; `weekly` chooses the period fields.
xbase::Status CustomerRecapScreen(frame::Session& session, bool weekly) {
  const frame::OpenedTables tables = OpenRecapTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  CustomerRecapParams params;
  params.customer = Blank(10);
  params.salesman = Blank(4);
  params.type = Blank(2);
  params.from = ProcessMonthStart(session);
  params.to = text::TGLAKHIR(params.from);
  double rows = 50;
  for (;;) {
    std::vector<std::string> labels = {"Relasi  :", "Sales   :", "Tipe    :"};
    labels.push_back(weekly ? "Periode :" : "Dari Tg :");
    if (weekly) labels.push_back("s/d     :");
    labels.push_back("Brs/hal :");
    ReportForm form(session, weekly ? "REKAP PENJULAN MINGGUAN" : "REKAP PENJUALAN HARIAN", labels);
    form.Field(0, &params.customer, "@!");
    form.Field(1, &params.salesman, "@!").valid = [&] { return pickers::CSALES(session, &params.salesman); };
    form.Field(2, &params.type, "@!");
    if (weekly) {
      form.Period(3, 4, &params.from, &params.to);
    } else {
      form.Field(3, &params.from).valid = [&] { return !params.from.empty(); };
    }
    form.Field(weekly ? 5 : 4, &rows, "999").valid = [&] { return rows > 0; };
    if (!form.Read()) break;
    params.rows_per_page = static_cast<int>(rows);
    CustomerSalesRecap(session, params, weekly);
  }
  return session.tables().CloseAll();
}

xbase::Status PMS(frame::Session& session, const std::vector<xbase::Value>&) { return CustomerRecapScreen(session, true); }

}  // namespace performance
