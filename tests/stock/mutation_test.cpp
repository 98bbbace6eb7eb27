// Warehouse and code-change mutations: the counter, both halves and the stock they move, the
// correction that removes a line, a correction another workstation saved first, and the gift-wrap
// mutations the screen leaves alone.
#include "stock/mutation.h"

#include "console/keys.h"
#include "stock/mutation_store.h"
#include "stock/stock_screens.h"
#include "stock/stock_rows_helpers.h"
#include "support/damaged_tables.h"
#include "xbase/text_functions.h"

namespace stock {
namespace {

using support::N;
using support::T;

class MutationTest : public testing::StockTest {
 protected:
  MutationTest() {
    frame::Session& s = rig.session;
    s.MMEMBER.nik = "N01";
    support::AddRows(support::Open(s, "MASTBRJ"),
                     {{{"KODE", T("A1")}, {"NAMA", T("PENSIL")}, {"JUMLAH", N(100)}, {"HARGA4", N(500)}},
                      {{"KODE", T("B1")}, {"NAMA", T("PENSIL B")}, {"JUMLAH", N(0)}, {"HARGA4", N(500)}}});
    support::AddRows(support::Open(s, "STOKBRG"),
                     {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(100)}, {"HRG_RATA", N(450)}}});
    support::AddRows(support::Open(s, "SETUP"), {{{"SETUP", T("MTAGCB01  ")}, {"KET", T("MTA0000041")}}});
    // The next number is held already.
    support::AddRows(support::Open(s, "MTSKDT1"), {{{"NOMOR", T("MTA0000042")}, {"KDCB", T("CB01")}}});
    CloseAll();
    tables = frame::OpenTables(rig.session, MutationTables());
    EXPECT_TRUE(tables);
  }

  // A filled entry line.
  static console::ValueRow Entry(int n, const std::string& out, const std::string& in, double pieces) {
    console::ValueRow line = BlankMutationLine(n);
    line[kMtCodeOut - 1] = xbase::Value::Text(xbase::PadR(out, 10));
    line[kMtCodeIn - 1] = xbase::Value::Text(xbase::PadR(in, 10));
    line[kMtQty - 1] = xbase::Value::Num(pieces);
    line[kMtNote - 1] = xbase::Value::Text("PINDAH");
    line[kMtPrice - 1] = xbase::Value::Num(500);
    line[kMtAverage - 1] = xbase::Value::Num(450);
    return line;
  }

  std::vector<std::string> Stock() { return Rows("STOKBRG", {"KODE", "GUDANG", "JUMLAH"}); }

  frame::OpenedTables tables;
};

TEST_F(MutationTest, ANewMutationTakesTheCounterAndMovesTheStockOfBothHalves) {
  Mutation mutation{std::string(10, ' '), xbase::Date::FromYmd(2026, 3, 2), "CB01  ", "G1    ", "G2    ",
                    {Entry(1, "A1", "A1", 30), Entry(2, "A1", "B1", 20), BlankMutationLine(3)}};
  bool saved = false;
  ASSERT_TRUE(SaveMutation(rig.session, tables, &mutation, &saved).ok());
  EXPECT_TRUE(saved);
  EXPECT_EQ(mutation.number, "MTA0000043");
  EXPECT_EQ(Rows("SETUP", {"KET"}), std::vector<std::string>{"KET=MTA0000043"});
  EXPECT_EQ(Rows("MTSKDT1", {"NOMOR", "KDCB", "GUDANG", "OPERATOR"})[1], "NOMOR=MTA0000043 KDCB=CB01 GUDANG=G1 OPERATOR=N01");
  EXPECT_EQ(Rows("MTSDBT1", {"NOMOR", "GUDANG"}), std::vector<std::string>{"NOMOR=MTA0000043 GUDANG=G2"});
  EXPECT_EQ(Rows("MTSKDT2", {"KODE", "GUDANG", "QUANTITY", "KTR", "HARGA"}),
            (std::vector<std::string>{"KODE=A1 GUDANG=G1 QUANTITY=30 KTR=PINDAH HARGA=500.00",
                                      "KODE=A1 GUDANG=G1 QUANTITY=20 KTR=PINDAH HARGA=500.00"}));
  EXPECT_EQ(Rows("MTSDBT2", {"KODE", "GUDANG", "QUANTITY"}),
            (std::vector<std::string>{"KODE=A1 GUDANG=G2 QUANTITY=30", "KODE=B1 GUDANG=G2 QUANTITY=20"}));
  EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=50", "KODE=A1 GUDANG=G2 JUMLAH=30",
                                               "KODE=B1 GUDANG=G2 JUMLAH=20"}));
  EXPECT_EQ(Rows("MASTBRJ", {"KODE", "JUMLAH"}), (std::vector<std::string>{"KODE=A1 JUMLAH=80", "KODE=B1 JUMLAH=20"}));

  // Loaded again, the first line removed and saved: its stock goes back to G1 and leaves G2.
  Mutation again{"MTA0000043", {}, "", "", "", {}};
  bool found = false;
  ASSERT_TRUE(LoadMutation(rig.session, tables, &again, &found).ok());
  ASSERT_TRUE(found);
  EXPECT_EQ(again.destination, "G2    ");
  ASSERT_EQ(again.lines.size(), 3u);
  EXPECT_EQ(again.lines[1][kMtCodeIn - 1].text(), "B1        ");
  again.lines.erase(again.lines.begin());
  ASSERT_TRUE(SaveMutation(rig.session, tables, &again, &saved).ok());
  EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=80", "KODE=A1 GUDANG=G2 JUMLAH=0",
                                               "KODE=B1 GUDANG=G2 JUMLAH=20"}));
  EXPECT_EQ(Rows("MTSKDT2", {"KODE", "QUANTITY"}), (std::vector<std::string>{"KODE=A1 QUANTITY=20", "*KODE=A1 QUANTITY=20"}));
  EXPECT_EQ(Rows("MTSDBT2", {"KODE", "QUANTITY"}), (std::vector<std::string>{"KODE=B1 QUANTITY=20", "*KODE=B1 QUANTITY=20"}));
  EXPECT_EQ(Rows("MASTBRJ", {"KODE", "JUMLAH"}), (std::vector<std::string>{"KODE=A1 JUMLAH=80", "KODE=B1 JUMLAH=20"}));
}

// Two clerks correct the same mutation: the one saving after the other's save is refused, and the
// other's lines and the stock they moved stay.
TEST_F(MutationTest, AMutationSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  Mutation mutation{std::string(10, ' '), xbase::Date::FromYmd(2026, 3, 2), "CB01  ", "G1    ", "G2    ",
                    {Entry(1, "A1", "A1", 30), BlankMutationLine(2)}};
  bool saved = false;
  ASSERT_TRUE(SaveMutation(rig.session, tables, &mutation, &saved).ok() && saved);
  Mutation first{mutation.number, {}, "", "", "", {}}, second = first;
  bool found = false;
  ASSERT_TRUE(LoadMutation(rig.session, tables, &first, &found).ok() && found);
  ASSERT_TRUE(LoadMutation(rig.session, tables, &second, &found).ok() && found);
  first.lines[0][kMtQty - 1] = xbase::Value::Num(10);
  ASSERT_TRUE(SaveMutation(rig.session, tables, &first, &saved).ok() && saved);

  second.lines[0][kMtQty - 1] = xbase::Value::Num(40);
  rig.term.AddKeys({' '});
  ASSERT_TRUE(SaveMutation(rig.session, tables, &second, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(support::Shown(rig.term, "Mutasi MTA0000043 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Rows("MTSKDT2", {"KODE", "QUANTITY"}), std::vector<std::string>{"KODE=A1 QUANTITY=10"});
  EXPECT_EQ(Stock(), (std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=90", "KODE=A1 GUDANG=G2 JUMLAH=10"}));
}

// Loaded again, a mutation holds every field its save stored: the header of both halves and each
// line's cartons, packs, pieces, remark, price and average.
TEST_F(MutationTest, ALoadedMutationHoldsEveryFieldItsSaveStored) {
  console::ValueRow line = Entry(1, "A1", "B1", 25);
  line[kMtBox - 1] = xbase::Value::Num(2, 5, 0);
  line[kMtPak - 1] = xbase::Value::Num(1, 6, 0);
  line[kMtNote - 1] = xbase::Value::Text(xbase::PadR("GANTI KODE KEMASAN BARU", 30));
  line[kMtPrice - 1] = xbase::Value::Num(512.5, 12, 2);
  line[kMtAverage - 1] = xbase::Value::Num(451, 14, 2);
  Mutation mutation{std::string(10, ' '), xbase::Date::FromYmd(2026, 3, 2), "CB01  ", "G1    ", "G2    ",
                    {line, BlankMutationLine(2)}};
  bool saved = false;
  ASSERT_TRUE(SaveMutation(rig.session, tables, &mutation, &saved).ok());
  ASSERT_TRUE(saved);

  Mutation again{mutation.number, {}, "", "", "", {}};
  bool found = false;
  ASSERT_TRUE(LoadMutation(rig.session, tables, &again, &found).ok());
  ASSERT_TRUE(found);
  EXPECT_EQ(again.date, xbase::Date::FromYmd(2026, 3, 2));
  EXPECT_EQ(again.branch, "CB01  ");
  EXPECT_EQ(again.source, "G1    ");
  EXPECT_EQ(again.destination, "G2    ");
  ASSERT_EQ(again.lines.size(), 2u);
  for (int column = kMtNo; column <= kMtAverage; ++column) {
    const xbase::Value& read = again.lines[0][static_cast<size_t>(column - 1)];
    const xbase::Value& typed = line[static_cast<size_t>(column - 1)];
    if (typed.is_number()) {
      EXPECT_EQ(read.number(), typed.number()) << "column " << column;
    } else {
      EXPECT_EQ(read.text(), typed.text()) << "column " << column;
    }
  }
  EXPECT_EQ(Rows("MTSDBT2", {"KODE", "GUDANG", "Q_BOX", "Q_PAK", "QUANTITY", "HRG_RATA"}),
            std::vector<std::string>{"KODE=B1 GUDANG=G2 Q_BOX=2 Q_PAK=1 QUANTITY=25 HRG_RATA=451"});
}

TEST_F(MutationTest, TwoLinesOfOneItemShareItsStock) {
  Mutation mutation{std::string(10, ' '), {}, "CB01", "G1    ", "G2    ", {Entry(1, "A1", "A1", 70), Entry(2, "A1", "A1", 0)}};
  double available = -1;
  ASSERT_TRUE(AvailableStock(tables, mutation, 2, &available).ok());
  EXPECT_EQ(available, 30);
  ASSERT_TRUE(AvailableStock(tables, mutation, 1, &available).ok());
  EXPECT_EQ(available, 100);
}

// A stock row that cannot be read is an error, never a stock of 0 (which would cap the line at
// nothing) nor a stock to be had.
TEST_F(MutationTest, AStockRowThatCannotBeReadIsAnError) {
  Mutation mutation{std::string(10, ' '), {}, "CB01", "G1    ", "G2    ", {Entry(1, "A1", "A1", 70)}};
  support::DamageIndexPages(data.path(), "STOKBRG");
  double available = -1;
  const xbase::Status s = AvailableStock(tables, mutation, 1, &available);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find(".ntx"), std::string::npos) << s.message();
  EXPECT_EQ(available, 0);
}

TEST_F(MutationTest, AMissingCounterSavesNothing) {
  rig.term.AddKeys({'\r'});
  Mutation mutation{std::string(10, ' '), {}, "CB02  ", "G1    ", "G2    ", {Entry(1, "A1", "A1", 5)}};
  bool saved = true;
  ASSERT_TRUE(SaveMutation(rig.session, tables, &mutation, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(support::Shown(rig.term, "Setup Nomerator MTAGCB02  , belum dibuat, Hubungi Admin"));
  EXPECT_EQ(Rows("MTSKDT2", {"KODE"}).size(), 0u);
  EXPECT_EQ(Stock(), std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=100"});
}

TEST_F(MutationTest, AGiftWrapMutationCannotBeLoadedByTheMutationScreen) {
  ASSERT_TRUE(WriteMutationHalf(rig.session, tables, Half::kOut, "GLNGCB01           7",
                                {{"CODE_ID", xbase::Value::Text("0")}, {"GUDANG", xbase::Value::Text("")}},
                                {MutationRow{"A1", "G1", 0, 0, 4, "UNTUK DI GULUNG", 450, 450}})
                  .ok());
  EXPECT_EQ(Stock(), std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=96"});
  Mutation mutation{"GLNGCB01           7", {}, "", "", "", {}};
  bool found = true;
  ASSERT_TRUE(LoadMutation(rig.session, tables, &mutation, &found).ok());
  EXPECT_FALSE(found);
}

}  // namespace
}  // namespace stock

namespace stock {
namespace {

TEST_F(MutationTest, TheMutationScreenRefusesADateOnOrBeforeTheStockTaking) {
  CloseAll();
  frame::Session& s = rig.session;
  s.ZTGLBATAS = s.ZTGPROSES = s.TGAJUSMENT = s.Today();
  // A new mutation (empty number), today's date offered and refused; a key for the message, then Esc.
  rig.term.AddKeys({'\r', '\r', ' ', 27});
  ASSERT_TRUE(MTSKD(s, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::Shown(rig.term, "Tg transaksi harus lebih besar dari Tg adjusment"));
}

// On the screen, an item whose source stock row cannot be read is the failure on row 24, never "not in
// the warehouse": the line is not taken and nothing is written.
TEST_F(MutationTest, TheMutationScreenShowsAStockRowThatCannotBeReadAsTheFailure) {
  CloseAll();
  frame::Session& s = rig.session;
  support::AddRows(support::Open(s, "SETUP"), {{{"SETUP", T("CB01")}, {"KET", T("CABANG 01")}}});
  support::AddRows(support::Open(s, "MASTGDG"), {{{"GUDANG", T("G1")}, {"KDCB", T("CB01")}},
                                                 {{"GUDANG", T("G2")}, {"KDCB", T("CB01")}}});
  CloseAll();
  s.ZTGLBATAS = s.ZTGPROSES = s.Today();
  support::DamageIndexPages(data.path(), "STOKBRG");
  namespace key = console::key;
  // A new mutation from G1 to G2; A1 typed as the item out, a key for the failure, then Esc out of
  // the cell, the lines and the number.
  rig.term.AddKeys(support::Keys({{key::kEnter, key::kEnter}, support::Line("CB01"), support::Line("G1"),
                                  support::Line("G2"), support::Line("A1"), {' ', key::kEsc, key::kEsc, key::kEsc}}));
  ASSERT_TRUE(MTSKD(s, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "STOKBRG"));
  EXPECT_FALSE(support::Shown(rig.term, "tidak ada kode barang"));
  EXPECT_EQ(Rows("MTSKDT1", {"NOMOR"}), std::vector<std::string>{"NOMOR=MTA0000042"});
  EXPECT_TRUE(Rows("MTSKDT2", {"KODE"}).empty());
  EXPECT_EQ(Rows("MASTBRJ", {"KODE", "JUMLAH"}), (std::vector<std::string>{"KODE=A1 JUMLAH=100", "KODE=B1 JUMLAH=0"}));
}

}  // namespace
}  // namespace stock
