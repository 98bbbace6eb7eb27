// REKAP PIUTANG (MENU D): per customer the open amounts of its invoices by kind (services, doubtful,
// compensation) and by due date against a date: due in earlier years, due by the date, not yet due.
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

using frame::Trimmed;

namespace {

enum Column {
  kServices,
  kDoubtful,
  kCompensation,
  kCashLastYears,
  kLastYears,
  kCashDue,
  kDue,
  kNotDue,
  kCutOff,
  kBalance,
  kColumns
};

// Due less than 15 days after its date.
bool IsCash(const Invoice& invoice) { return invoice.tempo - invoice.date < 15; }

int ColumnOf(const Invoice& invoice, const DueLimits& limits) {
  if (Begins(invoice.tipe, "J")) return kServices;
  if (Begins(invoice.tipe, "BD")) return kDoubtful;
  if (Begins(invoice.tipe, "C")) return kCompensation;
  if (invoice.tempo.year() < limits.due_to.year()) return IsCash(invoice) ? kCashLastYears : kLastYears;
  if (invoice.tempo <= limits.due_to) return IsCash(invoice) ? kCashDue : kDue;
  return kNotDue;
}

}  // namespace

xbase::Status DueRecap(frame::Session& session, const DueLimits& limits, std::vector<RecapRow>* rows) {
  rows->clear();
  return ForEachCustomer(session, limits.customer, [&](const CustomerRow& customer, const std::vector<Invoice>& invoices) {
    std::vector<double> figures(kColumns);
    for (const Invoice& invoice : invoices) {
      if (invoice.date > limits.sales_to) continue;
      // Every reversing-journal row counts; receipts only up to the payments date.
      double open = invoice.debet;
      for (const JournalLine& row : invoice.journal) open += row.debet - row.kredit;
      for (const ReceiptLine& line : invoice.receipts) {
        if (line.date <= limits.paid_to) open -= line.kredit;
      }
      const int column = ColumnOf(invoice, limits);
      figures[static_cast<size_t>(column)] += open;
      if (column == kCashDue || column == kDue || column == kNotDue) figures[kCutOff] += open;
      figures[kBalance] += open;
    }
    if (figures[kBalance] != 0) rows->push_back({Cut(customer.code, 10) + " " + Cut(customer.name, 30), std::move(figures)});
  });
}

ReportText DueRecapText(const DueLimits& limits, const std::vector<RecapRow>& rows) {
  RecapLayout layout;
  layout.heads = {{"PIUTANG", "JASA", ""},
                  {"PIUTANG", "RAGU-RAGU", ""},
                  {"PIUTANG", "KOMPENSASI", ""},
                  {"PIUT. CASH", "JT TEMPO", "TH LALU"},
                  {"PIUTANG", "JT TEMPO", "TH LALU"},
                  {"PIUT. CASH", "JT TEMPO", "s/d HR INI"},
                  {"PIUTANG", "JT TEMPO", "s/d HR INI"},
                  {"PIUTANG", "BELUM", "JT TEMPO"},
                  {"TOTAL", "PIUTANG", "PUTUS"},
                  {"SALDO", "PIUTANG", "s/d HR INI"}};
  return RecapText({"REKAPILTULASI PIUTANG, RELASI : " + Trimmed(limits.customer),
                    "PENJUALAN s/d TGL. : " + DateText(limits.sales_to) + ", JATUH TEMPO s/d TGL : " +
                        DateText(limits.due_to) + "  TT s/d TGL : " + DateText(limits.paid_to)},
                   layout, rows, limits.per_page);
}

xbase::Status LRKPD(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  DueLimits limits{Blank(10), session.Today(), session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "REKAP PIUTANG (MENU D)",
                   {{"CUSTOMER :", &limits.customer, "@!"},
                    {"PENJUALAN s/d :", &limits.sales_to},
                    {"JT TEMPO s/d :", &limits.due_to},
                    {"TT s/d :", &limits.paid_to},
                    {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, DueRecap(session, limits, &rows))) break;
    PrintReport(session, DueRecapText(limits, rows), "REKAP PIUTANG");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
