// The cell checks of a receipt line and the information panel's figures that bound the amounts.
#include <gtest/gtest.h>

#include "receivables/receipt.h"
#include "receivables/receivables_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/scripted_session.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class ReceiptRulesTest : public ::testing::Test {
 protected:
  ReceiptRulesTest() {
    rig.session.SetSearchPath(folder.path());
    tables = OpenReceiptTables(rig.session);
    EXPECT_TRUE(tables);
    AddSettlementCodes(rig.session);
    for (const char* code : {"DB", "DC", "DV"}) AddSetting(rig.session, std::string("ISINOMOR") + code, "");
    AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
    AddInvoice(rig.session, "INV2", "J0002", 1000, kDay, "02");
    AddInvoice(rig.session, "LATE", "J0001", 1000, kDay + 1);
    AddInvoice(rig.session, "BDG", "J0001", 1000, kDay, "01", "BDG001");
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddRows(Open(rig.session, "OTL_MBR"), {{{"KODE", T("GRP1")}, {"MEMBER", T("J0001")}},
                                           {{"KODE", T("GRP1")}, {"MEMBER", T("J0003")}},
                                           {{"KODE", T("GRP2")}, {"MEMBER", T("J0002")}}});
    receipt = MakeReceipt({Line(1, "INV1", "", "", 0)}, kDay, "0000000007");
    Check(kNota, "INV1");  // the invoice's data comes into the line
  }

  // Checks `text` (or an amount) typed into a column of line 0; the value as the check left it
  // goes to `left`.
  bool Check(ReceiptColumn column, const std::string& text, std::string* left = nullptr) {
    const int width = column == kCode ? 2 : 20;
    Value value = Value::Text(xbase::PadR(text, width));
    const bool ok = VALIDASIENTRY(rig.session, tables, &value, column, &receipt, 0, figures);
    if (ok) receipt.lines[0][column] = value;
    if (left != nullptr) *left = value.text();
    return ok;
  }
  bool CheckAmount(double amount, size_t line = 0) {
    Value value = Value::Num(amount, 16, 2);
    return VALIDASIENTRY(rig.session, tables, &value, kAmount, &receipt, line, figures);
  }
  // The instrument check of a line with `code` on instrument `nomor`.
  bool Pays(const std::string& code, const std::string& nomor, std::string* left = nullptr) {
    receipt.lines[0][kCode] = Value::Text(xbase::PadR(code, 2));
    return Check(kInstrument, nomor, left);
  }
  // The last message on row 24.
  std::string Message() {
    const auto& screens = rig.term.screens();
    return screens.empty() ? "" : std::string(xbase::AllTrim(console::ScriptedTerminal::Text(screens.back(), 24)));
  }

  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
  frame::OpenedTables tables;  // as the receipt screen opens them
  Receipt receipt;
  PanelFigures figures;
};

TEST_F(ReceiptRulesTest, TheLineLimitCountsTheAmountBeingTyped) {
  rig.session.MAXBARIS = 3;
  receipt.lines = {Line(1, "INV1", "DB", "", 1), Line(2, "INV1", "FS", "", 2), Line(3, "INV1", "FS", "", 3),
                   Line(4, "INV1", "FS", "", 0)};
  EXPECT_FALSE(CheckAmount(4, 3));
  EXPECT_EQ(Message(), "Maximal Baris per TT hanya :  3");
  EXPECT_TRUE(CheckAmount(0, 3));
  EXPECT_TRUE(CheckAmount(20, 1));  // an existing line may still be changed
  receipt.lines[3][kAmount] = Value::Num(4, 16, 2);
  EXPECT_FALSE(Check(kNote, "catatan"));  // past the limit every cell is refused ...
  EXPECT_TRUE(CheckAmount(0, 3));         // ... but the amount that put it there may go
}

TEST_F(ReceiptRulesTest, InvoiceMustExistBeDatedByTheReceiptAndBelongToItsBranch) {
  EXPECT_EQ(LineText(receipt.lines[0], kCustomer), "J0001     ");
  EXPECT_EQ(receipt.lines[0][kDue].date(), kDay + 30);
  EXPECT_FALSE(Check(kNota, "INV"));  // no prefix match
  EXPECT_FALSE(Check(kNota, "LATE"));
  EXPECT_EQ(Message(), "Tanggal Nota 06-12-2026 > dari tanggal TT 05-12-2026");
  EXPECT_FALSE(Check(kNota, "BDG"));
  EXPECT_EQ(Message(), "kode cabang tidak sama");
  EXPECT_TRUE(Check(kNota, "INV2"));
  EXPECT_EQ(LineText(receipt.lines[0], kType), "02");
}

TEST_F(ReceiptRulesTest, SpecialCodesSettleOnlyTheirInvoiceTypes) {
  AddSetting(rig.session, "KHUSUS_FS1", "03");
  AddSetting(rig.session, "KHUSUS_FS2", " 0");
  std::string left;
  EXPECT_FALSE(Check(kCode, "  "));
  EXPECT_FALSE(Check(kCode, "ZZ"));
  EXPECT_TRUE(Check(kCode, "FS"));  // type "01" begins with "0"
  ASSERT_TRUE(Check(kNota, "INV2"));
  AddSetting(rig.session, "KHUSUS_DB", "01");
  EXPECT_FALSE(Check(kCode, "DB", &left));
  EXPECT_EQ(Message(), "Tipe SURAT JALAN tidak sesuai");
  EXPECT_EQ(left, "  ");
}

TEST_F(ReceiptRulesTest, InstrumentsMustBeRegisteredActiveOfTheRightKindAndCustomer) {
  AddInstrument(rig.session, "G1", "GIRO", "J0003", 500, kDay);
  AddInstrument(rig.session, "T9", "TRSO", "J0009", 500, kDay);
  AddInstrument(rig.session, "T8", "TRSO", "J0009", 500, kDay, "", true);
  AddInstrument(rig.session, "C8", "CSHO", "J0009", 500, kDay, "", true);
  AddInstrument(rig.session, "C7", "CSHO", "J0009", 500, kDay);
  AddInstrument(rig.session, "R1", "RTRA", "J0001", 500, kDay);
  AddInstrument(rig.session, "OFF", "GIRO", "J0001", 500, kDay);
  xbase::WorkArea& instruments = Open(rig.session, "GIRODBT");
  ASSERT_TRUE(instruments.GoTo(7).ok() && instruments.Lock().ok());
  ASSERT_TRUE(instruments.Put("REALISASI", Value::Logical(false)).ok() && instruments.Unlock().ok());
  AddRows(Open(rig.session, "GIRO_RL"), {{{"NOMOR", T("C7")}, {"RELASI", T("J0001")}}});
  std::string left;

  EXPECT_TRUE(Pays("FS", "anything at all"));  // a code without an "ISINOMOR" row
  EXPECT_FALSE(Pays("BL", "", &left));
  EXPECT_EQ(Message(), "Pos Nomor ini harus diisi");
  EXPECT_FALSE(Pays("BL", "G", &left));
  EXPECT_EQ(Message(), "Nomor belum didata");
  EXPECT_TRUE(xbase::IsBlank(left));
  EXPECT_FALSE(Pays("BL", "OFF", &left));
  EXPECT_EQ(Message(), "Nomor OFF ini tidak aktif");
  EXPECT_EQ(xbase::RTrim(left), "OFF");
  EXPECT_FALSE(Pays("CS", "G1", &left));
  EXPECT_EQ(Message(), "bukan untuk CASH");
  EXPECT_FALSE(Pays("BT", "G1"));
  EXPECT_EQ(Message(), "ini bukan untuk pelunasan BT");
  EXPECT_FALSE(Pays("RA", "G1"));
  EXPECT_EQ(Message(), "bukan untuk RETUR RA");
  EXPECT_TRUE(Pays("RA", "R1"));
  // Another customer's instrument: the outlet group, the instrument's customer list, or received
  // for another branch (not with cash).
  EXPECT_TRUE(Pays("BL", "G1"));  // J0003 shares the group of J0001
  EXPECT_FALSE(Pays("BT", "T9", &left));
  EXPECT_EQ(Message(), "relasi tidak sesuaiJ0009 J0001");
  EXPECT_TRUE(xbase::IsBlank(left));
  EXPECT_TRUE(Pays("BT", "T8"));
  EXPECT_FALSE(Pays("CS", "C8"));
  EXPECT_EQ(Message(), "relasi J0001 tidak termasuk dalam kelompok");
  EXPECT_TRUE(Pays("CL", "C7"));  // listed in GIRO_RL
}

// Another customer's instrument pays when the customers share an outlet group or the instrument lists
// the customer: a list or membership that cannot be read is the failure shown, never "relasi tidak
// sesuai", and the number typed stays.
TEST_F(ReceiptRulesTest, AnInstrumentsCustomerListThatCannotBeReadIsTheFailure) {
  AddInstrument(rig.session, "G1", "GIRO", "J0003", 500, kDay);
  AddInstrument(rig.session, "C7", "CSHO", "J0009", 500, kDay);
  AddRows(Open(rig.session, "GIRO_RL"), {{{"NOMOR", T("C7")}, {"RELASI", T("J0001")}}});
  std::string left;
  support::DamageOpenIndexPages(folder.path(), "GIRO_RL");
  EXPECT_FALSE(Pays("CL", "C7", &left));
  EXPECT_NE(Message().find("GIRO_RL"), std::string::npos) << Message();
  EXPECT_EQ(xbase::RTrim(left), "C7");
  support::DamageOpenIndexPages(folder.path(), "OTL_MBR");
  EXPECT_FALSE(Pays("BL", "G1", &left));
  EXPECT_NE(Message().find("OTL_MBR"), std::string::npos) << Message();
  EXPECT_EQ(xbase::RTrim(left), "G1");
}

TEST_F(ReceiptRulesTest, VouchersPayTheirOwnDeductionsAndGirosWaitForTheirMonth) {
  AddInstrument(rig.session, "V1", "VCHR", "J0009", 500, kDay, "DC PROMO");
  AddInstrument(rig.session, "G2", "GIRO", "J0001", 500, xbase::Date::FromYmd(2026, 12, 28));
  AddInstrument(rig.session, "G3", "GIRO", "J0001", 500, xbase::Date::FromYmd(2027, 1, 2));
  std::string left;
  EXPECT_TRUE(Pays("DC", "V1"));
  EXPECT_TRUE(Pays("DV", "V1"));
  EXPECT_FALSE(Pays("DB", "V1", &left));
  EXPECT_EQ(Message(), "bukan untuk potongan DB");
  EXPECT_TRUE(xbase::IsBlank(left));
  EXPECT_FALSE(Pays("DB", "G2"));
  EXPECT_EQ(Message(), "bukan untuk potongan");
  EXPECT_TRUE(Pays("BS", "G2"));
  EXPECT_EQ(receipt.lines[0][kDue].date(), xbase::Date::FromYmd(2026, 12, 28));
  EXPECT_FALSE(Pays("BS", "G3", &left));
  EXPECT_EQ(Message(), "Tanggal TT harus >= tanggal Jatuh Tempo BG");
  EXPECT_EQ(xbase::RTrim(left), "G3");
  rig.session.MMEMBER.rights = "/EDP";
  EXPECT_TRUE(Pays("BS", "G3"));
}

TEST_F(ReceiptRulesTest, PanelLeavesOutThisReceiptByBranchAndNumberAndBoundsTheAmount) {
  AddInstrument(rig.session, "G1", "GIRO", "J0001", 1000, kDay);
  AddRows(Open(rig.session, "PIUTKR2"),
          {{{"KDCB", T(kBranch)}, {"NOMOR", T("0000000007")}, {"NOTA", T("INV1")}, {"KD_TT", T("BL")},
            {"NO_BUKTI", T("G1")}, {"KREDIT", N(999)}},  // this receipt as stored: left out
           {{"KDCB", T(kBranch)}, {"NOMOR", T("0000000003")}, {"NOTA", T("INV1")}, {"KD_TT", T("BL")},
            {"NO_BUKTI", T("G1")}, {"KREDIT", N(300)}},
           {{"KDCB", T("BDG001")}, {"NOMOR", T("0000000007")}, {"NOTA", T("INV1")}, {"KD_TT", T("BL")},
            {"NO_BUKTI", T("G1")}, {"KREDIT", N(100)}}});
  AddRows(Open(rig.session, "GIROKR1"), {{{"NOMOR", T("HO1")}, {"KDCB", T("PST001")}}});
  AddRows(Open(rig.session, "GIROKR2"), {{{"NOMOR", T("HO1")}, {"NO_BUKTI", T("G1")}, {"KREDIT", N(25)}}});
  AddRows(Open(rig.session, "PIUTJBL"), {{{"NOTA", T("INV1")}, {"NOMOR", T("J1")}, {"NO_BUKTI", T("G1")},
                                          {"DEBET", N(80)}, {"KREDIT", N(30)}}});
  receipt.lines = {Line(1, "INV1", "BL", "G1", 0), Line(2, "INV1", "BL", "G1", 200)};
  receipt.lines[0][kCustomer] = Value::Text("J0001");
  DrawPanelLabels(rig.con);
  ASSERT_TRUE(INFORMASI(rig.session, tables, receipt, 0, &figures).ok());
  // The instrument's date keeps a blank before the next label.
  EXPECT_EQ(rig.con.Text(20, 39, 27), "Tanggal : " + xbase::Dtoc(kDay) + " Sisa :");
  // 1000 - 300 - 100 (another branch's receipt 0000000007) - 25 - 200 + (80 - 30)
  EXPECT_DOUBLE_EQ(figures.instrument_remaining, 425);
  // 1000 + (80 - 30) - (300 + 100 + 200)
  EXPECT_DOUBLE_EQ(figures.invoice_balance, 450);
  EXPECT_EQ(rig.con.Text(20, 66, 14), "        425.00");
  EXPECT_EQ(rig.con.Text(21, 12, 14), "        600.00");
  EXPECT_EQ(rig.con.Text(18, 10, 17), "TB. SINAR ILMU   ");
  EXPECT_FALSE(CheckAmount(425.01));
  EXPECT_EQ(Message(), "Sisa nilai tinggal 425.00");
  EXPECT_TRUE(CheckAmount(425));

  AddSetting(rig.session, "MAXDCJK_FB", "+ 50");
  AddSetting(rig.session, "MAXDCJK_FS", "% 10");
  receipt.lines[0][kCode] = Value::Text("FB");
  EXPECT_FALSE(CheckAmount(50.01));
  EXPECT_EQ(Message(), "Maximal nilai FB 50.00");
  EXPECT_TRUE(CheckAmount(50));
  receipt.lines[0][kCode] = Value::Text("FS");
  EXPECT_FALSE(CheckAmount(45.5));
  EXPECT_EQ(Message(), "Maximal nilai FS 45.00");
  // Without an instrument the remaining value keeps its last figure and its fields go blank.
  ASSERT_TRUE(INFORMASI(rig.session, tables, receipt, 0, &figures).ok());
  EXPECT_DOUBLE_EQ(figures.instrument_remaining, 425);
  EXPECT_EQ(rig.con.Text(20, 66, 14), "              ");
}

// A settlement code's rules sit in SETUP: whether it names an instrument, the invoice types it settles
// and the bound of its amount. Rows that cannot be read refuse the code and the amount with the failure,
// never "no rule": an amount past its bound is not let through, and the panel gives the failure back.
TEST_F(ReceiptRulesTest, SettlementRulesThatCannotBeReadRefuseTheCodeAndTheAmount) {
  AddSetting(rig.session, "KHUSUS_FS1", "01");
  AddSetting(rig.session, "MAXDCJK_FB", "+ 50");
  receipt.lines[0][kCode] = Value::Text("FB");
  EXPECT_FALSE(CheckAmount(50.01));
  EXPECT_EQ(Message(), "Maximal nilai FB 50.00");

  support::DamageOpenIndexPages(folder.path(), "SETUP");
  const std::string failure = "SETUP.ntx: page at 1024: item count 65535 above 50";
  EXPECT_FALSE(CheckAmount(50.01));
  EXPECT_NE(Message().find(failure), std::string::npos) << Message();
  EXPECT_FALSE(CheckAmount(10));
  EXPECT_NE(Message().find(failure), std::string::npos) << Message();
  std::string left;
  EXPECT_FALSE(Check(kCode, "FS", &left));
  EXPECT_NE(Message().find(failure), std::string::npos) << Message();
  EXPECT_FALSE(Pays("DB", "G1", &left));
  EXPECT_NE(Message().find(failure), std::string::npos) << Message();
  const xbase::Status s = INFORMASI(rig.session, tables, receipt, 0, &figures, false);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find(failure), std::string::npos) << s.message();
}

}  // namespace
}  // namespace receivables
