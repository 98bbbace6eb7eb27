// The document counter: a SETUP row keyed by a document prefix and the branch code holds the last
// number of a kind of document; a new document takes its successor. The row stays locked from its
// reading until it is raised, so two workstations never take the same number.
#ifndef PALUNDA_DOCUMENTS_DOCUMENT_COUNTER_H_
#define PALUNDA_DOCUMENTS_DOCUMENT_COUNTER_H_

#include <functional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "documents/save_scope.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// What a kind does when its next number is already held by a document.
enum class TakenNumber { kSkip, kRefuse };

// The alert of a missing counter row: before + key + after, with the single choice "Batal".
struct MissingCounterText {
  std::string before;
  std::string after;
  bool keyed = true;  // false: `before` alone, and nothing shown when it is empty
};
// Defined here (inline) rather than in one source file: a counter kind defined at namespace scope
// elsewhere copies its text while the program starts, and must find it made already.
// "Setup " + key + " belum dibuat, hub. admin"
inline const MissingCounterText kMissingAskAdmin = {"Setup ", " belum dibuat, hub. admin"};
// "Setup Nomerator " + key + " belum dibuat, Hubungi Admin"
inline const MissingCounterText kMissingNomerator = {"Setup Nomerator ", " belum dibuat, Hubungi Admin"};
// "Setup Nomerator " + key + ", belum dibuat, Hubungi Admin"
inline const MissingCounterText kMissingNomeratorComma = {"Setup Nomerator ", ", belum dibuat, Hubungi Admin"};

// One kind of document and how it is numbered.
struct CounterKind {
  std::string prefix;             // the counter row's key before the branch code, e.g. "NOTT"
  int digits = 10;                // digits of the number
  std::string number_prefix;      // letters kept before the digits (1 to 3, or none)
  TakenNumber taken = TakenNumber::kSkip;
  std::string taken_message;      // shown (row 24) when a refusing kind meets a taken number; nothing when empty
  // When set, the alert (single choice "Batal") that names the taken number instead of taken_message.
  std::function<std::string(const std::string& number)> taken_alert;
  MissingCounterText missing = kMissingAskAdmin;
  bool append_missing = false;    // a missing row is appended (from 0) instead of refused
  bool blank_padded = false;      // the digits padded with blanks instead of zeros
};

// The number after `last` (a counter value or a number of the kind): its digits + 1 with leading
// zeros (or blanks) to the kind's width, after the kind's letters. "99" gives "0000000100".
std::string NextNumber(const CounterKind& kind, std::string_view last);

// True when the document table already holds `number` (for the branch).
using NumberTaken = std::function<xbase::Status(const std::string& number, bool* taken)>;
// Writes the document under `number`; a failure leaves the counter as it was.
using WriteDocument = std::function<xbase::Status(const std::string& number)>;

// Numbers and saves one document. `setup` is the open SETUP work area. The counter row of
// kind.prefix + branch is locked (waiting for another workstation), the next free number found,
// the document written by `write`, the row's KET raised to the number when it is below it, and the
// row unlocked. A missing row (unless appended) or a refused number shows its message and nothing
// is written; the status then says why. *number receives the number used.
xbase::Status NumberDocument(console::Console& con, xbase::WorkArea& setup, const CounterKind& kind,
                             std::string_view branch, const NumberTaken& taken, const WriteDocument& write,
                             std::string* number);

// The counter row NumberDocument takes, named in a save (an append when the row is missing and the
// kind appends it; nothing when it refuses a missing row: NumberDocument then tells so).
xbase::Status NameCounter(SaveScope& save, xbase::WorkArea& setup, const CounterKind& kind, std::string_view branch);

// Raises the counter row `key` of the open `setup` to `number` when its KET is below it (compared as
// numbers), under the row's lock; a missing row is appended holding `number`.
xbase::Status RaiseCounter(console::Console& con, xbase::WorkArea& setup, std::string_view key,
                           std::string_view number);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_DOCUMENT_COUNTER_H_
