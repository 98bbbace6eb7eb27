// Damaged index files give a clear error naming the file, never a crash; the check lists the damage.
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

}  // namespace
}  // namespace xbase
