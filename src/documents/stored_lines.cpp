// The stored lines of a document rewritten in place, paired with the new lines one by one; rows are reused, never
// packed.
#include "documents/stored_lines.h"

#include <algorithm>

#include "console/table_access.h"

namespace documents {
namespace {

// Unlocks the area and hands on the first failure.
xbase::Status Release(xbase::WorkArea& area, const xbase::Status& status) {
  const xbase::Status unlocked = area.Unlock();
  return status.ok() ? unlocked : status;
}

xbase::Status Run(const std::function<xbase::Status()>& step) { return step ? step() : xbase::Status::OK(); }

xbase::Status Apply(const LineRewrite& how, size_t k) { return how.apply ? how.apply(k) : xbase::Status::OK(); }

// Reverses and deletes the current row when it is live.
xbase::Status FreeRow(console::Console& con, xbase::WorkArea& area, const LineRewrite& how) {
  if (area.deleted()) return xbase::Status::OK();
  if (xbase::Status s = console::LOCK_REC(con, area); !s.ok()) return s;
  // Locking re-read the row: another workstation may have deleted it meanwhile.
  if (area.deleted()) return area.Unlock();
  xbase::Status s = Run(how.reverse);
  if (s.ok()) s = area.Delete();
  return Release(area, s);
}

// Overwrites the current row with line k.
xbase::Status OverwriteRow(console::Console& con, xbase::WorkArea& area, const LineRewrite& how, size_t k) {
  if (xbase::Status s = console::LOCK_REC(con, area); !s.ok()) return s;
  xbase::Status s = area.deleted() ? area.Recall() : Run(how.reverse);
  if (s.ok()) s = how.write(k, false);
  if (s = Release(area, s); !s.ok()) return s;
  return Apply(how, k);
}

xbase::Status AppendRow(console::Console& con, xbase::WorkArea& area, const LineRewrite& how, size_t k) {
  if (xbase::Status s = console::APP_REC(con, area); !s.ok()) return s;
  if (xbase::Status s = Release(area, how.write(k, true)); !s.ok()) return s;
  return Apply(how, k);
}

}  // namespace

xbase::Status StoredRows(xbase::Session& tables, xbase::WorkArea& area, std::string_view key,
                         std::vector<uint32_t>* rows) {
  xbase::ShowDeleted show(&tables);
  return area.SeekAll(key, rows);
}

xbase::Status RewriteLines(console::Console& con, xbase::WorkArea& area, const std::vector<uint32_t>& rows, size_t lines,
                           const LineRewrite& how) {
  for (size_t n = 0; n < rows.size(); ++n) {
    xbase::Status s = area.GoTo(rows[n]);
    if (s.ok()) s = n < lines && how.keep(n) ? OverwriteRow(con, area, how, n) : FreeRow(con, area, how);
    if (!s.ok()) return s;
  }
  const auto& appends = how.append ? how.append : how.keep;
  for (size_t k = rows.size(); k < lines; ++k) {
    if (!appends(k)) continue;
    if (xbase::Status s = AppendRow(con, area, how, k); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status CopyFieldsByPosition(const xbase::WorkArea& from, xbase::WorkArea& to, int first) {
  const int count = std::min(from.table().field_count(), to.table().field_count());
  for (int i = first; i < count; ++i) {
    xbase::Value value;
    xbase::Status s = from.table().Get(from.table().Handle(i), &value);
    if (s.ok()) s = to.table().Put(to.table().Handle(i), value);
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status MergeHeaderRow(console::Console& con, xbase::WorkArea& live, bool found, const xbase::WorkArea& incoming, bool recall) {
  if (!found) {
    if (xbase::Status s = console::APP_REC(con, live); !s.ok()) return s;
    return Release(live, CopyFieldsByPosition(incoming, live));
  }
  if (xbase::Status s = console::LOCK_REC(con, live); !s.ok()) return s;
  xbase::Status s = recall && live.deleted() ? live.Recall() : xbase::Status::OK();
  if (s.ok()) s = CopyFieldsByPosition(incoming, live, 1);
  return Release(live, s);
}

}  // namespace documents
