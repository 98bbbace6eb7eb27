// The register of instruments: numbering of counted kinds, the number's refusals, the nominal value
// that cannot fall below what was settled, another workstation's save not written over, deletion only
// of unused instruments, and the lists.
#include <gtest/gtest.h>

#include <functional>
#include <string_view>

#include "console/keys.h"
#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "receivables/tgiro.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class InstrumentsTest : public ::testing::Test {
 protected:
  InstrumentsTest() {
    rig.session.SetSearchPath(folder.path());
    rig.session.MMEMBER.nik = "SYSADMIN";
    rig.session.MMEMBER.rights = "/SPV";
    rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddSetting(rig.session, "CABANGB", "BDG001 BANDUNG");
    AddSetting(rig.session, "TRSO" + kBranch, "000000000000");
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"NAMA", T("TB. SINAR ILMU")}, {"CODE_ID", T("7")}}});
    AddRows(Open(rig.session, "MASTACC"), {{{"ACCOUNT", T("1102")}, {"JENIS", T("D")}},
                                           {{"ACCOUNT", T("1101")}, {"JENIS", T("K")}}});
    AddInstrument(rig.session, "000000000001", "TRSO", "J0001", 100, kDay);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 500, kDay);
    AddInstrument(rig.session, "G2", "GIRO", "J0001", 500, kDay);
    AddRows(Open(rig.session, "GIRODBT"), {{{"NOMOR", T("G-BDG")}, {"KDCB", T("BDG001")}, {"KET", T("GIRO")}}});
    xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
    EXPECT_TRUE(giros.GoTo(2).ok() && giros.Lock().ok() && giros.Put("KREDIT", N(300)).ok() && giros.Unlock().ok());
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  xbase::Status Run(const char* kind, const std::vector<int>& keys) {
    rig.term.AddKeys(keys);
    const xbase::Status s = TRMGIRO(rig.session, {Value::Text(kind)});
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return s;
  }

  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
};

TEST_F(InstrumentsTest, ACountedKindTakesTheNextFreeNumberOfItsBranch) {
  ASSERT_TRUE(Run("BT", Keys({Line("JKT001"), {key::kEnter}, Line("J0001"), Line("1101"), kClearField, Line("1102"),
                              Line("15122026"), {key::kEnter, key::kEnter}, Line("TRF BCA"), Line("250000"),
                              {key::kEsc, key::kEsc}, {'S'}, {key::kEnter}, {key::kEsc}}))
                  .ok());
  EXPECT_TRUE(Shown(rig.term, "Penerimaaan ini tersimpan dg Nomor 000000000002"));
  xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
  ASSERT_EQ(giros.table().record_count(), 5u);
  EXPECT_EQ(StoredText(giros, 5, "NOMOR"), "000000000002");
  EXPECT_EQ(StoredText(giros, 5, "KET"), "TRSO");
  EXPECT_EQ(StoredText(giros, 5, "CODE_ID"), "7");  // from the customer
  EXPECT_EQ(StoredText(giros, 5, "ACCOUNT"), "1102");  // a cash account is refused
  EXPECT_EQ(StoredText(giros, 5, "OPERATOR"), "SYSADMIN");
  EXPECT_EQ(giros.Number("DEBET"), 250000);
  xbase::WorkArea& setup = Open(rig.session, "SETUP");
  ASSERT_TRUE(setup.Seek("TRSO" + kBranch).ok() && setup.found());
  EXPECT_EQ(StoredText(setup, setup.recno(), "KET"), "000000000002");
}

TEST_F(InstrumentsTest, NumbersOfAnotherKindOrBranchOrNotRegisteredAreRefused) {
  ASSERT_TRUE(Run("BT", Keys({Line("JKT001"), Line("999"), {key::kEnter, key::kEsc}})).ok());
  EXPECT_TRUE(Shown(rig.term, "penerimaan TRSOno 999 belum terdaftar"));
  ASSERT_TRUE(Run("BG", Keys({Line("JKT001"), Line("000000000001"), {key::kEnter, key::kEsc}})).ok());
  EXPECT_TRUE(Shown(rig.term, "bukan penerimaan GIRO"));
  ASSERT_TRUE(Run("BG", Keys({Line("JKT001"), Line("G-BDG"), {key::kEnter, key::kEsc}})).ok());
  EXPECT_TRUE(Shown(rig.term, "penerimaan ini milik cabang BDG001"));
  // A transfer without its counter row cannot be numbered.
  ASSERT_TRUE(Run("CS", Keys({Line("JKT001"), {key::kEnter}, Line("J0001"), Line("1102"), Line("15122026"),
                              {key::kEnter, key::kEnter}, Line("KAS"), Line("10"), {key::kEsc, key::kEsc}, {'S'},
                              {key::kEnter}, {key::kEsc}}))
                  .ok());
  EXPECT_TRUE(Shown(rig.term, "Setup CSHOJKT001 belum dibuat, hub. admin"));
  EXPECT_EQ(Open(rig.session, "GIRODBT").table().record_count(), 4u);
  // Vouchers are for supervisors only.
  rig.session.MMEMBER.rights.clear();
  ASSERT_TRUE(Run("VC", {}).ok());
  EXPECT_FALSE(Shown(rig.term, "PENDATAAN VOUCHER POTONGAN PIUTANG"));
  EXPECT_FALSE(TRMGIRO(rig.session, {Value::Text("XX")}).ok());
}

TEST_F(InstrumentsTest, TheNominalValueStaysAboveWhatWasSettledAndUsedInstrumentsStay) {
  // G1 settled 300: 200 is refused, 300 is taken.
  ASSERT_TRUE(Run("BG", Keys({Line("JKT001"), Line("G1"), std::vector<int>(6, key::kEnter), Line("200"), kClearField,
                              Line("300"), {key::kEsc, key::kEsc}, {'S'}, {key::kEsc}}))
                  .ok());
  EXPECT_TRUE(Shown(rig.term, "Nilai tidak boleh kurang dari yang sudah terpakai 300.00"));
  xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(giros.GoTo(2).ok());
  EXPECT_EQ(giros.Number("DEBET"), 300);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  AddRows(Open(rig.session, "PIUTJBL"), {{{"NOMOR", T("J1")}, {"NO_BUKTI", T("G1")}, {"DEBET", N(5)}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  const std::vector<int> remove = Keys({std::vector<int>(7, key::kEnter), {key::kEsc, key::kEsc}, {'H'}});
  ASSERT_TRUE(Run("BG", Keys({Line("JKT001"), Line("G1"), remove, {key::kEnter},
                              Line("JKT001"), Line("G2"), remove, {'Y'}, {key::kEsc}}))
                  .ok());
  EXPECT_TRUE(Shown(rig.term, "Nomor ini sudah dipakai, tidak bisa dihapus"));
  EXPECT_TRUE(Shown(rig.term, "Yakin data akan dihapus (Y/T)"));
  xbase::WorkArea& after = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(after.GoTo(2).ok());
  EXPECT_FALSE(after.deleted());
  ASSERT_TRUE(after.GoTo(3).ok());
  EXPECT_TRUE(after.deleted());
}

TEST_F(InstrumentsTest, EscAtTheInstrumentsLockWritesNothing) {
  support::SettleSmallFolder(folder.path());
  support::OtherWorkstation other(folder.path());
  other.Hold("GIRODBT", 2);
  const std::vector<int> raise = Keys({Line("JKT001"), Line("G1"), std::vector<int>(6, key::kEnter), Line("400"),
                                       {key::kEsc, key::kEsc}, {'S'}});
  ASSERT_TRUE(Run("BG", Keys({raise, {key::kEsc, ' ', ' '}, {key::kEsc}})).ok());
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 2 file GIRODBT.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(giros.GoTo(2).ok());
  EXPECT_EQ(giros.Number("DEBET"), 500);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  ASSERT_TRUE(Run("BG", Keys({raise, {key::kEsc}})).ok());
  xbase::WorkArea& after = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(after.GoTo(2).ok());
  EXPECT_EQ(after.Number("DEBET"), 400);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

// Two clerks correct giro G1 at once: the one saving after the other's save is refused and the other's
// value stays. A settlement moving what is used meanwhile refuses nothing.
TEST_F(InstrumentsTest, AnInstrumentSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  support::SettleSmallFolder(folder.path());
  const auto raise = [](std::string_view amount) {
    return Keys({Line("JKT001"), Line("G1"), std::vector<int>(6, key::kEnter), Line(amount), {key::kEsc, key::kEsc},
                 {'S'}});
  };
  // The other workstation: its clerk has loaded G1 when `meanwhile` runs.
  const auto other = [&](const std::vector<int>& keys, const std::function<void()>& meanwhile) {
    console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
    support::DamagingTerminal term(keys, &clock, meanwhile, 10);
    console::Console con(term, clock);
    frame::ProcedureRegistry registry;
    frame::Session session(con, registry, "WS-TWO");
    session.SetSearchPath(folder.path());
    session.MMEMBER.nik = "KASIR02";
    session.MMEMBER.rights = "/SPV";
    session.ZTGPROSES = rig.session.ZTGPROSES;
    EXPECT_TRUE(TRMGIRO(session, {Value::Text("BG")}).ok());
    EXPECT_EQ(term.keys_left(), 0u);
    return Shown(term, "Nomor G1 diubah di komputer lain, panggil ulang datanya");
  };
  const auto debet = [&] {
    xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
    EXPECT_TRUE(giros.GoTo(2).ok());
    const double value = giros.Number("DEBET");
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return value;
  };
  EXPECT_TRUE(other(Keys({raise("400"), {key::kEnter, key::kEsc}}),
                    [&] { ASSERT_TRUE(Run("BG", Keys({raise("450"), {key::kEsc}})).ok()); }));
  EXPECT_EQ(debet(), 450);
  support::ExpectVerified(folder.path());

  EXPECT_FALSE(other(Keys({raise("400"), {key::kEsc}}), [&] {
    support::OtherWorkstation settlement(folder.path());
    ASSERT_TRUE(settlement.Hold("GIRODBT", 2).Put("KREDIT", N(350)).ok());
    settlement.Release();
  }));
  EXPECT_EQ(debet(), 400);
}

TEST_F(InstrumentsTest, ListsAreRewrittenInPlaceAndBlankLinesAreNotStored) {
  const frame::OpenedTables tables =
      frame::OpenTables(rig.session, {{"GIRO_PI", "giro_pi"}, {"GIRO_RL", "giro_rl"}, {"MASTCUS", "Mastcus"}});
  ASSERT_TRUE(tables);
  AddRows(Open(rig.session, "giro_pi"), {{{"NOMOR", T("G1")}, {"PRO_IN", T("PI1")}, {"NILAI_PRO", N(10)}},
                                         {{"NOMOR", T("G1")}, {"PRO_IN", T("PI2")}, {"NILAI_PRO", N(20)}}});
  InstrumentLists lists;
  ASSERT_TRUE(LoadInstrumentLists(tables, "G1", &lists).ok());
  ASSERT_EQ(lists.proformas.size(), 3u);
  EXPECT_EQ(xbase::RTrim(lists.proformas[1][1].text()), "PI2");
  EXPECT_TRUE(xbase::IsBlank(lists.proformas[2][1].text()));
  // The first line blanked, a line without value added, a customer listed.
  lists.proformas[0][1] = Value::Text(std::string(20, ' '));
  lists.proformas[2][1] = Value::Text("PI3");
  lists.proformas.push_back(lists.proformas[2]);
  lists.proformas[3][1] = Value::Text("PI4");
  lists.proformas[3][4] = Value::Num(0, 16, 2);
  lists.proformas[2][4] = Value::Num(30, 16, 2);
  lists.customers[0][1] = Value::Text("J0001");
  lists.customers[0][3] = Value::Num(99, 16, 2);
  ASSERT_TRUE(SaveInstrumentLists(rig.session, tables, "G1", lists).ok());
  xbase::WorkArea& pays = Open(rig.session, "giro_pi");
  ASSERT_EQ(pays.table().record_count(), 3u);  // PI4 without a value is not appended
  ASSERT_TRUE(pays.GoTo(1).ok());
  EXPECT_TRUE(pays.deleted());
  EXPECT_EQ(StoredText(pays, 2, "PRO_IN"), "PI2");
  EXPECT_EQ(StoredText(pays, 3, "PRO_IN"), "PI3");
  EXPECT_EQ(pays.Number("NILAI_PRO"), 30);
  EXPECT_EQ(StoredText(Open(rig.session, "giro_rl"), 1, "RELASI"), "J0001");
}

// A customer typed into the instrument's list is checked against the customers: one that cannot be
// read is the failure on row 24 and the line stays empty, so nothing of it is saved.
TEST_F(InstrumentsTest, ACustomerOfTheListThatCannotBeReadIsShownAndNotTaken) {
  support::DamageIndexPages(folder.path(), "MASTCUS");
  const frame::OpenedTables tables =
      frame::OpenTables(rig.session, {{"GIRO_PI", "giro_pi"}, {"GIRO_RL", "giro_rl"}, {"MASTCUS", "Mastcus"}});
  ASSERT_TRUE(tables);
  InstrumentLists lists;
  ASSERT_TRUE(LoadInstrumentLists(tables, "G1", &lists).ok());
  rig.term.AddKeys(Keys({{key::kEsc}, Typed("J0001"), {key::kEnter}, {' '}, {key::kEsc}, {key::kEsc}}));
  EditInstrumentLists(rig.session, tables, &lists);
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "MASTCUS"));
  ASSERT_EQ(lists.customers.size(), 1u);
  EXPECT_TRUE(xbase::IsBlank(lists.customers[0][1].text()));
  ASSERT_TRUE(SaveInstrumentLists(rig.session, tables, "G1", lists).ok());
  EXPECT_EQ(Open(rig.session, "giro_rl").table().record_count(), 0u);
}

TEST_F(InstrumentsTest, CustomerAndDateChecks) {
  ASSERT_TRUE(frame::OpenTable(rig.session, "MASTCUS", false, "Mastcus"));
  std::string customer = "J0001     ";
  std::string company = "    ";
  EXPECT_TRUE(CRLS(rig.session, &customer, &company, false));
  EXPECT_EQ(company, "    ");
  EXPECT_TRUE(CRLS(rig.session, &customer, &company, true));
  EXPECT_EQ(company, "7   ");
  customer = "J000      ";
  EXPECT_FALSE(CRLS(rig.session, &customer, &company, true));
  EXPECT_TRUE(Shown(rig.term, "Relasi tidak terdaftar"));
  customer = std::string(10, ' ');
  EXPECT_TRUE(CRLS(rig.session, &customer, &company, true));
  rig.session.MMEMBER.rights.clear();
  EXPECT_FALSE(CHKTG(rig.session, xbase::Date::FromYmd(2026, 11, 30)));
  EXPECT_TRUE(CHKTG(rig.session, xbase::Date::FromYmd(2026, 12, 1)));
  rig.session.MMEMBER.rights = "SPV";
  EXPECT_TRUE(CHKTG(rig.session, xbase::Date::FromYmd(2025, 1, 1)));
}

}  // namespace
}  // namespace receivables
