// REKAP MUTASI PIUTANG: per customer the opening balance, sales, reversing journal, settlements and
// closing balance of a period, and the closing balance of its bad-debt invoices.
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status MovementRecap(frame::Session& session, const ListLimits& limits, std::vector<RecapRow>* rows) {
  rows->clear();
  return ForEachCustomer(session, limits.customer, [&](const CustomerRow& customer, const std::vector<Invoice>& invoices) {
    double opening = 0, sales = 0, journal = 0, settled = 0, bad_debt = 0;
    for (const Invoice& invoice : invoices) {
      double closing = 0;  // the invoice's own closing balance
      if (invoice.date < limits.from) opening += invoice.debet;
      else if (invoice.date <= limits.to) sales += invoice.debet;
      if (invoice.date <= limits.to) closing += invoice.debet;
      for (const JournalLine& row : invoice.journal) {
        if (row.date < limits.from) opening += row.debet - row.kredit;
        else if (row.date <= limits.to) journal += row.debet - row.kredit;
        if (row.date <= limits.to) closing += row.debet - row.kredit;
      }
      for (const ReceiptLine& line : invoice.receipts) {
        if (line.date < limits.from) opening -= line.kredit;
        else if (line.date <= limits.to) settled += line.kredit;
        if (line.date <= limits.to) closing -= line.kredit;
      }
      if (Begins(invoice.tipe, "B")) bad_debt += closing;
    }
    RecapRow row{Cut(customer.code, 10) + " " + Cut(customer.name, 30) + " " + Cut(customer.city, 15),
                 {opening, sales, journal, settled, opening + sales + journal - settled, bad_debt}};
    if (AnyFigure(row.figures)) rows->push_back(std::move(row));
  });
}

ReportText MovementRecapText(const ListLimits& limits, const std::vector<RecapRow>& rows) {
  RecapLayout layout;
  layout.label_width = 57;
  layout.heads = {{"SALDO", "AWAL"},        {"PENJUALAN", "(DEBET)"}, {"JURNAL", "BALIK"},
                  {"PELUNASAN", "(KREDIT)"}, {"SALDO", "AKHIR"},       {"BAD", "DEBET"}};
  return RecapText({"REKAP MUTASI PIUTANG, Periode : " + Period(limits.from, limits.to)}, layout, rows,
                   limits.per_page);
}

xbase::Status LMTSPIUT(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  ListLimits limits{Blank(10), "", session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "REKAP MUTASI PIUTANG",
                   {{"CUSTOMER :", &limits.customer, "@!"},
                    {"DARI TGL :", &limits.from},
                    {"s/d TGL :", &limits.to},
                    {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, MovementRecap(session, limits, &rows))) break;
    PrintReport(session, MovementRecapText(limits, rows), "REKAP MUTASI PIUTANG");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
