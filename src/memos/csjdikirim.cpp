// CSJDIKIRIM: the delivery-note receipt (TTSJ) of a driver memo, a week grid with one column per
// weekday from Monday to Saturday.
#include <algorithm>
#include <array>

#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

constexpr int kWidth = 225;
constexpr int kCell = 30;
constexpr char kColumns[] =
    "NO.|NOMOR SJ       |KOTA        |SENIN                      CRT|SELASA                     CRT|RABU        "
    "               CRT|KAMIS                      CRT|JUMAT                      CRT|SABTU                      "
    "CRT| TOTAL";

std::string ColumnRule() {
  std::string rule = "===================|============|";
  for (int day = 0; day < 5; ++day) rule += std::string(kCell, '=') + "|";
  return rule + std::string(kCell, '=') + "|======";
}

}  // namespace

frame::ReportPage ReceiptLines(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo) {
  xbase::Date first = session.Today(), last;
  for (const console::ValueRow& row : memo.rows) {
    const xbase::Date planned = CellDate(row, kDriverPlanned);
    if (xbase::IsBlank(CellText(row, kDriverNote)) || planned.empty()) continue;
    first = std::min(first, planned);
    last = std::max(last, planned);
  }
  const std::string rule(kWidth, '=');
  std::vector<std::string> lines = {
      "PT. TIRTANDAKA" + std::string(76, ' ') + "TANDA TERIMA SURAT JALAN",
      std::string(100, ' ') + "(TTSJ)",
      "NOMOR   : " + memo.number,
      "DRIVER  : " + memo.driver + "-" + DriverName(session, memo.driver) + "  NO. MOBIL : " + memo.vehicle + " " +
          memo.departure,
      "PERIODE : " + DateText(first) + " s/d " + DateText(last),
      rule,
      kColumns,
      ColumnRule()};
  std::array<double, 6> days{};
  std::vector<std::string> left_out_notes;
  for (const console::ValueRow& row : memo.rows) {
    const std::string invoice = CellText(row, kDriverNote);
    if (xbase::IsBlank(invoice)) continue;
    const int weekday = CellDate(row, kDriverPlanned).dow() - 2;  // Monday 0 ... Saturday 5; Sunday or no date below
    if (weekday < 0) {
      left_out_notes.push_back(NoteText(invoice));
      continue;
    }
    const std::string customer = CellText(row, kDriverCustomer);
    std::string line = Figure(CellNumber(row, kDriverNo), "999") + "|" + Cut(invoice, 15) + "|" +
                       Cut(CustomerText(tables, customer, "KOTA"), 12) + "|";
    for (int day = 0; day < 6; ++day) {
      line += day == weekday ? Cut(CustomerText(tables, customer, "NAMA"), 25) + " " +
                                   Figure(CellNumber(row, kDriverColly), "9999")
                             : std::string(kCell, ' ');
      line += "|";
    }
    days[static_cast<size_t>(weekday)] += CellNumber(row, kDriverColly);
    lines.push_back(line);
  }
  lines.push_back(ColumnRule());
  std::string total = std::string(51, ' ') + "TOTAL : ";
  double grand = 0;
  for (size_t day = 0; day < days.size(); ++day) {
    if (day > 0) total += std::string(26, ' ');
    total += Figure(days[day], "9999") + "|";
    grand += days[day];
  }
  lines.push_back(total + Figure(grand, "999999"));
  if (!left_out_notes.empty()) {
    std::string left_out = "SJ tidak masuk TTSJ (hari Minggu atau tanpa tg. kirim) :";
    for (const std::string& note : left_out_notes) left_out += " " + note;
    lines.push_back(left_out);
  }
  lines.insert(lines.end(),
               {rule,
                "    dibuat oleh                                Diterima oleh                           Disetujui oleh"
                "                               Security/Satpam                                 Mengetahui   ",
                "", "", "",
                "  ..............                             ................                         ................"
                "                              ...............                              ................",
                rule});
  return PageOf(lines, "C");
}

xbase::Status CSJDIKIRIM(frame::Session& session, const Args&) {
  return AskMemos(session, "     Cetak daftar SJ Terkirim     ", kDriverMemo,
                  [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& number) {
                    DriverMemoForm memo{.branch = branch, .number = number};
                    if (LCGETSJKIRIM(session, tables, &memo)) {
                      PrintPages(session, {ReceiptLines(session, tables, memo)}, MemoLayout(kWidth));
                    }
                  });
}

}  // namespace memos
