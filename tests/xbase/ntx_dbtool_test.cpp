// dbtool's index subcommands: order, index, seek, check, and bump and append with --index.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "table_helpers.h"

namespace xbase {
namespace {

using xbase_test::CopyFixture;
using xbase_test::ReadFile;
using xbase_test::RunDbtool;
using xbase_test::TempDir;

TEST(NtxDbtool, OrderPrintsTheFixtureOrderFiles) {
  TempDir dir;
  CopyFixture(dir, "CUST.dbf");
  CopyFixture(dir, "CUST.fpt");
  CopyFixture(dir, "STOK.dbf");
  for (const std::string name : {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5", "CUST6", "CUST7", "CUST8", "STOK1"}) {
    const std::string table = dir.File(name.substr(0, 4));
    int status = -1;
    EXPECT_EQ(RunDbtool({"order", table, CopyFixture(dir, name + ".ntx")}, &status),
              ReadFile(xbase_test::Fixture(name + ".order.txt")))
        << name;
    EXPECT_EQ(status, 0);
  }
}

TEST(NtxDbtool, IndexSeekAndCheck) {
  TempDir dir;
  CopyFixture(dir, "CUST.dbf");
  CopyFixture(dir, "CUST.fpt");
  const std::string table = dir.File("CUST");
  int status = -1;
  RunDbtool({"index", table, dir.File("DESC"), "Str( QTY, 6 ) + KODE", "--descend"}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(RunDbtool({"order", table, dir.File("DESC.ntx")}), ReadFile(xbase_test::Fixture("CUST7.order.txt")));
  RunDbtool({"index", table, dir.File("ACTIVE.ntx"), "KODE", "--for", "AKTIF"}, &status);
  EXPECT_EQ(RunDbtool({"order", table, dir.File("ACTIVE.ntx")}), ReadFile(xbase_test::Fixture("CUST5.order.txt")));

  const std::string cust1 = CopyFixture(dir, "CUST1.ntx");
  EXPECT_EQ(RunDbtool({"seek", table, cust1, "C00012"}), "136\n");  // record 11 is deleted
  EXPECT_EQ(RunDbtool({"seek", table, cust1, "C00006"}), "NOT FOUND\n542\n");
  EXPECT_EQ(RunDbtool({"seek", table, cust1, "Z"}), "NOT FOUND\n601\n");
  EXPECT_EQ(RunDbtool({"seek", table, CopyFixture(dir, "CUST4.ntx"), "-2067.44"}), "1\n");

  EXPECT_EQ(RunDbtool({"check", table, cust1, dir.File("DESC.ntx")}, &status), "OK\n");
  EXPECT_EQ(status, 0);
  // Records appended with only one of the indexes open leave the other one behind.
  RunDbtool({"append", table, "2", "--index", cust1}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(RunDbtool({"check", table, cust1}), "OK\n");
  EXPECT_EQ(RunDbtool({"check", table, dir.File("DESC.ntx")}, &status),
            dir.File("DESC.ntx") + ": record 601 is missing its key\n" + dir.File("DESC.ntx") +
                ": record 602 is missing its key\n");
  EXPECT_EQ(status, 1);
  RunDbtool({"index", table, dir.File("DESC"), "Str( QTY, 6 ) + KODE", "--descend"}, &status);
  RunDbtool({"bump", table, "QTY", "5", "3", "--index", cust1, dir.File("DESC.ntx")}, &status);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(RunDbtool({"check", table, cust1, dir.File("DESC.ntx")}), "OK\n");
}

}  // namespace
}  // namespace xbase
