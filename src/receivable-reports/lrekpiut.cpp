// SALDO PIUTANG/CUSTOMER: opening balance, debits, credits and closing balance of a period for each
// customer of a code prefix.
#include <array>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/customer_recap.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

using frame::Pictured;

namespace {

constexpr std::string_view kHeading =
    "KODE       NAMA                                     SO AWAL             DEBET            KREDIT             SALDO";
constexpr std::string_view kFigure = " 99,999,999,999.99";

std::string Figures(const std::array<double, 4>& figures) {
  std::string text;
  for (const double figure : figures) text += Pictured(figure, kFigure);
  return text;
}

}  // namespace

ReportText CustomerBalancesText(const PeriodLimits& limits) {
  const std::string rule(kHeading.size(), '-');
  return ReportText({{"SALDO PIUTANG Periode : " + Period(limits.from, limits.to), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {std::string(kHeading), std::string(kBody)},
                     {rule, std::string(kBody)}},
                    55);
}

xbase::Status BuildCustomerBalances(frame::Session& session, const PeriodLimits& limits, ReportText* report) {
  std::array<double, 4> total{};
  xbase::Status s = ForEachCustomer(session, limits.customer, [&](const CustomerRow& customer,
                                                                   const std::vector<Invoice>& invoices) {
    double opening = 0, debet = 0, kredit = 0;
    for (const Invoice& invoice : invoices) {
      if (invoice.date < limits.from) opening += invoice.debet;
      else if (invoice.date <= limits.to) debet += invoice.debet;
      for (const JournalLine& row : invoice.journal) {
        if (row.date < limits.from) {
          opening += row.debet - row.kredit;
        } else if (row.date <= limits.to) {
          debet += row.debet;
          kredit += row.kredit;
        }
      }
      for (const ReceiptLine& line : invoice.receipts) {
        if (line.date < limits.from) opening -= line.kredit;
        else if (line.date <= limits.to) kredit += line.kredit;
      }
    }
    const std::array<double, 4> figures{opening, debet, kredit, opening + debet - kredit};
    // Any figure other than 0 prints the customer: a customer paid in advance (no opening balance,
    // no debit, a credit) would vanish if the four were summed.
    if (figures == std::array<double, 4>{}) return;
    for (size_t f = 0; f < 4; ++f) total[f] += figures[f];
    report->Add(Cut(customer.code, 10) + " " + Cut(customer.name, 30) + Figures(figures));
  });
  if (!s.ok() || report->empty()) return s;
  report->Add(std::string(kHeading.size(), '-'));
  report->Add(Cut("** JUMLAH **", 41) + Figures(total), kGrand);
  return s;
}

xbase::Status LREKPIUT(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  PeriodLimits limits{Blank(10), session.Today(), session.Today()};
  while (AskLimits(session, "SALDO PIUTANG/CUSTOMER",
                   {{"CUSTOMER :", &limits.customer, "@!"}, {"DARI TGL :", &limits.from}, {"s/d TGL :", &limits.to}})) {
    ReportText report = CustomerBalancesText(limits);
    if (!frame::Checked(session, BuildCustomerBalances(session, limits, &report))) break;
    PrintReport(session, report, "SALDO PIUTANG/CUSTOMER");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
