// SaveJournal: makes a save that writes many records all or nothing, as a rollback journal.
//
// Between Begin and Commit every write, cut and size the calling thread makes through LockedFile goes
// to an in-memory set of changed byte ranges per file instead of the disk; reads in that thread see
// them. Files are told apart by device and inode, so that two handles of one file agree. Commit
//   1. puts the bytes the save will overwrite and each file's length into this thread's journal file
//      in the data folder, and flushes it (the journal now undoes the save),
//   2. writes the changes to the files and flushes them,
//   3. empties the journal (the save is final).
// A failure in 2 (a full disk) puts the old bytes back at once. A process that dies in 2 leaves a
// journal that the next save at any of our workstations undoes (xbase/journal_recovery.h): its
// journal file carries a lock its owner holds while alive.
//
// Only bytes the save itself wrote are ever written or restored, never whole pages: other
// workstations may write other records sharing a page meanwhile.
#ifndef PALUNDA_XBASE_SAVE_JOURNAL_H_
#define PALUNDA_XBASE_SAVE_JOURNAL_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "xbase/journal_file.h"
#include "xbase/status.h"

namespace xbase {

class LockedFile;

// A file as this machine knows it: two handles of one file have the same identity.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

class SaveJournal {
 public:
  // The calling thread's journal while a save writes, else null.
  static SaveJournal* Active();

  // Starts holding back the calling thread's writes; the journal goes into `folder`. A save begun
  // inside another joins it: the outermost one commits.
  static Status Begin(const std::string& folder);
  // Journals, applies and flushes what was held back, then stops holding back. On failure nothing of
  // the save stays on disk, unless even undoing failed: then the journal stays for recovery.
  static Status Commit();
  // Drops what was held back: nothing of the save reaches the disk.
  static void Abandon();

  // Raised whenever a save's held-back or applied writes are dropped, so that handles opened for
  // exclusive use (which otherwise trust what they cached) read their files again.
  static uint64_t UndoCount();

  ~SaveJournal();
  SaveJournal(const SaveJournal&) = delete;
  SaveJournal& operator=(const SaveJournal&) = delete;

  // Whether this save has held back writes to the file.
  bool Tracks(const FileIdentity& file) const { return Find(file) != nullptr; }

  // The file operations of LockedFile while the save writes.
  Status Write(const LockedFile& file, uint64_t offset, const void* data, size_t size);
  Status Read(const LockedFile& file, uint64_t offset, void* data, size_t size, size_t* got);
  Status Size(const LockedFile& file, uint64_t* size);
  Status Truncate(const LockedFile& file, uint64_t size);

 private:
  struct Pending;

  explicit SaveJournal(std::string folder);
  Pending* Find(const FileIdentity& file) const;
  Status Track(const LockedFile& file, Pending** pending);
  Status LogicalSize(const Pending& pending, uint64_t* size) const;
  Status Gather(JournalContents* contents, std::vector<Pending*>* changed) const;
  Status Apply(const std::vector<Pending*>& changed) const;
  Status FlushChanged(const std::vector<Pending*>& changed) const;
  Status CommitWrites();

  std::string folder_;
  int depth_ = 1;
  Status failed_;  // a save begun inside this one that failed
  std::vector<std::unique_ptr<Pending>> pending_;
};

// Writes the before-images of a journal back into its files and sets each to its old length (unless
// it grew past what the save left: someone appended after it), then flushes them. The files are the
// open descriptors `fds` (one per journaled file, in order); `grown` gets the names of files left long.
Status UndoJournal(const JournalContents& contents, const std::vector<int>& fds, const std::vector<std::string>& paths,
                   std::vector<std::string>* grown);

}  // namespace xbase

#endif  // PALUNDA_XBASE_SAVE_JOURNAL_H_
