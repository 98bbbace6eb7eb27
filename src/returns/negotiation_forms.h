// The printed forms of the negotiation minutes: the minute itself (F-MK-013) with its approved goods,
// and the list of the minutes of a period.
#ifndef PALUNDA_RETURNS_NEGOTIATION_FORMS_H_
#define PALUNDA_RETURNS_NEGOTIATION_FORMS_H_

#include <string>
#include <vector>

#include "frame/report_pages.h"
#include "frame/session.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace returns {

// The width of the minute form.
inline constexpr int kMinuteFormWidth = 121;

// The lines of F-MK-013 for the minute and its approved goods (none when it has no approval).
std::vector<std::string> MinuteFormLines(const Minute& minute, const MinuteApproval& approval);

// The lines in pages of `per_page`: a page that the form runs over ends with "dilanjutkan ke halaman
// berikutnya".
frame::ReportPages FormPages(const std::vector<std::string>& lines, int per_page);

// LSBAC: the minutes dated `from` to `to` whose branch begins with `branch`, each with its products
// and their details, in pages of `per_page` rows under the title and the column heads.
struct MinuteListFilter {
  xbase::Date from, to;
  std::string branch;
  int per_page = 50;
};
xbase::Status MinuteListPages(const frame::OpenedTables& tables, const MinuteListFilter& filter, frame::ReportPages* pages);

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_FORMS_H_
