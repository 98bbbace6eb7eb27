// The pages of each memo list, from its selection: what the list screens print.
#ifndef PALUNDA_MEMOS_MEMO_LIST_PAGES_H_
#define PALUNDA_MEMOS_MEMO_LIST_PAGES_H_

#include <array>
#include <string>
#include <vector>
#include <string_view>

#include "frame/open_table.h"
#include "frame/session.h"
#include "memos/driver_memo.h"
#include "memos/memo_lists.h"
#include "memos/memo_report.h"

namespace memos {

// The title of the lists of goods not yet sent: all customers or the one chosen.
std::string NotSentGoodsTitle(std::string_view customer);

// SISAMEMO_, SISAMEMO, SISABRG and SISASJ.
// Each list is read from the memo work set `tables`; a failure is told on row 24 and no page comes back.
ReportPages NotSentPages(frame::Session& session, const frame::OpenedTables& tables,
                         const OutstandingSelection& selection);
ReportPages NotBackPages(frame::Session& session, const frame::OpenedTables& tables,
                         const OutstandingSelection& selection);
ReportPages NotSentGoodsPages(frame::Session& session, const frame::OpenedTables& tables,
                              const OutstandingSelection& selection);
ReportPages NotSentNotePages(frame::Session& session, const frame::OpenedTables& tables,
                             const OutstandingSelection& selection);

// MEMOKIRIM, and BRGKIRIM and RBRGKRM (whose titles begin with `title`).
ReportPages SentPages(frame::Session& session, const frame::OpenedTables& tables, const SentSelection& selection);
ReportPages SentGoodsPages(frame::Session& session, const frame::OpenedTables& tables, const SentSelection& selection,
                           std::string_view title);

// BRSIKI: the goods of a driver memo by note ("S") or by goods ("D"), and the TTSJ recap ("R").
ReportPages DriverGoodsPages(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo,
                             char kind, int rows);
ReportPages DriverRecapPages(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo,
                             int rows);

// LTTSJ: a driver's delivery notes reported back in a period; those delivered on a Sunday are named
// after the total instead of being placed in the week.
struct RealisationSelection {
  std::string driver = std::string(10, ' ');
  xbase::Date from, to;
  double rows = 50;
};
ReportPages RealisationPages(frame::Session& session, const frame::OpenedTables& tables,
                             const RealisationSelection& selection);

// EVAMEM: where each delivery note of a customer and period stands, from the admin memo to its payment.
struct NoteEvaluation {
  std::string invoice, customer, order, remark;  // remark: the note's KTR1
  xbase::Date date, ordered;
  // The dates of the admin memo, driver memo, memo back, receivables memo, collection list and receipt.
  std::array<xbase::Date, 6> dates{};
  double value = 0, boxes = 0;
  std::string status;
  std::string vehicle, driver;  // of the driver memo
};
// The status and dates of one note.
xbase::Status EvaluateNote(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                           NoteEvaluation* row);
// The notes of the selection that have goods lines, in date order.
xbase::Status EvaluationRows(frame::Session& session, const frame::OpenedTables& tables,
                             const SentSelection& selection, std::vector<NoteEvaluation>* rows);
ReportPages EvaluationPages(const frame::OpenedTables& tables, const SentSelection& selection,
                            const std::vector<NoteEvaluation>& rows);

// CHKSURATJALAN: the lines of a delivery note's summary; none (after a message) when it is unknown.
std::vector<std::string> NoteSummary(frame::Session& session, const frame::OpenedTables& tables,
                                     std::string_view invoice);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_LIST_PAGES_H_
