// The bytes of a save journal: what a save is about to overwrite, and how long each file was, so that
// a save cut short can be undone. Old workstations never open it: its name is none of a table's,
// memo's or index's.
//
// Layout (integers little-endian):
//   header  "PALUNDA-JOURNAL\x1a"  u32 format  u32 body length  u32 body checksum  u32 header checksum
//   body    str host  u32 pid  u32 files, then per file:
//           str name  u64 old length  u64 new length  u32 images, then per image: u64 offset  u32 size  bytes
// where str is u16 length and bytes. A journal whose checksums do not match was cut short while it
// was written, before the save changed anything, and is simply dropped.
#ifndef PALUNDA_XBASE_JOURNAL_FILE_H_
#define PALUNDA_XBASE_JOURNAL_FILE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace xbase {

// Bytes of a file as they were before the save wrote over them.
struct BeforeImage {
  uint64_t offset = 0;
  std::string bytes;
};

struct JournaledFile {
  // The file's name without folder when it sits in the journal's folder, else its full path.
  std::string name;
  uint64_t old_length = 0;  // before the save
  uint64_t new_length = 0;  // as the save leaves it
  std::vector<BeforeImage> images;
};

struct JournalContents {
  std::string host;
  uint32_t pid = 0;
  std::vector<JournaledFile> files;
};

// Names of journals start so; the rest holds the host, the process and a number.
inline constexpr std::string_view kJournalPrefix = "palunda-journal-";

std::string EncodeJournal(const JournalContents& contents);
// Corruption when `bytes` are not one whole journal (empty, torn or foreign).
Status DecodeJournal(std::string_view bytes, JournalContents* contents);

// Takes the lock on the whole journal open as `fd` without waiting, and checks that `path` still names
// that file: false when another handle (its live owner) holds the lock, or when a recovery removed the
// file and the name leads elsewhere now.
bool LockJournalFile(int fd, const std::string& path);

// CRC-32 (the polynomial of zip and Ethernet).
uint32_t Crc32(std::string_view bytes);

}  // namespace xbase

#endif  // PALUNDA_XBASE_JOURNAL_FILE_H_
