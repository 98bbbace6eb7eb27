// The pages of each memo list, from its selection: what the list screens print.
#ifndef PALUNDA_MEMOS_MEMO_LIST_PAGES_H_
#define PALUNDA_MEMOS_MEMO_LIST_PAGES_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "memos/memo_lists.h"
#include "memos/memo_report.h"

namespace memos {

// The title of the lists of goods not yet sent: all customers or the one chosen.
std::string NotSentGoodsTitle(std::string_view customer);

// SISAMEMO_, SISAMEMO, SISABRG and SISASJ.
ReportPages NotSentPages(frame::Session& session, const OutstandingSelection& selection);
ReportPages NotBackPages(frame::Session& session, const OutstandingSelection& selection);
ReportPages NotSentGoodsPages(frame::Session& session, const OutstandingSelection& selection);
ReportPages NotSentNotePages(frame::Session& session, const OutstandingSelection& selection);

// MEMOKIRIM, and BRGKIRIM and RBRGKRM (whose titles begin with `title`).
ReportPages SentPages(frame::Session& session, const SentSelection& selection);
ReportPages SentGoodsPages(frame::Session& session, const SentSelection& selection, std::string_view title);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_LIST_PAGES_H_
