// dbtool's index subcommands: order, index, seek, check, and bump and append with --index.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/programs.h"
#include "support/temp_folder.h"

namespace xbase {
namespace {

using support::ReadFile;
using support::TempFolder;

TEST(NtxDbtool, OrderPrintsTheFixtureOrderFiles) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  support::CopyFixture(dir, "xbase/STOK.dbf");
  for (const std::string name : {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5", "CUST6", "CUST7", "CUST8", "STOK1"}) {
    const std::string table = dir.File(name.substr(0, 4));
    int status = -1;
    EXPECT_EQ(support::RunProgram("dbtool", {"order", table, support::CopyFixture(dir, "xbase/" + name + ".ntx")}, &status),
              ReadFile(support::Fixture("xbase/" + name + ".order.txt")))
        << name;
    EXPECT_EQ(status, 0);
  }
}

TEST(NtxDbtool, IndexSeekAndCheck) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  const std::string table = dir.File("CUST");
  int status = -1;
  support::RunProgram("dbtool", {"index", table, dir.File("DESC"), "Str( QTY, 6 ) + KODE", "--descend"}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(support::RunProgram("dbtool", {"order", table, dir.File("DESC.ntx")}), ReadFile(support::Fixture("xbase/CUST7.order.txt")));
  support::RunProgram("dbtool", {"index", table, dir.File("ACTIVE.ntx"), "KODE", "--for", "AKTIF"}, &status);
  EXPECT_EQ(support::RunProgram("dbtool", {"order", table, dir.File("ACTIVE.ntx")}), ReadFile(support::Fixture("xbase/CUST5.order.txt")));

  const std::string cust1 = support::CopyFixture(dir, "xbase/CUST1.ntx");
  EXPECT_EQ(support::RunProgram("dbtool", {"seek", table, cust1, "C00012"}), "136\n");  // record 11 is deleted
  EXPECT_EQ(support::RunProgram("dbtool", {"seek", table, cust1, "C00006"}), "NOT FOUND\n542\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"seek", table, cust1, "Z"}), "NOT FOUND\n601\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"seek", table, support::CopyFixture(dir, "xbase/CUST4.ntx"), "-2067.44"}), "1\n");

  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, cust1, dir.File("DESC.ntx")}, &status), "OK\n");
  EXPECT_EQ(status, 0);
  // Records appended with only one of the indexes open leave the other one behind.
  support::RunProgram("dbtool", {"append", table, "2", "--index", cust1}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, cust1}), "OK\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, dir.File("DESC.ntx")}, &status),
            dir.File("DESC.ntx") + ": record 601 is missing its key\n" + dir.File("DESC.ntx") +
                ": record 602 is missing its key\n"
                "Index faults are repaired by rebuilding the index files while no one uses the table: dbtool reindex " +
                table + " " + dir.File("DESC.ntx") + "\n");
  EXPECT_EQ(status, 1);
  // The repair the check names puts the keys back.
  EXPECT_EQ(support::RunProgram("dbtool", {"reindex", table, dir.File("DESC.ntx")}, &status), "index files rebuilt: 1\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, dir.File("DESC.ntx")}, &status), "OK\n");
  support::RunProgram("dbtool", {"bump", table, "QTY", "5", "3", "--index", cust1, dir.File("DESC.ntx")}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, cust1, dir.File("DESC.ntx")}), "OK\n");
}

// The rebuild of a table's index files writes each one whole to a new file first: when a new file
// cannot be written, every old index file stays as it was, and none is left half-written.
TEST(NtxDbtool, ReindexOfATableLeavesTheOldFilesWhenANewOneCannotBeWritten) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  const std::string table = dir.File("CUST");
  const std::string cust1 = support::CopyFixture(dir, "xbase/CUST1.ntx");
  const std::string cust2 = support::CopyFixture(dir, "xbase/CUST2.ntx");
  int status = -1;
  support::RunProgram("dbtool", {"append", table, "2", "--index", cust1}, &status);
  ASSERT_EQ(status, 0);
  const std::string before1 = ReadFile(cust1);
  const std::string before2 = ReadFile(cust2);
  // A folder where the second new file would go: its write fails.
  std::filesystem::create_directory(cust2 + ".new");
  support::RunProgram("dbtool", {"reindex", table, cust1, cust2}, &status, true);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(ReadFile(cust1), before1);
  EXPECT_EQ(ReadFile(cust2), before2);
  EXPECT_FALSE(std::filesystem::exists(cust1 + ".new"));

  std::filesystem::remove(cust2 + ".new");
  EXPECT_EQ(support::RunProgram("dbtool", {"reindex", table, cust1, cust2}, &status), "index files rebuilt: 2\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"check", table, cust1, cust2}, &status), "OK\n");
  EXPECT_FALSE(std::filesystem::exists(cust1 + ".new"));
}

// Arguments that do not fit a command are refused with its usage or a message naming the argument;
// none is read as another number or ignored, and a typo in a typed key is not called corruption.
TEST(NtxDbtool, BadArgumentsAreRefusedSayingWhy) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  const std::string table = dir.File("CUST");
  const std::string before = ReadFile(table + ".dbf");
  int status = -1;
  EXPECT_EQ(support::RunProgram("dbtool", {"bump", table, "QTY"}, &status, true),
            "usage: dbtool bump TABLE FIELD RECNO COUNT [--index INDEXFILE...]\n");
  EXPECT_EQ(status, 2);
  EXPECT_EQ(support::RunProgram("dbtool", {"order", table}, &status, true), "usage: dbtool order TABLE INDEX\n");
  EXPECT_EQ(status, 2);
  EXPECT_EQ(support::RunProgram("dbtool", {"bump", table, "QTY", "-1", "3"}, &status, true),
            "dbtool: Invalid argument: RECNO: \"-1\" is not a whole number from 1 to 600\n");
  EXPECT_EQ(status, 1);
  EXPECT_EQ(support::RunProgram("dbtool", {"bump", table, "QTY", "601", "3"}, &status, true),
            "dbtool: Invalid argument: RECNO: \"601\" is not a whole number from 1 to 600\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"bump", table, "QTY", "5", "three"}, &status, true),
            "dbtool: Invalid argument: COUNT: \"three\" is not a whole number from 0 to 100000000\n");
  EXPECT_EQ(support::RunProgram("dbtool", {"append", table, "-2"}, &status, true),
            "dbtool: Invalid argument: COUNT: \"-2\" is not a whole number from 0 to 100000000\n");
  EXPECT_EQ(ReadFile(table + ".dbf"), before);
  EXPECT_EQ(support::RunProgram("dbtool", {"index", table, dir.File("TYPO"), "KODE +"}, &status, true),
            "dbtool: Invalid argument: " + dir.File("TYPO.ntx") +
                ": key expression: syntax error at position 7: expected a value, found \"end\"\n");
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace xbase
