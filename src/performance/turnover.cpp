// What the three net-turnover reports share: gathering the period's documents and deduction lines
// by a key of each report's choosing, and the text report of the rows.
#include "performance/turnover.h"

#include "console/message.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/paged_report.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr std::string_view kPicture = " 999,999,999";
constexpr int kLabelWidth = 40;
constexpr std::array<std::string_view, 9> kDeductionHeads = {"NORMAL",   "SAMPEL", "FREEGOODS", "KURANG BRG", "BEDA HRG",
                                                             "KOMISI",   "TRADE",  "SUBSIDI",   "VOUCHER"};

int DeductionColumn(std::string_view code) {
  for (size_t i = 0; i < kDeductionCodes.size(); ++i) {
    if (kDeductionCodes[i] == code) return static_cast<int>(i);
  }
  return -1;
}

xbase::Status NonBbType(frame::Session& session, std::string_view type, bool* non_bb) {
  std::string text;
  return ReadSetupText(session, "OMZETNON" + std::string(type), &text, non_bb);
}

// The deduction lines of receipts dated in the period.
xbase::Status AddDeductions(const frame::OpenedTables& tables, const TurnoverParams& params, const TurnoverKey& key,
                            std::map<std::string, TurnoverRow>* rows) {
  xbase::WorkArea& receipts = tables["PIUTKR1"];
  xbase::WorkArea& lines = tables["PIUTKR2"];
  xbase::WorkArea& invoices = tables["PIUTDBT"];
  xbase::Status status = receipts.Seek(params.from.Dtos(), true);
  std::vector<uint32_t> records;
  for (; status.ok() && !receipts.eof() && receipts.DateOf("TANGGAL") <= params.to; status = receipts.Skip()) {
    status = lines.SeekAll(receipts.Text("KDCB") + receipts.Text("NOMOR"), &records);
    for (size_t i = 0; status.ok() && i < records.size(); ++i) {
      status = lines.GoTo(records[i]);
      if (!status.ok()) break;
      const std::string code(xbase::AllTrim(lines.Text("KD_TT")));
      const int column = DeductionColumn(code);
      if (column < 0 || (params.tax_invoice && code == "DP")) continue;
      status = invoices.Seek(lines.Text("NOTA"));
      if (!status.ok()) break;
      const bool known = invoices.found();
      const std::string row_key = key(known ? invoices.Text("RELASI") : "", known ? invoices.Text("SALES") : "");
      if (row_key.empty()) continue;
      const double amount = lines.Number("KREDIT") / 1000;
      TurnoverRow& row = (*rows)[row_key];
      row.deductions[static_cast<size_t>(column)] += amount;
      row.total_deductions += amount;
      row.net -= amount;
      row.base_bb -= amount;
    }
  }
  return status;
}

std::string Amounts(const TurnoverRow& row, const TurnoverColumns& columns) {
  std::string text;
  if (columns.target) text += Amount(row.target, kPicture);
  text += Amount(row.gross, kPicture);
  if (columns.returns) text += Amount(row.returns, kPicture);
  for (double deduction : row.deductions) text += Amount(deduction, kPicture);
  text += Amount(row.total_deductions, kPicture) + Amount(row.net, kPicture);
  if (columns.non_bb) text += Amount(row.non_bb, kPicture) + Amount(row.base_bb, kPicture);
  if (columns.percent) text += Amount(row.Achievement(), "     9,999.99");
  return text;
}

void AddTo(TurnoverRow* total, const TurnoverRow& row) {
  total->target += row.target;
  total->gross += row.gross;
  total->returns += row.returns;
  for (size_t i = 0; i < row.deductions.size(); ++i) total->deductions[i] += row.deductions[i];
  total->total_deductions += row.total_deductions;
  total->net += row.net;
  total->non_bb += row.non_bb;
  total->base_bb += row.base_bb;
}

}  // namespace

double TurnoverRow::Achievement() const { return frame::Ratio(net, target); }

frame::OpenedTables OpenTurnoverTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"OTL_GRP"},
                                      {"OTL_MBR"},
                                      {"MASTCUS"},
                                      {"MASTSLS"},
                                      {"SETUP"},
                                      {"TARGET", {}, false, "TARGET2"},
                                      {"PIUTDBT", {}, false, "PIUTDBT1"},
                                      {"PIUTKR1", {}, false, "PIUTKR12"},
                                      {"PIUTKR2", {}, false, "PIUTKR21"}},
                                     DocumentTableUses()}));
}

bool CollectTurnover(frame::Session& session, const frame::OpenedTables& tables,
                     const TurnoverParams& params, const TurnoverKey& key, bool returns_apart,
                     std::map<std::string, TurnoverRow>* rows) {
  const BusyNotice busy(session);
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  xbase::Status failed;
  const bool read = ForEachDocument(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    // Which column a document's value goes to depends on its type's SETUP row: after a read that
    // failed nothing more is added.
    if (!failed.ok()) return;
    const std::string row_key = key(document.customer, document.salesman);
    if (row_key.empty()) return;
    double value = 0;
    for (const SaleLine& line : lines) value += line.value / 1000;
    TurnoverRow& row = (*rows)[row_key];
    if (document.is_return && returns_apart) {
      if (!document.printed) return;
      row.returns += value;
      row.net -= value;
      return;
    }
    const double signed_value = document.sign() * value;
    row.gross += signed_value;
    row.net += signed_value;
    bool non_bb = false;
    if (failed = NonBbType(session, document.type, &non_bb); !failed.ok()) return;
    (non_bb ? row.non_bb : row.base_bb) += signed_value;
  });
  if (!read || !frame::Checked(session, failed)) return false;
  const xbase::Status status = AddDeductions(tables, params, key, rows);
  frame::ShowFailure(session, status);
  return status.ok();
}

bool PrintTurnover(frame::Session& session, const TurnoverParams& params, const TurnoverColumns& columns,
                   const std::vector<TurnoverRow>& rows) {
  std::string heads = xbase::PadR("NO  " + columns.label_head, kLabelWidth);
  const auto head = [&](std::string_view text) { heads += xbase::PadL(text, 12); };
  if (columns.target) head("TARGET");
  head("OMZET BRUTO");
  if (columns.returns) head("RETUR");
  const std::string over = std::string(heads.size(), ' ') +
                           xbase::PadC("POTONGAN PIUTANG", 12 * static_cast<int>(kDeductionHeads.size()));
  for (std::string_view name : kDeductionHeads) head(name);
  head(columns.tax_head);
  head("TOT POTONGAN");
  head("OMZET NETTO");
  if (columns.non_bb) {
    head("OMZET NON BB");
    head("DASAR BB");
  }
  if (columns.percent) heads += " % NETTO to TGT";
  const std::string rule(heads.size(), '-');
  PagedReport report(session, params.rows_per_page);
  report.set_heading({{columns.title, "CB"},
                      {"TANGGAL : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to), "C"},
                      {rule, "C"}, {over, "C"}, {heads, "C"}, {rule, "C"}});
  if (!report.Start()) return false;
  TurnoverRow total;
  std::string branch;
  int number = 0;
  for (const TurnoverRow& row : rows) {
    if (columns.by_branch && (number == 0 || row.branch != branch) && !report.Row("CABANG : " + row.branch, "CB")) return false;
    branch = row.branch;
    const std::string label = xbase::PadL(std::to_string(++number), 3) + " " + xbase::PadR(row.code, 10) + " " +
                              xbase::PadR(xbase::Left(row.name, 25), 25);
    if (!report.Row(xbase::PadR(label, kLabelWidth) + Amounts(row, columns))) return false;
    AddTo(&total, row);
  }
  if (!report.Line(rule) || !report.Line(xbase::PadR("                 ** JUMLAH ** ", kLabelWidth) + Amounts(total, columns))) {
    return false;
  }
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = columns.title;
  return report.Print(layout);
}

}  // namespace performance
