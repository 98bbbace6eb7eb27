// The one shape of a save that writes more than one record. Every lock is taken before the first
// write, so that a clerk who gives up waiting (Esc) leaves nothing written:
//
//   frame::SaveScope save(session.console());
//   save.Append(*notes);                             // 1. gather what the save will change
//   save.Update(*customers, customer_record);
//   xbase::Status s = save.Lock();                   // 2. every lock, waiting with Esc
//   if (s.ok()) s = CheckUnderLocks(...);            // 3. plan and check, no messages: a Status
//   if (!s.ok()) return frame::NothingSaved(session, s);   // the locks go with `save`
//   s = save.BeginWrites();                          // 4. the save journal begins
//   ... the writes ...
//   s = save.CommitWrites(s);                        // 5. the journal commits, the locks go
#ifndef PALUNDA_FRAME_SAVE_SCOPE_H_
#define PALUNDA_FRAME_SAVE_SCOPE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "frame/session.h"
#include "xbase/ntx_store.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

class SaveScope {
 public:
  explicit SaveScope(console::Console& con) : con_(con) {}
  // Gives back every lock still held.
  ~SaveScope();
  SaveScope(const SaveScope&) = delete;
  SaveScope& operator=(const SaveScope&) = delete;

  // The save appends records to the area's table: its append lock.
  void Append(xbase::WorkArea& area);
  // The save rewrites record `recno` of the area's table: that record's lock.
  void Update(xbase::WorkArea& area, uint32_t recno);
  // The save rewrites records it cannot name beforehand: the table's file lock.
  void Table(xbase::WorkArea& area);

  // Takes every lock named, tables in the order of their file names so that two saves never wait on
  // each other in a circle: per table its append lock, then its file lock or its records in
  // ascending order; last the write lock of every index file of those tables, in file-name order
  // (others hold those only for the moment of a write). A lock held elsewhere is waited for with its
  // notice on row 24; Esc gives every lock back and returns the refusal: nothing was written.
  // Every lock stays held until CommitWrites or Release, whatever the writes unlock meanwhile.
  xbase::Status Lock();

  // After the last lock and before the first write: from here the save's writes are held back by
  // its journal (xbase/save_journal.h), and reads see them.
  xbase::Status BeginWrites();
  // After the last write, with the outcome of the writes: when they all succeeded the journal writes
  // them to the files, else nothing of them reaches the disk; every lock is released. The first
  // failure is returned.
  xbase::Status CommitWrites(const xbase::Status& writes);

  // Releases every lock (a save refused under its locks); writes held back are dropped.
  xbase::Status Release();

 private:
  struct Named {
    xbase::WorkArea* area = nullptr;
    bool append = false;
    bool whole = false;
    std::vector<uint32_t> records;
  };
  Named& Entry(xbase::WorkArea& area);
  // The folders of the tables named, without repeats, in the order of the tables.
  std::vector<std::string> Folders() const;
  xbase::Status LockTable(Named& named);

  console::Console& con_;
  std::vector<Named> named_;
  xbase::Status naming_;  // a table named through two work areas
  std::vector<xbase::DbfTable*> held_tables_;
  std::vector<xbase::NtxStore*> held_indexes_;
  bool journaled_ = false;  // between BeginWrites and CommitWrites
};

// Empties the tables in one save: a failure, a crash or a power cut part way leaves every one of them
// as it was. Each area's table is opened for exclusive use, as a zap needs.
xbase::Status ClearTables(console::Console& con, const std::vector<xbase::WorkArea*>& areas);

// A save refused before its first write: the refusal on row 24 (for a lock given up, followed by
// "Tidak ada yang tersimpan"). Gives false.
bool NothingSaved(Session& session, const xbase::Status& status);
// The same for a save refused under its locks: every lock of `save` is given back first, so that no
// other workstation waits while the clerk reads the refusal.
bool NothingSaved(Session& session, SaveScope& save, const xbase::Status& status);

}  // namespace frame

#endif  // PALUNDA_FRAME_SAVE_SCOPE_H_
