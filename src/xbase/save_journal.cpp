// SaveJournal: a save's writes held back in memory, journaled, applied and flushed at commit.
#include "xbase/save_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <map>

#include "xbase/disk_change.h"
#include "xbase/file_lock.h"

namespace xbase {

namespace {

constexpr uint64_t kUncut = std::numeric_limits<uint64_t>::max();

std::atomic<uint64_t> g_undo_count{0};
std::atomic<uint32_t> g_journal_number{0};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The host name with only letters, digits, dots and dashes, for the journal's file name.
std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "host";
  std::string host;
  for (const char* c = name; *c != '\0'; ++c) {
    const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || *c == '.' || *c == '-';
    host.push_back(plain ? *c : '_');
  }
  return host.empty() ? "host" : host;
}

// The journal file of the calling thread: made at its first save in a folder and kept, empty between
// saves and locked, until the thread ends. Keeping it saves flushing the folder at every save.
class OwnJournal {
 public:
  OwnJournal() = default;
  OwnJournal(const OwnJournal&) = delete;
  OwnJournal& operator=(const OwnJournal&) = delete;
  ~OwnJournal() { Close(true); }

  Status OpenIn(const std::string& folder) {
    if (fd_ >= 0 && owner_ != ::getpid()) {
      // Inherited through fork: the parent's journal and lock, never this process's.
      ::close(fd_);
      fd_ = -1;
    }
    if (fd_ >= 0 && folder == folder_) return Status::OK();
    Close(true);
    const std::string stem = folder + "/" + std::string(kJournalPrefix) + HostName() + "-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string path = stem + std::to_string(g_journal_number.fetch_add(1));
      const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0) {
        if (errno == EEXIST) continue;
        return Status::IOError(path, std::string("create: ") + std::strerror(errno));
      }
      // A recovery that found the file before it was locked may have taken and removed it: then
      // the name no longer leads to this file, and another name is tried.
      if (!LockJournalFile(fd, path)) {
        ::close(fd);
        continue;
      }
      fd_ = fd;
      owner_ = ::getpid();
      path_ = path;
      folder_ = folder;
      return FlushFolder(folder);
    }
    return Status::IOError(folder, "no save journal could be made");
  }

  const std::string& path() const { return path_; }

  Status Write(const std::string& bytes) {
    Status s = WriteFully(fd_, path_, 0, bytes.data(), bytes.size());
    if (s.ok()) s = FlushFile(fd_, path_);
    return s;
  }

  // The save is final, or was undone: the journal undoes nothing any more.
  Status Clear() {
    Status s = CutTo(fd_, path_, 0);
    if (s.ok()) s = FlushFile(fd_, path_);
    return s;
  }

  // Lets the journal go as it is, lock and all, for the next recovery to finish.
  void LetGo() { Close(false); }

 private:
  void Close(bool remove) {
    if (fd_ < 0) return;
    if (remove && owner_ == ::getpid()) ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
    folder_.clear();
  }

  int fd_ = -1;
  pid_t owner_ = 0;
  std::string path_;
  std::string folder_;
};

thread_local std::unique_ptr<SaveJournal> t_active;
thread_local OwnJournal t_journal;

}  // namespace

struct SaveJournal::Pending {
  FileIdentity identity;
  std::string path;
  int fd = -1;  // a duplicate of the first writer's descriptor: its own, whatever that handle does
  // The changed bytes by offset: disjoint and never adjacent.
  std::map<uint64_t, std::string> extents;
  bool resized = false;
  uint64_t size = 0;     // the length the save gives the file, when resized
  uint64_t known_length = 0;  // the file was at least this long on disk (others only append to it)
  uint64_t cut = kUncut;  // the shortest length the save cut the file to

  ~Pending() {
    if (fd >= 0) ::close(fd);
  }

  void Put(uint64_t offset, const char* data, size_t size);
  void Overlay(uint64_t offset, char* data, size_t size) const;
  void CutAt(uint64_t length);
};

void SaveJournal::Pending::Put(uint64_t offset, const char* data, size_t length) {
  const uint64_t end = offset + length;
  auto it = extents.upper_bound(offset);
  if (it != extents.begin()) {
    auto before = std::prev(it);
    const uint64_t before_end = before->first + before->second.size();
    if (before_end >= end) {  // inside one range already changed: the common case of a page written again
      std::memcpy(before->second.data() + (offset - before->first), data, length);
      return;
    }
    if (before_end >= offset) it = before;
  }
  uint64_t start = offset;
  uint64_t stop = end;
  auto last = it;
  for (; last != extents.end() && last->first <= end; ++last) {
    start = std::min(start, last->first);
    stop = std::max(stop, last->first + last->second.size());
  }
  std::string merged(stop - start, '\0');
  for (auto at = it; at != last; ++at) std::memcpy(merged.data() + (at->first - start), at->second.data(), at->second.size());
  std::memcpy(merged.data() + (offset - start), data, length);
  extents.erase(it, last);
  extents.emplace(start, std::move(merged));
}

void SaveJournal::Pending::Overlay(uint64_t offset, char* data, size_t length) const {
  const uint64_t end = offset + length;
  auto it = extents.upper_bound(offset);
  if (it != extents.begin()) --it;
  for (; it != extents.end() && it->first < end; ++it) {
    const uint64_t from = std::max(offset, it->first);
    const uint64_t to = std::min(end, it->first + it->second.size());
    if (from < to) std::memcpy(data + (from - offset), it->second.data() + (from - it->first), to - from);
  }
}

void SaveJournal::Pending::CutAt(uint64_t length) {
  resized = true;
  size = length;
  cut = std::min(cut, length);
  auto it = extents.lower_bound(length);
  extents.erase(it, extents.end());
  if (!extents.empty()) {
    auto last = std::prev(extents.end());
    if (last->first + last->second.size() > length) last->second.resize(length - last->first);
    if (last->second.empty()) extents.erase(last);
  }
}

SaveJournal* SaveJournal::Active() { return t_active.get(); }

uint64_t SaveJournal::UndoCount() { return g_undo_count.load(); }

SaveJournal::SaveJournal(std::string folder) : folder_(std::move(folder)) {}

SaveJournal::~SaveJournal() = default;

Status SaveJournal::Begin(const std::string& folder) {
  if (t_active) {
    ++t_active->depth_;
    return Status::OK();
  }
  t_active.reset(new SaveJournal(folder));
  return Status::OK();
}

void SaveJournal::Abandon() {
  if (!t_active) return;
  if (--t_active->depth_ > 0) {
    if (t_active->failed_.ok()) t_active->failed_ = Status::IOError(t_active->folder_, "a part of the save failed");
    return;
  }
  const bool wrote = !t_active->pending_.empty();
  t_active.reset();
  if (wrote) g_undo_count.fetch_add(1);
}

Status SaveJournal::Commit() {
  if (!t_active) return Status::OK();
  if (--t_active->depth_ > 0) return Status::OK();
  if (!t_active->failed_.ok()) {
    const Status failed = t_active->failed_;
    ++t_active->depth_;
    Abandon();
    return failed;
  }
  // Reads and writes of the commit itself go to the disk.
  std::unique_ptr<SaveJournal> journal = std::move(t_active);
  const Status s = journal->CommitWrites();
  if (!s.ok()) g_undo_count.fetch_add(1);
  return s;
}

SaveJournal::Pending* SaveJournal::Find(const FileIdentity& file) const {
  for (const std::unique_ptr<Pending>& pending : pending_) {
    if (pending->identity == file) return pending.get();
  }
  return nullptr;
}

Status SaveJournal::Track(const LockedFile& file, Pending** pending) {
  *pending = Find(file.identity());
  if (*pending != nullptr) return Status::OK();
  const int fd = ::fcntl(file.fd(), F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return Status::IOError(file.path(), std::string("dup: ") + std::strerror(errno));
  auto added = std::make_unique<Pending>();
  added->identity = file.identity();
  added->path = file.path();
  added->fd = fd;
  *pending = added.get();
  pending_.push_back(std::move(added));
  return Status::OK();
}

Status SaveJournal::LogicalSize(const Pending& pending, uint64_t* size) const {
  if (pending.resized) {
    *size = pending.size;
    return Status::OK();
  }
  return LengthOf(pending.fd, pending.path, size);
}

Status SaveJournal::Write(const LockedFile& file, uint64_t offset, const void* data, size_t size) {
  Pending* pending = nullptr;
  Status s = Track(file, &pending);
  if (!s.ok()) return s;
  // Most writes fall inside the length seen before; only a write past it asks the disk again.
  if (!pending->resized && offset + size > pending->known_length) {
    s = LengthOf(pending->fd, pending->path, &pending->known_length);
    if (!s.ok()) return s;
  }
  const uint64_t length = pending->resized ? pending->size : pending->known_length;
  if (offset + size > length) {
    pending->resized = true;
    pending->size = offset + size;
  }
  pending->Put(offset, static_cast<const char*>(data), size);
  return Status::OK();
}

Status SaveJournal::Read(const LockedFile& file, uint64_t offset, void* data, size_t size, size_t* got) {
  const Pending* pending = Find(file.identity());
  if (!pending->resized) {
    // The save neither grew nor cut the file: the disk tells where it ends, without asking its length.
    Status s = ReadFully(pending->fd, pending->path, offset, data, size, got);
    if (s.ok()) pending->Overlay(offset, static_cast<char*>(data), *got);
    return s;
  }
  uint64_t length = 0;
  Status s = LogicalSize(*pending, &length);
  if (!s.ok()) return s;
  *got = 0;
  if (offset >= length) return Status::OK();
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(size, length - offset));
  // What the disk still holds below the lowest cut; zeros past it and past the file's end.
  const size_t on_disk = offset < pending->cut ? static_cast<size_t>(std::min<uint64_t>(wanted, pending->cut - offset)) : 0;
  size_t read = 0;
  s = ReadFully(pending->fd, pending->path, offset, data, on_disk, &read);
  if (!s.ok()) return s;
  std::memset(static_cast<char*>(data) + read, 0, wanted - read);
  pending->Overlay(offset, static_cast<char*>(data), wanted);
  *got = wanted;
  return Status::OK();
}

Status SaveJournal::Size(const LockedFile& file, uint64_t* size) { return LogicalSize(*Find(file.identity()), size); }

Status SaveJournal::Truncate(const LockedFile& file, uint64_t size) {
  Pending* pending = nullptr;
  Status s = Track(file, &pending);
  if (s.ok()) pending->CutAt(size);
  return s;
}

// The journal's contents: per changed file its length now, the length the save leaves, and the bytes
// now in every range the save overwrites or cuts off.
Status SaveJournal::Gather(JournalContents* contents, std::vector<Pending*>* changed) const {
  for (const std::unique_ptr<Pending>& pending : pending_) {
    if (pending->extents.empty() && !pending->resized) continue;
    JournaledFile file;
    file.name = FolderOf(pending->path) == folder_ ? pending->path.substr(folder_.size() + 1) : pending->path;
    Status s = LengthOf(pending->fd, pending->path, &file.old_length);
    if (!s.ok()) return s;
    file.new_length = pending->resized ? pending->size : file.old_length;
    if (file.new_length == file.old_length && pending->extents.empty()) continue;
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    for (const auto& [offset, bytes] : pending->extents) {
      const uint64_t end = std::min<uint64_t>(offset + bytes.size(), file.old_length);
      if (offset < end) ranges.emplace_back(offset, end);
    }
    if (pending->cut < file.old_length) ranges.emplace_back(pending->cut, file.old_length);
    std::sort(ranges.begin(), ranges.end());
    for (const auto& [from, to] : ranges) {
      if (!file.images.empty() && file.images.back().offset + file.images.back().bytes.size() >= from) {
        BeforeImage& last = file.images.back();
        const uint64_t last_end = last.offset + last.bytes.size();
        if (to <= last_end) continue;
        const size_t at = last.bytes.size();
        last.bytes.resize(static_cast<size_t>(to - last.offset));
        size_t got = 0;
        s = ReadFully(pending->fd, pending->path, last_end, last.bytes.data() + at, static_cast<size_t>(to - last_end), &got);
      } else {
        BeforeImage image{from, std::string(static_cast<size_t>(to - from), '\0')};
        size_t got = 0;
        s = ReadFully(pending->fd, pending->path, from, image.bytes.data(), image.bytes.size(), &got);
        file.images.push_back(std::move(image));
      }
      if (!s.ok()) return s;
    }
    contents->files.push_back(std::move(file));
    changed->push_back(pending.get());
  }
  return Status::OK();
}

// Writes the changes, in offset order per file (an index's header and its version first), then
// makes them durable.
Status SaveJournal::Apply(const std::vector<Pending*>& changed) const {
  Status s;
  for (const Pending* pending : changed) {
    uint64_t length = 0;
    s = LengthOf(pending->fd, pending->path, &length);
    if (s.ok() && pending->cut < length) s = CutTo(pending->fd, pending->path, pending->cut);
    // From the end of the file back to its header: records and pages a save appends are on disk
    // before the count or root in the header that points at them, as an append by one record does,
    // so that a workstation reading meanwhile never meets a count beyond the end of the file.
    for (auto it = pending->extents.rbegin(); s.ok() && it != pending->extents.rend(); ++it) {
      s = WriteFully(pending->fd, pending->path, it->first, it->second.data(), it->second.size());
    }
    if (s.ok() && pending->resized) s = LengthOf(pending->fd, pending->path, &length);
    if (s.ok() && pending->resized && length != pending->size) s = CutTo(pending->fd, pending->path, pending->size);
    if (!s.ok()) return s;
  }
  return FlushChanged(changed);
}

// Makes the changed files durable together: several files on one local disk are flushed with one
// flush of its file system, any other file by itself. Each flush waits on the disk; a save of a
// document changes a dozen tables and indexes or more.
Status SaveJournal::FlushChanged(const std::vector<Pending*>& changed) const {
  std::vector<std::vector<const Pending*>> by_device;
  for (const Pending* pending : changed) {
    if (!OnLocalDisk(pending->fd)) {
      const Status s = FlushFile(pending->fd, pending->path);
      if (!s.ok()) return s;
      continue;
    }
    auto same = std::find_if(by_device.begin(), by_device.end(), [&](const std::vector<const Pending*>& files) {
      return files.front()->identity.device == pending->identity.device;
    });
    if (same == by_device.end()) {
      by_device.push_back({pending});
    } else {
      same->push_back(pending);
    }
  }
  for (const std::vector<const Pending*>& files : by_device) {
    const Pending& first = *files.front();
    const Status s = files.size() == 1 ? FlushFile(first.fd, first.path) : FlushFileSystem(first.fd, first.path);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

Status SaveJournal::CommitWrites() {
  JournalContents contents;
  contents.host = HostName();
  contents.pid = static_cast<uint32_t>(::getpid());
  std::vector<Pending*> changed;
  Status s = Gather(&contents, &changed);
  if (!s.ok() || changed.empty()) return s;

  s = t_journal.OpenIn(folder_);
  if (s.ok()) s = t_journal.Write(EncodeJournal(contents));
  if (!s.ok()) {
    // Nothing was applied; a journal half written must not stay behind to be taken for a whole one.
    if (!t_journal.Clear().ok()) t_journal.LetGo();
    return s;
  }
  s = Apply(changed);
  if (s.ok()) {
    s = t_journal.Clear();
    if (s.ok()) return s;
    // The save is on disk but its journal still undoes it: gone it must be, before the locks are.
    if (RemoveFile(t_journal.path()).ok()) {
      t_journal.LetGo();
      return Status::OK();
    }
  }
  std::vector<int> fds;
  std::vector<std::string> paths;
  for (const Pending* pending : changed) {
    fds.push_back(pending->fd);
    paths.push_back(pending->path);
  }
  std::vector<std::string> grown;
  Status undone = UndoJournal(contents, fds, paths, &grown);
  if (undone.ok()) undone = t_journal.Clear();
  if (!undone.ok()) {
    // The next recovery, here or at another workstation, finishes the undoing.
    t_journal.LetGo();
    return Status::IOError(s.message(), "the save could not be undone at once: " + undone.message());
  }
  return s;
}

Status UndoJournal(const JournalContents& contents, const std::vector<int>& fds, const std::vector<std::string>& paths,
                   std::vector<std::string>* grown) {
  for (size_t i = 0; i < contents.files.size(); ++i) {
    const JournaledFile& file = contents.files[i];
    uint64_t length = 0;
    Status s = LengthOf(fds[i], paths[i], &length);
    for (size_t k = 0; s.ok() && k < file.images.size(); ++k) {
      const BeforeImage& image = file.images[k];
      s = WriteFully(fds[i], paths[i], image.offset, image.bytes.data(), image.bytes.size());
    }
    if (!s.ok()) return s;
    // A file longer than the save left it was appended to by someone else since: never cut.
    if (length > std::max(file.new_length, file.old_length)) {
      grown->push_back(file.name);
    } else if (length != file.old_length) {
      s = CutTo(fds[i], paths[i], file.old_length);
    }
    if (s.ok()) s = FlushFile(fds[i], paths[i]);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

}  // namespace xbase
