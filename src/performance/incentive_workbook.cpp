// EXCELCETAKDATA: the workbook of the incentive basis, 100 columns from A to CV.
#include "frame/spreadsheet.h"
#include "performance/lrdpi.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

using namespace basis;

constexpr int kPercentColumn = 27;
constexpr int kLastColumn = 100;
constexpr int kDays = 31;

// The column of figure `index`: its own number up to 26, one further on from 27.
int ColumnOf(int index) { return index < kPercentColumn ? index : index + 1; }

void Heads(platform::Worksheet& sheet) {
  TallHead(sheet, 1, "KODE");
  TallHead(sheet, 2, "NAMA SALES");
  SpanHead(sheet, 3, "PENJUALAN", {"JUAL (a)", "RETUR (b)"});
  const std::vector<std::string> kinds = {"KREDIT", "TUNAI BI", "TUNAI BL", "TOTAL"};
  SpanHead(sheet, 5, "PAJAK / PPN", kinds);
  SpanHead(sheet, 9, "POTONGAN", kinds);
  SpanHead(sheet, 13, "FEE SPO", kinds);
  int column = 17;
  for (const char* head : {"KREDIT (f)", "TUNAI BI (g)", "TOTAL (h)", "TUNAI BL (i)", "TUNAI BI+BL (j)"}) {
    TallHead(sheet, column++, head);
  }
  SpanHead(sheet, 22, "PIUTANG", {"TARGET (t)", "UANG CAIR (u)", "BIAYA (v)", "POT BB (w)", "TOTAL (y)", "%"});
  SpanHead(sheet, 28, "PERINCIAN UANG CAIR",
           {"KREDIT (x1)", "TUNAI BI (x2)", "TUNAI BL (x3)", "TUNAI 7HR", "TUNAI 7HR BL", "TOTAL (x)"});
  SpanHead(sheet, 34, "PERINCIAN RETURN", {"RA", "RC", "RK", "RP", "DENDA (RT)"});
  std::vector<std::string> days;
  for (int day = 1; day <= kDays; ++day) days.push_back("Tgl. " + std::to_string(day));
  SpanHead(sheet, ColumnOf(kTargetDay + 1), "PERINCIAN UANG CAIR per TANGGAL KREDIT", days);
  SpanHead(sheet, ColumnOf(kOtherDay + 1), "PERINCIAN UANG CAIR per TANGGAL TUNAI", days);
  FinishHeads(sheet, kLastColumn);
  const int blocks[][2] = {{3, 4}, {5, 16}, {17, 21}, {22, 27}, {28, 33}, {34, 38}, {39, 69}, {70, 100}};
  int fill = 0;
  for (const auto& block : blocks) sheet.SetFill(Block(kHeadRow, block[0], kHeadRow + 1, block[1]), 34 + (fill++ % 4));
}

void Figures(platform::Worksheet& sheet, int row, const IncentiveRow& figures) {
  for (int index = kSales; index <= kOtherDay + kDays; ++index) sheet.SetNumber(row, ColumnOf(index), figures[index]);
  sheet.SetNumber(row, kPercentColumn, figures.Achievement());
}

}  // namespace

bool EXCELCETAKDATA(frame::Session& session, const std::vector<IncentiveRow>& rows, const IncentiveParams& params,
                    std::string* path) {
  frame::SpreadsheetExport book(session, "DASAR PERHITUNGAN INSENTIF");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet,
         {"RDPI,  Kelempok : " + std::string(xbase::AllTrim(params.group)) + " Relasi : " +
              std::string(xbase::AllTrim(params.customer)) + ", Kecuali Relasi : " +
              std::string(xbase::AllTrim(params.excluded_customers)) + ", Tipe : " + std::string(xbase::AllTrim(params.type)) +
              ", Kecuali Tipe : " + std::string(xbase::AllTrim(params.excluded_types)),
          "PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to)},
         12);
  Heads(sheet);
  int line = kFirstDataRow;
  IncentiveRow total;
  for (const IncentiveRow& row : rows) {
    bool shown = false;
    for (int index = kSales; index <= kOtherDay + kDays; ++index) shown = shown || row[index] != 0;
    if (!shown) continue;
    sheet.SetValue(line, 1, frame::AsText(xbase::RTrim(row.code)));
    sheet.SetValue(line, 2, std::string(xbase::RTrim(row.name)));
    Figures(sheet, line, row);
    for (size_t i = 0; i < total.figures.size(); ++i) total.figures[i] += row.figures[i];
    ++line;
  }
  sheet.SetValue(line, 2, "JUMLAH");
  Figures(sheet, line, total);
  TotalRow(sheet, line, kLastColumn, 45);
  sheet.SetBorders(Block(kFirstDataRow, 1, line, kLastColumn), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(3, kLastColumn), frame::kTwoDecimalFormat);
  line += 2;
  for (const char* note : kIncentiveNotes) {
    sheet.SetValue(line, 1, note);
    sheet.Merge(Block(line, 1, line, 12));
    sheet.SetFill(Block(line, 1, line, 12), 19);
    ++line;
  }
  sheet.AutoFit(Columns(1, 2));
  return book.Show(path);
}

}  // namespace performance
