// OSZCAB: net turnover per salesman against his value targets; deduction lines count for the
// salesman of the invoice they settled.
#include <map>

#include "performance/omzdis.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/turnover.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr std::string_view kNewSales = "New Sales";

}  // namespace

bool SalesmanTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return false;
  std::map<std::string, TurnoverRow> salesmen;
  xbase::WorkArea& masters = tables["MASTSLS"];
  xbase::Status status = masters.GoTop();
  for (; status.ok() && !masters.eof(); status = masters.Skip()) {
    TurnoverRow& row = salesmen[std::string(xbase::AllTrim(masters.Text("SALES")))];
    row.code = masters.Text("SALES");
    row.name = masters.Text("NAMA");
  }
  const auto key = [&](const std::string&, const std::string& salesman) {
    const std::string code(xbase::AllTrim(salesman));
    return salesmen.contains(code) ? code : std::string(kNewSales);
  };
  if (!status.ok() || !CollectTurnover(session, tables, params, key, true, &salesmen)) return false;
  // Value targets of the period's monthly item targets.
  xbase::WorkArea& targets = tables["TARGET"];
  status = targets.Seek(params.from.Dtos(), true);
  for (; status.ok() && !targets.eof() && targets.DateOf("TANGGAL") <= params.to; status = targets.Skip()) {
    const auto found = salesmen.find(std::string(xbase::AllTrim(targets.Text("SALES"))));
    if (found != salesmen.end()) found->second.target += targets.Number("BGTVAL") / 1000;
  }
  if (!status.ok()) return false;
  if (auto unknown = salesmen.find(std::string(kNewSales)); unknown != salesmen.end()) unknown->second.name = kNewSales;
  rows->clear();
  for (const auto& [code, row] : salesmen) {
    if (row.net != 0) rows->push_back(row);
  }
  return true;
}

bool PrintSalesmanTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows) {
  TurnoverColumns columns;
  columns.title = "OMZET NETTO PER SALES ( dalam ribuan )";
  columns.label_head = "KD         NAMA SALES";
  columns.returns = true;
  columns.tax_head = "CASH";
  columns.percent = true;
  return PrintTurnover(session, params, columns, rows);
}

xbase::Status OSZCAB(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  TurnoverParams params;
  params.from = params.to = session.Today();
  double rows_per_page = 50;
  for (;;) {
    ReportForm form(session, "OMZET NETTO PER SALES", {"TANGGAL      :", "s/d          :", "Faktur Pajak :", "Brs/Halaman  :"});
    form.Period(0, 1, &params.from, &params.to, false);
    form.Field(2, &params.tax_invoice, "Y");
    form.Field(3, &rows_per_page, "999").valid = [&] { return rows_per_page > 0; };
    if (!form.Read()) break;
    params.rows_per_page = static_cast<int>(rows_per_page);
    std::vector<TurnoverRow> rows;
    if (!SalesmanTurnover(session, params, &rows)) break;
    PrintSalesmanTurnover(session, params, rows);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
