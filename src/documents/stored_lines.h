// The stored lines of a document rewritten in place: on every re-save of a document and in the detail
// step of the replace-by-key merge of transfer files, the document's stored rows (deleted ones too) are
// paired with the new lines one by one; rows are reused and never packed, and every row that feeds a
// running total has its old effect taken back before its new one is applied.
#ifndef PALUNDA_DOCUMENTS_STORED_LINES_H_
#define PALUNDA_DOCUMENTS_STORED_LINES_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// What one rewrite does with the new lines, each numbered from 0.
struct LineRewrite {
  // True when new line k is to be stored (a false one frees the row it is paired with).
  std::function<bool(size_t k)> keep;
  // True when new line k, beyond the stored rows, is appended; `keep` decides when empty.
  std::function<bool(size_t k)> append;
  // Takes back the effect of the current live row from its stored fields; nothing when empty.
  std::function<xbase::Status()> reverse;
  // Writes new line k into the current row, which is locked; `appended` tells a new blank row.
  std::function<xbase::Status(size_t k, bool appended)> write;
  // Applies the effect of new line k once its row is written; nothing when empty.
  std::function<xbase::Status(size_t k)> apply;
};

// The records of `area` whose key in the controlling order begins with `key`, deleted ones included,
// in key order (equal keys in record order).
xbase::Status StoredRows(xbase::Session& tables, xbase::WorkArea& area, std::string_view key,
                         std::vector<uint32_t>* rows);

// Pairs stored row n of `rows` with new line n. A kept line overwrites its row: a deleted row is
// recalled (its effect went when it was deleted), a live one has its effect reversed first; then the
// line is written and applied. A row paired with a line not kept, or beyond the last line, is reversed
// and deleted when live and left alone when deleted. Lines beyond the rows are appended and applied.
// Each row is changed under its own record lock (waited for on `con`), released at once.
xbase::Status RewriteLines(console::Console& con, xbase::WorkArea& area, const std::vector<uint32_t>& rows, size_t lines,
                           const LineRewrite& how);

// The header step of the replace-by-key merge: the row of `live` standing on the key of `incoming`'s
// current record (`found`, deleted rows included) takes fields 2 to n of it by position, recalled first
// when deleted and `recall` is set; without one, a row is appended with every field.
xbase::Status MergeHeaderRow(console::Console& con, xbase::WorkArea& live, bool found, const xbase::WorkArea& incoming, bool recall);

// Copies fields `first` (from 0) to n of `from`'s current record into the current record of `to`, by
// position; `to` must be locked.
xbase::Status CopyFieldsByPosition(const xbase::WorkArea& from, xbase::WorkArea& to, int first = 0);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_STORED_LINES_H_
