// Document numbers of the receivables screens whose counter row keeps letters before the digits
// (deduction requests, BPT vouchers, collection lists): the letters are those stored in the row.
#ifndef PALUNDA_RECEIVABLES_LETTERED_COUNTER_H_
#define PALUNDA_RECEIVABLES_LETTERED_COUNTER_H_

#include <string>
#include <string_view>

#include "documents/document_counter.h"
#include "documents/save_scope.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace receivables {

// One such kind: the counter key before the branch, how many letters and digits, the missing-row
// text and the alert of a taken number (its text before the number and after it).
struct LetteredKind {
  const char* prefix;
  int letters;
  int digits;
  documents::MissingCounterText missing;
  const char* taken_before;
  const char* taken_after;
};

// Numbers and writes a new document (see documents::NumberDocument) over `setup` (SETUP). A missing
// row or a taken number leaves *number empty after its alert; nothing is written then.
xbase::Status NumberLettered(frame::Session& session, xbase::WorkArea& setup, const LetteredKind& kind,
                             std::string_view branch, const documents::NumberTaken& taken,
                             const documents::WriteDocument& write, std::string* number);

// The counter row NumberLettered takes, named in a save.
xbase::Status NameLettered(documents::SaveScope& save, xbase::WorkArea& setup, const LetteredKind& kind,
                           std::string_view branch);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_LETTERED_COUNTER_H_
