// The instrument's acknowledgement bytes, its clearing date, the revision files sent and merged, the
// activation import, and the customer lock.
#include <gtest/gtest.h>

#include <memory>

#include "console/keys.h"
#include "platform/fake_printers.h"
#include "receivables/over.h"
#include "receivables/piuttt.h"
#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "receivables/tgiro.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

// The records of a table as "NOMOR:FIELD" texts, deleted ones marked with "-".
std::vector<std::string> Rows(frame::Session& session, const std::string& table, const std::string& field) {
  xbase::WorkArea& area = Open(session, table);
  std::vector<std::string> rows;
  for (uint32_t r = 1; r <= area.table().record_count(); ++r) {
    const std::string nomor = StoredText(area, r, "NOMOR");
    const std::string value = field == "DEBET" ? xbase::Str(area.Number(field), 10, 2) : area.Text(field);
    rows.push_back((area.deleted() ? "-" : "") + nomor + ":" + std::string(xbase::AllTrim(value)));
  }
  return rows;
}

TEST(AcknowledgementTest, BytesCarryTheInstrumentTheAmountInWordsAndTheSignatures) {
  const Acknowledgement a{"BCA 555", xbase::Date::FromYmd(2026, 12, 15), "TB SINAR ILMU", "BANK BCA JAKARTA", 1250000.5,
                          xbase::Date::FromYmd(2026, 12, 8)};
  const std::string bytes = AcknowledgementBytes(a);
  const std::string head = "     TANDA TERIMA GIRO/TRANFER\r\n\r\n     Nomor Giro/ Tranfer  : BCA 555\r\n\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_NE(bytes.find("     Tanggal Jatuh Tempo  : 15-12-2026\r\n\r\n     Relasi               : TB SINAR ILMU\r\n\r\n"
                       "     Diterima Bank        : BANK BCA JAKARTA\r\n\r\n"
                       "     Nominal              :      1,250,000.50\r\n\r\n     Terbilang            : \r\n" +
                       std::string(28, ' ') + "\x0F# satu juta dua ratus lima puluh ribu koma  lima nol rupiah#\x12\r\n\r\n\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_NE(bytes.find("    (             )            (              )     (              )\r\n"
                       "       Marketing                  Accounting           Accounting   \r\n\r\n"
                       "    \x0Ftgl. cetak : 08-12-2026\x12\r\n\x0C"),
            std::string::npos);
  EXPECT_EQ(bytes.back(), '\x0C');
}

class GiroScreensTest : public ::testing::Test {
 protected:
  GiroScreensTest() {
    rig.session.SetSearchPath(folder.path());
    rig.session.MMEMBER.rights = "/SPV";
    AddSetting(rig.session, "TMPFILEEXP", transfer.path());
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 500, kDay);
    AddInstrument(rig.session, "T1", "TRSO", "J0001", 900, kDay);
    AddRows(Open(rig.session, "MASTACC"), {{{"ACCOUNT", T("1102")}, {"DESCRIP", T("BANK BCA JAKARTA")}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }
  void Run(xbase::Status (*entry)(frame::Session&, const std::vector<Value>&), const std::vector<int>& keys) {
    rig.term.AddKeys(keys);
    ASSERT_TRUE(entry(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // The instruments in the revision file of the transfer folder.
  uint32_t SentRevisions() {
    xbase::Session files(xbase::SearchPath({transfer.path()}));
    xbase::WorkArea* sent = nullptr;
    EXPECT_TRUE(files.Use("rlt_gr", "", xbase::OpenMode::kShared, &sent).ok());
    return sent == nullptr ? 0 : sent->table().record_count();
  }

  support::TempDataFolder folder = ReceivablesFolder();
  support::TempFolder transfer;
  SessionRig rig;
};

TEST_F(GiroScreensTest, AcknowledgementPrintsTheRegisteredInstrument) {
  auto owned = std::make_unique<platform::FakeRawPrinter>("LX300");
  platform::FakeRawPrinter* printer = owned.get();
  rig.session.services().UseDevices(std::move(owned), std::make_unique<platform::FakePrintSystem>());
  Run(GIROTT, Keys({Line("G9"), {key::kEnter, key::kHome, 25}, Line("G1"), {key::kEnter, key::kEnter, key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "giro / tranfer tidak ketemu"));
  EXPECT_TRUE(Shown(rig.term, "Siapkan printer, tekan sembarang tombol utuk cetak"));
  ASSERT_EQ(printer->jobs().size(), 1u);
  EXPECT_NE(printer->AllBytes().find("Diterima Bank        : BANK BCA JAKARTA"), std::string::npos);
  EXPECT_NE(printer->AllBytes().find("Nominal              :            500.00"), std::string::npos);
}

TEST_F(GiroScreensTest, ClearingDateIsWrittenForGirosOnlyAndComesBack) {
  Run(ITC, Keys({Line("T1"), {key::kEnter, key::kHome, 25}, Line("G1"), Line("20122026"), Line("Y"), Line("TOLAK BANK"),
                 {'Y'}, {key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "bukan nomor giro"));
  xbase::WorkArea& clearing = Open(rig.session, "GIROCAIR");
  ASSERT_EQ(clearing.table().record_count(), 1u);
  EXPECT_EQ(StoredText(clearing, 1, "NOTES"), "TOLAK BANK");
  EXPECT_EQ(clearing.DateOf("TANGGAL"), xbase::Date::FromYmd(2026, 12, 20));
  EXPECT_TRUE(clearing.Logical("KOSONG"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // Loaded again and answered "no": nothing changes and no second row comes.
  Run(ITC, Keys({Line("G1"), {key::kEnter, key::kEnter, key::kEnter}, {'T'}, {key::kEsc}}));
  EXPECT_EQ(Open(rig.session, "GIROCAIR").table().record_count(), 1u);
}

TEST_F(GiroScreensTest, EscAtTheRegisterRowSendsNoRevision) {
  support::SettleSmallFolder(folder.path());
  ASSERT_TRUE(CreateRevisionFiles(transfer.path()).ok());
  support::OtherWorkstation other(folder.path());
  other.Hold("GIRODBT", 1);
  const std::vector<int> send = Keys({Line("G1"), {key::kHome, 25}, Line("750"), Line("20122026"), {'y'}});
  Run(KRGIRO, Keys({{key::kEnter}, {'y'}, send, {key::kEsc, ' ', ' '}, {key::kEsc, key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file GIRODBT.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(Rows(rig.session, "GIRODBT", "DEBET").front(), "G1:500.00");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(SentRevisions(), 0u);

  other.Release();
  Run(KRGIRO, Keys({{key::kEnter}, {'y'}, send, {key::kEsc, key::kEsc}}));
  EXPECT_EQ(Rows(rig.session, "GIRODBT", "DEBET").front(), "G1:750.00");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(SentRevisions(), 1u);
  support::ExpectVerified(folder.path());
}

TEST_F(GiroScreensTest, RevisionsSentFromOneSiteMergeIntoAnotherAndAgainWithoutChange) {
  ASSERT_TRUE(CreateRevisionFiles(transfer.path()).ok());
  AddRows(Open(rig.session, "GIRO_PI"), {{{"NOMOR", T("G1")}, {"PRO_IN", T("PI1")}, {"NILAI_PRO", N(100)}},
                                         {{"NOMOR", T("G1")}, {"PRO_IN", T("PI2")}, {"NILAI_PRO", N(200)}}});
  AddRows(Open(rig.session, "GIRO_RL"), {{{"NOMOR", T("G1")}, {"RELASI", T("J0002")}}});
  AddRows(Open(rig.session, "GIROKDT"), {{{"NOMOR", T("G1")}, {"KDCB", T("SBY001")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // Sent twice: the lists go out once; the new value and due date are kept.
  const std::vector<int> send = Keys({Line("G1"), {key::kHome, 25}, Line("750"), Line("20122026"), {'y'}});
  Run(KRGIRO, Keys({{key::kEnter}, {'y'}, send, send, {key::kEsc, key::kEsc}}));
  EXPECT_EQ(Rows(rig.session, "GIRODBT", "DEBET").front(), "G1:750.00");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // The receiving site: G1 known with three proforma rows (one deleted), T1 unchanged.
  support::TempDataFolder other = ReceivablesFolder();
  rig.session.SetSearchPath(other.path());
  AddSetting(rig.session, "TMPFILEEXP", transfer.path());
  AddInstrument(rig.session, "G1", "GIRO", "J0001", 500, kDay);
  AddRows(Open(rig.session, "GIRO_PI"), {{{"NOMOR", T("G1")}, {"PRO_IN", T("OLD1")}},
                                         {{"NOMOR", T("G1")}, {"PRO_IN", T("OLD2")}},
                                         {{"NOMOR", T("G1")}, {"PRO_IN", T("OLD3")}}});
  xbase::WorkArea& pays = Open(rig.session, "GIRO_PI");
  ASSERT_TRUE(pays.GoTo(2).ok() && pays.Lock().ok() && pays.Delete().ok() && pays.Unlock().ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  for (int round = 0; round < 2; ++round) {
    Run(IMGIRO, Keys({{key::kEnter}, {key::kEnter}, {key::kEnter}}));
    EXPECT_TRUE(Shown(rig.term, "Impor selesai: 1 penerimaan"));
    EXPECT_EQ(Rows(rig.session, "GIRODBT", "DEBET"), (std::vector<std::string>{"G1:750.00"}));
    EXPECT_EQ(Open(rig.session, "GIRODBT").DateOf("TANGGAL"), xbase::Date::FromYmd(2026, 12, 20));
    EXPECT_EQ(Rows(rig.session, "GIRO_PI", "PRO_IN"), (std::vector<std::string>{"G1:PI1", "G1:PI2", "-G1:OLD3"}));
    EXPECT_EQ(Rows(rig.session, "GIRO_RL", "RELASI"), (std::vector<std::string>{"G1:J0002"}));
    EXPECT_EQ(Rows(rig.session, "GIROKDT", "KDCB"), (std::vector<std::string>{"G1:SBY001"}));
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }
}

TEST_F(GiroScreensTest, RevisionFilesThatAreMissingAreNamed) {
  Run(IMGIRO, Keys({{key::kEnter}, {key::kEnter}, {key::kEnter}}));
  EXPECT_TRUE(Shown(rig.term, "rlt_gr"));
  EXPECT_FALSE(Shown(rig.term, "Impor selesai"));
}

TEST_F(GiroScreensTest, ActivationSwitchesInstrumentsOnAndOff) {
  xbase::Session& tables = rig.session.tables();
  tables.set_search_path(xbase::SearchPath({transfer.path()}));
  xbase::WorkArea* flags = nullptr;
  ASSERT_TRUE(tables.CreateTable("gr_aktif", {{"NOMOR", 'C', 20, 0, 0}, {"STATUS", 'L', 1, 0, 0}}).ok());
  ASSERT_TRUE(tables.Use("gr_aktif", "", xbase::OpenMode::kShared, &flags).ok());
  AddRows(*flags, {{{"NOMOR", T("G1")}, {"STATUS", Value::Logical(false)}},
                   {{"NOMOR", T("X9")}, {"STATUS", Value::Logical(false)}}});
  ASSERT_TRUE(tables.CloseAll().ok());
  rig.session.SetSearchPath(folder.path());
  Run(GRAKTIF, Keys({{key::kEnter}, {'Y'}, {key::kEnter}}));
  EXPECT_TRUE(Shown(rig.term, "Selesai: 1 giro diperbarui"));
  xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(giros.GoTo(1).ok());
  EXPECT_FALSE(giros.Logical("REALISASI"));
  ASSERT_TRUE(giros.GoTo(2).ok());
  EXPECT_TRUE(giros.Logical("REALISASI"));
}

// Each gr_aktif row is one save over every instrument row of its number: Esc at a lock another
// workstation holds stops the import there, the rows before switched, nothing of that one.
TEST_F(GiroScreensTest, ActivationStoppedAtALockNamesTheRowAndSwitchesNothingOfIt) {
  AddInstrument(rig.session, "G1", "GIRO", "J0002", 300, kDay);
  xbase::Session& tables = rig.session.tables();
  ASSERT_TRUE(tables.CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  tables.set_search_path(xbase::SearchPath({transfer.path()}));
  xbase::WorkArea* flags = nullptr;
  ASSERT_TRUE(tables.CreateTable("gr_aktif", {{"NOMOR", 'C', 20, 0, 0}, {"STATUS", 'L', 1, 0, 0}}).ok());
  ASSERT_TRUE(tables.Use("gr_aktif", "", xbase::OpenMode::kShared, &flags).ok());
  AddRows(*flags, {{{"NOMOR", T("T1")}, {"STATUS", Value::Logical(false)}},
                   {{"NOMOR", T("G1")}, {"STATUS", Value::Logical(false)}}});
  ASSERT_TRUE(tables.CloseAll().ok());
  rig.session.SetSearchPath(folder.path());
  const auto realised = [&] {
    std::vector<bool> on;
    xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
    for (uint32_t r = 1; r <= 3; ++r) on.push_back(giros.GoTo(r).ok() && giros.Logical("REALISASI"));
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return on;
  };
  {
    support::OtherWorkstation other(folder.path());
    other.Hold("GIRODBT", 3);
    Run(GRAKTIF, Keys({{key::kEnter}, {'Y'}, {key::kEsc, ' ', ' '}}));
    EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 3 file GIRODBT.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Impor berhenti di gr_aktif record 2 (G1): giro ini tidak diperbarui"));
    EXPECT_FALSE(Shown(rig.term, "Selesai:"));
    EXPECT_EQ(realised(), (std::vector<bool>{true, false, true}));
  }
  Run(GRAKTIF, Keys({{key::kEnter}, {'Y'}, {key::kEnter}}));
  EXPECT_TRUE(Shown(rig.term, "Selesai: 3 giro diperbarui"));
  EXPECT_EQ(realised(), (std::vector<bool>{false, false, false}));
  support::ExpectVerified(folder.path());
}

TEST_F(GiroScreensTest, CustomerLockKeepsItsReasonAndReleasesOnlyItsOwnMark) {
  AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"NAMA", T("TB. SINAR ILMU")}},
                                         {{"RELASI", T("J0002")}, {"OUTLET", T("RETL")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  Run(OVER, Keys({Line("J9"), {key::kEnter, key::kHome, 25}, Line("J0001"), Line("Y"), Line("TELAT BAYAR 90 HARI"),
                  Line("J0002"), Line("N"), {key::kEnter}, {key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "KUNCI RELASI"));
  EXPECT_TRUE(Shown(rig.term, "Relasi tidak terdaftar"));
  xbase::WorkArea& customers = Open(rig.session, "MASTCUS");
  EXPECT_EQ(StoredText(customers, 1, "OUTLET"), "OVER");
  EXPECT_EQ(StoredText(customers, 2, "OUTLET"), "RETL");  // "N" leaves another outlet code alone
  xbase::WorkArea& setup = Open(rig.session, "SETUP");
  ASSERT_TRUE(setup.Seek("XJ0001    ").ok() && setup.found());
  EXPECT_EQ(StoredText(setup, setup.recno(), "KET"), "TELAT BAYAR 90 HARI");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // Released: the mark goes, the reason stays and shows again.
  Run(OVER, Keys({Line("J0001"), Line("N"), {key::kEnter}, Line("J0001"), {key::kEsc}}));
  EXPECT_EQ(StoredText(Open(rig.session, "MASTCUS"), 1, "OUTLET"), "");
  EXPECT_TRUE(Shown(rig.term, "TELAT BAYAR 90 HARI"));
}

TEST_F(GiroScreensTest, EscAtTheCustomersLockWritesNeitherMarkNorReason) {
  AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"NAMA", T("TB. SINAR ILMU")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  support::OtherWorkstation other(folder.path());
  other.Hold("MASTCUS", 1);
  const std::vector<int> lock = Keys({Line("J0001"), Line("Y"), Line("TELAT BAYAR 90 HARI")});
  Run(OVER, Keys({lock, {key::kEsc, ' ', ' '}, {key::kEsc}}));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(StoredText(Open(rig.session, "MASTCUS"), 1, "OUTLET"), "");
  xbase::WorkArea& setup = Open(rig.session, "SETUP");
  ASSERT_TRUE(setup.Seek("XJ0001    ").ok());
  EXPECT_FALSE(setup.found());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  Run(OVER, Keys({lock, {key::kEsc}}));
  EXPECT_EQ(StoredText(Open(rig.session, "MASTCUS"), 1, "OUTLET"), "OVER");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace receivables
