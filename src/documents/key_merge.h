// The replace-by-key merge of transfer tables into the live tables: each incoming document replaces
// the live document of its key. The header takes the incoming fields (the key kept), the live lines
// of the key are paired in order with the incoming lines, each replaced line has its effect taken
// back before the incoming line's effect is applied, surplus live lines are taken back and deleted,
// and the incoming lines beyond the live ones are appended and applied. Every row changes under its
// own record lock, released at once.
#ifndef PALUNDA_DOCUMENTS_KEY_MERGE_H_
#define PALUNDA_DOCUMENTS_KEY_MERGE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// One line table of a document: the incoming rows and the live rows, both on an index whose key
// begins with the document's key fields.
struct MergedLines {
  xbase::WorkArea* incoming = nullptr;
  xbase::WorkArea* live = nullptr;
  // Incoming rows left out before the pairing (they take no place); none when empty.
  std::function<bool(const xbase::WorkArea& incoming)> drop;
  // Incoming rows that count as absent at their place: the live row there is freed, none is appended.
  std::function<bool(const xbase::WorkArea& incoming)> absent;
  // Takes back the effect of the live row (stored fields); nothing when empty.
  std::function<xbase::Status(const xbase::WorkArea& live)> reverse;
  // Applies the effect of incoming line k (from 0) once its fields are copied into the live row,
  // which is still locked and may be finished here; nothing when empty.
  std::function<xbase::Status(const xbase::WorkArea& incoming, xbase::WorkArea& live, size_t k)> apply;
};

// One document file group.
struct KeyMerge {
  // The incoming header table walked in its controlling order, and the live header table on its key
  // index; without an incoming header the documents are the keys of the first line table.
  xbase::WorkArea* incoming = nullptr;
  xbase::WorkArea* live = nullptr;
  // How many leading fields make the key (of the header and of every line table).
  int key_fields = 1;
  // Live rows marked deleted are seen, so a deleted row of the key is recalled and overwritten; when
  // false a key held only by a deleted row gets a new row.
  bool see_deleted = true;
  // Numeric header fields that are running totals of this site: a replaced header keeps its own
  // value and a new one starts at 0, for the merged lines to move.
  std::vector<const char*> running;
  // Takes back the effect of a live header about to be overwritten (not of a recalled one), and
  // applies the effect of the header once it holds the incoming fields; nothing when empty.
  std::function<xbase::Status(const xbase::WorkArea& live)> reverse_header;
  std::function<xbase::Status(const xbase::WorkArea& live)> apply_header;
  std::vector<MergedLines> lines;
  // Told before each document is merged, with its key.
  std::function<void(std::string_view key)> progress;
  // The live tables a document's merge writes (headers, lines and the tables its effects post to).
  // Each document is one save: these tables are locked whole, with their append locks, before its
  // first write and released after its last.
  std::vector<xbase::WorkArea*> written;
};

// Where a merge stopped: the incoming row of the document left unwritten, and its key.
struct MergeStop {
  uint32_t row = 0;
  std::string key;
};

// Merges every incoming document, each as one save; *documents (optional) counts them. Incoming rows
// with an empty key are passed over. Esc while waiting for a document's locks, or a write that fails,
// stops the merge with that status: nothing of that document is written, the documents before it
// are whole, and *stop (optional) names it.
xbase::Status MergeByKey(console::Console& con, xbase::Session& tables, const KeyMerge& merge,
                         int* documents = nullptr, MergeStop* stop = nullptr);

// The live lines of one document rewritten from the incoming ones; `source` stands on the document
// (its first `key_fields` fields are the key).
xbase::Status MergeKeyLines(console::Console& con, xbase::Session& tables, const MergedLines& lines,
                            const xbase::WorkArea& source, int key_fields);

// The key of the current row of `from` (its first `fields` fields, trailing blanks cut from the last)
// in the widths of the same fields of `to`.
std::string KeyIn(const xbase::WorkArea& from, const xbase::WorkArea& to, int fields);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_KEY_MERGE_H_
