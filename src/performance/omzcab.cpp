// OMZCAB: net turnover per customer of a customer prefix.
#include <algorithm>
#include <map>

#include "performance/omzdis.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/turnover.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {

bool CustomerTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return false;
  std::map<std::string, TurnoverRow> customers;
  const auto key = [&](const std::string& customer, const std::string&) {
    return BeginsWith(customer, params.prefix) ? std::string(xbase::RTrim(customer)) : std::string();
  };
  if (!CollectTurnover(session, tables, params, key, false, &customers)) return false;
  xbase::WorkArea& masters = tables["MASTCUS"];
  rows->clear();
  for (auto& [code, row] : customers) {
    row.code = code;
    if (xbase::LookUp(masters, masters.PadToField("RELASI", code))) {
      row.name = std::string(xbase::Left(masters.Text("NAMA"), 30));
    }
    rows->push_back(row);
  }
  std::stable_sort(rows->begin(), rows->end(),
                   [](const TurnoverRow& a, const TurnoverRow& b) { return a.Achievement() > b.Achievement(); });
  return true;
}

bool PrintCustomerTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows) {
  TurnoverColumns columns;
  columns.title = "OMZET NETTO -=RELASI " + std::string(xbase::AllTrim(params.prefix)) + "=- ( dalam ribuan )";
  columns.label_head = "RELASI";
  return PrintTurnover(session, params, columns, rows);
}

xbase::Status OMZCAB(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  TurnoverParams params;
  params.prefix = Blank(10);
  params.from = params.to = session.Today();
  double rows_per_page = 50;
  for (;;) {
    ReportForm form(session, "OMSET NETTO RELASI",
                    {"Relasi       :", "TANGGAL      :", "s/d          :", "Faktur Pajak :", "Brs/Halaman  :"});
    form.Field(0, &params.prefix, "@!").valid = [&] { return !xbase::IsBlank(params.prefix); };
    form.Period(1, 2, &params.from, &params.to, false);
    form.Field(3, &params.tax_invoice, "Y");
    form.Field(4, &rows_per_page, "999").valid = [&] { return rows_per_page > 0; };
    if (!form.Read()) break;
    params.rows_per_page = static_cast<int>(rows_per_page);
    std::vector<TurnoverRow> rows;
    if (!CustomerTurnover(session, params, &rows)) break;
    PrintCustomerTurnover(session, params, rows);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
