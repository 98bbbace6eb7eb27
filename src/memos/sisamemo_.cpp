// SISAMEMO_: the delivery notes of the admin memos not yet sent: in no driver memo and in no memo back.
#include <algorithm>

#include "frame/status_display.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_tables.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"

namespace memos {

ReportPages NotSentPages(frame::Session& session, const frame::OpenedTables& tables,
                         const OutstandingSelection& selection) {
  std::vector<ListedNote> notes;
  if (!OutstandingNotes(session, tables, selection, false, &notes)) return {};
  std::stable_sort(notes.begin(), notes.end(),
                   [](const ListedNote& a, const ListedNote& b) { return a.facts.date < b.facts.date; });
  std::vector<std::string> body;
  double colly = 0, value = 0;
  for (const ListedNote& note : notes) {
    double amount = 0;
    if (!frame::Checked(session, InvoiceAmount(tables, note.invoice, &amount))) return {};
    body.push_back(Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(note.invoice, 20) + " " +
                   DateText(note.facts.date) + " " + note.facts.customer + " " +
                   Cut(CustomerText(tables, note.facts.customer, "NAMA"), 30) + " " +
                   Figure(note.colly, "99,999,999") + " " + Figure(amount, "999,999,999,999.99"));
    colly += note.colly;
    value += amount;
  }
  const std::string rule(113, '-');
  return Paginate({"DAFTAR SURAT JALAN BELUM diKIRIM", rule,
                   "NO. SJ/INVOICE           TG. SJ     TUJUAN/RELASI                                 COLLY              NILAI",
                   rule},
                  body, static_cast<int>(selection.rows),
                  {rule, Cut("JUMLAH :", 75) + " " + Figure(colly, "99,999,999") + " " + Figure(value, "999,999,999,999.99")},
                  "C");
}

xbase::Status SISAMEMO_(frame::Session& session, const Args&) {
  return PrintOutstanding(session, " DAFTAR SJ BELUM KIRIM ", NotSentPages, 113);
}

}  // namespace memos
