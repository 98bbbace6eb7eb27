// The save scope: gathers a save's tables and records, locks them in file-name order, journals them and
// commits or rolls back.
#include "frame/save_scope.h"

#include <algorithm>
#include <string>

#include "console/message.h"
#include "console/table_retry.h"
#include "console/unfinished_saves.h"
#include "frame/status_display.h"
#include "xbase/ntx_index.h"
#include "xbase/ntx_order.h"
#include "xbase/ntx_orders.h"
#include "xbase/save_journal.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

// The file name without its folder, in capitals: the same on every workstation, wherever the data
// folder is mounted.
std::string OrderName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return xbase::Upper(slash == std::string::npos ? path : path.substr(slash + 1));
}

bool ByFileName(const std::string& a, const std::string& b) {
  const std::string name_a = OrderName(a);
  const std::string name_b = OrderName(b);
  return name_a != name_b ? name_a < name_b : a < b;
}

std::string Notice(const std::string& what) { return what + ", tekan [Esc]=batal...."; }

}  // namespace

SaveScope::~SaveScope() { Release().IgnoreError(); }

SaveScope::Named& SaveScope::Entry(xbase::WorkArea& area) {
  for (Named& named : named_) {
    if (named.area == &area) return named;
    if (named.area->table().path() == area.table().path() && naming_.ok()) {
      // Two handles of one file would wait on each other's locks.
      naming_ = xbase::Status::InvalidArgument(area.table().path(), "named through two work areas in one save");
    }
  }
  named_.push_back(Named{&area});
  return named_.back();
}

void SaveScope::Append(xbase::WorkArea& area) { Entry(area).append = true; }

void SaveScope::Update(xbase::WorkArea& area, uint32_t recno) {
  if (recno == 0) return;
  std::vector<uint32_t>& records = Entry(area).records;
  if (std::find(records.begin(), records.end(), recno) == records.end()) records.push_back(recno);
}

void SaveScope::Table(xbase::WorkArea& area) { Entry(area).whole = true; }

xbase::Status SaveScope::LockTable(Named& named) {
  xbase::WorkArea& area = *named.area;
  xbase::DbfTable& table = area.table();
  held_tables_.push_back(&table);
  table.HoldLocks();
  const std::string file = " file " + area.alias() + ".Dbf";
  xbase::Status s;
  if (named.append) {
    s = console::RetryRecordWhileBusy(con_, Notice("Mencoba menambah record" + file),
                                      [&] { return table.LockAppend(xbase::LockWait::kTry); });
  }
  if (s.ok() && named.whole) {
    s = console::RetryRecordWhileBusy(con_, Notice("Mencoba mengunci" + file),
                                      [&] { return table.LockFile(xbase::LockWait::kTry); });
  }
  std::sort(named.records.begin(), named.records.end());
  for (size_t i = 0; s.ok() && !named.whole && i < named.records.size(); ++i) {
    const uint32_t recno = named.records[i];
    s = console::RetryRecordWhileBusy(con_, Notice("Mencoba mengunci record " + std::to_string(recno) + file),
                                      [&] { return table.LockRecord(recno, xbase::LockWait::kTry); });
  }
  return s;
}

std::vector<std::string> SaveScope::Folders() const {
  std::vector<std::string> folders;
  for (const Named& named : named_) {
    const std::string& path = named.area->table().path();
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  return folders;
}

xbase::Status SaveScope::Lock() {
  if (!naming_.ok()) return naming_;
  // A save another workstation left unfinished is undone before this one writes anything.
  for (const std::string& folder : Folders()) {
    xbase::Status s = console::RecoverUnfinishedSaves(con_, folder, xbase::RecoveryScope::kChanged);
    if (!s.ok()) return s;
  }
  std::sort(named_.begin(), named_.end(),
            [](const Named& a, const Named& b) { return ByFileName(a.area->table().path(), b.area->table().path()); });
  xbase::Status s;
  for (size_t i = 0; s.ok() && i < named_.size(); ++i) s = LockTable(named_[i]);
  std::vector<xbase::NtxStore*> indexes;
  for (const Named& named : named_) {
    xbase::NtxOrders& orders = named.area->orders();
    for (size_t i = 0; i < orders.size(); ++i) indexes.push_back(&orders.at(i).index().store());
  }
  std::sort(indexes.begin(), indexes.end(),
            [](const xbase::NtxStore* a, const xbase::NtxStore* b) { return ByFileName(a->path(), b->path()); });
  for (size_t i = 0; s.ok() && i < indexes.size(); ++i) {
    s = indexes[i]->HoldWriteLock();
    if (s.ok()) held_indexes_.push_back(indexes[i]);
  }
  if (!s.ok()) Release().IgnoreError();  // the refusal is what the caller shows
  return s;
}

xbase::Status SaveScope::BeginWrites() {
  if (named_.empty() || journaled_) return xbase::Status::OK();
  // The journal goes beside the table first in file-name order (Lock sorted them).
  xbase::Status s = xbase::SaveJournal::Begin(Folders().front());
  journaled_ = s.ok();
  return s;
}

xbase::Status SaveScope::CommitWrites(const xbase::Status& writes) {
  xbase::Status s = writes;
  if (journaled_) {
    // A record still pending in a table, and its index entries, belong to the save too.
    for (xbase::DbfTable* table : held_tables_) {
      const xbase::Status flushed = table->Flush();
      if (s.ok()) s = flushed;
    }
    if (s.ok()) {
      s = xbase::SaveJournal::Commit();
    } else {
      xbase::SaveJournal::Abandon();
    }
    journaled_ = false;
  }
  const xbase::Status released = Release();
  return s.ok() ? released : s;
}

xbase::Status SaveScope::Release() {
  if (journaled_) {
    // Released without a commit: nothing of the save is written.
    for (xbase::DbfTable* table : held_tables_) table->Flush().IgnoreError();
    xbase::SaveJournal::Abandon();
    journaled_ = false;
  }
  xbase::Status first;
  for (xbase::NtxStore* index : held_indexes_) index->ReleaseHeldLock();
  held_indexes_.clear();
  for (xbase::DbfTable* table : held_tables_) {
    const xbase::Status s = table->ReleaseHeld();
    if (first.ok()) first = s;
  }
  held_tables_.clear();
  return first;
}

xbase::Status ClearTables(console::Console& con, const std::vector<xbase::WorkArea*>& areas) {
  SaveScope save(con);
  for (xbase::WorkArea* area : areas) save.Table(*area);
  xbase::Status s = save.Lock();
  if (s.ok()) s = save.BeginWrites();
  for (xbase::WorkArea* area : areas) {
    if (s.ok()) s = area->table().Zap();
  }
  return save.CommitWrites(s);
}

bool NothingSaved(Session& session, const xbase::Status& status) {
  ShowFailure(session, status);
  // A check under the locks refuses with its own words; anything else is a failure of the runtime.
  if (!status.IsInvalidArgument()) console::PESAN(session.console(), "Tidak ada yang tersimpan");
  return false;
}

bool NothingSaved(Session& session, SaveScope& save, const xbase::Status& status) {
  save.Release().IgnoreError();  // the refusal is what is told
  return NothingSaved(session, status);
}

}  // namespace frame
