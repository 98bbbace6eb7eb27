// The replace-by-key merge of transfer tables into the live tables: each incoming document replaces the live one of
// its key.
#include "documents/key_merge.h"

#include "console/table_access.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "xbase/text_functions.h"

namespace documents {
namespace {

// The incoming line rows of `key`, in key order, less the dropped ones.
xbase::Status IncomingRows(const MergedLines& lines, std::string_view key, std::vector<uint32_t>* rows) {
  std::vector<uint32_t> all;
  xbase::Status s = lines.incoming->SeekAll(key, &all);
  rows->clear();
  for (uint32_t row : all) {
    if (!s.ok()) break;
    s = lines.incoming->GoTo(row);
    if (s.ok() && !(lines.drop && lines.drop(*lines.incoming))) rows->push_back(row);
  }
  return s;
}

}  // namespace

xbase::Status MergeKeyLines(console::Console& con, xbase::Session& tables, const MergedLines& lines,
                            const xbase::WorkArea& source, int key_fields) {
  xbase::WorkArea& incoming = *lines.incoming;
  xbase::WorkArea& live = *lines.live;
  std::vector<uint32_t> rows;
  std::vector<uint32_t> stored;
  xbase::Status s = IncomingRows(lines, KeyIn(source, incoming, key_fields), &rows);
  if (s.ok()) s = StoredRows(tables, live, KeyIn(source, live, key_fields), &stored);
  if (!s.ok()) return s;
  std::vector<bool> present(rows.size(), true);
  for (size_t k = 0; k < rows.size() && lines.absent; ++k) {
    if (s = incoming.GoTo(rows[k]); !s.ok()) return s;
    present[k] = !lines.absent(incoming);
  }
  LineRewrite how;
  how.keep = [&](size_t k) { return static_cast<bool>(present[k]); };
  if (lines.reverse) how.reverse = [&] { return lines.reverse(live); };
  how.write = [&](size_t k, bool) {
    xbase::Status w = incoming.GoTo(rows[k]);
    if (w.ok()) w = CopyFieldsByPosition(incoming, live);
    if (w.ok() && lines.apply) w = lines.apply(incoming, live, k);
    return w;
  };
  return RewriteLines(con, live, stored, rows.size(), how);
}

namespace {

// The live header of the incoming header's key takes its fields (recalled when deleted, else its
// effect taken back first), or a new row takes them all; running totals stay this site's; then the
// header's effect is applied.
xbase::Status MergeHeader(console::Console& con, xbase::Session& tables, const KeyMerge& merge) {
  xbase::WorkArea& live = *merge.live;
  const std::string key = KeyIn(*merge.incoming, live, merge.key_fields);
  const bool hidden = tables.deleted_hidden();
  tables.set_deleted_hidden(hidden && !merge.see_deleted);
  xbase::Status s = live.Seek(key);
  tables.set_deleted_hidden(hidden);
  if (!s.ok()) return s;
  const bool found = live.found();
  s = found ? console::LOCK_REC(con, live) : console::APP_REC(con, live);
  if (!s.ok()) return s;
  std::vector<double> kept;
  for (const char* field : merge.running) kept.push_back(found ? live.Number(field) : 0);
  if (found && live.deleted()) {
    s = live.Recall();
  } else if (found && merge.reverse_header) {
    s = merge.reverse_header(live);
  }
  if (s.ok()) s = CopyFieldsByPosition(*merge.incoming, live, found ? 1 : 0);
  for (size_t i = 0; s.ok() && i < kept.size(); ++i) s = live.Put(merge.running[i], xbase::Value::Num(kept[i]));
  if (s.ok() && merge.apply_header) s = merge.apply_header(live);
  const xbase::Status unlocked = live.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

std::string KeyIn(const xbase::WorkArea& from, const xbase::WorkArea& to, int fields) {
  std::string key;
  for (int i = 0; i < fields && i < from.table().field_count() && i < to.table().field_count(); ++i) {
    const std::string& name = from.table().fields()[static_cast<size_t>(i)].name;
    const std::string& target = to.table().fields()[static_cast<size_t>(i)].name;
    key += to.PadToField(target, std::string(xbase::RTrim(from.Text(name))));
  }
  return key;
}

xbase::Status MergeByKey(console::Console& con, xbase::Session& tables, const KeyMerge& merge, int* documents,
                         MergeStop* stop) {
  xbase::WorkArea& source = merge.incoming != nullptr ? *merge.incoming : *merge.lines.front().incoming;
  std::string last;
  xbase::Status s = source.GoTop();
  while (s.ok() && !source.eof()) {
    const uint32_t at = source.recno();
    const std::string key = KeyIn(source, source, merge.key_fields);
    const bool blank = std::string(xbase::AllTrim(key)).empty();
    // Without a header table the rows of one key are one document, merged at its first row.
    const bool seen = merge.incoming == nullptr && key == last;
    if (!blank && !seen) {
      last = key;
      if (merge.progress) merge.progress(key);
      SaveScope save(con);
      for (xbase::WorkArea* area : merge.written) {
        save.Table(*area);
        save.Append(*area);
      }
      s = save.Lock();
      if (s.ok()) s = save.BeginWrites();
      if (s.ok() && merge.incoming != nullptr) s = MergeHeader(con, tables, merge);
      for (const MergedLines& lines : merge.lines) {
        if (s.ok()) s = MergeKeyLines(con, tables, lines, source, merge.key_fields);
      }
      s = save.CommitWrites(s);
      if (s.ok() && documents != nullptr) ++*documents;
      if (!s.ok() && stop != nullptr) *stop = MergeStop{at, key};
    }
    if (s.ok()) s = source.GoTo(at);
    if (s.ok()) s = source.Skip();
  }
  return s;
}

}  // namespace documents
