// EVAMEM: the delivery evaluation: each delivery note of a customer and period followed from the admin
// memo to its payment, as a text report or a workbook.
#include <array>

#include "console/alert.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/driver_memo.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// The first row of `area` under the key, in order `order`; null when none.
xbase::WorkArea* FirstOf(xbase::WorkArea& area, std::string_view order, std::string_view key, xbase::Status* s) {
  *s = area.SetOrder(order);
  if (s->ok()) *s = area.Seek(key);
  return s->ok() && area.found() ? &area : nullptr;
}

}  // namespace

xbase::Status EvaluateNote(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                           NoteEvaluation* row) {
  xbase::Status s;
  const MemoOfNote admin = FindMemoOfNote(session, tables, kAdminMemo, invoice, &s);
  if (!s.ok() || !admin.found) {
    row->status = "MASIH DI ADM  ";
    return s;
  }
  row->dates[0] = admin.date;
  const MemoOfNote driver = FindMemoOfNote(session, tables, kDriverMemo, invoice, &s);
  if (!s.ok()) return s;
  if (driver.found) {
    const xbase::WorkArea& header = tables[kDriverMemo.header];
    row->status = "SEDANG DIKIRIM [" + driver.number + "]";
    row->dates[1] = driver.date;
    row->vehicle = header.Text("ARMADA");
    row->driver = header.Text("SOPIR");
  } else {
    row->status = "MASIH DIGUDANG [" + admin.number + "]";
  }
  const MemoOfNote back = FindMemoOfNote(session, tables, kBackMemo, invoice, &s);
  if (!s.ok()) return s;
  if (back.found) {
    row->dates[2] = back.date;
    const bool delivered = tables[kBackMemo.lines].Logical("TERKIRIM");
    row->status = delivered ? "TERKIRIM      " : "TIDAK TEKIRIM  " + row->remark;
  }
  const MemoOfNote tax = FindMemoOfNote(session, tables, kTaxMemo, invoice, &s);
  if (!s.ok()) return s;
  row->dates[3] = tax.date;
  if (xbase::WorkArea* list = FirstOf(tables["tagih2"], "TAGIH23", NoteKey(invoice), &s); list != nullptr) {
    const std::string number = list->Text("NOMOR");
    if (xbase::WorkArea* head = FirstOf(tables["tagihan"], "TAGIH11", number, &s); head != nullptr) {
      row->dates[4] = head->DateOf("TANGGAL");
    }
  }
  if (!s.ok()) return s;
  if (xbase::WorkArea* paid = FirstOf(tables["dibayar2"], "PIUTKR22", NoteKey(invoice), &s); paid != nullptr) {
    const std::string key = paid->Text("KDCB") + paid->Text("NOMOR");
    row->status = "DIBAYAR        " + paid->Text("NOMOR");
    if (xbase::WorkArea* head = FirstOf(tables["dibayar1"], "PIUTKR11", key, &s); head != nullptr) {
      row->dates[5] = head->DateOf("TANGGAL");
    }
  }
  return s;
}

xbase::Status EvaluationRows(frame::Session& session, const frame::OpenedTables& tables,
                             const SentSelection& selection, std::vector<NoteEvaluation>* rows) {
  rows->clear();
  std::vector<uint32_t> records;
  xbase::WorkArea& notes = tables["Invoice"];
  xbase::WorkArea& goods = tables["Kartu"];
  xbase::WorkArea& items = tables["mastbrj"];
  xbase::Status s = RecordsInRange(notes, 2, "TANGGAL", selection.from, selection.to, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = notes.GoTo(records[i]); !s.ok()) break;
    NoteEvaluation row;
    row.invoice = notes.Text("INVOICE");
    row.customer = notes.Text("RELASI");
    if (!Selected(selection.customer, row.customer)) continue;
    row.order = notes.Text("NOMOR");
    row.date = notes.DateOf("TANGGAL");
    row.ordered = notes.DateOf("PESAN");
    row.remark = notes.Text("KTR1");
    std::vector<uint32_t> lines;
    if (s = NoteGoods(tables, row.invoice, &lines); !s.ok() || lines.empty()) continue;
    for (uint32_t line : lines) {
      if (s = goods.GoTo(line); !s.ok()) break;
      row.value += LineValue(goods, notes);
      // The carton size gives the boxes: an item that cannot be read stops the list, rather than the
      // next line's read passing over the failure.
      bool known = false;
      if (s = items.SetOrder(1); s.ok()) s = xbase::SeekFound(items, goods.Text("KODE"), &known);
      if (!s.ok()) break;
      if (known && items.Number("DOS") != 0) row.boxes += goods.Number("QUANTITY") / items.Number("DOS");
    }
    if (s.ok()) s = EvaluateNote(session, tables, row.invoice, &row);
    if (s.ok()) rows->push_back(std::move(row));
    if (s.ok()) s = notes.GoTo(records[i]);
  }
  return s;
}

ReportPages EvaluationPages(const frame::OpenedTables& tables, const SentSelection& selection,
                            const std::vector<NoteEvaluation>& rows) {
  std::vector<std::string> body;
  double value = 0, boxes = 0;
  for (const NoteEvaluation& row : rows) {
    std::string line = Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(row.customer, 9) + " " +
                       Cut(CustomerText(tables, row.customer, "NAMA"), 30) + " " +
                       Cut(CustomerText(tables, row.customer, "KOTA"), 12) + " " + Cut(row.invoice, 13) + " " +
                       Cut(row.order, 15) + " " + DateText(row.date) + " " + DateText(row.ordered);
    for (xbase::Date date : row.dates) line += " " + DateText(date);
    body.push_back(line + " " + Figure(row.value, "9,999,999,999.99") + " " + Figure(row.boxes, "9,999,999") + " " +
                   row.status);
    value += row.value;
    boxes += row.boxes;
  }
  const std::string rule(248, '=');
  return Paginate(
      {"EVALUASI PENGIRIMAN BARANG KE RELASI : " + selection.customer,
       "PERIODE : " + DateText(selection.from) + " s/d " + DateText(selection.to), rule,
       std::string(100, ' ') + "--------------------------TANGGAL MEMO--------------------------",
       "NO |RELASI    NAMA                           KOTA         NO. SJ        NO. PO          TG. SJ     TG. PO     "
       "GUDANG     DRIVER     ADMIN      PIUTANG    KOLEKTOR   PELUNASAN             NILAI       BOX STATUS         "
       "KETERANGAN                    ",
       rule},
      body, static_cast<int>(selection.rows),
      {rule, Cut("** JUMLAH **", 165) + " " + Figure(value, "9,999,999,999.99") + " " + Figure(boxes, "9,999,999")}, "C");
}

namespace {

void WriteWorkbook(frame::Session& session, const frame::OpenedTables& tables,
                   const std::vector<NoteEvaluation>& rows) {
  frame::SpreadsheetExport book(session, "EVALUASI PENGIRIMAN BARANG");
  platform::Worksheet& sheet = book.ActiveSheet();
  static const char* const kHeads[] = {"NO.",    "RELASI",  "NAMA",   "KOTA",    "NO. SJ",   "NO. PO",
                                       "TG. SJ", "TG. PO",  "GUDANG", "DRIVER",  "ADMIN",    "PIUTANG",
                                       "KOLEKTOR", "PELUNASAN", "NILAI", "BOX",   "STATUS",   "KETERANGAN",
                                       "ARMADA", "NIK",     "NAMA",   "Nomor",   "NAMA"};
  sheet.SetValue(1, 9, "TANGGAL MEMO");
  sheet.SetValue(1, 19, "DRIVER");
  sheet.SetValue(1, 22, "EXPEDISI");
  for (int column = 1; column <= 23; ++column) sheet.SetValue(2, column, kHeads[column - 1]);
  int line = 3;
  double value = 0, boxes = 0;
  for (const NoteEvaluation& row : rows) {
    sheet.SetNumber(line, 1, line - 2);
    sheet.SetValue(line, 2, frame::AsText(xbase::RTrim(row.customer)));
    sheet.SetValue(line, 3, frame::AsText(xbase::RTrim(CustomerText(tables, row.customer, "NAMA"))));
    sheet.SetValue(line, 4, frame::AsText(xbase::RTrim(CustomerText(tables, row.customer, "KOTA"))));
    sheet.SetValue(line, 5, frame::AsText(xbase::RTrim(row.invoice)));
    sheet.SetValue(line, 6, frame::AsText(xbase::RTrim(row.order)));
    sheet.SetDate(line, 7, row.date);
    sheet.SetDate(line, 8, row.ordered);
    for (size_t i = 0; i < row.dates.size(); ++i) sheet.SetDate(line, 9 + static_cast<int>(i), row.dates[i]);
    sheet.SetNumber(line, 15, row.value);
    sheet.SetNumber(line, 16, row.boxes);
    sheet.SetValue(line, 17, frame::AsText(row.status));
    sheet.SetValue(line, 18, frame::AsText(xbase::RTrim(row.remark)));
    sheet.SetValue(line, 19, frame::AsText(xbase::RTrim(row.vehicle)));
    sheet.SetValue(line, 20, frame::AsText(xbase::RTrim(row.driver)));
    sheet.SetValue(line, 21, frame::AsText(xbase::RTrim(DriverName(session, row.driver))));
    value += row.value;
    boxes += row.boxes;
    ++line;
  }
  sheet.SetValue(line, 3, "JUMLAH");
  sheet.SetNumber(line, 15, value);
  sheet.SetNumber(line, 16, boxes);
  sheet.SetNumberFormat("G:N", "dd mmm yyyy");
  sheet.SetNumberFormat("O:P", frame::kAmountFormat);
  book.Show();
}

}  // namespace

xbase::Status EVAMEM(frame::Session& session, const Args&) {
  return AskSent(
      session, "  EVALUASI PENGIRIMAN BARANG   ", {"   RELASI :", "  TGL. SJ :", "      s/d :", "Baris/Hal :"},
      [&](const frame::OpenedTables& tables, const SentSelection& selection) {
        const int output = console::Alert(session.console(), "OutPut Laporan", {"Text File", "Excell"});
        if (output == 0) return;
        std::vector<NoteEvaluation> rows;
        if (!frame::Checked(session, EvaluationRows(session, tables, selection, &rows))) return;
        if (output == 2) {
          WriteWorkbook(session, tables, rows);
        } else {
          PrintPages(session, EvaluationPages(tables, selection, rows), MemoLayout(248, "EVALUASI", 3));
        }
      },
      50);
}

}  // namespace memos
