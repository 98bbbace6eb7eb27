// Inserts and removals keep the tree sound, ordered and within the page layout rules.
#include <fcntl.h>

#include <algorithm>
#include <random>
#include <set>
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

using Item = std::pair<std::string, uint32_t>;
using support::TempFolder;
using xbase_test::WalkForward;

std::string RandomKey(std::mt19937& random, int size) {
  std::string key(size, ' ');
  // Few distinct leading bytes, so that equal keys and long common prefixes occur.
  for (int i = 0; i < size; ++i) key[i] = static_cast<char>('A' + random() % (i < 3 ? 3 : 26));
  return key;
}

void ExpectSound(NtxIndex& index, const std::set<Item>& model) {
  NtxCheckReport report;
  ASSERT_TRUE(NtxCheck(index, &report).ok());
  ASSERT_TRUE(report.ok()) << report.faults.front();
  EXPECT_EQ(report.keys, model.size());
  std::vector<Item> items;
  ASSERT_TRUE(NtxItems(index, &items).ok());
  EXPECT_EQ(items, std::vector<Item>(model.begin(), model.end()));
}

// Every page but the root holds between half and maximum items; its slot offsets are all distinct.
void ExpectLayoutRules(const std::string& path) {
  const std::string file = support::ReadFile(path);
  const std::vector<uint8_t> bytes(file.begin(), file.end());
  NtxHeader header;
  ASSERT_TRUE(NtxHeader::Parse(bytes.data(), bytes.size(), path, &header).ok());
  EXPECT_EQ(bytes.size() % kNtxPageSize, 0u);
  EXPECT_EQ(header.max_items, NtxMaxItems(header.key_size));
  EXPECT_EQ(header.half_page, header.max_items / 2);
  std::vector<bool> free(bytes.size() / kNtxPageSize);
  for (uint32_t page = header.first_free; page != 0;) {
    free[page / kNtxPageSize] = true;
    page = NtxPage(const_cast<uint8_t*>(bytes.data() + page), header).child(0);
  }
  for (size_t offset = kNtxPageSize; offset < bytes.size(); offset += kNtxPageSize) {
    if (offset == header.root || free[offset / kNtxPageSize]) continue;
    const NtxPage page(const_cast<uint8_t*>(bytes.data() + offset), header);
    EXPECT_GE(page.count(), header.half_page) << offset;
    EXPECT_LE(page.count(), header.max_items) << offset;
  }
}

TEST(NtxUpdate, BuildInsertsAndRemovalsKeepTheTreeSound) {
  for (const bool descending : {false, true}) {
    SCOPED_TRACE(descending ? "descending" : "ascending");
    TempFolder dir;
    std::mt19937 random(descending ? 7 : 11);
    const int key_size = 13;
    std::set<Item> model;
    NtxKeys keys(key_size);
    for (uint32_t r = 1; r <= 20000; ++r) {
      const std::string key = RandomKey(random, key_size);
      keys.Add(key, r);
      model.emplace(key, r);
    }
    std::unique_ptr<NtxIndex> index;
    const NtxHeader header = NtxHeader::ForKey(key_size, 0, "KODE", "", false, descending);
    ASSERT_TRUE(NtxIndex::Create(dir.File("T.ntx"), header, keys, NtxOpenMode::kShared, &index).ok());
    std::vector<Item> sorted(model.begin(), model.end());
    if (descending) {
      std::stable_sort(sorted.begin(), sorted.end(), [](const Item& a, const Item& b) { return a.first > b.first; });
    }
    std::vector<Item> items;
    ASSERT_TRUE(NtxItems(*index, &items).ok());
    ASSERT_EQ(items, sorted);

    uint32_t next = 20001;
    for (int step = 0; step < 30000; ++step) {
      if (random() % 2 == 0 && !model.empty()) {
        auto it = model.begin();
        std::advance(it, random() % std::min<size_t>(model.size(), 64));
        if (random() % 2) it = model.lower_bound(Item(RandomKey(random, key_size), 0));
        if (it == model.end()) continue;
        bool removed = false;
        ASSERT_TRUE(index->Remove(it->first, it->second, &removed).ok());
        ASSERT_TRUE(removed);
        model.erase(it);
      } else {
        const std::string key = RandomKey(random, key_size);
        ASSERT_TRUE(index->Insert(key, next).ok());
        model.emplace(key, next++);
      }
    }
    if (!descending) ExpectSound(*index, model);
    NtxCheckReport report;
    ASSERT_TRUE(NtxCheck(*index, &report).ok());
    EXPECT_TRUE(report.ok()) << report.faults.front();
    EXPECT_EQ(report.keys, model.size());
    index.reset();
    ExpectLayoutRules(dir.File("T.ntx"));
  }
}

TEST(NtxUpdate, RemovingEverythingLeavesAnEmptyRootAndReusesFreedPages) {
  TempFolder dir;
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Create(dir.File("E.ntx"), NtxHeader::ForKey(10, 0, "KODE", "", false, false), NtxKeys(10),
                               NtxOpenMode::kExclusive, &index)
                  .ok());
  std::mt19937 random(3);
  std::vector<Item> items;
  for (uint32_t r = 1; r <= 3000; ++r) items.emplace_back(RandomKey(random, 10), r);
  for (const Item& item : items) ASSERT_TRUE(index->Insert(item.first, item.second).ok());
  const uint64_t grown = index->store().file_size();
  std::shuffle(items.begin(), items.end(), random);
  for (const Item& item : items) ASSERT_TRUE(index->Remove(item.first, item.second).ok());
  NtxCheckReport report;
  ASSERT_TRUE(NtxCheck(*index, &report).ok());
  EXPECT_TRUE(report.ok()) << report.faults.front();
  EXPECT_EQ(report.keys, 0u);
  EXPECT_EQ(report.tree_pages, 1u);
  EXPECT_EQ(report.free_pages, grown / kNtxPageSize - 2);
  ASSERT_TRUE(index->GoTop().ok());
  EXPECT_TRUE(index->eof());
  // Filling again takes every freed page before the file grows.
  for (size_t i = 0; i < items.size() / 2; ++i) ASSERT_TRUE(index->Insert(items[i].first, items[i].second).ok());
  EXPECT_EQ(index->store().file_size(), grown);
  for (size_t i = items.size() / 2; i < items.size(); ++i) ASSERT_TRUE(index->Insert(items[i].first, items[i].second).ok());
  ASSERT_TRUE(NtxCheck(*index, &report).ok());
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.free_pages, 0u);
}

TEST(NtxUpdate, UniqueKeepsTheFirstRecordOfAKey) {
  TempFolder dir;
  NtxKeys keys(6);
  keys.Add("B", 5);
  keys.Add("A", 9);
  keys.Add("B", 2);
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Create(dir.File("U.ntx"), NtxHeader::ForKey(6, 0, "KODE", "", true, false), keys,
                               NtxOpenMode::kShared, &index)
                  .ok());
  EXPECT_EQ(WalkForward(*index), (std::vector<uint32_t>{9, 2}));
  ASSERT_TRUE(index->Insert("A", 1).ok());
  ASSERT_TRUE(index->Insert("C", 3).ok());
  EXPECT_EQ(WalkForward(*index), (std::vector<uint32_t>{9, 2, 3}));
  bool removed = true;
  ASSERT_TRUE(index->Remove("A", 1, &removed).ok());
  EXPECT_FALSE(removed);
}

// The reference runtime's updated tree takes our inserts and removals, reusing its free pages.
TEST(NtxUpdate, UpdatesTheReferenceFileInPlace) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK1.ntx");
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &index).ok());
  std::vector<Item> items;
  ASSERT_TRUE(NtxItems(*index, &items).ok());
  const uint16_t version = index->header().version;
  std::set<Item> model(items.begin(), items.end());
  std::mt19937 random(5);
  std::shuffle(items.begin(), items.end(), random);
  for (int i = 0; i < 4000; ++i) {
    ASSERT_TRUE(index->Remove(items[i].first, items[i].second).ok());
    model.erase(items[i]);
  }
  for (uint32_t r = 20001; r <= 24000; ++r) {
    const std::string key = "00" + std::to_string(random() % 3) + "00000" + std::to_string(10000 + random() % 90000);
    ASSERT_TRUE(index->Insert(key, r).ok());
    model.emplace(key, r);
  }
  EXPECT_EQ(index->header().version, static_cast<uint16_t>(version + 8000));
  NtxCheckReport report;
  ASSERT_TRUE(NtxCheck(*index, &report).ok());
  EXPECT_TRUE(report.ok()) << report.faults.front();
  EXPECT_EQ(report.keys, model.size());
  std::vector<Item> after;
  ASSERT_TRUE(NtxItems(*index, &after).ok());
  EXPECT_EQ(std::set<Item>(after.begin(), after.end()), model);
}

// Two handles on one file act as two workstations: each sees the other's changes at once,
// and a position survives the pages moving under it.
TEST(NtxUpdate, SecondHandleSeesChangesAndKeepsItsPlace) {
  TempFolder dir;
  NtxKeys keys(8);
  for (uint32_t r = 1; r <= 2000; ++r) keys.Add(std::to_string(10000000 + 2 * r), r);
  std::unique_ptr<NtxIndex> writer, reader;
  const std::string path = dir.File("S.ntx");
  ASSERT_TRUE(NtxIndex::Create(path, NtxHeader::ForKey(8, 0, "KODE", "", false, false), keys, NtxOpenMode::kShared,
                               &writer)
                  .ok());
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &reader).ok());
  bool found = false;
  ASSERT_TRUE(reader->Seek("10001000", &found).ok());
  ASSERT_TRUE(found);
  EXPECT_EQ(reader->recno(), 500u);
  // The writer adds a key right after the reader's and splits pages all around it.
  for (uint32_t r = 2001; r <= 3000; ++r) ASSERT_TRUE(writer->Insert(std::to_string(10001001 + (r - 2001) % 3), r).ok());
  ASSERT_TRUE(reader->Next().ok());
  EXPECT_EQ(reader->key(), "10001001");
  EXPECT_EQ(reader->recno(), 2001u);
  // The writer removes the reader's item; the reader moves on to what follows it.
  ASSERT_TRUE(writer->Remove("10001001", 2001).ok());
  ASSERT_TRUE(reader->Next().ok());
  EXPECT_EQ(reader->recno(), 2004u);
  ASSERT_TRUE(reader->Seek("10001001", &found).ok());
  EXPECT_EQ(reader->recno(), 2004u);
  ASSERT_TRUE(reader->Prev().ok());
  EXPECT_EQ(reader->recno(), 500u);

  // An exclusive open fails while shared handles are open; a shared one fails under an exclusive one.
  std::unique_ptr<NtxIndex> alone;
  EXPECT_TRUE(NtxIndex::Open(path, NtxOpenMode::kExclusive, &alone).IsInUse());
  writer.reset();
  reader.reset();
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kExclusive, &alone).ok());
  EXPECT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &reader).IsInUse());
}

// A rebuild by one handle moves the version on: another handle drops the pages it had cached, and
// neither reads nor writes through the old tree.
TEST(NtxUpdate, SecondHandleSeesARebuildOfTheFile) {
  TempFolder dir;
  const std::string path = dir.File("R.ntx");
  const NtxHeader header = NtxHeader::ForKey(4, 0, "KODE", "", false, false);
  NtxKeys old_keys(4), new_keys(4);
  for (uint32_t r = 1; r <= 500; ++r) old_keys.Add("A" + std::to_string(r % 10), r);
  for (uint32_t r = 1; r <= 300; ++r) new_keys.Add("B" + std::to_string(r % 10), r);
  std::unique_ptr<NtxIndex> rebuilder, other;
  ASSERT_TRUE(NtxIndex::Create(path, header, old_keys, NtxOpenMode::kShared, &rebuilder).ok());
  ASSERT_TRUE(NtxIndex::Open(path, NtxOpenMode::kShared, &other).ok());
  ASSERT_TRUE(other->GoTop().ok());
  EXPECT_EQ(other->key(), "A0  ");
  const uint16_t version = rebuilder->header().version;
  ASSERT_TRUE(rebuilder->store().Rewrite(NtxBuildFile(rebuilder->header(), new_keys)).ok());
  EXPECT_EQ(rebuilder->header().version, version + 1);
  ASSERT_TRUE(other->GoTop().ok());
  EXPECT_EQ(other->key(), "B0  ");
  EXPECT_EQ(xbase_test::WalkForward(*other).size(), 300u);
  ASSERT_TRUE(other->Insert("B5", 301).ok());
  std::vector<Item> items;
  ASSERT_TRUE(NtxItems(*rebuilder, &items).ok());
  EXPECT_EQ(items.size(), 301u);
  EXPECT_EQ(items.front(), Item("B0  ", 10));
}

TEST(NtxUpdate, SkipsStopAtBothEnds) {
  TempFolder dir;
  NtxKeys keys(4);
  for (uint32_t r = 1; r <= 3; ++r) keys.Add(std::string(1, static_cast<char>('a' + r)), r);
  std::unique_ptr<NtxIndex> index;
  ASSERT_TRUE(NtxIndex::Create(dir.File("K.ntx"), NtxHeader::ForKey(4, 0, "K", "", false, false), keys,
                               NtxOpenMode::kExclusive, &index)
                  .ok());
  ASSERT_TRUE(index->GoTop().ok());
  ASSERT_TRUE(index->Prev().ok());
  EXPECT_TRUE(index->bof());
  EXPECT_EQ(index->recno(), 1u);
  ASSERT_TRUE(index->GoBottom().ok());
  ASSERT_TRUE(index->Next().ok());
  EXPECT_TRUE(index->eof());
  ASSERT_TRUE(index->Prev().ok());
  EXPECT_EQ(index->recno(), 3u);
}

}  // namespace
}  // namespace xbase
