// The reference runtime's index files: walked, sought, checked, and rebuilt page for page.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ntx_test_helpers.h"
#include "support/files.h"
#include "support/fixtures.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"
#include "xbase/ntx_page.h"

namespace xbase {
namespace {

using xbase_test::ReadOrderFile;
using xbase_test::WalkForward;

const char* const kFixtureIndexes[] = {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5",
                                       "CUST6", "CUST7", "CUST8", "STOK1"};

std::unique_ptr<NtxIndex> OpenFixture(const std::string& name) {
  std::unique_ptr<NtxIndex> index;
  Status s = NtxIndex::Open(support::Fixture("xbase/" + name + ".ntx"), NtxOpenMode::kReadOnly, &index);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return index;
}

TEST(NtxFixture, WalksInOrderFileOrderBothWays) {
  for (const char* name : kFixtureIndexes) {
    SCOPED_TRACE(name);
    const auto order = ReadOrderFile(std::string(name) + ".order.txt");
    auto index = OpenFixture(name);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->header().key_expression, order.key);
    EXPECT_EQ(index->header().for_condition, order.for_condition);
    EXPECT_EQ(WalkForward(*index), order.records);

    std::vector<uint32_t> backward;
    ASSERT_TRUE(index->GoBottom().ok());
    while (!index->bof() && !index->eof()) {
      backward.push_back(index->recno());
      ASSERT_TRUE(index->Prev().ok());
    }
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, order.records);
  }
}

TEST(NtxFixture, HeaderFieldsAsWritten) {
  auto cust4 = OpenFixture("CUST4");
  EXPECT_EQ(cust4->header().key_size, 16);
  EXPECT_EQ(cust4->header().key_decimals, 2);
  EXPECT_EQ(cust4->header().max_items, 38);
  EXPECT_EQ(cust4->header().half_page, 19);
  auto cust5 = OpenFixture("CUST5");
  EXPECT_EQ(cust5->header().type, 0x0007);
  EXPECT_EQ(cust5->header().for_condition, "AKTIF");
  EXPECT_TRUE(OpenFixture("CUST6")->header().unique);
  EXPECT_TRUE(OpenFixture("CUST7")->header().descending);
  auto stok = OpenFixture("STOK1");
  EXPECT_EQ(stok->header().version, 645);
  EXPECT_EQ(stok->header().max_items, 42);
  EXPECT_EQ(stok->header().first_free, 320512u);
}

TEST(NtxFixture, CheckPassesAndCountsEveryKey) {
  for (const char* name : kFixtureIndexes) {
    SCOPED_TRACE(name);
    auto index = OpenFixture(name);
    NtxCheckReport report;
    ASSERT_TRUE(NtxCheck(*index, &report).ok());
    EXPECT_TRUE(report.ok()) << report.faults.front();
    EXPECT_EQ(report.keys, ReadOrderFile(std::string(name) + ".order.txt").records.size());
  }
  NtxCheckReport report;
  ASSERT_TRUE(NtxCheck(*OpenFixture("STOK1"), &report).ok());
  EXPECT_EQ(report.free_pages, 5u);
  EXPECT_EQ(report.depth, 3u);
}

TEST(NtxFixture, SeekFindsFirstOfEqualKeysAndSoftSeekLandsOnNextGreater) {
  auto index = OpenFixture("CUST1");
  bool found = false;
  ASSERT_TRUE(index->Seek("C00001", &found).ok());
  EXPECT_TRUE(found);
  EXPECT_EQ(index->recno(), 1u);
  ASSERT_TRUE(index->Seek("C00006", &found).ok());  // no C00006: lands on C00007
  EXPECT_FALSE(found);
  EXPECT_EQ(index->key(), "C00007    ");
  EXPECT_EQ(index->recno(), 542u);
  ASSERT_TRUE(index->Seek("Z", &found).ok());
  EXPECT_FALSE(found);
  EXPECT_TRUE(index->eof());

  // Every record of the deep, updated tree is found by its key and record number.
  auto stok = OpenFixture("STOK1");
  std::vector<std::pair<std::string, uint32_t>> items;
  ASSERT_TRUE(NtxItems(*stok, &items).ok());
  for (size_t i = 0; i < items.size(); i += 7) {
    bool exact = false;
    ASSERT_TRUE(stok->SeekItem(items[i].first, items[i].second, &exact).ok());
    ASSERT_TRUE(exact) << i;
  }
}

TEST(NtxFixture, DescendingSeekLandsOnNextInIndexOrder) {
  auto index = OpenFixture("CUST7");
  bool found = false;
  ASSERT_TRUE(index->Seek(" 99884", &found).ok());
  EXPECT_TRUE(found);
  EXPECT_EQ(index->recno(), 139u);
  ASSERT_TRUE(index->Seek(" 99999", &found).ok());  // above every key: the first item
  EXPECT_FALSE(found);
  EXPECT_EQ(index->recno(), 139u);
  ASSERT_TRUE(index->Seek(" 99883", &found).ok());  // just below the first key: the second item
  EXPECT_FALSE(found);
  EXPECT_EQ(index->recno(), ReadOrderFile("CUST7.order.txt").records[1]);
}

// The bulk build of a fixture's items gives the same header and the same items on the same pages
// as the reference runtime's own build.
TEST(NtxFixture, BulkBuildLaysOutPagesLikeTheReference) {
  for (const char* name : {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5", "CUST6", "CUST7", "CUST8"}) {
    SCOPED_TRACE(name);
    auto index = OpenFixture(name);
    std::vector<std::pair<std::string, uint32_t>> items;
    ASSERT_TRUE(NtxItems(*index, &items).ok());
    const NtxHeader& h = index->header();
    NtxKeys keys(h.key_size);
    // Feed them in record order, with unique duplicates the index left out, as a build over a table would.
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& item : items) keys.Add(item.first, item.second);
    const NtxHeader fresh = NtxHeader::ForKey(h.key_size, h.key_decimals, h.key_expression, h.for_condition,
                                              h.unique, h.descending);
    const std::vector<uint8_t> built = NtxBuildFile(fresh, keys);
    const std::string file = support::ReadFile(support::Fixture("xbase/" + std::string(name) + ".ntx"));
    std::vector<uint8_t> reference(file.begin(), file.end());
    ASSERT_EQ(built.size(), reference.size());
    EXPECT_TRUE(std::equal(built.begin(), built.begin() + kNtxPageSize, reference.begin()));
    for (size_t offset = kNtxPageSize; offset < built.size(); offset += kNtxPageSize) {
      const NtxPage ours(const_cast<uint8_t*>(built.data() + offset), h);
      const NtxPage theirs(reference.data() + offset, h);
      ASSERT_EQ(ours.count(), theirs.count()) << "page " << offset;
      for (int i = 0; i <= ours.count(); ++i) {
        EXPECT_EQ(ours.child(i), theirs.child(i));
        if (i < ours.count()) {
          EXPECT_EQ(ours.recno(i), theirs.recno(i));
          EXPECT_EQ(ours.key_view(i, h.key_size), theirs.key_view(i, h.key_size));
        }
      }
    }
  }
}

// Open indexes take address space in step with their files: every fixture index opens and walks in a
// process allowed only 256 MiB more than it already has.
TEST(NtxFixture, EveryIndexOpensUnderATightMemoryLimit) {
  const pid_t child = fork();
  if (child == 0) {
    size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20);
    const rlimit cap{limit, limit};
    if (setrlimit(RLIMIT_AS, &cap) != 0) _exit(2);
    std::vector<std::unique_ptr<NtxIndex>> open;
    for (const char* name : kFixtureIndexes) {
      std::unique_ptr<NtxIndex> index;
      const Status s = NtxIndex::Open(support::Fixture("xbase/" + std::string(name) + ".ntx"), NtxOpenMode::kReadOnly, &index);
      if (!s.ok() || WalkForward(*index).empty()) {
        std::fprintf(stderr, "%s\n", s.ToString().c_str());
        _exit(1);
      }
      open.push_back(std::move(index));
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace xbase
