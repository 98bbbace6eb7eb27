// SISAMEMO: the delivery notes of the admin memos not yet back: in no memo back, with the driver of
// their last driver memo, or "MASIH DIGUDANG" when none took them yet.
#include <algorithm>

#include "frame/status_display.h"
#include "memos/driver_memo.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_tables.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// The sort key of a note: "0" while it is on no driver memo, else "1" + the driver of its last
// driver-memo line.
std::string DriverKey(frame::Session& session, std::string_view invoice) {
  std::vector<uint32_t> records;
  xbase::WorkArea* lines = session.tables().Area(kDriverMemo.lines);
  if (!NoteLineRecords(session, kDriverMemo, invoice, &records).ok() || records.empty() ||
      !lines->GoTo(records.back()).ok()) {
    return "0";
  }
  bool found = false;
  xbase::WorkArea* header = nullptr;
  const std::string branch = lines->Text("KDCB"), number = lines->Text("NOMOR");
  if (!FindMemo(session, kDriverMemo, branch, number, &found, &header).ok() || !found) return "1";
  return "1" + header->Text("SOPIR");
}

}  // namespace

ReportPages NotBackPages(frame::Session& session, const OutstandingSelection& selection) {
  std::vector<ListedNote> notes;
  if (!frame::Checked(session, OutstandingNotes(session, selection.branch, selection.customer, true, &notes))) {
    return {};
  }
  std::vector<std::pair<std::string, const ListedNote*>> rows;
  for (const ListedNote& note : notes) rows.emplace_back(DriverKey(session, note.invoice), &note);
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> body;
  double colly = 0;
  for (const auto& [driver, note] : rows) {
    const std::string remark = driver == "0" ? std::string("MASIH DIGUDANG") : Cut(DriverName(session, driver.substr(1)), 20);
    body.push_back(Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(note->invoice, 20) + " " +
                   DateText(note->facts.date) + " " + note->facts.customer + " " +
                   Cut(CustomerText(session, note->facts.customer, "NAMA"), 30) + " " +
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
  return AskOutstanding(session, "DAFTAR SJ BELUM KEMBALI", [&](const OutstandingSelection& selection) {
    PrintPages(session, NotBackPages(session, selection), MemoLayout(110));
  });
}

}  // namespace memos
