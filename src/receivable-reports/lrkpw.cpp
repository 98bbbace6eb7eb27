// REKAP MUTASI PIUTANG & POTONGAN: per customer the opening balance, sales and the settlements of a
// period split into instruments, cash, returns, discounts, costs, VAT and FS/FB deductions.
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"
#include "receivable-reports/sheet_table.h"

namespace receivable_reports {

using frame::Trimmed;

namespace {

enum Column { kOpening, kSales, kBg, kCash, kReturn, kDiscount, kCost, kVat, kFsFb, kClosing, kColumns };

const std::vector<std::vector<std::string>>& Heads() {
  static const std::vector<std::vector<std::string>> heads = {
      {"SALDO", "AWAL"}, {"PENJUALAN", ""}, {"BG", ""},      {"CASH", ""},    {"RETUR", ""},
      {"POTONGAN", ""},  {"BIAYA", ""},     {"PPN", ""},     {"FS & FB", ""}, {"SALDO", "AKHIR"}};
  return heads;
}

std::string Title(const ListLimits& limits) {
  return "REKAP MUTASI PIUTANG & POTONGAN, Periode : " + Period(limits.from, limits.to);
}

// The column of a settlement: instruments and cash by class, the rest by the code's option.
int ColumnOf(std::string_view code, std::string_view option) {
  switch (ClassOf(code)) {
    case SettleClass::kInstrument: return kBg;
    case SettleClass::kCash: return kCash;
    default: break;
  }
  if (option == "3") return kReturn;
  if (option == "4") return kDiscount;
  if (option == "5") return kCost;
  if (option == "6") return kVat;
  if (option == "7") return kFsFb;
  return kColumns;
}

}  // namespace

xbase::Status DeductionRecap(frame::Session& session, const ListLimits& limits, std::vector<RecapRow>* rows) {
  rows->clear();
  SettlementOptions options(session);
  xbase::Status read;
  const auto column = [&](std::string_view code) {
    std::string option;
    if (const xbase::Status s = options.Find(code, &option); !s.ok() && read.ok()) read = s;
    return ColumnOf(code, option);
  };
  xbase::Status s = ForEachCustomer(session, limits.customer, [&](const CustomerRow& customer,
                                                                   const std::vector<Invoice>& invoices) {
    std::vector<double> figures(kColumns);
    double journal = 0, settled = 0;
    bool shown = false;  // some amount up to the end date
    for (const Invoice& invoice : invoices) {
      if (invoice.date <= limits.to && invoice.debet != 0) shown = true;
      if (invoice.date < limits.from) figures[kOpening] += invoice.debet;
      else if (invoice.date <= limits.to) figures[kSales] += invoice.debet;
      for (const JournalLine& row : invoice.journal) {
        if (row.date > limits.to) continue;
        shown = shown || row.debet != 0 || row.kredit != 0;
        if (row.date < limits.from) {
          figures[kOpening] += row.debet - row.kredit;
          continue;
        }
        journal += row.debet - row.kredit;
        if (const int at = column(row.kd_tt); at < kColumns) figures[static_cast<size_t>(at)] += row.kredit - row.debet;
      }
      for (const ReceiptLine& line : invoice.receipts) {
        if (line.date > limits.to) continue;
        shown = shown || line.kredit != 0;
        if (line.date < limits.from) {
          figures[kOpening] -= line.kredit;
          continue;
        }
        settled += line.kredit;
        if (const int at = column(line.kd_tt); at < kColumns) figures[static_cast<size_t>(at)] += line.kredit;
      }
    }
    figures[kClosing] = figures[kOpening] + figures[kSales] + journal - settled;
    if (shown) rows->push_back({Cut(customer.code, 10) + " " + Cut(customer.name, 30), std::move(figures)});
  });
  return s.ok() ? read : s;
}

ReportText DeductionRecapText(const ListLimits& limits, const std::vector<RecapRow>& rows) {
  RecapLayout layout;
  layout.heads = Heads();
  layout.total_label = "JUMLAH";
  return RecapText({Title(limits)}, layout, rows, limits.per_page);
}

void DeductionRecapBook(frame::Session& session, const ListLimits& limits, const std::vector<RecapRow>& rows) {
  std::vector<std::string> heads = {"KODE", "NAMA"};
  for (const auto& head : Heads()) heads.push_back(head[1].empty() ? head[0] : head[0] + " " + head[1]);
  SheetTable sheet(session, "REKAP MUTASI PIUTANG & POTONGAN", {Title(limits)}, heads);
  std::vector<double> sums;
  for (const RecapRow& row : rows) {
    std::vector<SheetCell> cells = {frame::AsText(Trimmed(row.label.substr(0, 10))), Trimmed(row.label.substr(11))};
    cells.insert(cells.end(), row.figures.begin(), row.figures.end());
    sheet.Row(cells);
    AddFigures(&sums, row.figures);
  }
  std::vector<SheetCell> total = {"", "JUMLAH"};
  total.insert(total.end(), sums.begin(), sums.end());
  sheet.Row(total, true);
  sheet.Show();
}

xbase::Status LRKPW(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "MASTJNS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  ListLimits limits{Blank(10), "", session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "REKAP MUTASI PIUTANG & POTONGAN",
                   {{"CUSTOMER :", &limits.customer, "@!"},
                    {"DARI TGL :", &limits.from},
                    {"s/d TGL :", &limits.to},
                    {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    const Media media = AskMedia(session);
    if (media == Media::kNone) continue;
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, DeductionRecap(session, limits, &rows))) break;
    if (media == Media::kPrinter) {
      PrintReport(session, DeductionRecapText(limits, rows), "REKAP MUTASI PIUTANG & POTONGAN");
    } else {
      DeductionRecapBook(session, limits, rows);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
