// The receipts recap by sales type or by salesman: each receipt line of the period in the credit or
// the cash group, by settlement class, beside the period's sales not yet collected.
#include <map>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Trimmed;

namespace {

// The figure columns: a credit group and a cash group of five, then the sales.
enum Column {
  kCreditSum,
  kCreditBg,
  kCreditCash,
  kCreditReturn,
  kCreditDeduction,
  kCashSum,
  kCashBg,
  kCashCash,
  kCashReturn,
  kCashDeduction,
  kCashSales,
  kUncollected,
  kCardCash,
};

// Due less than 15 days after its date.
bool IsCash(const Invoice& invoice) { return invoice.tempo - invoice.date < 15; }

bool SameMonth(xbase::Date a, xbase::Date b) { return a.year() == b.year() && a.month() == b.month(); }

// Cash: an invoice of the receipt's month, or one made before the period, due after it and paid in
// the period's first month.
bool PaidAsCash(const Invoice& invoice, xbase::Date paid, const ListLimits& limits) {
  return SameMonth(invoice.date, paid) ||
         (invoice.date < limits.from && invoice.tempo > limits.to && SameMonth(paid, limits.from));
}

int ClassColumn(std::string_view code) {
  switch (ClassOf(code)) {
    case SettleClass::kInstrument: return 1;
    case SettleClass::kCash: return 2;
    case SettleClass::kReturn: return 3;
    case SettleClass::kDeduction: return 4;
    default: return 0;
  }
}

struct Group {
  std::string label;
  std::vector<double> figures;
};

// The rows in the order of the TIPE or MASTSLS table, and the row of any other code.
xbase::Status ReadGroups(frame::Session& session, bool by_salesman, std::vector<Group>* groups,
                         std::map<std::string, size_t>* index) {
  const std::string table = by_salesman ? "MASTSLS" : "TIPE";
  xbase::WorkArea* area = frame::AreaOf(session, table);
  if (area == nullptr) return xbase::Status::NotFound(table, "not open");
  const size_t columns = by_salesman ? 13 : 12;
  xbase::Status s = ForEachKeyed(*area, by_salesman ? "MASTSLS1" : "TIPE", "", [&] {
    const std::string code = Trimmed(area->Text(by_salesman ? "SALES" : "TIPE"));
    const std::string name = Trimmed(area->Text(by_salesman ? "NAMA" : "NM_TIPE"));
    index->emplace(code, groups->size());
    groups->push_back({Cut(code, 4) + " " + Cut(xbase::Left(name, by_salesman ? 15 : 20), 20),
                       std::vector<double>(columns)});
    return true;
  });
  groups->push_back({by_salesman ? Cut("", 5) + "SALES LAINNYA" : Cut("99", 5) + "Tipe Lain-Lain", std::vector<double>(columns)});
  return s;
}

}  // namespace

xbase::Status ReceiptRecap(frame::Session& session, const ListLimits& limits, bool by_salesman,
                           std::vector<RecapRow>* rows) {
  rows->clear();
  std::vector<Group> groups;
  std::map<std::string, size_t> index;
  xbase::Status s = ReadGroups(session, by_salesman, &groups, &index);
  if (!s.ok()) return s;
  ReceivableBook book(session);
  s = book.ForEachInvoice(limits.customer, [&](const Invoice& invoice) {
    const auto at = index.find(by_salesman ? invoice.sales : invoice.tipe);
    std::vector<double>& figures = groups[at == index.end() ? groups.size() - 1 : at->second].figures;
    if (invoice.date >= limits.from && invoice.date <= limits.to) {
      figures[kUncollected] += invoice.debet;
      if (IsCash(invoice)) figures[kCashSales] += invoice.debet;
    }
    for (const JournalLine& row : invoice.journal) {
      if (row.date >= limits.from && row.date <= limits.to) figures[kUncollected] += row.debet - row.kredit;
    }
    for (const ReceiptLine& line : invoice.receipts) {
      if (line.date < limits.from || line.date > limits.to) continue;
      const int within = ClassColumn(line.kd_tt);
      if (within == 0) continue;
      const bool cash = PaidAsCash(invoice, line.date, limits);
      const int first = cash ? kCashSum : kCreditSum;
      figures[static_cast<size_t>(first)] += line.kredit;
      figures[static_cast<size_t>(first + within)] += line.kredit;
      if (SameMonth(invoice.date, line.date)) figures[kUncollected] -= line.kredit;
      // By salesman: what cash invoices brought in as credit receipts.
      if (by_salesman && !cash && IsCash(invoice)) figures[kCardCash] += line.kredit;
    }
    return true;
  });
  for (Group& group : groups) {
    if (AnyFigure(group.figures)) rows->push_back({std::move(group.label), std::move(group.figures)});
  }
  return s;
}

ReportText ReceiptRecapText(const ListLimits& limits, bool by_salesman, const std::vector<RecapRow>& rows) {
  RecapLayout layout;
  layout.label_width = 26;
  layout.heads = {{"", "JUMLAH"}, {"", "BG"}, {"K R E D I T", "TUNAI"}, {"", "RETUR"}, {"", "POTONGAN"},
                  {"", "JUMLAH"}, {"", "BG"}, {"T U N A I", "TUNAI"},   {"", "RETUR"}, {"", "POTONGAN"},
                  {"PENJUALAN", "PENJ. CASH"}, {"", "BLM ADA TT"}};
  if (by_salesman) layout.heads.push_back({"", "CRD CASH"});
  layout.total_label = "JUMLAH";
  ReportText report = RecapText({std::string("REKAP PENERIMAAN PIUTANG by ") + (by_salesman ? "SALES" : "TIPE") +
                                     ", RELASI : " + Trimmed(limits.customer),
                                 "PERIODE : " + Period(limits.from, limits.to)},
                                layout, rows, limits.per_page);
  if (report.empty()) return report;
  report.Add("Keterangan : TUNAI = pembayaran faktur pada bulan fakturnya, atau faktur sebelum periode yang jatuh tempo");
  report.Add("             sesudah periode dan dibayar pada bulan awal periode; KREDIT = pembayaran faktur lainnya.");
  report.Add("             BLM ADA TT = penjualan periode (dengan jurnal balik) dikurangi pembayaran faktur pada bulan");
  report.Add("             fakturnya; PENJ. CASH = penjualan periode yang jatuh tempo kurang dari 15 hari.");
  return report;
}

xbase::Status RunReceiptRecap(frame::Session& session, bool by_salesman) {
  if (!frame::OpenTables(
          session,
          {{"MASTCUS"}, {by_salesman ? "MASTSLS" : "TIPE"}, {"PIUTDBT"}, {"PIUTKR1"}, {"PIUTKR2"}, {"PIUTJBL"}})) {
    return xbase::Status::OK();
  }
  const std::string title = std::string("REKAP PENERIMAAN PIUTANG by ") + (by_salesman ? "SALES" : "TIPE");
  ListLimits limits{Blank(10), "", session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, title,
                   {{"Periode :", &limits.from}, {"s/d :", &limits.to}, {"Relasi :", &limits.customer, "@!"},
                    {"Baris/Hal :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, ReceiptRecap(session, limits, by_salesman, &rows))) break;
    PrintReport(session, ReceiptRecapText(limits, by_salesman, rows), title);
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
