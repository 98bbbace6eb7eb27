// A work area: moving over records and through indexes, pending changes, tables kept open.
#include "xbase/work_area.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace xbase {
namespace {

using support::TempFolder;

// Walks the area from the top and lists the record numbers it visits.
std::vector<uint32_t> Walk(WorkArea* area) {
  std::vector<uint32_t> seen;
  EXPECT_TRUE(area->GoTop().ok());
  while (!area->eof()) {
    seen.push_back(area->recno());
    EXPECT_TRUE(area->Skip().ok());
  }
  return seen;
}

TEST(WorkAreaTest, NavigationPassesOverDeletedRecordsUnlessShown) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf", "Cust.DBF");
  support::CopyFixture(dir, "xbase/CUST.fpt", "cUST.fpt");
  Session session(SearchPath({dir.path() + "/nowhere", dir.path()}));
  WorkArea* cust = nullptr;
  ASSERT_TRUE(session.Use("cust", "", OpenMode::kShared, &cust).ok());
  EXPECT_EQ(session.Area("Cust"), cust);
  EXPECT_EQ(cust->alias(), "CUST");
  EXPECT_EQ(Walk(cust).size(), 600u - 54u);

  ASSERT_TRUE(cust->GoTo(10).ok());
  ASSERT_TRUE(cust->Skip().ok());
  EXPECT_EQ(cust->recno(), 12u);
  ASSERT_TRUE(cust->Skip(-1).ok());
  EXPECT_EQ(cust->recno(), 10u);
  ASSERT_TRUE(cust->GoBottom().ok());
  EXPECT_EQ(cust->recno(), 600u);
  ASSERT_TRUE(cust->Skip().ok());
  EXPECT_TRUE(cust->eof());
  EXPECT_EQ(cust->recno(), 601u);
  ASSERT_TRUE(cust->Skip(-1).ok());
  EXPECT_EQ(cust->recno(), 600u);
  ASSERT_TRUE(cust->GoTop().ok());
  ASSERT_TRUE(cust->Skip(-1).ok());
  EXPECT_TRUE(cust->bof());
  EXPECT_EQ(cust->recno(), 1u);
  {
    ShowDeleted show(&session);
    EXPECT_EQ(Walk(cust).size(), 600u);
  }
  EXPECT_TRUE(session.deleted_hidden());
  ASSERT_TRUE(cust->GoTo(11).ok());
  EXPECT_TRUE(cust->deleted());
  EXPECT_FALSE(cust->eof());
}

TEST(WorkAreaTest, MovingThroughAnIndexFirstWritesThePendingChange) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  ASSERT_TRUE(session.CreateTable("kode", {{"KODE", 'C', 4, 0, 0}}).ok());
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("kode", "", OpenMode::kExclusive, &area).ok());
  ASSERT_TRUE(area->orders().Create(dir.File("kode1.ntx"), NtxOrderSpec{"KODE", "", false, false}).ok());
  for (const char* code : {"C", "A", "B"}) {
    ASSERT_TRUE(area->Append().ok());
    ASSERT_TRUE(area->Put("KODE", Value::Text(code)).ok());
  }
  // "B" is not written yet when the walk starts.
  EXPECT_EQ(Walk(area), (std::vector<uint32_t>{2, 3, 1}));
  ASSERT_TRUE(area->GoTo(2).ok());
  // "A" becomes "BB", which stands between "B" and "C".
  ASSERT_TRUE(area->Put("KODE", Value::Text("BB")).ok());
  ASSERT_TRUE(area->Skip().ok());
  EXPECT_EQ(area->Text("KODE"), "C   ");
  ASSERT_TRUE(area->Put("KODE", Value::Text("E")).ok());
  ASSERT_TRUE(area->GoBottom().ok());
  EXPECT_EQ(area->Text("KODE"), "E   ");
  ASSERT_TRUE(area->Seek("BB").ok());
  EXPECT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 2u);
}

TEST(WorkAreaTest, ATableKeptOpenFromItsCreationIsHeldAndWrittenAsOneOpenedAgain) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  const std::vector<DbfField> fields = {{"LAP", 'C', 10, 0, 0}, {"DTFONT", 'N', 3, 0, 0}};
  ASSERT_TRUE(session.CreateTable("AGAIN", fields).ok());
  WorkArea* again = nullptr;
  ASSERT_TRUE(session.Use("AGAIN", "", OpenMode::kExclusive, &again).ok());
  WorkArea* kept = nullptr;
  ASSERT_TRUE(session.CreateTable("KEPT", fields, "lapor", &kept).ok());
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(session.Area("LAPOR"), kept);
  EXPECT_TRUE(kept->eof());
  // No other workstation gets it while it is being written.
  Session other(SearchPath({dir.path()}));
  EXPECT_FALSE(other.Use("KEPT", "", OpenMode::kShared, nullptr).ok());
  for (WorkArea* area : {again, kept}) {
    for (const char* line : {"SATU", "DUA"}) {
      ASSERT_TRUE(area->Append().ok());
      ASSERT_TRUE(area->Put("LAP", Value::Text(line)).ok());
      ASSERT_TRUE(area->Put("DTFONT", Value::Num(12)).ok());
    }
  }
  ASSERT_TRUE(session.CloseAll().ok());
  const std::string bytes = support::ReadFile(dir.File("KEPT.dbf"));
  EXPECT_EQ(bytes, support::ReadFile(dir.File("AGAIN.dbf")));
  ASSERT_EQ(bytes.size(), 32u + 2 * 32u + 2u + 2 * 14u + 1u);
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x02\0\0\0", 4));
  EXPECT_EQ(bytes.substr(98, 14), " SATU       12");
  // A taken alias is refused before any file is made.
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("KEPT", "lapor", OpenMode::kShared, &area).ok());
  EXPECT_TRUE(session.CreateTable("NEW", fields, "LAPOR", &area).IsInvalidArgument());
  struct stat st;
  EXPECT_NE(::stat(dir.File("NEW.dbf").c_str(), &st), 0);
}

TEST(WorkAreaTest, EmptyAndAllDeletedTablesStandAtTheEnd) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  ASSERT_TRUE(session.CreateTable("Kosong", {{"A", 'C', 2, 0}}).ok());
  EXPECT_EQ(support::ReadFile(dir.File("Kosong.dbf")).size(), 32u + 32u + 2u + 1u);
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("KOSONG", "k", OpenMode::kExclusive, &area).ok());
  EXPECT_TRUE(area->eof());
  EXPECT_TRUE(area->bof());
  ASSERT_TRUE(area->Append().ok());
  ASSERT_TRUE(area->Put("a", Value::Text("x")).ok());
  ASSERT_TRUE(area->Delete().ok());
  ASSERT_TRUE(area->GoTop().ok());
  EXPECT_TRUE(area->eof() && area->bof());
  ASSERT_TRUE(area->GoBottom().ok());
  EXPECT_TRUE(area->eof() && area->bof());
  EXPECT_TRUE(session.Use("kosong", "K", OpenMode::kShared, nullptr).IsInvalidArgument());
  EXPECT_TRUE(session.Use("missing", "", OpenMode::kShared, nullptr).IsNotFound());
  ASSERT_TRUE(session.Close("K").ok());
  EXPECT_EQ(session.Area("k"), nullptr);
}

TEST(WorkAreaTest, SkippingPastTheKnownCountSeesAnotherHandlesAppend) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/STOK.dbf");
  Session reader(SearchPath({dir.path()}));
  Session writer(SearchPath({dir.path()}));
  WorkArea* r = nullptr;
  WorkArea* w = nullptr;
  ASSERT_TRUE(reader.Use("STOK", "", OpenMode::kShared, &r).ok());
  ASSERT_TRUE(writer.Use("STOK", "", OpenMode::kShared, &w).ok());
  ASSERT_TRUE(r->GoBottom().ok());
  ASSERT_TRUE(w->Append().ok());
  ASSERT_TRUE(w->Put("KODE", Value::Text("BARU")).ok());
  ASSERT_TRUE(w->Unlock().ok());
  ASSERT_TRUE(r->Skip().ok());
  EXPECT_FALSE(r->eof());
  EXPECT_EQ(r->recno(), 18001u);
  EXPECT_EQ(r->FieldValue(r->FieldIndex("kode")).text(), "BARU      ");
  // Writing needs the record lock; Lock() gives up the area's other record locks.
  ASSERT_TRUE(r->GoTo(5).ok());
  EXPECT_TRUE(r->Put("JUMLAH", Value::Num(1)).IsLocked());
  ASSERT_TRUE(r->Lock().ok());
  ASSERT_TRUE(r->GoTo(6).ok());
  ASSERT_TRUE(r->Lock().ok());
  EXPECT_EQ(r->table().locked_records(), std::vector<uint32_t>{6});
  EXPECT_TRUE(r->Put("JUMLAH", Value::Text("1")).IsInvalidArgument());
  Value missing;
  EXPECT_TRUE(r->Get("NOPE", &missing).IsInvalidArgument());
  EXPECT_TRUE(r->FieldValue(99).is_nil());
}

TEST(WorkAreaTest, NewFilesKeepTheCallersNameWithLowerCaseExtensions) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  ASSERT_TRUE(session.CreateTable("MyMemo", {{"M", 'M', 10, 0}}).ok());
  EXPECT_EQ(support::ReadFile(dir.File("MyMemo.fpt")).size(), 1024u);
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("mymemo.DBF", "", OpenMode::kShared, &area).ok());
  EXPECT_EQ(area->alias(), "MYMEMO");
}

// A folder, pipe or device where a table is expected is named as what it is, not as a missing file,
// and a pipe cannot hang the open, read-only or not.
TEST(WorkAreaTest, AFolderPipeOrDeviceWhereATableShouldBeIsNamedAsSuch) {
  TempFolder dir;
  ASSERT_EQ(::mkdir(dir.File("FOLDER.dbf").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo(dir.File("pipe.DBF").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("/dev/null", dir.File("DEVICE.dbf").c_str()), 0);
  Session session(SearchPath({dir.path()}));
  EXPECT_EQ(session.Use("folder", "", OpenMode::kShared, nullptr).ToString(),
            "Invalid argument: " + dir.File("FOLDER.dbf") + ": is a folder, not a file");
  EXPECT_EQ(session.Use("PIPE", "", OpenMode::kShared, nullptr).ToString(),
            "Invalid argument: " + dir.File("pipe.DBF") + ": is a pipe, not a file");
  EXPECT_EQ(session.Use("device", "", OpenMode::kShared, nullptr).ToString(),
            "Invalid argument: " + dir.File("DEVICE.dbf") + ": is a device, not a file");
  EXPECT_TRUE(session.Use("absent", "", OpenMode::kShared, nullptr).IsNotFound());
  std::unique_ptr<DbfTable> table;
  EXPECT_EQ(DbfTable::Open(dir.File("pipe.DBF"), OpenMode::kReadOnly, &table).ToString(),
            "Invalid argument: " + dir.File("pipe.DBF") + ": is a pipe, not a file");
  // A real table in a later folder of the path is still found.
  TempFolder later;
  Session both(SearchPath({dir.path(), later.path()}));
  ASSERT_TRUE(Session(SearchPath({later.path()})).CreateTable("FOLDER", {{"A", 'C', 1, 0}}).ok());
  EXPECT_TRUE(both.Use("FOLDER", "", OpenMode::kShared, nullptr).ok());
}

}  // namespace
}  // namespace xbase
