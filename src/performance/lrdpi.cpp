// LRDPI: the incentive basis per salesman with sales and returns in cartons; the computation and
// the printout it shares with LRDPIV.
#include "performance/lrdpi.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "console/alert.h"
#include "console/message.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/paged_report.h"
#include "performance/receivable_walk.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "pickers/pickers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

using namespace basis;

constexpr double kReducedShare = 0.35;
constexpr int kWeekDays = 7;
constexpr std::string_view kPicture = " 99,999,999,999";

frame::OpenedTables OpenBasisTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTSLS"}, {"MASTCUS"}, {"MASTBRJ"}, {"KONVERT"}, {"SETUP"}},
                                     DocumentTableUses(), ReceivableTableUses()}));
}

// *in true when the customer's KELOMPOK begins with `group` (any customer for a blank group); a
// customer row that cannot be read is the error.
xbase::Status InGroup(const frame::OpenedTables& tables, std::string_view customer, std::string_view group, bool* in) {
  *in = xbase::IsBlank(group);
  if (*in) return xbase::Status::OK();
  xbase::WorkArea& customers = tables["MASTCUS"];
  bool found = false;
  const xbase::Status s = xbase::SeekFound(customers, customers.PadToField("RELASI", xbase::RTrim(customer)), &found);
  *in = found && BeginsWith(customers.Text("KELOMPOK"), group);
  return s;
}

// What a receivable's settlement lines of the period come to.
struct Settled {
  double deductions = 0, fees = 0, absolute_fees = 0, cash = 0, costs = 0, black_bonus = 0;
  std::array<double, 5> returns{};  // RA, RC, RK, RP, RT
};

void AddReceivable(const Receivable& receivable, const std::vector<Settlement>& lines, IncentiveRow* row) {
  constexpr std::string_view kReturnCodes[] = {"RA", "RC", "RK", "RP", "RT"};
  Settled settled;
  for (const Settlement& line : lines) {
    const std::string code(xbase::AllTrim(line.code));
    if (code == "DP") continue;
    if (code == "DO") {
      settled.black_bonus += line.amount;
    } else if (code.starts_with('D')) {
      (line.option == "4" ? settled.deductions : settled.costs) += line.amount;
    } else if (code.starts_with('B') || code.starts_with('C')) {
      settled.cash += line.amount;
      const int day = line.date.day();
      const bool within_week = line.date - receivable.date <= kWeekDays;
      if (receivable.kind == ReceivableKind::kTarget) {
        (*row)[kTargetDay + day] += line.amount;
      } else {
        (*row)[kOtherDay + day] += line.amount;
        if (within_week) (*row)[receivable.kind == ReceivableKind::kPeriodCash ? kWeekCash : kWeekCashEarlier] += line.amount;
      }
    } else if (code.starts_with('F')) {
      settled.fees += line.amount;
      settled.absolute_fees += std::fabs(line.amount);
    } else {
      for (size_t i = 0; i < std::size(kReturnCodes); ++i) {
        if (code == kReturnCodes[i]) settled.returns[i] += line.amount;
      }
    }
  }
  switch (receivable.kind) {
    case ReceivableKind::kTarget:
      (*row)[kTarget] += receivable.opening * (receivable.Reduced({"KS", "RT"}) ? kReducedShare : 1);
      (*row)[kDeductionCredit] += settled.deductions;
      (*row)[kFeeCredit] += settled.absolute_fees;
      (*row)[kCollected] += settled.cash + settled.fees;
      (*row)[kCashCredit] += settled.cash;
      break;
    case ReceivableKind::kEarlierCash:
      (*row)[kDeductionEarlier] += settled.deductions;
      (*row)[kFeeEarlier] += settled.absolute_fees;
      (*row)[kCashEarlier] += settled.cash;
      break;
    case ReceivableKind::kPeriodCash:
      (*row)[kDeductionPeriod] += settled.deductions;
      (*row)[kFeePeriod] += settled.absolute_fees;
      (*row)[kCashPeriod] += settled.cash;
      break;
  }
  (*row)[kDeductionTotal] += settled.deductions;
  (*row)[kFeeTotal] += settled.absolute_fees;
  (*row)[kCosts] += settled.costs;
  (*row)[kBlackBonus] += settled.black_bonus;
  for (size_t i = 0; i < settled.returns.size(); ++i) (*row)[kReturnRA + static_cast<int>(i)] += settled.returns[i];
}

void Derive(IncentiveRow* row) {
  IncentiveRow& r = *row;
  r[kVatTotal] = r[kVatCredit] + r[kVatCredit + 1] + r[kVatCredit + 2];
  r[kCreditSales] = r[kSales] - r[kReturns] - r[kVatCredit] - r[kDeductionCredit] - r[kDeductionPeriod] - r[kCashPeriod];
  r[kPeriodCash] = r[kCashPeriod] - r[kVatCredit + 1] - r[kFeePeriod];
  r[kSalesTotal] = r[kCreditSales] + r[kPeriodCash];
  r[kEarlierCash] = r[kCashEarlier] - r[kVatCredit + 2] - r[kDeductionEarlier] - r[kFeeEarlier];
  r[kCashTotal] = r[kPeriodCash] + r[kEarlierCash];
  r[kTargetTotal] = r[kCollected] + r[kCosts] + r[kBlackBonus];
  r[kCashAll] = r[kCashCredit] + r[kCashPeriod] + r[kCashEarlier];
}

// A section of the printout: its title, the heads over its figures and their indexes (-1 the %).
struct Section {
  std::string title;
  std::string over;  // a line above the heads, or empty
  std::vector<std::string> heads;
  std::vector<int> figures;
};

const std::vector<Section>& Sections() {
  static const std::vector<Section> kSections = {
      {"PENJUALAN", "",
       {"JUAL (a)", "RETUR (b)", "PPN KRD (c1)", "PPN BI (c2)", "PPN BL (c3)", "PPN TOTAL", "POT KRD (d1)", "POT BI (d2)",
        "POT BL (d3)", "POT TOTAL"},
       {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {"FEE SPO", "",
       {"FEE KRD (e1)", "FEE BI (e2)", "FEE BL (e3)", "FEE TOTAL", "KREDIT (f)", "TUNAI BI (g)", "TOTAL (h)",
        "TUNAI BL (i)", "BI+BL (j)"},
       {13, 14, 15, 16, 17, 18, 19, 20, 21}},
      {"PIUTANG", "", {"TARGET (t)", "UANG CAIR (u)", "BIAYA (v)", "POT BB (w)", "TOTAL (y)", "%"}, {22, 23, 24, 25, 26, -1}},
      {"PERINCIAN UANG CAIR", "",
       {"KREDIT (x1)", "TUNAI BI (x2)", "TUNAI BL (x3)", "TUNAI 7HR", "TUNAI 7HR BEDA BLN", "TOTAL (x)"},
       {27, 28, 29, 30, 31, 32}},
      {"PERINCIAN RETUR", std::string(25, ' ') + xbase::PadC("RETUR TIDAK DIDENDA", 76) + xbase::PadC("RETUR DENDA", 19),
       {"RA", "RC", "RK", "RP", "RT"},
       {33, 34, 35, 36, 37}},
  };
  return kSections;
}

constexpr int kColumnWidth = 19;

std::string Figure(const IncentiveRow& row, int index) {
  return index < 0 ? xbase::PadL(Amount(row.Achievement(), "999,999.99"), kColumnWidth)
                   : xbase::PadL(Amount(row[index], kPicture), kColumnWidth);
}

std::string Heading(const IncentiveParams& params, bool first) {
  std::string line = "RDPI, Periode : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to);
  if (first) {
    line += " Kel. : " + std::string(xbase::AllTrim(params.group)) + " Relasi : " + std::string(xbase::AllTrim(params.customer)) +
            ", Kecuali Relasi : " + std::string(xbase::AllTrim(params.excluded_customers)) +
            ", Tipe : " + std::string(xbase::AllTrim(params.type)) +
            ", Kecuali Tipe : " + std::string(xbase::AllTrim(params.excluded_types));
  }
  return line;
}

}  // namespace

double IncentiveRow::Achievement() const { return frame::Ratio((*this)[kTargetTotal], (*this)[kTarget]); }

bool IncentiveBasis(frame::Session& session, const IncentiveParams& params, bool cartons, std::vector<IncentiveRow>* rows) {
  const frame::OpenedTables tables = OpenBasisTables(session);
  if (!tables) return false;
  rows->clear();
  std::map<std::string, size_t> index;
  xbase::WorkArea& salesmen = tables["MASTSLS"];
  xbase::Status status = salesmen.GoTop();
  for (; status.ok() && !salesmen.eof(); status = salesmen.Skip()) {
    index[std::string(xbase::AllTrim(salesmen.Text("SALES")))] = rows->size();
    rows->push_back({salesmen.Text("SALES"), salesmen.Text("NAMA"), {}});
  }
  if (!frame::Checked(session, status)) return false;
  const auto row_of = [&](std::string_view salesman) -> IncentiveRow* {
    const auto found = index.find(std::string(xbase::AllTrim(salesman)));
    return found == index.end() ? nullptr : &(*rows)[found->second];
  };
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  filter.type = params.type;
  filter.printed_only = true;
  // A customer whose group cannot be read stops the walk's counting: no basis is printed without him.
  xbase::Status failed;
  filter.accept = [&](const SaleDocument& document) {
    bool in = false;
    if (failed.ok() && !TypeExcluded(document.type, params.excluded_types) &&
        !CustomerExcluded(document.customer, params.excluded_customers)) {
      failed = InGroup(tables, document.customer, params.group, &in);
    }
    return failed.ok() && in;
  };
  bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    IncentiveRow* row = row_of(document.salesman);
    xbase::Status s;
    for (size_t i = 0; row != nullptr && s.ok() && i < lines.size(); ++i) {
      double figure = lines[i].value;
      if (cartons) s = LineCartons(session, lines[i], &figure);
      if (s.ok()) (*row)[document.is_return ? kReturns : kSales] += figure;
    }
    return s;
  });
  read = read && frame::Checked(session, failed);
  ReceivableFilter receivables{params.from, params.to, params.customer, params.type, params.excluded_types,
                               params.excluded_customers};
  read = read && ForEachReceivable(session, tables, receivables, [&](const Receivable& receivable, const std::vector<Settlement>& lines) {
    if (IncentiveRow* row = row_of(receivable.salesman)) AddReceivable(receivable, lines, row);
  });
  for (IncentiveRow& row : *rows) Derive(&row);
  return read;
}

bool PrintIncentiveBasis(frame::Session& session, const IncentiveParams& params, const std::vector<IncentiveRow>& rows) {
  PagedReport report(session, params.rows_per_page);
  if (!report.Start()) return false;
  size_t widest = 0;
  bool first = true;
  for (const Section& section : Sections()) {
    std::string heads = xbase::PadR("KODE NAMA", 25);
    for (const std::string& head : section.heads) heads += xbase::PadL(head, kColumnWidth);
    widest = std::max(widest, heads.size());
    const std::string rule(heads.size(), '-');
    bool written = report.Row(Heading(params, first), "CB") && report.Row(section.title, "CB") && report.Row(rule);
    if (!section.over.empty()) written = written && report.Row(section.over);
    written = written && report.Row(heads) && report.Row(rule);
    first = false;
    IncentiveRow total;
    for (const IncentiveRow& row : rows) {
      const bool shown = std::any_of(section.figures.begin(), section.figures.end(),
                                     [&](int index) { return index >= 0 && row[index] != 0; });
      if (!shown) continue;
      std::string line = xbase::PadR(row.code, 4) + " " + xbase::PadR(xbase::Left(row.name, 20), 20);
      for (int index : section.figures) line += Figure(row, index);
      written = written && report.Row(line);
      for (size_t i = 0; i < total.figures.size(); ++i) total.figures[i] += row.figures[i];
    }
    std::string line = xbase::PadR("       -= JUMLAH =- ", 25);
    for (int index : section.figures) line += Figure(total, index);
    if (!written || !report.Row(rule) || !report.Row(line) || !report.Row("")) return false;
  }
  for (const char* note : kIncentiveNotes) {
    if (!report.Row(note)) return false;
  }
  frame::ReportLayout layout;
  layout.width = static_cast<int>(widest);
  layout.title = "PERHITUNGAN INSENTIF";
  return report.Print(layout);
}

xbase::Status IncentiveScreen(frame::Session& session, bool cartons) {
  const frame::OpenedTables tables = OpenBasisTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  IncentiveParams params;
  params.from = params.to = session.Today();
  params.customer = Blank(10);
  params.group = Blank(4);
  params.excluded_customers = Blank(10);
  params.type = Blank(2);
  params.excluded_types = xbase::PadR(params.excluded_types, 40);
  double rows_per_page = 50;
  for (;;) {
    ReportForm form(session, "DASAR PERHITUNGAN INSENTIF",
                    {"Periode         :", "s/d             :", "Relasi          :", "Kelompok Relasi :",
                     "Kecuali Relasi  :", "Tipe            :", "Kecuali Tipe    :", "Baris/Hal       :"},
                    64);
    form.Period(0, 1, &params.from, &params.to, false);
    form.Field(2, &params.customer, "@!").valid = [&] {
      std::string branch;
      return xbase::IsBlank(params.customer) || pickers::LCGETCUSTOMER(session, &params.customer, &branch);
    };
    form.Field(3, &params.group, "@!").valid = [&] { return pickers::GETCUSTOMKEL(session, &params.group); };
    form.Field(4, &params.excluded_customers, "@!");
    form.Field(5, &params.type, "@!");
    form.Field(6, &params.excluded_types, "@!");
    form.Field(7, &rows_per_page, "999").valid = [&] { return rows_per_page > 0; };
    if (!form.Read()) break;
    params.rows_per_page = static_cast<int>(rows_per_page);
    std::vector<IncentiveRow> rows;
    if (!IncentiveBasis(session, params, cartons, &rows)) break;
    const int output = ChooseOutput(session, "PILIHAN MEDIA LAPORAN", {"Printer", "Excel", "Keluar"});
    if (output == 1) PrintIncentiveBasis(session, params, rows);
    if (output == 2) EXCELCETAKDATA(session, rows, params);
  }
  return session.tables().CloseAll();
}

xbase::Status LRDPI(frame::Session& session, const std::vector<xbase::Value>&) { return IncentiveScreen(session, true); }

}  // namespace performance
