// The save scope: every lock taken before the first write and held to the end whatever the writes
// unlock, tables in file-name order, Esc at a wait giving back everything taken, and a refusal under
// the locks told with none held.
#include "documents/save_scope.h"

#include <gtest/gtest.h>

#include <thread>

#include "console/keys.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "schema/open_table.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace documents {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::T;
using support::TempDataFolder;

// Another workstation on the same folder.
struct Other {
  explicit Other(const std::string& dir) : session(xbase::SearchPath({dir})) {}
  xbase::WorkArea* Use(const std::string& table) {
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(schema::UseWithIndexes(session, table, "", xbase::OpenMode::kShared, &area).ok());
    return area;
  }
  xbase::Session session;
};

class SaveScopeTest : public ::testing::Test {
 protected:
  SaveScopeTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C1")}, {"SALDO", N(100)}}, {{"RELASI", T("C2")}}});
    AddRows(Open(rig.session, "SLSODR2"), {{{"NOMOR", T("SO-1")}, {"KODE", T("B1")}}});
    Open(rig.session, "PIUTDBT");
    // Opened before any save: opening reads the index files, which a save holds for writing.
    customers = other.Use("MASTCUS");
    receivables = other.Use("PIUTDBT");
    lines = other.Use("SLSODR2");
  }
  xbase::WorkArea& Area(const char* alias) { return *rig.session.tables().Area(alias); }

  TempDataFolder folder{{"MASTCUS", "PIUTDBT", "SLSODR2"}};
  SessionRig rig;
  Other other{folder.path()};
  xbase::WorkArea* customers = nullptr;
  xbase::WorkArea* receivables = nullptr;
  xbase::WorkArea* lines = nullptr;
};

TEST_F(SaveScopeTest, LocksStayHeldThroughTheWritesUntilTheCommit) {
  SaveScope save(rig.con);
  save.Append(Area("PIUTDBT"));
  ASSERT_TRUE(NameBalance(save, rig.session, "C1").ok());
  ASSERT_TRUE(save.Lock().ok());
  ASSERT_TRUE(save.BeginWrites().ok());
  // The posting unlocks its record as it always does; the save keeps it.
  ASSERT_TRUE(UPSALDOMASTCUS(rig.session, "C1", 50, 0).ok());
  ASSERT_TRUE(AppendRecord(rig.con, Area("PIUTDBT"), {{"NOTA", T("N-1")}, {"DEBET", N(50)}}).ok());
  ASSERT_TRUE(customers->GoTo(1).ok());
  EXPECT_TRUE(customers->Lock().IsLocked());
  EXPECT_TRUE(receivables->table().LockAppend(xbase::LockWait::kTry).IsLocked());  // the append lock is held too
  ASSERT_TRUE(customers->GoTo(2).ok());
  EXPECT_TRUE(customers->Lock().ok());  // a record the save did not name stays free
  ASSERT_TRUE(customers->Unlock().ok());

  ASSERT_TRUE(save.CommitWrites(xbase::Status::OK()).ok());
  ASSERT_TRUE(customers->GoTo(1).ok());
  EXPECT_TRUE(customers->Lock().ok());
  EXPECT_EQ(customers->Number("SALDO"), 150);
  ASSERT_TRUE(customers->Unlock().ok());
  EXPECT_TRUE(receivables->table().LockAppend(xbase::LockWait::kTry).ok());
  ASSERT_TRUE(receivables->table().ReleaseHeld().ok());
}

TEST_F(SaveScopeTest, EscAtAWaitGivesBackEveryLockTaken) {
  // Named out of order: MASTCUS comes before SLSODR2 by file name, so it is locked first.
  ASSERT_TRUE(lines->GoTo(1).ok());
  ASSERT_TRUE(lines->Lock().ok());
  SaveScope save(rig.con);
  ASSERT_TRUE(NameOrderLine(save, rig.session, "SO-1", "B1").ok());
  ASSERT_TRUE(NameBalance(save, rig.session, "C1").ok());
  rig.term.AddKeys({console::key::kEsc, ' ', ' '});

  const xbase::Status s = save.Lock();
  EXPECT_TRUE(s.IsLocked()) << s.ToString();
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file SLSODR2.Dbf, tekan [Esc]=batal...."));
  // The customer's record, taken before the wait, is free again.
  ASSERT_TRUE(customers->GoTo(1).ok());
  EXPECT_TRUE(customers->Lock().ok());
  ASSERT_TRUE(customers->Unlock().ok());

  EXPECT_FALSE(NothingSaved(rig.session, s));
  EXPECT_TRUE(Shown(rig.term, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

TEST_F(SaveScopeTest, OneFileNamedThroughTwoAreasIsRefused) {
  xbase::WorkArea* second = nullptr;
  ASSERT_TRUE(schema::UseWithIndexes(rig.session.tables(), "MASTCUS", "CUST2", xbase::OpenMode::kShared, &second).ok());
  SaveScope save(rig.con);
  save.Update(Area("MASTCUS"), 1);
  save.Update(*second, 2);
  EXPECT_TRUE(save.Lock().IsInvalidArgument());
}

TEST_F(SaveScopeTest, OthersSeeNothingOfASaveBeforeItsCommitAndNothingAtAllOfOneThatFailed) {
  {
    SaveScope save(rig.con);
    save.Append(Area("PIUTDBT"));
    ASSERT_TRUE(NameBalance(save, rig.session, "C1").ok());
    ASSERT_TRUE(save.Lock().ok());
    ASSERT_TRUE(save.BeginWrites().ok());
    ASSERT_TRUE(UPSALDOMASTCUS(rig.session, "C1", 50, 0).ok());
    ASSERT_TRUE(AppendRecord(rig.con, Area("PIUTDBT"), {{"NOTA", T("N-1")}, {"DEBET", N(50)}}).ok());
    // This workstation reads what it wrote; the other (its own thread) reads the files as they were.
    EXPECT_EQ(Area("PIUTDBT").table().record_count(), 1u);
    std::thread workstation([&] {
      ASSERT_TRUE(customers->GoTo(1).ok());
      EXPECT_EQ(customers->Number("SALDO"), 100);
      ASSERT_TRUE(receivables->table().RefreshCount().ok());
      EXPECT_EQ(receivables->table().record_count(), 0u);
    });
    workstation.join();
    // A write failing now (a check, a full disk) leaves nothing of the save.
    EXPECT_EQ(save.CommitWrites(xbase::Status::IOError("PIUTDBT.DBF", "no space left on device")).ToString(),
              "IO error: PIUTDBT.DBF: no space left on device");
  }
  ASSERT_TRUE(customers->GoTo(1).ok());
  EXPECT_EQ(customers->Number("SALDO"), 100);
  ASSERT_TRUE(receivables->table().RefreshCount().ok());
  EXPECT_EQ(receivables->table().record_count(), 0u);

  // The next save finds the files as they are, and its commit writes all of it.
  SaveScope save(rig.con);
  save.Append(Area("PIUTDBT"));
  ASSERT_TRUE(NameBalance(save, rig.session, "C1").ok());
  ASSERT_TRUE(save.Lock().ok());
  ASSERT_TRUE(save.BeginWrites().ok());
  ASSERT_TRUE(UPSALDOMASTCUS(rig.session, "C1", 20, 0).ok());
  ASSERT_TRUE(AppendRecord(rig.con, Area("PIUTDBT"), {{"NOTA", T("N-2")}, {"DEBET", N(20)}}).ok());
  ASSERT_TRUE(save.CommitWrites(xbase::Status::OK()).ok());
  ASSERT_TRUE(customers->GoTo(1).ok());
  EXPECT_EQ(customers->Number("SALDO"), 120);
  ASSERT_TRUE(receivables->GoTo(1).ok());
  EXPECT_EQ(receivables->Text("NOTA"), xbase::PadR("N-2", 20));
  ASSERT_TRUE(receivables->Seek("N-2").ok());
  EXPECT_TRUE(receivables->found());
}

// A save refused under its locks gives every lock back before the refusal is told: another
// workstation saves the record while the clerk still reads it. Its own words stand alone; a failure of
// the runtime adds "Tidak ada yang tersimpan".
TEST_F(SaveScopeTest, ARefusalUnderTheLocksIsToldWithNoLockHeld) {
  for (const xbase::Status& refusal :
       {xbase::Status::InvalidArgument("Relasi C1 diubah di komputer lain"), xbase::Status::IOError("MASTCUS.dbf")}) {
    SaveScope save(rig.con);
    ASSERT_TRUE(NameBalance(save, rig.session, "C1").ok());
    ASSERT_TRUE(save.Lock().ok());
    bool free_while_told = false;
    console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
    support::DamagingTerminal term({' ', ' '}, &clock, [&] {
      free_while_told = customers->GoTo(1).ok() && customers->Lock().ok() && customers->Unlock().ok();
    });
    console::Console con(term, clock);
    frame::ProcedureRegistry registry;
    frame::Session teller(con, registry, "WS-TEST");
    EXPECT_FALSE(NothingSaved(teller, save, refusal));
    EXPECT_TRUE(free_while_told) << refusal.ToString();
    EXPECT_TRUE(support::ShownOnRow(term, 24, refusal.message()));
    EXPECT_EQ(support::Shown(term, "Tidak ada yang tersimpan"), !refusal.IsInvalidArgument());
  }
}

}  // namespace
}  // namespace documents
