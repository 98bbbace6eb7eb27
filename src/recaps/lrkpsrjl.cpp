// LRKPSRJL "Rekap Penjualan per Nomor": the delivery notes and returns of a period, one row a document; a text report
// or a workbook.
#include <algorithm>

#include "console/alert.h"
#include "frame/grid_cells.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "recaps/recap_report.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "recaps/sales_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace recaps {

using frame::Pictured;

namespace {

// One document of the recap.
struct Row {
  xbase::Date date;
  std::string number, type, salesman, customer, name, order, code_id;
  double nominal = 0, line_discount1 = 0, line_discount2 = 0, cd1 = 0, cd2 = 0, net = 0;
  xbase::Date due;
};

xbase::Status Gather(const frame::OpenedTables& tables, const DocumentKind& kind, const DocumentFilter& filter,
                     std::vector<Row>* rows) {
  xbase::WorkArea& customers = tables["MASTCUS"];
  return ForEachDocument(tables, kind, filter,
                         [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
    Row row{header.DateOf("TANGGAL"), header.Text(kind.number), header.Text("TIPE"), header.Text("SALES"),
            header.Text("RELASI"), "", header.Text("KTR1"), header.Text("CODE_ID")};
    row.cd1 = header.Number("DISCOUNT");
    row.cd2 = header.Number("DISCOUNT2");
    if (&kind == &kNotes) row.due = header.DateOf("TEMPO");
    if (xbase::LookUp(customers, customers.PadToField("RELASI", xbase::AllTrim(row.customer)))) {
      row.name = customers.Text("NAMA");
    }
    xbase::Status s;
    for (const uint32_t record : records) {
      s = lines.GoTo(record);
      if (!s.ok()) break;
      row.nominal += lines.Number("QUANTITY") * lines.Number("HARGA");
      row.net += LineValue(lines) * HeaderFactor(header);
      // The discounts shown are those of the note's last line.
      row.line_discount1 = lines.Number("DISCOUNT");
      row.line_discount2 = lines.Number("DISCOUNT2");
    }
    rows->push_back(std::move(row));
    return s;
  });
}

constexpr std::string_view kAmount = " 999,999,999,999.99";

std::string TextLine(int number, const Row& row) {
  return Pictured(number, "9999 ") + xbase::Dtoc(row.date) + " " + xbase::PadR(xbase::RTrim(row.number), 15) + " " +
         row.type + " " + row.salesman + " " + row.customer + " " + xbase::PadR(row.name, 25) +
         Pictured(row.nominal, " 999,999,999.99") + Pictured(row.line_discount1, " 99.99") + Pictured(row.line_discount2, " 99.99") +
         Pictured(row.cd1, " 99.99") + Pictured(row.cd2, " 99.99") + Pictured(row.net, " 999,999,999.99") + " " +
         xbase::Dtoc(row.due) + " " + xbase::PadR(xbase::RTrim(row.order), 20) + " " + row.code_id;
}

void Totals(const std::vector<Row>& rows, double* nominal, double* net) {
  *nominal = *net = 0;
  for (const Row& row : rows) {
    *nominal += row.nominal;
    *net += row.net;
  }
}

void PrintText(frame::Session& session, const DocumentFilter& filter, const std::vector<Row> (&blocks)[2],
               int per_page) {
  const std::string columns =
      " NO. TANGGAL    INVOICE         TP SLS  RELASI     NAMA                             NOMINAL Disc1 Disc2   CD1"
      "   CD2           NETTO TEMPO      NOMOR ORDER          C_ID";
  const std::string rule(columns.size(), '=');
  PagedText text({"REKAP PENJUALAN NETTO per INVOICE",
                  "PERIODE : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to), rule, columns, rule},
                 per_page);
  double nominal[2], net[2];
  for (int b = 0; b < 2; ++b) {
    int number = 0;
    for (const Row& row : blocks[b]) text.Line(TextLine(++number, row));
    Totals(blocks[b], &nominal[b], &net[b]);
    text.Line(xbase::PadL("BRUTO : ", 60) + Pictured(nominal[b], kAmount) + "   Netto : " + Pictured(net[b], kAmount));
    text.Line("");
  }
  const auto both = [&](std::string_view label, double a, double b) {
    text.Line(xbase::PadL(label, 60) + Pictured(a, kAmount) + "   NETTO : " + Pictured(b, kAmount));
  };
  both("JUAL-> BRUTO : ", nominal[0], net[0]);
  both("RETUR-> BRUTO : ", nominal[1], net[1]);
  both("JUAL - RETUR -> BRUTO : ", nominal[0] - nominal[1], net[0] - net[1]);
  PrintPages(session, text, 5, static_cast<int>(columns.size()));
}

void WriteBook(frame::Session& session, const DocumentFilter& filter, const std::vector<Row> (&blocks)[2]) {
  frame::SpreadsheetExport book(session, "REKAP PENJUALAN NETTO per INVOICE");
  platform::Worksheet& sheet = book.ActiveSheet();
  sheet.SetValue(1, 1, "REKAP PENJUALAN NETTO per INVOICE");
  sheet.SetValue(2, 1, "PERIODE : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to));
  const std::vector<std::string> headings = {" NO.", "TANGGAL", "INVOICE", "TP", "SLS", "RELASI", "NAMA", "NOMINAL",
                                             "Disc1", "Disc2", "CD1", "CD2", "NETTO", "TEMPO", "NOMOR ORDER", "C_ID"};
  for (size_t i = 0; i < headings.size(); ++i) sheet.SetValue(4, static_cast<int>(i) + 1, headings[i]);
  sheet.Bold("A1:P4");
  int row_number = 4;
  double sums[2][6] = {};
  for (int b = 0; b < 2; ++b) {
    int number = 0;
    for (const Row& row : blocks[b]) {
      const int r = ++row_number;
      sheet.SetNumber(r, 1, ++number);
      sheet.SetValue(r, 2, xbase::Dtoc(row.date));
      sheet.SetValue(r, 3, frame::AsText(xbase::RTrim(row.number)));
      sheet.SetValue(r, 4, frame::AsText(row.type));
      sheet.SetValue(r, 5, frame::AsText(row.salesman));
      sheet.SetValue(r, 6, frame::AsText(xbase::RTrim(row.customer)));
      sheet.SetValue(r, 7, xbase::RTrim(row.name));
      const double figures[6] = {row.nominal, row.line_discount1, row.line_discount2, row.cd1, row.cd2, row.net};
      for (int i = 0; i < 6; ++i) {
        sheet.SetNumber(r, 8 + i, figures[i]);
        sums[b][i] += figures[i];
      }
      sheet.SetValue(r, 14, row.due.empty() ? "" : xbase::Dtoc(row.due));
      sheet.SetValue(r, 15, frame::AsText(xbase::RTrim(row.order)));
      sheet.SetValue(r, 16, frame::AsText(row.code_id));
    }
    sheet.SetValue(++row_number, 7, "JUMLAH");
    sheet.SetNumber(row_number, 8, sums[b][0]);
    sheet.SetNumber(row_number, 13, sums[b][5]);
    MarkRow(sheet, row_number, 16, true);
  }
  sheet.SetValue(++row_number, 7, "JUAL-RETUR");
  sheet.SetNumber(row_number, 8, sums[0][0] - sums[1][0]);
  sheet.SetNumber(row_number, 13, sums[0][5] - sums[1][5]);
  MarkRow(sheet, row_number, 16, true);
  sheet.SetNumberFormat("H:M", frame::kAmountFormat);
  sheet.AutoFit("A:P");
  book.Show();
}

}  // namespace

// Per printed note and return: gross, discounts and net; text or workbook.
xbase::Status LRKPSRJL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables =
      OpenTables(session, {{"SRTJLN1"}, {"SRTJLN2"}, {"RTJUAL1"}, {"RTJUAL2"}, {"MASTCUS"}});
  if (!tables) return xbase::Status::OK();
  DocumentFilter filter = ThisMonth(session);
  double per_page = 55;
  while (AskInBox(session, {" REKAP PENJUALAN per NOMOR  "}, DocumentFields(&filter, &per_page)) &&
         !filter.from.empty() && !filter.to.empty()) {
    std::vector<Row> blocks[2];
    xbase::Status s = Gather(tables, kNotes, filter, &blocks[0]);
    if (s.ok()) s = Gather(tables, kReturns, filter, &blocks[1]);
    if (!frame::Checked(session, s)) continue;
    const int choice = console::Alert(session.console(), "PILIHAN MEDIA LAPORAN", {"Printer", "Excel"});
    if (choice == 1) PrintText(session, filter, blocks, std::max(10, static_cast<int>(per_page)));
    if (choice == 2) WriteBook(session, filter, blocks);
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
