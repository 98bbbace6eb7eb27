// The check of derived values: a new folder and the demonstration company are clean; a folder made
// wrong on purpose names each difference exactly, and the repair sets every one right, refused while
// another workstation is in the folder.
#include "site/folder_verify.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "schema/open_table.h"
#include "site/data_folder.h"
#include "support/data_folder.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "support/verified_folder.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace site {
namespace {

using support::N;
using support::T;

class FolderVerifyTest : public ::testing::Test {
 protected:
  std::string Made(bool demo) {
    const std::string dir = scratch_.File(demo ? "demo" : "plain");
    const xbase::Status s = MakeDataFolder(dir, support::TestOptions(registry_, demo), nullptr);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return dir;
  }

  // Writes `field` of the row `index` finds for `key`, as another program would.
  static void Put(const std::string& dir, const std::string& table, const std::string& index, const std::string& key,
                  const std::string& field, const xbase::Value& value) {
    xbase::Session session(xbase::SearchPath({dir}));
    xbase::WorkArea* area = nullptr;
    ASSERT_TRUE(schema::UseWithIndexes(session, table, "", xbase::OpenMode::kExclusive, &area).ok());
    ASSERT_TRUE(area->SetOrder(index).ok());
    ASSERT_TRUE(area->Seek(key).ok());
    ASSERT_TRUE(area->found()) << table << " " << key;
    ASSERT_TRUE(area->Put(field, value).ok());
    ASSERT_TRUE(session.CloseAll().ok());
  }

  support::TempFolder scratch_;
  frame::ProcedureRegistry registry_ = support::TestRegistry();
};

TEST_F(FolderVerifyTest, ANewFolderAndTheDemoCompanyAreClean) {
  support::ExpectVerified(Made(false));
  support::ExpectVerified(Made(true));
}

TEST_F(FolderVerifyTest, EachDifferenceIsNamedAndTheRepairSetsItRight) {
  const std::string dir = Made(true);
  Put(dir, "MASTCUS", "MASTCUS1", "J0004", "SALDO", N(125000));
  Put(dir, "PIUTDBT", "PIUTDBT1", "DEMO000004", "KREDIT", N(2500000));
  Put(dir, "GIRODBT", "GIRODBT1", "BCA 7730012", "KREDIT", N(750000.5));
  Put(dir, "STOKBRG", "STOKBRG1", "SC0003    GDG02", "JUMLAH", N(150));
  Put(dir, "MASTBRJ", "MASTBRJ1", "WR0001", "JUMLAH", N(3100));
  Put(dir, "SETUP", "SETUP", "NOTTJKT001", "KET", T("0000000002"));
  {
    xbase::Session session(xbase::SearchPath({dir}));
    xbase::WorkArea* area = nullptr;
    // A receipt numbered past the counter, written with its indexes.
    ASSERT_TRUE(schema::UseWithIndexes(session, "PIUTKR1", "", xbase::OpenMode::kExclusive, &area).ok());
    support::AddRows(*area, {{{"KDCB", T("JKT001")}, {"NOMOR", T("0000000007")}}});
    // The goods of a warehouse row no movement feeds, and a row the index files never heard of.
    ASSERT_TRUE(schema::UseWithIndexes(session, "STOKBRG", "", xbase::OpenMode::kExclusive, &area).ok());
    support::AddRows(*area, {{{"KODE", T("TS0003")}, {"GUDANG", T("GDG03")}, {"JUMLAH", N(12)}}});
    ASSERT_TRUE(session.Use("PIUTJBL", "", xbase::OpenMode::kExclusive, &area).ok());
    support::AddRows(*area, {{{"NOMOR", T("X")}}});
    ASSERT_TRUE(session.CloseAll().ok());
  }

  std::vector<std::string> found;
  ASSERT_TRUE(VerifyFolder(dir, &found).ok());
  const std::vector<std::string> values = {
      "MASTCUS J0004: SALDO 125000, receivables 0",
      "PIUTDBT DEMO000004: KREDIT 2500000, settlement lines 0",
      "GIRODBT BCA 7730012: KREDIT 750000.50, settlement lines 0",
      "STOKBRG SC0003 GDG02: JUMLAH 150, movements 200",
      "STOKBRG TS0003 GDG03: JUMLAH 12, movements 0",
      "MASTBRJ SC0003: JUMLAH 1700, warehouse rows 1650",
      "MASTBRJ WR0001: JUMLAH 3100, warehouse rows 3168",
      "MASTBRJ TS0003: JUMLAH 660, warehouse rows 672",
      "SETUP NOTTJKT001: KET 0000000002, highest number used 0000000007"};
  ASSERT_GE(found.size(), values.size());
  // The index faults come first, one for each index file of the journal lines.
  const std::vector<std::string> indexes(found.begin(), found.end() - static_cast<long>(values.size()));
  EXPECT_EQ(std::vector<std::string>(found.end() - static_cast<long>(values.size()), found.end()), values);
  ASSERT_EQ(indexes.size(), 4u) << ::testing::PrintToString(indexes);
  for (const std::string& fault : indexes) {
    EXPECT_NE(fault.find("PIUTJBL"), std::string::npos) << fault;
    EXPECT_NE(fault.find(": holds 0 keys for 1 records; the first difference is at record 1"), std::string::npos) << fault;
  }

  std::vector<std::string> repaired;
  ASSERT_TRUE(RepairFolder(dir, &repaired).ok());
  // The repair names what it set right; the stock set right first leaves two goods totals right.
  std::vector<std::string> expected = indexes;
  for (const std::string& value : values) {
    if (!value.starts_with("MASTBRJ SC0003") && !value.starts_with("MASTBRJ TS0003")) expected.push_back(value);
  }
  EXPECT_EQ(repaired, expected);
  support::ExpectVerified(dir);
  EXPECT_EQ(support::SeekField(dir, "STOKBRG", "STOKBRG1", "SC0003    GDG02", "JUMLAH"), "         200");
  EXPECT_EQ(support::SeekField(dir, "MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), "     1700");
  EXPECT_EQ(support::SeekField(dir, "SETUP", "SETUP", "NOTTJKT001", "KET").substr(0, 11), "0000000007 ");
}

TEST_F(FolderVerifyTest, TheRepairWaitsForAnEmptyFolderAndChangesNothingMeanwhile) {
  const std::string dir = Made(true);
  Put(dir, "MASTCUS", "MASTCUS1", "J0004", "SALDO", N(125000));
  xbase::Session other(xbase::SearchPath({dir}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(other.Use("MASTBRJ", "", xbase::OpenMode::kShared, &area).ok());

  std::vector<std::string> repaired;
  const xbase::Status s = RepairFolder(dir, &repaired);
  EXPECT_TRUE(s.IsInUse()) << s.ToString();
  EXPECT_TRUE(repaired.empty());
  std::vector<std::string> found;
  ASSERT_TRUE(VerifyFolder(dir, &found).ok());
  EXPECT_EQ(found, std::vector<std::string>{"MASTCUS J0004: SALDO 125000, receivables 0"});
}

}  // namespace
}  // namespace site
