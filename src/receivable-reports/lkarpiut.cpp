// KARTU PIUTANG: one customer's invoices, reversing journal and receipts of a period with a running
// balance from the opening balance.
#include <algorithm>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

constexpr std::string_view kHeading =
    "TANGGAL    NOTA                 KDCB   NO. TT     KD NO. BUKTI                         DEBET             KREDIT"
    "              SALDO";

struct Entry {
  std::string key;
  xbase::Date date;
  std::string nota, kdcb, nomor, kd, bukti;
  double debet = 0, kredit = 0;
};

std::string Key(xbase::Date date, std::string_view order) { return date.Dtos() + std::string(order); }

}  // namespace

ReportText CustomerCardText(const PeriodLimits& limits) {
  const std::string rule(kHeading.size(), '-');
  return ReportText({{"KARTU PIUTANG Periode : " + Period(limits.from, limits.to), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {std::string(kHeading), std::string(kBody)},
                     {rule, std::string(kBody)}},
                    55);
}

xbase::Status BuildCustomerCard(frame::Session& session, const PeriodLimits& limits, ReportText* report) {
  CustomerLookup customers(session);
  Customer customer;
  xbase::Status s = customers.Find(limits.customer, &customer);
  if (!s.ok() || !customer.known) return s;
  std::vector<Invoice> invoices;
  ReceivableBook book(session);
  if (s = book.InvoicesOf(limits.customer, &invoices); !s.ok()) return s;
  const xbase::Date opening_date = limits.from - 1;
  double opening = 0;
  std::vector<Entry> entries;
  for (const Invoice& invoice : invoices) {
    if (!invoice.approval) continue;  // an invoice not approved counts with none of its settlements
    if (invoice.date < limits.from) {
      opening += invoice.debet;
    } else if (invoice.date <= limits.to) {
      entries.push_back({Key(invoice.date, "01"), invoice.date, invoice.nota, invoice.kdcb, invoice.tipe, "",
                         std::string(xbase::Left(invoice.ktr, 20)), invoice.debet, 0});
    }
    for (const JournalLine& row : invoice.journal) {
      if (row.date < limits.from) {
        opening += row.debet - row.kredit;
      } else if (row.date <= limits.to) {
        entries.push_back({Key(row.date, "02"), row.date, row.nota, invoice.kdcb, row.nomor, row.kd_tt, row.no_bukti,
                           row.debet, row.kredit});
      }
    }
    for (const ReceiptLine& line : invoice.receipts) {
      if (line.date < limits.from) {
        opening -= line.kredit;
      } else if (line.date <= limits.to) {
        entries.push_back({Key(line.date, "03"), line.date, line.nota, Trimmed(line.kdcb), Trimmed(line.nomor), line.kd_tt,
                           line.no_bukti, 0, line.kredit});
      }
    }
  }
  if (entries.empty()) return s;
  // The opening balance stands in the debit column, so the difference of the sums is the closing balance.
  entries.insert(entries.begin(), {Key(opening_date, "00"), opening_date, "SALDO AWAL", "", "", "", "", opening, 0});
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
  report->Add("[Customer : " + std::string(xbase::AllTrim(limits.customer)) + " " + customer.name + "]",
              kGroup);
  double balance = 0, debet = 0, kredit = 0;
  for (const Entry& entry : entries) {
    balance += entry.debet - entry.kredit;
    debet += entry.debet;
    kredit += entry.kredit;
    report->Add(DateText(entry.date) + " " + Cut(entry.nota, 20) + " " + Cut(entry.kdcb, 6) + " " +
                Cut(entry.nomor, 10) + " " + Cut(entry.kd, 2) + " " + Cut(entry.bukti, 20) + Pictured(entry.debet, kAmount2) +
                Pictured(entry.kredit, kAmount2) + Pictured(balance, kAmount2));
  }
  report->Add(std::string(kHeading.size(), '-'));
  report->Add(std::string(73, ' ') + Pictured(debet, kAmount2) + Pictured(kredit, kAmount2) + Pictured(debet - kredit, kAmount2), kGrand);
  return s;
}

xbase::Status LKARPIUT(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"SETUP", "MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  PeriodLimits limits{Blank(10), session.Today(), session.Today()};
  while (AskLimits(session, "KARTU PIUTANG",
                   {{"CUSTOMER :", &limits.customer, "@!", CustomerCheck(session, &limits.customer)},
                    {"DARI TGL :", &limits.from},
                    {"s/d TGL :", &limits.to}})) {
    ReportText report = CustomerCardText(limits);
    if (!frame::Checked(session, BuildCustomerCard(session, limits, &report))) break;
    PrintReport(session, report, "KARTU PIUTANG");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
