// The free-goods note: the allowance rules of a sales type, the order's qualifying notes, the save
// that moves stock and leaves no receivable, and the refusals of too many lines and too much value.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "sales/free_goods.h"
#include "sales/sales_site_helpers.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::N;
using support::Shown;
using support::T;

class FreeGoodsTest : public ::testing::Test {
 protected:
  void Open() {
    site.LogIn(rig.session);
    ASSERT_TRUE(OpenFreeGoodsTables(rig.session));
  }

  // The note of the demo order SO-0001 (one delivery note, SJ-0001, of 4 cartons worth 3,400,000).
  FreeGoodsNote Note() {
    FreeGoodsNote note;
    note.type = "01";
    note.order = xbase::PadR("SO-0001", 15);
    note.number = xbase::PadR("FG-001", 20);
    note.date = kToday;
    EXPECT_TRUE(FreeGoodsOrder(rig.session, &note));
    return note;
  }

  // Types a cell of line `line` as the editor would.
  bool Type(FreeGoodsNote* note, int line, FreeGoodsColumn column, const xbase::Value& value) {
    xbase::Value typed = value;
    const bool ok = CheckFreeGoodsCell(rig.session, &typed, column, note, line);
    note->lines[static_cast<size_t>(line - 1)][static_cast<size_t>(column - 1)] = typed;
    return ok;
  }

  void AddLine(FreeGoodsNote* note, const std::string& code, double pieces) {
    AddFreeGoodsLine(&note->lines, 0, 0);
    const int line = static_cast<int>(note->lines.size());
    ASSERT_TRUE(Type(note, line, kFgWarehouse, T("GDG01")));
    ASSERT_TRUE(Type(note, line, kFgCode, T(code)));
    ASSERT_TRUE(Type(note, line, kFgPieces, N(pieces)));
  }

  SalesSite site;
  support::SessionRig rig;
};

TEST_F(FreeGoodsTest, TheAllowancePercentComesFromCartonsPiecesOrAFlatRate) {
  site.Add("SETUP", {{{"SETUP", T("FGOOD02BOX")}, {"KET", T("  10 15   5")}},
                     {{"SETUP", T("FGOOD03QTY")}, {"KET", T("    100  20  10")}},
                     {{"SETUP", T("FREEGOOD04")}, {"KET", T("7.5")}},
                     {{"SETUP", T("FREETYPE02")}, {"KET", T("09")}},
                     {{"SETUP", T("FGOODISC02")}, {"KET", T("2.5")}}});
  Open();
  // Each rule read as a value; a failed read fails the case.
  const auto percent = [&](std::string_view type, double count) {
    double value = -1;
    EXPECT_TRUE(JATAHFREEGOODS(rig.session, type, count, &value).ok());
    return value;
  };
  const auto kind = [&](std::string_view type) {
    std::string value;
    EXPECT_TRUE(JENISFREEGOOD(rig.session, type, &value).ok());
    return value;
  };
  const auto free_type = [&](std::string_view type) {
    std::string value;
    EXPECT_TRUE(LAWANTIPE(rig.session, type, &value).ok());
    return value;
  };
  const auto discount = [&](std::string_view type) {
    double value = -1;
    EXPECT_TRUE(JATAHDISCOUNTFREEGOODS(rig.session, type, &value).ok());
    return value;
  };
  const auto threshold = [&](std::string_view group, std::string_view type) {
    double value = -1;
    EXPECT_TRUE(PLAFONFREGOODS(rig.session, group, type, &value).ok());
    return value;
  };
  EXPECT_EQ(percent("02", 30), 15);
  EXPECT_EQ(percent("02", 31), 5);
  EXPECT_EQ(percent("03", 200), 20);
  EXPECT_EQ(percent("03", 150), 10);
  EXPECT_EQ(percent("04", 3), 7.5);
  EXPECT_EQ(percent("05", 10), 0);
  EXPECT_EQ(kind("01"), "BOX");
  EXPECT_EQ(kind("05"), "XXX");
  EXPECT_EQ(free_type("02"), "09");
  EXPECT_EQ(free_type("05"), "05");
  EXPECT_EQ(discount("02"), 2.5);
  EXPECT_EQ(threshold("RETL", "01"), 1000000);
  EXPECT_EQ(threshold("GROS", "01"), 0);
}

TEST_F(FreeGoodsTest, TheOrdersNotesEarnTheAllowanceOnce) {
  // A note of another type and a note with an administrative return do not count.
  site.Add("SRTJLN1", {{{"INVOICE", T("SJ-0091")}, {"NOMOR", T("SO-0001")}, {"TIPE", T("02")}},
                       {{"INVOICE", T("SJ-0092")}, {"NOMOR", T("SO-0001")}, {"TIPE", T("01")}, {"RET_ADM", T("RA-1")}}});
  site.Add("SRTJLN2", {{{"INVOICE", T("SJ-0091")}, {"KODE", T("SC0001")}, {"QUANTITY", N(100)}, {"HARGA", N(3500)}}});
  Open();
  const FreeGoodsNote note = Note();
  EXPECT_EQ(xbase::RTrim(note.customer), "J0001");
  ASSERT_EQ(note.notes.size(), 1u);
  EXPECT_EQ(xbase::RTrim(note.notes[0].invoice), "SJ-0001");
  EXPECT_DOUBLE_EQ(note.total, 3400000);
  EXPECT_DOUBLE_EQ(note.threshold, 1000000);
  // 4 cartons: not a multiple of 10, so 5 %.
  EXPECT_DOUBLE_EQ(note.allowance, 170000);
  EXPECT_EQ(note.free_type, "01");
}

TEST_F(FreeGoodsTest, AThresholdAboveTheWholeUnitsAndAGrantedNoteAreRefused) {
  site.Put("SETUP", "SETUP", "FGDS01RETL", "KET", T("3400001"));
  Open();
  FreeGoodsNote note;
  note.type = "01";
  note.order = xbase::PadR("SO-0001", 15);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FreeGoodsOrder(rig.session, &note));
  EXPECT_TRUE(Shown(rig.term, "Nilai SJ kurang dari plafon"));
  EXPECT_DOUBLE_EQ(note.total, 3400000);
}

// The customer's group picks the threshold: a customer who cannot be read stops the note with the
// failure, never a customer without a group and so without a threshold.
TEST_F(FreeGoodsTest, ACustomerThatCannotBeReadStopsTheNote) {
  Open();
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(site.data(), "MASTCUS");
  ASSERT_TRUE(OpenFreeGoodsTables(rig.session));
  FreeGoodsNote note;
  note.type = "01";
  note.order = xbase::PadR("SO-0001", 15);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FreeGoodsOrder(rig.session, &note));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "MASTCUS1"));
  EXPECT_FALSE(Shown(rig.term, "plafon"));
}

// Without the customers open the customer's group, and so the threshold, cannot be known: the note
// stops with the failure naming the table, never taking the threshold of a customer without a group.
TEST_F(FreeGoodsTest, WithoutTheCustomersOpenTheNoteStops) {
  Open();
  ASSERT_TRUE(rig.session.tables().Close("MASTCUS").ok());
  FreeGoodsNote note;
  note.type = "01";
  note.order = xbase::PadR("SO-0001", 15);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FreeGoodsOrder(rig.session, &note));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: mastcus"));
  EXPECT_FALSE(Shown(rig.term, "plafon"));
  EXPECT_DOUBLE_EQ(note.total, 3400000);
  EXPECT_DOUBLE_EQ(note.threshold, 0);
  EXPECT_DOUBLE_EQ(note.allowance, 0);
}

TEST_F(FreeGoodsTest, ANoteWithinItsAllowanceMovesStockAndLeavesNoReceivable) {
  const uint32_t receivables = site.Count("PIUTDBT");
  Open();
  FreeGoodsNote note = Note();
  AddLine(&note, "SC0003", 10);
  EXPECT_DOUBLE_EQ(FgFigure(note.lines[0], kFgPrice), 6500);
  EXPECT_DOUBLE_EQ(FgFigure(note.lines[0], kFgValue), 65000);
  {
    // Esc while another workstation holds the goods' stock row: no note, no line, no stock moved.
    support::OtherWorkstation other(site.data());
    other.HoldKey("MASTBRJ", "SC0003");
    rig.term.AddKeys({'Y', key::kEsc, ' ', ' '});
    EXPECT_FALSE(SaveFreeGoods(rig.session, note));
    EXPECT_TRUE(Shown(rig.term, " file MASTBRJ.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "FG-001", "NOMOR"), "<not found>");
    EXPECT_EQ(site.Count("FGOODS"), 0u);
    EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1700);
  }
  rig.term.AddKeys({'Y'});
  ASSERT_TRUE(SaveFreeGoods(rig.session, note));
  rig.session.CloseTables();

  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "FG-001", "NOMOR"), xbase::PadR("FREE GOODS", 15));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "FG-001", "KTR1"), xbase::PadR("PO SO-0001", 20));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "FG-001", "RELASI"), xbase::PadR("J0001", 10));
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN21", "FG-001", "KTR"), xbase::PadR("FREE GOODS", 20));
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN21", "FG-001", "URUT"), "  1");
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN21", "FG-001", "Q_PAK"), 1);  // ten pieces to the pack
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN21", "FG-001", "QUANTITY"), 10);
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN21", "FG-001", "HARGA"), 6500);
  EXPECT_EQ(site.Field("FGOODS", "FGOODS1", "FG-001", "INVOICE"), xbase::PadR("SJ-0001", 20));
  EXPECT_EQ(site.Number("FGOODS", "FGOODS1", "FG-001", "NILAI"), 3400000);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0003", "JUMLAH"), 1490);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1690);
  EXPECT_EQ(site.Count("PIUTDBT"), receivables);
  EXPECT_EQ(site.BalanceMoved("J0001"), 0);
  site.ExpectSoundIndexes();
}

TEST_F(FreeGoodsTest, NineteenLinesOrANumberTakenMeanwhileWriteNothing) {
  Open();
  FreeGoodsNote note = Note();
  const char* const kCodes[] = {"SC0001", "SC0002", "SC0003", "SC0004", "SC0005"};
  for (int i = 0; i < 19; ++i) AddLine(&note, kCodes[i % 5], 1);
  rig.term.AddKeys({'Y', ' '});
  EXPECT_FALSE(SaveFreeGoods(rig.session, note));
  EXPECT_TRUE(Shown(rig.term, "Jumlah Item tidak boleh lebih dari 18"));
  // Eighteen lines pass the count, but another workstation has taken the number since it was typed.
  note.lines.pop_back();
  site.Add("SRTJLN1", {{{"INVOICE", T("FG-001")}}});
  rig.term.AddKeys({'Y', ' '});
  EXPECT_FALSE(SaveFreeGoods(rig.session, note));
  EXPECT_TRUE(Shown(rig.term, "Suarat Jalan sudah terdaftar (Invoice)"));
  rig.session.CloseTables();
  EXPECT_EQ(site.Count("SRTJLN1"), 1u);
  EXPECT_EQ(site.Count("SRTJLN2"), 0u);
  EXPECT_EQ(site.Count("FGOODS"), 0u);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
}

// The type's rules in SETUP decide what the note earns and the discount it is written with: SETUP out
// of reach refuses the order and the save with the failure on row 24 and writes nothing, never a note
// without its rules.
TEST_F(FreeGoodsTest, RulesThatCannotBeReadRefuseTheOrderAndWriteNothing) {
  Open();
  FreeGoodsNote note = Note();
  AddLine(&note, "SC0003", 10);
  ASSERT_TRUE(rig.session.tables().Close("SETUP").ok());

  FreeGoodsNote other;
  other.type = "01";
  other.order = xbase::PadR("SO-0001", 15);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FreeGoodsOrder(rig.session, &other));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: setup"));
  EXPECT_FALSE(Shown(rig.term, "plafon"));

  // The goods the type allows, then the second discount just before the locks.
  rig.term.AddKeys({' '});
  EXPECT_FALSE(SaveFreeGoods(rig.session, note));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_FALSE(Shown(rig.term, "Yakin data akan disimpan"));
  rig.term.AddKeys({' '});
  EXPECT_FALSE(WriteFreeGoods(rig.session, note));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  rig.session.CloseTables();
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", "FG-001", "NOMOR"), "<not found>");
  EXPECT_EQ(site.Count("SRTJLN2"), 0u);
  EXPECT_EQ(site.Count("FGOODS"), 0u);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1700);
  support::ExpectVerified(site.data());
}

TEST_F(FreeGoodsTest, TheScreenRefusesATotalAboveTheAllowance) {
  site.LogIn(rig.session);
  rig.term.AddKeys(Keys({Line("01"), Line("SO-0001"), Line("FG-002"), {key::kEnter, key::kEnter},
                         Line("GDG01"), Line("SC0003"), {key::kRight}, Line("0"), Line("0"), Line("30"), {key::kF10, ' '},
                         {key::kEsc, key::kEsc}}));
  ASSERT_TRUE(FGOODS(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u) << console::ScriptedTerminal::Dump(rig.term.cells());
  EXPECT_TRUE(Shown(rig.term, "Total free goods maximal :     170,000.00"));
  EXPECT_TRUE(Shown(rig.term, "SURAT JALAN FREE GOODS"));
  EXPECT_EQ(site.Count("SRTJLN1"), 0u);
  EXPECT_EQ(site.Count("FGOODS"), 0u);
}

}  // namespace
}  // namespace sales
