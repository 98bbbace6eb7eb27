// CTKMEMO: the admin memo printed as form F-MK-010 for the warehouse.
#include "memos/admin_memo.h"
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"
#include "xbase/text_functions.h"

namespace memos {

frame::ReportPage AdminMemoLines(const frame::OpenedTables& tables, const std::string& number, xbase::Date date,
                                 const std::string& note, const console::ValueTable& rows) {
  const std::string rule(77, '-');
  std::vector<std::string> lines = {
      "",
      "PT. TIRTANDAKA              M E M O R A N D U M                      F-MK-010",
      "ISO 9001                         MARKETING                          Revisi 00",
      "                             NOMOR : " + number,
      "                            TANGGAL: " + DateText(date),
      "Kepada : Bag. Gudang",
      "",
      "Mohon diproses lebih lanjut Sj - Sj, seperti tercantum dibawah ini :         ",
      rule,
      "No. No. Surat Jalan      Tg. Sj     Tujuan/Relasi                       Colly",
      rule};
  for (const console::ValueRow& row : rows) {
    if (xbase::IsBlank(CellText(row, kAdminNote))) continue;
    lines.push_back(Figure(CellNumber(row, kAdminNo), "999") + " " + Cut(CellText(row, kAdminNote), 20) + " " +
                    DateText(CellDate(row, kAdminDate)) + " " +
                    Cut(CustomerText(tables, CellText(row, kAdminCustomer), "NAMA"), 30) + " " +
                    Figure(CellNumber(row, kAdminColly), "99,999,999"));
  }
  lines.push_back("Keterangan : " + note);
  lines.push_back(rule);
  lines.insert(lines.end(), {"Atas perhatian dan kerjasamanya, kami sampaikan terima kasih.", "", "",
                             "   Yang menyerahkan                                        Yang menerima     ", "", "",
                             "  (                 )                                     (             )    ",
                             "                                                            BAG. GUDANG", "",
                             "Distribusi : Lbr 1. Gudang,  Lbr 2. Arsip"});
  return PageOf(lines, "N");
}

xbase::Status CTKMEMO(frame::Session& session, const Args&) {
  return AskMemos(session, "         Cetak Momorandum         ", kAdminMemo,
           [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& found) {
             std::string number = found, note;
             xbase::Date date;
             console::ValueTable rows;
             if (!LCGETMEMODL(session, tables, &number, &rows, &date, &note, branch, true)) return;
             PrintPages(session, {AdminMemoLines(tables, number, date, note, rows)}, MemoLayout(78));
           });
}

}  // namespace memos
