// SALDO PIUTANG/FAKTUR: every invoice of the customers of a prefix with what was paid, returned and
// left open as of a date.
#include <cmath>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "receivable-reports/sheet_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

constexpr std::string_view kHeading =
    "FAKTUR               TG. FAKTUR TG. TEMPO  CUSTOMER   NAMA                           TP SLS            PIUTANG"
    "        PEMBAYARAN             RETUR             SALDO";
constexpr std::string_view kFigure = " 99,999,999,999.99";

double Round2(double value) { return std::round(value * 100) / 100; }

struct Sums {
  double debet = 0, payment = 0, ret = 0, balance = 0;
  int count = 0;
  void Add(const InvoiceBalance& row) {
    debet += row.debet;
    payment += row.payment;
    ret += row.ret;
    balance += row.balance;
    ++count;
  }
};

std::string Figures(double debet, double payment, double ret, double balance) {
  return Pictured(debet, kFigure) + Pictured(payment, kFigure) + Pictured(ret, kFigure) + Pictured(balance, kFigure);
}

// Calls row() for each invoice, group() after the last invoice of a customer with more than one,
// then total().
template <typename RowFn, typename GroupFn, typename TotalFn>
void Walk(const std::vector<InvoiceBalance>& rows, RowFn row, GroupFn group, TotalFn total) {
  Sums all;
  for (size_t i = 0; i < rows.size();) {
    Sums sums;
    size_t j = i;
    for (; j < rows.size() && rows[j].relasi == rows[i].relasi; ++j) {
      row(rows[j]);
      sums.Add(rows[j]);
    }
    if (sums.count > 1) group(rows[i], sums);
    all.debet += sums.debet;
    all.payment += sums.payment;
    all.ret += sums.ret;
    all.balance += sums.balance;
    i = j;
  }
  total(all);
}

}  // namespace

xbase::Status InvoiceBalances(frame::Session& session, const PeriodLimits& limits, std::vector<InvoiceBalance>* rows) {
  rows->clear();
  ReceivableBook book(session);
  CustomerLookup customers(session);
  xbase::Status lookup;
  xbase::Status s = book.ForEachInvoice(limits.customer, [&](const Invoice& invoice) {
    if (invoice.date > limits.to) return true;
    InvoiceBalance row{invoice.nota, invoice.relasi, "", invoice.tipe, invoice.sales, invoice.date, invoice.tempo,
                       invoice.debet};
    row.balance = Round2(invoice.debet);
    for (const ReceiptLine& line : invoice.receipts) {
      if (line.date > limits.to) continue;
      const SettleClass kind = ClassOf(line.kd_tt);
      if (kind == SettleClass::kReturn) row.ret += line.kredit;
      else if (kind == SettleClass::kInstrument || kind == SettleClass::kCash || kind == SettleClass::kDeduction)
        row.payment += line.kredit;
      row.balance -= Round2(line.kredit);
    }
    for (const JournalLine& journal : invoice.journal) {
      if (journal.date > limits.to) continue;
      row.payment += journal.kredit - journal.debet;
      row.balance += journal.debet - journal.kredit;
    }
    row.balance = Round2(row.balance);
    if (std::trunc(row.balance) == 0) return true;
    Customer customer;
    lookup = customers.Find(row.relasi, &customer);
    row.name = customer.name;
    rows->push_back(std::move(row));
    return lookup.ok();
  });
  return s.ok() ? lookup : s;
}

ReportText InvoiceBalancesText(const PeriodLimits& limits, const std::vector<InvoiceBalance>& rows, int per_page) {
  const std::string rule(kHeading.size(), '-');
  ReportText report({{"SALDO PIUTANG PER : " + DateText(limits.to), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {std::string(kHeading), std::string(kBody)},
                     {rule, std::string(kBody)}},
                    per_page);
  if (rows.empty()) return report;
  Walk(
      rows,
      [&](const InvoiceBalance& row) {
        report.Add(Cut(row.nota, 20) + " " + DateText(row.date) + " " + DateText(row.tempo) + " " + Cut(row.relasi, 10) +
                   " " + Cut(row.name, 30) + " " + Cut(row.tipe, 2) + " " + Cut(row.sales, 4) +
                   Figures(row.debet, row.payment, row.ret, row.balance));
      },
      [&](const InvoiceBalance& first, const Sums& sums) {
        report.Add(Cut("Jumlah " + first.relasi + " " + first.name, 92) +
                       Figures(sums.debet, sums.payment, sums.ret, sums.balance),
                   kGroup);
      },
      [&](const Sums& all) {
        report.Add(rule);
        report.Add(Cut("** T O T A L **", 92) + Figures(all.debet, all.payment, all.ret, all.balance), kGrand);
      });
  return report;
}

void InvoiceBalancesBook(frame::Session& session, const PeriodLimits& limits, const std::vector<InvoiceBalance>& rows) {
  SheetTable sheet(session, "SALDO PIUTANG PER FAKTUR",
                   {"SALDO PIUTANG PER : " + DateText(limits.to), "CUSTOMER : " + Trimmed(limits.customer)},
                   {"FAKTUR", "TG. FAKTUR", "TG. TEMPO", "CUSTOMER", "NAMA", "TIPE", "SALES", "DEBET", "BAYAR", "RETUR",
                    "SALDO"});
  Walk(
      rows,
      [&](const InvoiceBalance& row) {
        sheet.Row({frame::AsText(row.nota), row.date, row.tempo, frame::AsText(row.relasi), row.name,
                   frame::AsText(row.tipe), frame::AsText(row.sales), row.debet, row.payment, row.ret, row.balance});
      },
      [&](const InvoiceBalance& first, const Sums& sums) {
        sheet.Row({"", "", "", frame::AsText(first.relasi), "Jumlah " + first.name, "", "", sums.debet, sums.payment,
                   sums.ret, sums.balance},
                  true);
      },
      [&](const Sums& all) {
        sheet.Row({"", "", "", "", "TOTAL", "", "", all.debet, all.payment, all.ret, all.balance}, true);
      });
  sheet.Show();
}

xbase::Status LPIUTBLNS(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  PeriodLimits limits{Blank(10), {}, session.Today()};
  double per_page = 55;
  while (AskLimits(session, "SALDO PIUTANG/FAKTUR",
                   {{"CUSTOMER :", &limits.customer, "@!"}, {"s/d TGL :", &limits.to}, {"Brs/Hal :", &per_page, "99"}})) {
    const Media media = AskMedia(session);
    if (media == Media::kNone) continue;
    std::vector<InvoiceBalance> rows;
    if (!frame::Checked(session, InvoiceBalances(session, limits, &rows))) break;
    if (media == Media::kPrinter) {
      PrintReport(session, InvoiceBalancesText(limits, rows, static_cast<int>(per_page)), "SALDO PIUTANG/FAKTUR");
    } else {
      InvoiceBalancesBook(session, limits, rows);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
