// RKPTT: the receivable target of each branch and salesman against what was collected.
#include <map>

#include "frame/spreadsheet.h"
#include "performance/lrdpi.h"
#include "performance/receivable_walk.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr double kReducedShare = 0.35;

struct Evaluation {
  double target = 0, realised = 0, cash = 0, deductions = 0, settled = 0;
};

}  // namespace

bool ReceivableEvaluation(frame::Session& session, const EvaluationParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenTables(session, ReceivableTableUses());
  if (!tables) return false;
  std::map<std::pair<std::string, std::string>, Evaluation> rows;  // by branch, salesman
  const ReceivableFilter filter{params.from, params.to, "", params.type, params.excluded_types, ""};
  const bool read = ForEachReceivable(session, tables, filter, [&](const Receivable& receivable, const std::vector<Settlement>& lines) {
    double cash = 0, deductions = 0;
    for (const Settlement& line : lines) {
      const char kind = xbase::AllTrim(line.code).empty() ? ' ' : xbase::AllTrim(line.code).front();
      (kind == 'B' || kind == 'C' || kind == 'F' ? cash : deductions) += line.amount;
    }
    if (receivable.opening + cash + deductions == 0) return;
    Evaluation& row = rows[{receivable.branch, receivable.salesman}];
    if (receivable.kind == ReceivableKind::kTarget) {
      row.target += receivable.opening * (receivable.Reduced({"KS", "R"}) ? kReducedShare : 1);
      row.realised += cash;
    } else {
      row.cash += cash;
    }
    row.deductions += deductions;
    row.settled += cash;
  });
  if (!read) return false;

  frame::SpreadsheetExport book(session, "EVALUASI PIUTANG PER CABANG");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"EVALUASI TARGET & REALISASI PIUTANG Per CABANG",
                 "PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to)});
  int column = 1;
  for (const char* head : {"CABANG", "SALES", "TARGET", "REALISASI", "%", "TUNAI", "POT+BY+RT", "TOT. PELUNASAN"}) {
    TallHead(sheet, column++, head);
  }
  FinishHeads(sheet, 8);
  int line = kFirstDataRow;
  std::string branch_shown;
  for (const auto& [key, row] : rows) {
    if (line == kFirstDataRow || key.first != branch_shown) sheet.SetValue(line, 1, frame::AsText(xbase::RTrim(key.first)));
    branch_shown = key.first;
    sheet.SetValue(line, 2, frame::AsText(xbase::RTrim(key.second)));
    sheet.SetNumber(line, 3, row.target);
    sheet.SetNumber(line, 4, row.realised);
    sheet.SetNumber(line, 5, frame::Ratio(row.realised, row.target));
    sheet.SetNumber(line, 6, row.cash);
    sheet.SetNumber(line, 7, row.deductions);
    sheet.SetNumber(line, 8, row.settled);
    ++line;
  }
  if (line > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, line - 1, 8), frame::kBorderWeight);
  sheet.SetNumberFormat("C:H", frame::kTwoDecimalFormat);
  sheet.AutoFit("A:H");
  return book.Show(path);
}

xbase::Status RKPTT(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OpenTables(session, ReceivableTableUses())) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  EvaluationParams params;
  params.from = params.to = session.Today();
  params.type = Blank(2);
  params.excluded_types = xbase::PadR(params.excluded_types, 40);
  for (;;) {
    ReportForm form(session, "EVALUASI PIUTANG PER CABANG", {"Periode      :", "s/d          :", "Tipe         :", "Kecuali Tipe :"},
                    64);
    form.Period(0, 1, &params.from, &params.to, false);
    form.Field(2, &params.type, "@!");
    form.Field(3, &params.excluded_types, "@!");
    if (!form.Read()) break;
    ReceivableEvaluation(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
