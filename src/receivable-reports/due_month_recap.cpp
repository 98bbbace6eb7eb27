// The recap of open receivables by due month, per customer (outlet groups summed on one row) or per
// salesman, in thousands.
#include <array>
#include <map>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/sheet_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Trimmed;

namespace {

// The figure columns: doubtful, due in earlier years, January to December, consignment, returnable,
// the total, not yet collected and the instruments not yet due.
enum Column {
  kDoubtful,
  kLastYears,
  kJanuary,
  kConsignment = kJanuary + 12,
  kReturnable,
  kTotal,
  kUncollected,
  kGiroLeft,
  kColumns
};
constexpr std::string_view kThousands = " 999,999,999";
constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MEI", "JUN",
                                                      "JUL", "AGS", "SEP", "OKT", "NOV", "DES"};

int ColumnOf(const Invoice& invoice, const DueMonthLimits& limits) {
  if (Begins(invoice.tipe, "B")) return kDoubtful;
  if (Begins(invoice.tipe, "R")) return kReturnable;
  if (Begins(invoice.tipe, "K")) return kConsignment;
  if (invoice.tempo.year() < limits.sales_to.year()) return kLastYears;
  return kJanuary + invoice.tempo.month() - 1;
}

struct Row {
  std::string label;
  std::vector<double> figures = std::vector<double>(kColumns);
};

// The row key and label of a customer: its outlet group's when it belongs to one.
xbase::Status CustomerRowOf(frame::Session& session, CustomerLookup& customers, const std::string& code,
                            std::string* key, std::string* label) {
  xbase::WorkArea* members = frame::AreaOf(session, "OTL_MBR");
  xbase::WorkArea* groups = frame::AreaOf(session, "OTL_GRP");
  if (members == nullptr || groups == nullptr) return xbase::Status::NotFound("OTL_MBR/OTL_GRP", "not open");
  xbase::Status s = members->SetOrder("OTL_MBR2");
  if (s.ok()) s = members->Seek(members->PadToField("MEMBER", code));
  if (s.ok() && members->found()) {
    *key = Trimmed(members->Text("KODE"));
    if (s = groups->SetOrder("OTL_GRP1"); s.ok()) s = groups->Seek(groups->PadToField("KODE", *key));
    *label = Cut(*key, 10) + " " + Cut(s.ok() && groups->found() ? Trimmed(groups->Text("NAMA")) : "", 25);
    return s;
  }
  Customer customer;
  if (s.ok()) s = customers.Find(code, &customer);
  *key = code;
  *label = Cut(code, 10) + " " + Cut(customer.name, 25);
  return s;
}

// A salesman's row: code and the first 15 characters of the name, "belum terdaftar" when unknown.
xbase::Status SalesmanLabel(frame::Session& session, const std::string& code, std::string* label) {
  xbase::WorkArea* salesmen = frame::AreaOf(session, "MASTSLS");
  if (salesmen == nullptr) return xbase::Status::NotFound("MASTSLS", "not open");
  xbase::Status s = salesmen->SetOrder("MASTSLS1");
  if (s.ok()) s = salesmen->Seek(salesmen->PadToField("SALES", code));
  const std::string name =
      s.ok() && salesmen->found() ? std::string(xbase::Left(Trimmed(salesmen->Text("NAMA")), 15)) : "belum terdaftar";
  *label = Cut(code, 10) + " " + Cut(name, 25);
  return s;
}

// A customer's instruments less their settlement uses, in thousands.
xbase::Status InstrumentsLeft(frame::Session& session, const std::string& customer, double* left) {
  *left = 0;
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  xbase::WorkArea* uses = frame::AreaOf(session, "GIROKR2");
  if (girodbt == nullptr || uses == nullptr) return xbase::Status::NotFound("GIRODBT/GIROKR2", "not open");
  xbase::Status inner;
  xbase::Status s = ForEachKeyed(*girodbt, "GIRODBT3", girodbt->PadToField("RELASI", customer), [&] {
    double amount = girodbt->Number("DEBET");
    inner = ForEachKeyed(*uses, "GIROKR22", uses->PadToField("NO_BUKTI", Trimmed(girodbt->Text("NOMOR"))), [&] {
      amount -= uses->Number("KREDIT");
      return true;
    });
    *left += amount / 1000;
    return inner.ok();
  });
  return s.ok() ? inner : s;
}

std::vector<std::vector<std::string>> Heads(bool by_salesman) {
  std::vector<std::vector<std::string>> heads = {{"PIUTANG", "RAGU"}, {"PIUTANG", "TH.LALU"}};
  for (const std::string_view month : kMonths) heads.push_back({"", std::string(month)});
  heads.insert(heads.end(), {{"", "KONS."}, {"", "RETUNABLE"}, {"", "PIUTANG"}, {"", "BLM TT"}});
  if (!by_salesman) heads.push_back({"BG", "MUNDUR"});
  return heads;
}

}  // namespace

xbase::Status DueMonthRecap(frame::Session& session, const DueMonthLimits& limits, bool by_salesman,
                            std::vector<RecapRow>* rows) {
  rows->clear();
  std::map<std::string, Row> table;
  std::map<std::string, bool> customers_seen;
  CustomerLookup customers(session);
  ReceivableBook book(session);
  xbase::Status inner;
  xbase::Status s = book.ForEachInvoice(limits.customer, [&](const Invoice& invoice) {
    customers_seen.emplace(invoice.relasi, true);
    if (invoice.date > limits.sales_to || invoice.tempo > limits.due_to || !Begins(invoice.kdcb, limits.branch) ||
        !Begins(invoice.tipe, limits.type) || !Begins(invoice.sales, limits.salesman) ||
        (by_salesman && invoice.tempo.year() > limits.sales_to.year())) {
      return true;
    }
    const double open = BalanceAt(invoice, limits.paid_to) / 1000;
    if (open == 0) return true;
    std::string key, label;
    inner = by_salesman ? SalesmanLabel(session, invoice.sales, &label)
                        : CustomerRowOf(session, customers, invoice.relasi, &key, &label);
    if (by_salesman) key = invoice.sales;
    Row& row = table[key];
    row.label = label;
    row.figures[static_cast<size_t>(ColumnOf(invoice, limits))] += open;
    row.figures[kTotal] += open;
    bool collected = false;
    for (const ReceiptLine& line : invoice.receipts) collected = collected || line.date <= limits.paid_to;
    if (!collected) row.figures[kUncollected] += open;
    return inner.ok();
  });
  if (s.ok()) s = inner;
  if (s.ok() && limits.instruments && !by_salesman) {
    for (const auto& [customer, seen] : customers_seen) {
      double left = 0;
      std::string key, label;
      if (s = InstrumentsLeft(session, customer, &left); !s.ok()) break;
      if (left == 0) continue;
      if (s = CustomerRowOf(session, customers, customer, &key, &label); !s.ok()) break;
      Row& row = table[key];
      row.label = label;
      row.figures[kGiroLeft] += left;
    }
  }
  for (auto& [key, row] : table) {
    if (by_salesman) row.figures.resize(kGiroLeft);
    if (AnyFigure(row.figures)) rows->push_back({std::move(row.label), std::move(row.figures)});
  }
  return s;
}

ReportText DueMonthRecapText(const DueMonthLimits& limits, bool by_salesman, const std::vector<RecapRow>& rows) {
  RecapLayout layout;
  layout.label_width = 36;
  layout.heads = Heads(by_salesman);
  layout.picture = kThousands;
  layout.total_label = by_salesman ? "* J U M L A H *" : "       JUMLAH :";
  return RecapText({"REKAP PIUTANG JATUH TEMPO, TIPE " + Trimmed(limits.type) + ", SALES : " + Trimmed(limits.salesman) +
                        ",  CABANG : " + Trimmed(limits.branch),
                    "PENJUALAN s/d : " + DateText(limits.sales_to) + ", JATUH TEMPO s/d : " + DateText(limits.due_to) +
                        ", PEMBAYARAN s/d : " + DateText(limits.paid_to),
                    "( dalam 000 )"},
                   layout, rows, limits.per_page);
}

void DueMonthRecapBook(frame::Session& session, const DueMonthLimits& limits, const std::vector<RecapRow>& rows) {
  std::vector<std::string> heads = {"SALES", "NAMA", "PIUTANG RAGU", "PIUTANG JT. TEMPO THLALU"};
  for (const std::string_view month : kMonths) heads.emplace_back(month);
  heads.insert(heads.end(), {"PIUTANG KONSINYASI", "RETUNABLE", "PIUTANG", "BLM TT"});
  SheetTable sheet(session, "REKAP PIUTANG JATUH TEMPO SALES",
                   {"REKAP PIUTANG JATUH TEMPO / SALES, TIPE " + Trimmed(limits.type),
                    "PIUTANG JATUH TEMPO TAHUN INI : TAHUN SEKARANG / TH. " + std::to_string(limits.sales_to.year()),
                    "(dalam ribuan)"},
                   heads);
  std::vector<double> sums;
  for (const RecapRow& row : rows) {
    std::vector<SheetCell> cells = {frame::AsText(Trimmed(row.label.substr(0, 10))), Trimmed(row.label.substr(11))};
    cells.insert(cells.end(), row.figures.begin(), row.figures.end());
    sheet.Row(cells);
    AddFigures(&sums, row.figures);
  }
  std::vector<SheetCell> total = {"", "* J U M L A H *"};
  total.insert(total.end(), sums.begin(), sums.end());
  sheet.Row(total, true);
  sheet.Show();
}

}  // namespace receivable_reports
