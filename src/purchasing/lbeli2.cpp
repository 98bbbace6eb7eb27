// LBELI2 "Rekap Pembelian per Nomor": the receipts and purchase returns of a period, one row a document; a text report
// or a workbook.
#include <algorithm>

#include "console/alert.h"
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "purchasing/paged_report.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 126;
constexpr std::string_view kTitle = "REKAP PEMBELIAN NETTO per NO_BPB";
constexpr std::string_view kColumns =
    " NO. NO_BPB          ID   TANGGAL    SUPLIER    NAMA                                      NILAI1             NILAI2 TG. TEMPO ";

// One printed document of the recap.
struct NumberRow {
  std::string number, code_id, supplier, name;
  xbase::Date date;
  double value1 = 0, value2 = 0;
};

struct Sums {
  double value1 = 0, value2 = 0;
};

// The printed documents of a kind in the period whose supplier begins with `supplier`.
xbase::Status Rows(frame::Session& session, const PurchaseKind& kind, xbase::Date from, xbase::Date to,
                   const std::string& supplier, std::vector<NumberRow>* rows) {
  return ForEachDocument(session, kind, from, to,
                         [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
    if (!header.Logical("CETAK") || !Begins(header.Text("SUPLIER"), supplier)) return xbase::Status::OK();
    NumberRow row{header.Text(kind.number), header.Text("CODE_ID"), header.Text("SUPLIER"), "", header.DateOf("TANGGAL")};
    // A company code beginning with "02" counts its second value on prices without 10 % tax.
    const bool taxed = row.code_id.starts_with("02");
    const double factor = CashFactor(header);
    for (const uint32_t record : records) {
      if (xbase::Status s = lines.GoTo(record); !s.ok()) return s;
      const double net = LineValue(lines) * factor;
      row.value1 += net;
      row.value2 += taxed ? net / 1.1 : net;
    }
    row.name = MasterText(session, "MASTSUP", header.Text("SUPLIER"), "NAMA", 40).substr(0, 30);
    rows->push_back(std::move(row));
    return xbase::Status::OK();
  });
}

Sums Total(const std::vector<NumberRow>& rows) {
  Sums sums;
  for (const NumberRow& row : rows) {
    sums.value1 += row.value1;
    sums.value2 += row.value2;
  }
  return sums;
}

std::string SumLine(std::string_view label, const Sums& sums) {
  return xbase::PadL(label, 78) + Pictured(sums.value1, "999,999,999,999.99") + Pictured(sums.value2, " 999,999,999,999.99");
}

// The rows of one kind, numbered with `picture`; page breaks and the end carry `label` with the sums.
void TextBlock(PagedReport* report, const std::vector<NumberRow>& rows, std::string_view picture,
               std::string_view label) {
  const std::string equals(kWidth, '=');
  Sums running;
  report->set_breaks([&] { return std::vector<std::string>{equals, SumLine(label, running)}; });
  int number = 0;
  for (const NumberRow& row : rows) {
    running.value1 += row.value1;
    running.value2 += row.value2;
    report->Line(Pictured(++number, picture) + xbase::PadR(row.number, 15) + " " + row.code_id + " " + xbase::Dtoc(row.date) +
                 " " + row.supplier + " " + xbase::PadR(row.name, 30) + Pictured(row.value1, " 99,999,999,999.99") +
                 Pictured(row.value2, " 999,999,999,999.99 ") + std::string(10, ' '));
    report->Check();
  }
  report->set_breaks({});
  report->Line(equals);
  report->Line(SumLine(label, running));
  report->Line("");
  report->Check();
}

std::string Period(xbase::Date from, xbase::Date to) { return "PERIODE : " + xbase::Dtoc(from) + " s/d " + xbase::Dtoc(to); }

void PrintText(frame::Session& session, const std::vector<NumberRow>& receipts, const std::vector<NumberRow>& returns,
               xbase::Date from, xbase::Date to, int per_page) {
  const std::string equals(kWidth, '=');
  PagedReport report({std::string(kTitle), Period(from, to), equals, std::string(kColumns), equals}, per_page);
  TextBlock(&report, receipts, "999. ", "JUMLAH JUAL : ");
  TextBlock(&report, returns, "9999 ", "JUMLAH RETUR : ");
  const Sums in = Total(receipts), out = Total(returns);
  report.Line(SumLine("JUMLAH NETTO : ", {in.value1 - out.value1, in.value2 - out.value2}));
  report.Print(session, ListLayout(kWidth));
}

// The rows of one kind from `row` on, then their sum line; returns the row after it.
int SheetBlock(platform::Worksheet& sheet, int row, const std::vector<NumberRow>& rows, std::string_view label) {
  int number = 0;
  for (const NumberRow& line : rows) {
    sheet.SetNumber(row, 1, ++number);
    sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(line.number)));
    sheet.SetValue(row, 3, frame::AsText(xbase::RTrim(line.code_id)));
    sheet.SetDate(row, 4, line.date);
    sheet.SetValue(row, 5, frame::AsText(xbase::RTrim(line.supplier)));
    sheet.SetValue(row, 6, xbase::RTrim(line.name));
    sheet.SetNumber(row, 7, line.value1);
    sheet.SetNumber(row, 8, line.value2);
    sheet.SetValue(row, 9, "");
    ++row;
  }
  const Sums sums = Total(rows);
  sheet.SetValue(row, 6, label);
  sheet.SetNumber(row, 7, sums.value1);
  sheet.SetNumber(row, 8, sums.value2);
  return row + 1;
}

void ShowSheet(frame::Session& session, const std::vector<NumberRow>& receipts, const std::vector<NumberRow>& returns,
               xbase::Date from, xbase::Date to) {
  frame::SpreadsheetExport book(session, std::string(kTitle));
  platform::Worksheet& sheet = book.ActiveSheet();
  sheet.SetValue(1, 1, kTitle);
  sheet.SetValue(2, 1, Period(from, to));
  const char* heads[] = {"NO.", "NO_BPB", "ID", "TANGGAL", "SUPLIER", "NAMA", "NILAI1", "NILAI2", " TG. TEMPO "};
  for (int column = 1; column <= 9; ++column) sheet.SetValue(4, column, heads[column - 1]);
  sheet.Centre("A4:I4");
  sheet.SetBorders("A4:I4", frame::kBorderWeight);
  sheet.Bold("A1:I4");
  int row = SheetBlock(sheet, 5, receipts, "JUMLAH JUAL");
  row = SheetBlock(sheet, row, returns, "JUMLAH RETUR");
  const Sums in = Total(receipts), out = Total(returns);
  sheet.SetValue(row, 6, "JUMLAH NETTO");
  sheet.SetNumber(row, 7, in.value1 - out.value1);
  sheet.SetNumber(row, 8, in.value2 - out.value2);
  sheet.Bold("A" + std::to_string(row) + ":I" + std::to_string(row));
  sheet.SetNumberFormat("G:H", frame::kAmountFormat);
  sheet.AutoFit("B:I");
  sheet.SetBorders("A5:I" + std::to_string(row), frame::kBorderWeight);
  book.Show();
}

}  // namespace

xbase::Status LBELI2(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!frame::OpenTables(session, {"BPBELI1", "BPBELI2", "RTBELI1", "RTBELI2", "MASTBRJ", "MASTSUP"})) {
    return xbase::Status::OK();
  }
  xbase::Date from = session.Today(), to = session.Today();
  std::string supplier(10, ' ');
  double per_page = 55;
  while (AskReport(session, "REKAP PEMBELIAN per NOMOR", kCyanBox,
                   {{8, "PERIODE :", &from}, {9, "s/d :", &to}, {10, "SUPLIER :", &supplier, "@!"},
                    {11, "BRS/HAL :", &per_page, "99"}})) {
    std::vector<NumberRow> receipts, returns;
    xbase::Status s = Rows(session, kReceipts, from, to, supplier, &receipts);
    if (s.ok()) s = Rows(session, kReturns, from, to, supplier, &returns);
    if (!frame::Checked(session, s)) continue;
    const int media = console::Alert(session.console(), "PILIHAN MEDIA LAPORAN", {"Excel", "Printer", "Keluar"});
    if (media == 3) break;
    if (media == 1) {
      ShowSheet(session, receipts, returns, from, to);
    } else {
      PrintText(session, receipts, returns, from, to, std::max(1, static_cast<int>(per_page)));
    }
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
