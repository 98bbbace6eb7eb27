// PIUTANG dan PEMBAYARAN (B): the invoices of a sales period with what was paid, deducted and
// returned up to a date and the balance left, per customer, or one line per customer.
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "receivable-reports/sheet_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;

namespace {

constexpr std::string_view kFigure = " 99,999,999,999.99";
constexpr int kLabelWidth = 123;

std::string Heading() {
  return Cut("TANGGAL", 11) + Cut("JT. TEMPO", 11) + Cut("NOTA", 19) + Cut("TP", 3) + Cut("CUSTOMER", 11) +
         Cut("NAMA", 31) + Cut("KOTA", 16) + Cut("", 21) + xbase::PadL("PIUTANG", 18) + xbase::PadL("PEMBAYARAN", 18) +
         xbase::PadL("POTONGAN", 18) + xbase::PadL("RETUR", 18) + xbase::PadL("SALDO", 18);
}

std::string Title(const InvoicePaymentLimits& limits) {
  return "PIUTANG DAN PEMBAYARAN, PENJUALAN TANGGAL " + Period(limits.from, limits.to) + ", TT s/d " +
         DateText(limits.paid_to);
}

struct Sums {
  std::vector<double> figures = std::vector<double>(5);
  void Add(const InvoicePayment& row) {
    AddFigures(&figures, {row.debet, row.payment, row.deduction, row.ret, row.balance});
  }
};

std::string FiguresText(const std::vector<double>& figures) {
  std::string text;
  for (const double figure : figures) text += Pictured(figure, kFigure);
  return text;
}

// Calls row() per invoice and customer() after each customer's invoices with their sums.
template <typename RowFn, typename CustomerFn>
std::vector<double> Walk(const std::vector<InvoicePayment>& rows, RowFn row, CustomerFn customer) {
  Sums all;
  for (size_t i = 0; i < rows.size();) {
    Sums sums;
    size_t j = i;
    for (; j < rows.size() && rows[j].relasi == rows[i].relasi; ++j) {
      row(rows[j]);
      sums.Add(rows[j]);
    }
    customer(rows[i], sums.figures);
    AddFigures(&all.figures, sums.figures);
    i = j;
  }
  return all.figures;
}

}  // namespace

xbase::Status InvoicePayments(frame::Session& session, const InvoicePaymentLimits& limits,
                              std::vector<InvoicePayment>* rows) {
  rows->clear();
  ReceivableBook book(session);
  CustomerLookup customers(session);
  xbase::Status lookup;
  xbase::Status s = book.ForEachInvoice(limits.customer, [&](const Invoice& invoice) {
    if (invoice.date < limits.from || invoice.date > limits.to || invoice.debet == 0 ||
        !Begins(invoice.kdcb, limits.branch) || !Begins(invoice.tipe, limits.type) ||
        !Begins(invoice.sales, limits.salesman) || !Begins(invoice.nota, limits.note)) {
      return true;
    }
    InvoicePayment row{invoice.nota, invoice.relasi, "", "", invoice.tipe, invoice.date, invoice.tempo, invoice.debet};
    const auto settle = [&](std::string_view code, double amount) {
      switch (ClassOf(code)) {
        case SettleClass::kInstrument:
        case SettleClass::kCash: row.payment += amount; break;
        case SettleClass::kDeduction: row.deduction += amount; break;
        case SettleClass::kReturn: row.ret += amount; break;
        default: break;
      }
      row.balance -= amount;
    };
    row.balance = invoice.debet;
    for (const ReceiptLine& line : invoice.receipts) {
      if (line.date <= limits.paid_to) settle(line.kd_tt, line.kredit);
    }
    for (const JournalLine& journal : invoice.journal) {
      if (journal.date <= limits.paid_to) settle(journal.kd_tt, journal.kredit - journal.debet);
    }
    Customer customer;
    lookup = customers.Find(row.relasi, &customer);
    row.name = customer.name;
    row.city = customer.city;
    rows->push_back(std::move(row));
    return lookup.ok();
  });
  return s.ok() ? lookup : s;
}

ReportText InvoicePaymentsText(const InvoicePaymentLimits& limits, const std::vector<InvoicePayment>& rows,
                               bool recap) {
  const std::string heading = Heading();
  const std::string rule(heading.size(), '-');
  ReportText report({{Title(limits), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {heading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    limits.per_page);
  if (rows.empty()) return report;
  const std::vector<double> all = Walk(
      rows,
      [&](const InvoicePayment& row) {
        if (recap) return;
        report.Add(DateText(row.date) + " " + DateText(row.tempo) + " " + Cut(row.nota, 18) + " " + Cut(row.tipe, 2) +
                   " " + Cut(row.relasi, 10) + " " + Cut(row.name, 30) + " " + Cut(row.city, 15) + " " + Cut("", 21) +
                   FiguresText({row.debet, row.payment, row.deduction, row.ret, row.balance}));
      },
      [&](const InvoicePayment& first, const std::vector<double>& sums) {
        if (recap) {
          report.Add(Cut("", 44) + Cut(first.relasi, 10) + " " + Cut(first.name, 30) + " " + Cut(first.city, 15) + " " +
                     Cut("", 21) + FiguresText(sums));
        } else {
          report.Add(Cut("** Sub Total ** " + first.relasi + " " + first.name, kLabelWidth) + FiguresText(sums), kGroup);
        }
      });
  report.Add(rule);
  report.Add(Cut("** T O T A L **", kLabelWidth) + FiguresText(all), kGrand);
  return report;
}

void InvoicePaymentsBook(frame::Session& session, const InvoicePaymentLimits& limits,
                         const std::vector<InvoicePayment>& rows, bool recap) {
  SheetTable sheet(session, "PIUTANG DAN PEMBAYARAN", {Title(limits)},
                   {"TANGGAL", "JT. TEMPO", "NOTA", "TP", "CUSTOMER", "NAMA", "KOTA", "PIUTANG", "PEMBAYARAN",
                    "POTONGAN", "RETUR", "SALDO", "STATUS"});
  const auto figures = [](std::vector<SheetCell>* cells, const std::vector<double>& values) {
    cells->insert(cells->end(), values.begin(), values.end());
  };
  const std::vector<double> all = Walk(
      rows,
      [&](const InvoicePayment& row) {
        if (recap) return;
        std::vector<SheetCell> cells = {row.date,   row.tempo, frame::AsText(row.nota), frame::AsText(row.tipe),
                                        frame::AsText(row.relasi), row.name, row.city};
        figures(&cells, {row.debet, row.payment, row.deduction, row.ret, row.balance});
        cells.push_back(std::string(row.tempo <= limits.to ? "JATUH TEMPO" : "BELUM TEMPO"));
        sheet.Row(cells);
      },
      [&](const InvoicePayment& first, const std::vector<double>& sums) {
        std::vector<SheetCell> cells = {"", "", recap ? std::string() : "** Sub Total **", "",
                                        frame::AsText(first.relasi), first.name, first.city};
        figures(&cells, sums);
        sheet.Row(cells, !recap);
      });
  std::vector<SheetCell> total = {"", "", "** T O T A L **", "", "", "", ""};
  figures(&total, all);
  sheet.Row(total, true);
  sheet.Show();
}

xbase::Status MNB(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  InvoicePaymentLimits limits{Blank(10), Blank(6), Blank(4), Blank(20), Blank(2),
                              session.Today(), session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "PIUTANG dan PEMBAYARAN (B)",
                   {{"Relasi :", &limits.customer, "@!"},
                    {"Cabang :", &limits.branch, "@!"},
                    {"Kode Sales :", &limits.salesman, "@!"},
                    {"Surat Jalan :", &limits.note, "@!"},
                    {"Penj. Tanggal :", &limits.from},
                    {"s/d Tanggal :", &limits.to},
                    {"TT s/d Tanggal :", &limits.paid_to},
                    {"Tipe :", &limits.type, "@!"},
                    {"Baris/Halaman :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    const int key = console::PESAN(session.console(), "Cetak Rekapnya saja (Y/T)");
    const bool recap = key == 'Y' || key == 'y';
    const int output = AskChoice(session, recap ? "Output Laporan Rekap" : "Output Laporan", {"monitor", "excell"});
    if (output == 0) continue;
    std::vector<InvoicePayment> rows;
    if (!frame::Checked(session, InvoicePayments(session, limits, &rows))) break;
    if (output == 1) {
      PrintReport(session, InvoicePaymentsText(limits, rows, recap), "PIUTANG dan PEMBAYARAN");
    } else {
      InvoicePaymentsBook(session, limits, rows, recap);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
