// SISAMEMO: the delivery notes of the admin memos not yet back: in no memo back, with the driver of
// their last driver memo, or "MASIH DIGUDANG" when none took them yet.
#include <algorithm>

#include "frame/status_display.h"
#include "memos/driver_memo.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// The sort key of a note: "0" while it is on no driver memo, else "1" + the driver of its last
// driver-memo line ("1" alone when that line's memo has no header).
xbase::Status DriverKey(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                        std::string* key) {
  *key = "0";
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kDriverMemo.lines];
  xbase::Status s = NoteLineRecords(session, lines, invoice, &records);
  if (s.ok() && !records.empty()) s = lines.GoTo(records.back());
  if (!s.ok() || records.empty()) return s;
  bool found = false;
  xbase::WorkArea& headers = tables[kDriverMemo.header];
  if (s = FindMemo(session, headers, lines.Text("KDCB"), lines.Text("NOMOR"), &found); !s.ok()) return s;
  *key = found ? "1" + headers.Text("SOPIR") : "1";
  return s;
}

}  // namespace

ReportPages NotBackPages(frame::Session& session, const frame::OpenedTables& tables,
                         const OutstandingSelection& selection) {
  std::vector<ListedNote> notes;
  if (!OutstandingNotes(session, tables, selection, true, &notes)) return {};
  std::vector<std::pair<std::string, const ListedNote*>> rows;
  for (const ListedNote& note : notes) {
    std::string key;
    if (!frame::Checked(session, DriverKey(session, tables, note.invoice, &key))) return {};
    rows.emplace_back(std::move(key), &note);
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> body;
  double colly = 0;
  for (const auto& [driver, note] : rows) {
    const std::string remark = driver == "0" ? std::string("MASIH DIGUDANG") : Cut(DriverName(session, driver.substr(1)), 20);
    body.push_back(Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(note->invoice, 20) + " " +
                   DateText(note->facts.date) + " " + note->facts.customer + " " +
                   Cut(CustomerText(tables, note->facts.customer, "NAMA"), 30) + " " +
                   Figure(note->colly, "99,999,999") + " " + remark);
    colly += note->colly;
  }
  const std::string rule(110, '-');
  return Paginate({"DAFTAR SURAT JALAN BELUM KEMBALI/DIKIRIM", rule,
                   "NO. SJ/INVOICE           TG. SJ     TUJUAN/RELASI                                 COLLY KETERANGAN           ",
                   rule},
                  body, static_cast<int>(selection.rows), {rule, Cut("JUMLAH :", 75) + " " + Figure(colly, "99,999,999")},
                  "C");
}

xbase::Status SISAMEMO(frame::Session& session, const Args&) {
  return PrintOutstanding(session, "DAFTAR SJ BELUM KEMBALI", NotBackPages, 110);
}

}  // namespace memos
