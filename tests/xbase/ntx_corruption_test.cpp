// Damaged index files give a clear error naming the file, never a crash or a hang; the check lists
// the damage.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ntx_test_helpers.h"
#include "support/files.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"

namespace xbase {
namespace {

using support::PatchFile;
using support::TempFolder;

// CUST1: key size 10, root at 13312 over leaves at 1024 .. 12288.
constexpr uint32_t kRoot = 13312;

Status OpenError(const std::string& path) {
  std::unique_ptr<NtxIndex> index;
  return NtxIndex::Open(path, NtxOpenMode::kShared, &index);
}

void ExpectCorruption(const Status& s, const std::string& path, const std::string& detail) {
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(s.message(), path + ": " + detail);
}

TEST(NtxCorruption, BadHeadersAreRefusedAtOpen) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/CUST1.ntx");
  PatchFile(path, 12, {19, 0});  // item size no longer key size + 8
  ExpectCorruption(OpenError(path), path, "item size 19 does not match key size 10");
  PatchFile(path, 12, {18, 0});
  PatchFile(path, 18, {51, 0});
  ExpectCorruption(OpenError(path), path, "items per page 51/25 do not match key size 10");
  PatchFile(path, 18, {50, 0});
  PatchFile(path, 4, {0x00, 0x40, 0, 0});
  ExpectCorruption(OpenError(path), path, "root page offset 16384 outside the file");
  PatchFile(path, 4, {0x00, 0x34, 0, 0});
  PatchFile(path, 8, {0x10, 0, 0, 0});
  ExpectCorruption(OpenError(path), path, "free page offset 16 outside the file");
  PatchFile(path, 8, {0, 0, 0, 0});
  PatchFile(path, 22, {0});
  ExpectCorruption(OpenError(path), path, "no key expression");
  PatchFile(path, 0, {0x41, 0x42});
  ExpectCorruption(OpenError(path), path, "not an NTX index (type 16961)");
  std::filesystem::resize_file(path, 100);
  ExpectCorruption(OpenError(path), path, "shorter than its header page");
  EXPECT_TRUE(OpenError(dir.File("NONE.ntx")).IsNotFound());
}

TEST(NtxCorruption, BadPagesFailTheOperationThatMeetsThem) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/CUST1.ntx");
  PatchFile(path, 3 * kNtxPageSize, {60, 0});  // third leaf: 60 items on a page of 50
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  bool found = false;
  ExpectCorruption(index->Seek("C00050", &found), path, "page at 3072: item count 60 above 50");
  // Pages away from the damage still serve.
  ASSERT_TRUE(index->Seek("C00001", &found).ok());
  EXPECT_TRUE(found);
  ExpectCorruption(index->Insert("C00050", 700), path, "page at 3072: item count 60 above 50");

  const std::string second = support::CopyFixture(dir, "xbase/CUST2.ntx");
  PatchFile(second, kNtxPageSize + 2, {0xFF, 0x03});  // first slot offset past the page end
  ASSERT_TRUE(NtxIndex::Open(second, NtxOpenMode::kShared, &index).ok());
  ExpectCorruption(index->GoTop(), second, "page at 1024: slot offset 1023 out of place");

  const std::string third = support::CopyFixture(dir, "xbase/CUST3.ntx");
  PatchFile(third, 19456 + 72, {0, 0x80, 0, 0});  // the root's first child far beyond the end
  ASSERT_TRUE(NtxIndex::Open(third, NtxOpenMode::kShared, &index).ok());
  ExpectCorruption(index->GoTop(), third, "page at 19456: child page offset 32768 outside the file");
}

TEST(NtxCorruption, CheckListsEveryFault) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/CUST1.ntx");
  PatchFile(path, kRoot + 0x68, {0x00, 0x34, 0, 0});            // the root's first child: the root itself
  PatchFile(path, 2 * kNtxPageSize + 0x68, {0x00, 0x04, 0, 0});  // leaf 2: its first item gets a child
  PatchFile(path, 5 * kNtxPageSize + 0x68 + 8, {'Z'});            // leaf 5: its first key out of order
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  NtxCheckReport report;
  ASSERT_TRUE(NtxCheck(*index, &report).ok());
  const std::vector<std::string> expected = {
      path + ": tree page at 13312 reached twice",
      path + ": page at 2048: mixes leaf and branch items",
      path + ": page at 5120: key of record 325 out of order",
      path + ": page at 1024 is neither in the tree nor free",
  };
  EXPECT_EQ(report.faults, expected);
}

// Another program cuts the index short while it is open and mapped: the pages past the new end and
// then the header give errors instead of killing the process with SIGBUS.
TEST(NtxCorruption, AFileCutShortWhileOpenGivesAnErrorNotASignal) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/CUST1.ntx");
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  ASSERT_EQ(::truncate(path.c_str(), 2 * kNtxPageSize), 0);
  bool found = false;
  ExpectCorruption(index->Seek("C00500", &found), path, "the file was cut short while in use");
  ASSERT_EQ(::truncate(path.c_str(), 0), 0);
  ExpectCorruption(index->GoTop(), path, "shorter than its header page");
}

// A free list that offers a page of the tree is refused before the page is written over; the failed
// insert leaves every item where it was.
TEST(NtxCorruption, AFreeListPointingIntoTheTreeIsRefusedBeforeReuse) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/CUST1.ntx");
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  const std::vector<uint32_t> before = xbase_test::WalkForward(*index);
  ASSERT_EQ(before.size(), 600u);
  index.reset();
  PatchFile(path, 8, {0x00, 0x04, 0, 0});  // the first free page: the first leaf, full of items
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  // Every leaf is full: the insert splits one and needs a page.
  ExpectCorruption(index->Insert("C00050X", 700), path, "page at 1024 on the free list is in use");
  EXPECT_EQ(xbase_test::WalkForward(*index), before);
  PatchFile(path, 8, {0x00, 0x34, 0, 0});  // the root itself
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  ExpectCorruption(index->Insert("C00050X", 700), path, "page at 13312 on the free list is in use");
}

// Pages of 2 items, 20 levels deep, each branch's three children the same page below: a walk would
// meet 3^19 leaves. It stops once it has met more items than the 21 pages can hold.
TEST(NtxCorruption, AWalkOverBranchesSharingPagesStopsAndReportsIt) {
  TempFolder dir;
  const std::string path = dir.File("SHARED.ntx");
  const NtxHeader header = NtxHeader::ForKey(200, 0, "KODE", "", false, false);
  ASSERT_EQ(header.max_items, 2);
  constexpr uint32_t kLevels = 20;
  std::vector<uint8_t> file((kLevels + 1) * kNtxPageSize);
  NtxHeader written = header;
  written.root = kNtxPageSize;
  written.Serialize(file.data());
  for (uint32_t level = 1; level <= kLevels; ++level) {
    const uint32_t below = level < kLevels ? (level + 1) * kNtxPageSize : 0;
    std::vector<NtxItem> items;
    for (uint32_t i = 0; i < 2; ++i) items.push_back(NtxItem{below, level * 10 + i, std::string(200, static_cast<char>('A' + i))});
    NtxPage(file.data() + level * kNtxPageSize, header).Rebuild(items, below);
  }
  support::WriteFile(path, std::string(file.begin(), file.end()));
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  ASSERT_TRUE(index->GoTop().ok());
  Status s;
  int steps = 0;
  while (s.ok() && !index->eof() && steps < 10000) {
    s = index->Next();
    ++steps;
  }
  ExpectCorruption(s, path, "a walk met more items than the file can hold: branches share pages");
  EXPECT_EQ(steps, 43);
  // A new walk from the top starts counting afresh.
  ASSERT_TRUE(index->GoTop().ok());
  EXPECT_TRUE(index->Next().ok());
}

}  // namespace
}  // namespace xbase
