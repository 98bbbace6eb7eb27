// DPROEXCEL: the detail of the proformas as a workbook: one row per proforma line with its quantity,
// cartons and value ordered, delivered and open.
#include <string>

#include "frame/spreadsheet.h"
#include "sales/proforma_recap.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr std::string_view kQuantityFormat = "#,###_);[Red](#,###)";
constexpr int kFirstRow = 6;

}  // namespace

bool DPROEXCEL(frame::Session& session, const std::vector<ProformaFigure>& figures, const ProformaFilter& filter) {
  frame::SpreadsheetExport book(session, "DETAIL PROFORMA INVOICE");
  platform::Worksheet& sheet = book.ActiveSheet();
  sheet.SetFont("Arial", 10);
  sheet.SetValue(1, 1, "DETAIL PROFORMA INVOICE");
  sheet.SetValue(2, 1, "Tanggal : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to));
  const char* const kFixed[] = {"NOMOR", "TANGGAL", "KODE", "NAMA"};
  for (int column = 1; column <= 4; ++column) {
    sheet.SetValue(4, column, kFixed[column - 1]);
    const std::string cells = std::string(1, static_cast<char>('A' + column - 1));
    sheet.Merge(cells + "4:" + cells + "5");
  }
  const char* const kGroups[] = {"QUANTITY", "CARTON", "VALUE"};
  const char* const kParts[] = {"PROFORMA", "TERKIRIM", "SALDO"};
  for (int group = 0; group < 3; ++group) {
    const int first = 5 + group * 3;
    sheet.SetValue(4, first, kGroups[group]);
    sheet.Merge(std::string(1, static_cast<char>('A' + first - 1)) + "4:" + std::string(1, static_cast<char>('A' + first + 1)) + "4");
    for (int part = 0; part < 3; ++part) sheet.SetValue(5, first + part, kParts[part]);
  }
  sheet.Centre("A4:M5");
  sheet.Bold("A4:M5");
  int row = kFirstRow;
  for (const ProformaFigure& figure : figures) {
    sheet.SetValue(row, 1, frame::AsText(xbase::RTrim(figure.number)));
    sheet.SetDate(row, 2, figure.date);
    sheet.SetValue(row, 3, frame::AsText(xbase::RTrim(figure.code)));
    sheet.SetValue(row, 4, std::string(xbase::RTrim(figure.name)));
    const double pieces[] = {figure.ordered, figure.delivered, figure.Open()};
    for (int part = 0; part < 3; ++part) {
      sheet.SetNumber(row, 5 + part, pieces[part]);
      sheet.SetNumber(row, 8 + part, figure.dos > 0 ? pieces[part] / figure.dos : 0);
      sheet.SetNumber(row, 11 + part, pieces[part] * figure.unit);
    }
    ++row;
  }
  sheet.SetNumberFormat("E:G", kQuantityFormat);
  sheet.SetNumberFormat("H:M", frame::kTwoDecimalFormat);
  sheet.SetBorders("A4:M" + std::to_string(std::max(row - 1, 5)), frame::kBorderWeight);
  sheet.AutoFit("A:M");
  return book.Show();
}

}  // namespace sales
