// The rules every memo keeps: numbering from its counter, the refusals of a delivery note held
// elsewhere (on the screen and again at the save), the rewrite of stored lines in place, the closed
// approved memos, and the outcome that reaches only a live admin-memo line.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"

namespace memos {

using support::Line;
using support::N;
using support::Shown;
using support::T;

namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;

xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }

class MemoRulesTest : public MemoTest {
 protected:
  // An admin memo 0000000050 of SJ0001, SJ0002 and SJ0003, not approved.
  void ThreeLineMemo(bool approved = false) {
    AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), approved,
            {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}},
             {{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}},
             {{"INVOICE", T("SJ0003")}, {"CARTON", N(0)}}});
  }
};

TEST_F(MemoRulesTest, CounterPassesOverTakenNumbersAndOnlyRises) {
  AddMemo("MEMADM1", "MEMADM2", "0000000042", Day(7), false, {{{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}}});
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0001"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke gudang ini : 0000000043"));
  EXPECT_EQ(Setting("MADMB2"), "0000000043");
  EXPECT_EQ(Stored("MEMADM2", 2, "NOMOR"), "0000000043");
}

TEST_F(MemoRulesTest, MissingCounterOrEmptyListStoresNothing) {
  support::AddRows(support::Open(rig.session, "SETUP"), {{{"SETUP", T("B3")}}});
  Keys({Line("B3"), {kEnter, kEnter, kEnter}, Line("SJ0001"), {kF10, 'Y', kEnter, kEsc, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "Setup Nomerator MADMB3     belum dibuat, Hubungi Admin"));
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, {kF10, 'Y', kEnter, kEsc, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "nomor :            tidak terbentuk"));
  EXPECT_EQ(Reopen("MEMADM1").table().record_count(), 0u);
  EXPECT_EQ(Reopen("MEMADM2").table().record_count(), 0u);
  EXPECT_EQ(Setting("MADMB2"), "0000000041");
}

TEST_F(MemoRulesTest, ResaveRewritesStoredLinesByPositionAndEmptyingDeletesTheHeader) {
  ThreeLineMemo();
  Keys({Line("B2"), Line("0000000050"), {kEnter, kEnter, kDown, kDel, kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  xbase::WorkArea& lines = Reopen("MEMADM2");
  ASSERT_EQ(lines.table().record_count(), 3u);
  EXPECT_EQ(support::StoredText(lines, 1, "INVOICE"), "SJ0001");
  EXPECT_FALSE(lines.deleted());
  EXPECT_EQ(support::StoredText(lines, 2, "INVOICE"), "SJ0003");
  EXPECT_FALSE(lines.deleted());
  ASSERT_TRUE(lines.GoTo(3).ok());
  EXPECT_TRUE(lines.deleted());

  Keys({Line("B2"), Line("0000000050"), {kEnter, kEnter, kDel, kDel, kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  xbase::WorkArea& header = Reopen("MEMADM1");
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_TRUE(header.deleted());
  xbase::WorkArea& emptied = Reopen("MEMADM2");
  for (uint32_t recno = 1; recno <= 3; ++recno) {
    ASSERT_TRUE(emptied.GoTo(recno).ok());
    EXPECT_TRUE(emptied.deleted()) << recno;
  }
}

TEST_F(MemoRulesTest, ANoteMovesToAnotherAdminMemoOnlyAfterLeavingTheFirst) {
  ThreeLineMemo();
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0002"), {kEnter, kEsc, kEsc, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ0002 sudah diexpedisi dg nomor 0000000050"));
  EXPECT_EQ(Reopen("MEMADM1").table().record_count(), 1u);

  // Taken out of memo 50, the note goes into a new memo; typed again into memo 50 it is accepted.
  Keys({Line("B2"), Line("0000000050"), {kEnter, kEnter, kDown, kDel, kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0002"), {kF10, 'Y', kEnter, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "Nomor memo ke gudang ini : 0000000042"));
  NoteHolder holder;
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  ASSERT_TRUE(FindNoteHolder(rig.session, tables[kAdminMemo.lines], "SJ0002", &holder).ok());
  EXPECT_EQ(holder.number, "0000000042");
}

TEST_F(MemoRulesTest, TheSameNoteTwiceInAListOrAReceivablesMemoIsRefused) {
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0001"), Line("SJ0001"), {kEnter, kEsc, kEsc, kEsc}});
  ASSERT_TRUE(Run(MEMOPJK));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ0001 telah diisikan pada urutan ke 1"));

  AddMemo("MEMPJK1", "MEMPJK2", "0000000013", Day(7), false, {{{"INVOICE", T("SJ0002")}}});
  Keys({Line("B2"), {kEnter, kEnter, kEnter}, Line("SJ0002"), {kEnter, kEsc, kEsc, kEsc}});
  ASSERT_TRUE(Run(MEMOPJK));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ0002 sudah diserahkan ke admin piutang dg no : 0000000013"));
  EXPECT_EQ(Reopen("MEMPJK2").table().record_count(), 1u);
}

TEST_F(MemoRulesTest, TheSaveRefusesANoteThatAnotherMemoTookMeanwhile) {
  AddMemo("MEMGDG1", "MEMGDG2", "0000000005", Day(7), false, {{{"INVOICE", T("SJ0001")}}});
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  Memo memo{"B2", "", {{"TANGGAL", D(Day(8))}}, {{"SJ0002", {}}, {"SJ0001", {}}}};
  Keys({{'Y', kEnter}});
  EXPECT_FALSE(SaveMemo(rig.session, tables, kBackMemo, &memo));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ0001 sudah dikembalikan ke admin dg nomor 0000000005"));
  EXPECT_EQ(Reopen("MEMGDG1").table().record_count(), 1u);
  EXPECT_EQ(Setting("MGDGB2"), "");
}

TEST_F(MemoRulesTest, MemoBackWithoutARealDateIsNotSaved) {
  ThreeLineMemo();
  Keys({Line("B2"), {kEnter, kEnter, kEnter, kEnter}, Line("SJ0001"), {kF10, kEnter, kEsc, kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_TRUE(Shown(rig.term, "tidak bisa disimpan, karena ada tg. kirim yg kosong"));
  EXPECT_EQ(Reopen("MEMGDG2").table().record_count(), 0u);
  EXPECT_FALSE(Reopen("MEMADM2").Logical("TERKIRIM"));
}

TEST_F(MemoRulesTest, ApprovedMemosAreClosedToTheirEntryScreens) {
  ThreeLineMemo(true);
  Keys({Line("B2"), Line("0000000050"), {kEnter, kEsc}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_TRUE(Shown(rig.term, "Memo ke Gdg 0000000050 sudah Approval"));

  AddMemo("MEMGDG1", "MEMGDG2", "0000000005", Day(7), true,
          {{{"INVOICE", T("SJ0001")}, {"TG_KIRIM", D(Day(9))}, {"TERKIRIM", xbase::Value::Logical(true)}}});
  Keys({Line("B2"), Line("0000000005"), {kEnter, kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  EXPECT_TRUE(Shown(rig.term, "Memo kembali ke Admin 0000000005 sudah Approval/dicetak"));
  EXPECT_FALSE(Shown(rig.term, "NOMOR SJ"));  // the list never opened

  // A user with "ACC" rights opens it and may change it; the save writes the outcome again.
  rig.session.MMEMBER.rights = "ACC";
  Keys({Line("B2"), Line("0000000005"), {kEnter, kEnter, kEnter, kEnter, kF10, 'Y', kEsc}});
  ASSERT_TRUE(Run(MEMOKEACC));
  xbase::WorkArea& admin = Reopen("MEMADM2");
  EXPECT_TRUE(admin.Logical("TERKIRIM"));
  EXPECT_EQ(admin.DateOf("TG_KIRIM"), Day(9));
}

TEST_F(MemoRulesTest, OutcomeReachesTheLiveAdminLineOnly) {
  AddMemo("MEMADM1", "MEMADM2", "0000000040", Day(6), false, {{{"INVOICE", T("SJ0001")}}});
  xbase::WorkArea& old_line = support::Open(rig.session, "MEMADM2");
  ASSERT_TRUE(old_line.GoTo(1).ok());
  ASSERT_TRUE(old_line.Lock().ok());
  ASSERT_TRUE(old_line.Delete().ok());
  ASSERT_TRUE(old_line.Unlock().ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  AddMemo("MEMADM1", "MEMADM2", "0000000041", Day(7), false, {{{"INVOICE", T("SJ0001")}}});

  ASSERT_TRUE(OPENMEMORANDUM(rig.session));
  xbase::ShowDeleted all_rows(&rig.session.tables());
  ASSERT_TRUE(UPDATEMEMOACC(rig.session, "SJ0001", Day(10), "10:30", "DITERIMA SATPAM", true).ok());
  ASSERT_TRUE(UPDATEMEMOACC(rig.session, "SJ0009", Day(10), "10:30", "", true).ok());  // in no admin memo
  EXPECT_EQ(Stored("MEMADM2", 1, "JAM_KIRIM"), "");
  EXPECT_EQ(Stored("MEMADM2", 2, "JAM_KIRIM"), "10:30");
  EXPECT_EQ(Stored("MEMADM2", 2, "NOTES"), "DITERIMA SATPAM");
  xbase::WorkArea& lines = Reopen("MEMADM2");
  ASSERT_TRUE(lines.GoTo(2).ok());
  EXPECT_TRUE(lines.Logical("TERKIRIM"));
}

}  // namespace
}  // namespace memos
