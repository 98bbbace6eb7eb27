// TORRMS: the stock movement recap with turnover, printed or as a workbook.
#include <algorithm>

#include "console/alert.h"
#include "frame/question_box.h"
#include "frame/report_pages.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "stock/movement_recap.h"
#include "stock/movements.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace stock {
namespace {

constexpr int kWidth = 195;

std::string Title(const RecapAsk& ask) {
  return "REKAPITULASI MUTASI STOCK (" + std::string(ask.pieces ? "Pcs" : "Carton") + "). GUDANG : " + ask.warehouse;
}
std::string Period(const RecapAsk& ask) { return "Periode : " + xbase::Dtoc(ask.from) + " s/d " + xbase::Dtoc(ask.to); }

std::string Quantities(const std::array<double, kRecapColumns>& quantity, double value) {
  std::string cells;
  for (const double q : quantity) cells += Fig(q, " 9,999,999");
  return cells + Fig(value, " 999,999,999,999");
}

// Sums of the ten quantities and the value over rows.
struct Sums {
  std::array<double, kRecapColumns> quantity{};
  double value = 0;
  void Add(const RecapRow& row) {
    for (int c = 0; c < kRecapColumns; ++c) quantity[c] += row.quantity[c];
    value += row.value;
  }
  void Add(const Sums& other) {
    for (int c = 0; c < kRecapColumns; ++c) quantity[c] += other.quantity[c];
    value += other.value;
  }
};

frame::ReportPages TextPages(const RecapAsk& ask, const std::vector<RecapGroup>& groups, int per_page) {
  const std::string rule(kWidth, '=');
  const std::vector<std::string> heading = {
      Title(ask), Period(ask), rule,
      "NO  KODE      |NAMA BARANG         |      HARGA |    STOCK|       PRODUKSI    |   MUTASI CABANG   |      "
      "PENJUALAN    |   MUTASI  AJUSTMEN|        STOCK AKHIR      |    RATA2 LAMA SMPN       TURN",
      "              |                    |      SATUAN|     AWAL|    MASUK    KELUAR|    MASUK    KELUAR|     KUMM"
      "    BL INI|     KODE          |   JUMLAH           NILAI| JUAl/BLN     Bulan       OVER",
      rule};
  frame::ReportPages pages;
  int rows = per_page;
  const auto line = [&](std::string text) {
    if (rows >= per_page) {
      pages.emplace_back();
      for (const std::string& h : heading) pages.back().push_back({h, "C", 0});
      rows = 0;
    }
    pages.back().push_back({std::move(text), "C", 0});
    ++rows;
  };
  Sums total;
  for (const RecapGroup& group : groups) {
    line("    Golongan " + group.code);
    Sums sums;
    int n = 0;
    for (const RecapRow& row : group.rows) {
      sums.Add(row);
      line(Fig(++n, "999 ") + row.code + " " + Cut(row.name, 20) + Fig(row.price, " 9,999,999.99") +
           Quantities(row.quantity, row.value) + Fig(row.monthly_sales, " 9,999,999") +
           Fig(row.storage_months, " 99,999.99") + Fig(row.turnover, " 999,999.99"));
    }
    line(std::string(kWidth, '-'));
    line("    " + std::string("   Jumlah ") + " " + Cut(group.name, 20) + std::string(13, ' ') +
         Quantities(sums.quantity, sums.value));
    total.Add(sums);
  }
  line(rule);
  line("    " + std::string(10, ' ') + " " + "             TOTAL :" + std::string(13, ' ') +
       Quantities(total.quantity, total.value));
  return pages;
}

void FillWorkbook(frame::Session& session, const RecapAsk& ask, const std::vector<RecapGroup>& groups) {
  frame::SpreadsheetExport book(session, "Rekap Mutasi & TOR");
  platform::Worksheet& sheet = book.ActiveSheet();
  sheet.SetValue(1, 1, Title(ask));
  sheet.SetValue(2, 1, Period(ask));
  sheet.SetFontSize("A1:R2", 12);
  for (const auto& [range, text] : std::vector<std::pair<std::string, std::string>>{
           {"A4:A5", "NO."}, {"B4:B5", "KODE"}, {"C4:C5", "NAMA BARANG"}, {"D4:D5", "HARGA SATUAN"},
           {"F4:G4", "HASIL PRODUKSI"}, {"H4:I4", "MUTASI KE CABANG"}, {"J4:K4", "PENJUALAN"},
           {"L4:L5", "MUTASI KODE"}, {"M4:M5", "AJUSTMENT"}, {"N4:O4", "STOCK AKHIR"}, {"P4:P5", "RATA2 JUAL"},
           {"Q4:Q5", "LAMA SINPAN"}, {"R4:R5", "TURN OVER"}}) {
    sheet.Merge(range);
    sheet.SetValue(4, range[0] - 'A' + 1, text);
  }
  sheet.SetValue(4, 5, "STOCK AWAL");
  // Receipts come in from the branch block, purchase returns go out to it, as the printed recap says.
  const char* const kUnder[] = {"MASUK", "KELUAR", "MASUK", "KELUAR", "KUMMULATIF", "BULAN INI"};
  for (int i = 0; i < 6; ++i) sheet.SetValue(5, 6 + i, kUnder[i]);
  sheet.SetValue(5, 14, "QTY");
  sheet.SetValue(5, 15, "NILAI");
  sheet.Centre("A4:R5");
  sheet.SetBorders("A4:R5", frame::kBorderWeight);
  sheet.Bold("A1:R5");
  int row = 6;
  Sums total;
  const auto figures = [&](int at, const Sums& sums) {
    for (int c = 0; c < kRecapColumns; ++c) sheet.SetNumber(at, 5 + c, sums.quantity[c]);
    sheet.SetNumber(at, 15, sums.value);
  };
  for (const RecapGroup& group : groups) {
    sheet.SetValue(row++, 3, "GOLONGAN " + std::string(xbase::RTrim(group.code)));
    Sums sums;
    int n = 0;
    for (const RecapRow& r : group.rows) {
      sums.Add(r);
      sheet.SetNumber(row, 1, ++n);
      sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(r.code)));
      sheet.SetValue(row, 3, std::string(xbase::RTrim(r.name)));
      sheet.SetNumber(row, 4, r.price);
      for (int c = 0; c < kRecapColumns; ++c) sheet.SetNumber(row, 5 + c, r.quantity[c]);
      sheet.SetNumber(row, 15, r.value);
      sheet.SetNumber(row, 16, r.monthly_sales);
      sheet.SetNumber(row, 17, r.storage_months);
      sheet.SetNumber(row, 18, r.turnover);
      ++row;
    }
    sheet.SetValue(row, 2, "   Jumlah ");
    sheet.SetValue(row, 3, std::string(xbase::RTrim(group.name)));
    figures(row, sums);
    row += 2;
    total.Add(sums);
  }
  sheet.SetValue(row, 3, "TOTAL");
  figures(row, total);
  const std::string last = std::to_string(row);
  sheet.SetFill("A" + last + ":R" + last, 46);
  sheet.Bold("A" + last + ":R" + last);
  sheet.SetNumberFormat("D6:R" + last, frame::kTwoDecimalFormat);
  sheet.AutoFit("B:R");
  sheet.SetBorders("A6:R" + last, frame::kBorderWeight);
  book.Show();
}

}  // namespace

xbase::Status TORRMS(frame::Session& session, const Args&) {
  std::vector<frame::TableUse> uses = {{"MASTBRJ"}, {"MASTGOL"}};
  for (const std::string_view name : MovementTables()) uses.push_back({name});
  const frame::OpenedTables tables = frame::OpenTables(session, uses);
  if (!tables) return xbase::Status::OK();
  std::string code(10, ' '), warehouse(4, ' ');
  const xbase::Date today = session.Today();
  xbase::Date from = xbase::Date::FromYmd(today.year(), 1, 1), to = today;
  bool pieces = true;
  double per_page = 50;
  while (frame::AskInBox(session, {"Rekap Mutasi & TOR"},
                         {{"Kode       :", &code, "@!"},
                          {"gudang     :", &warehouse, "@!"},
                          {"Tgl        :", &from, ""},
                          {"s/d Tgl    :", &to, ""},
                          {"Output Pcs :", &pieces, "Y"},
                          {"Brs/Hal    :", &per_page, "999"}})) {
    const RecapAsk ask{std::string(xbase::RTrim(code)), std::string(xbase::RTrim(warehouse)), from, to, pieces};
    std::vector<RecapGroup> groups;
    if (!frame::Checked(session, MovementRecap(session, tables, ask, &groups)) || groups.empty()) continue;
    for (;;) {
      const int choice = console::Alert(session.console(), "PILIHAN MEDIA LAPORAN", {"Printer", "Excel", "Keluar"});
      if (choice == 1) {
        frame::ReportLayout layout = StockLayout(kWidth, "RMS", 0, 7);
        layout.frozen_columns = 32;
        frame::PrintPages(session, TextPages(ask, groups, std::max(1, static_cast<int>(per_page))), layout);
      } else if (choice == 2) {
        FillWorkbook(session, ask, groups);
      } else {
        break;
      }
    }
  }
  return session.tables().CloseAll();
}

}  // namespace stock
