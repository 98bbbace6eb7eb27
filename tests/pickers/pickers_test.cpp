// The lookups through the scripted terminal: refusals and their messages, the pick lists by code
// and by name, and the values handed back.
#include "pickers/pickers.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/data_folder.h"
#include "support/sample_customers.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace pickers {

using support::AddRows;
using support::Keys;
using support::N;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::T;
using support::TempDataFolder;

namespace {

using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;

class PickersTest : public ::testing::Test {
 protected:
  PickersTest() {
    rig.session.SetSearchPath(folder.path());
    support::AddSampleCustomers(rig.session);
    AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("FREEEEEEF1")}}, {{"SETUP", T("TYPET1AB")}}});
  }
  void Keys(std::vector<int> keys) { rig.term.AddKeys(keys); }

  TempDataFolder folder{{"MASTCUS", "RELASI_EXT", "SETUP", "MASTBRJ", "MASTGDG", "MASTSLS", "TIPE", "PERUSH",
                         "MASTSUP", "DATABM", "PARETO", "PATRON", "CABANG"}};
  SessionRig rig;
};

TEST_F(PickersTest, BranchCodeTakesTheLongestPrefixRow) {
  const auto branch = [&](std::string_view customer) {
    std::string code = "?";
    EXPECT_TRUE(TENTUKANKODECABANG(rig.session, customer, &code).ok());
    return code;
  };
  EXPECT_EQ(branch("B2230001"), "000223");
  EXPECT_EQ(branch("B2990002"), "000200");
  EXPECT_EQ(branch("X1"), "      ");
}

TEST_F(PickersTest, LcGetCustomerRefusesAnUnknownCodeAndPicksByCodeOrName) {
  std::string code = "Q1";
  std::string branch;
  EXPECT_FALSE(LCGETCUSTOMER(rig.session, &code, &branch));
  EXPECT_TRUE(Shown(rig.term, "Relasi tidak terdaftar"));

  code = "B29?";
  Keys({kDown, kEnter});
  ASSERT_TRUE(LCGETCUSTOMER(rig.session, &code, &branch));
  EXPECT_EQ(code, "B2990003 ");
  EXPECT_EQ(branch, "000200");
  EXPECT_TRUE(Shown(rig.term, "Dicari :B29"));

  code = "/";
  Keys({kEnter});
  ASSERT_TRUE(LCGETCUSTOMER(rig.session, &code, &branch));
  EXPECT_EQ(code, "B2990002 ");  // ALFA MART comes first by name
}

TEST_F(PickersTest, PickListSearchesAsTheUserTypes) {
  std::string code = "/";
  std::string branch;
  Keys({'G', 'A', kEnter});
  ASSERT_TRUE(LCGETCUSTOMER(rig.session, &code, &branch));
  EXPECT_EQ(code, "B2990004 ");
  EXPECT_TRUE(Shown(rig.term, "Dicari :GA"));
}

TEST_F(PickersTest, GoodsAndWarehousesAcceptUnknownCodesWhenAllowed) {
  AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("BRG01")}, {"NAMA", T("PENSIL")}}});
  AddRows(Open(rig.session, "MASTGDG"), {{{"GUDANG", T("G01")}, {"KDCB", T("000223")}}});
  std::string code = "ZZZ", out;
  EXPECT_TRUE(GETKODEBRG(rig.session, &code, true, &out));
  EXPECT_EQ(out, "ZZZ");
  EXPECT_FALSE(GETKODEBRG(rig.session, &code, false, &out));
  code = "";
  EXPECT_FALSE(GETKODEBRG(rig.session, &code, false, &out));
  code = "?";
  Keys({kEnter});
  EXPECT_TRUE(GETKODEBRG(rig.session, &code, false, &out));
  EXPECT_EQ(out, "BRG01     ");

  std::string branch;
  code = "G01";
  EXPECT_TRUE(CEKGUDANG(rig.session, &code, false, &branch));
  EXPECT_EQ(branch, "000223");
  code = "G99";
  EXPECT_TRUE(CEKGUDANG(rig.session, &code));
  EXPECT_FALSE(CEKGUDANG(rig.session, &code, false));
}

TEST_F(PickersTest, SalesmanCompanySupplierAndSmallPickers) {
  AddRows(Open(rig.session, "MASTSLS"), {{{"SALES", T("S01")}, {"NAMA", T("BUDI")}, {"KELOMPOK", T("K1")}}});
  AddRows(Open(rig.session, "PERUSH"), {{{"KODE", T("P1")}, {"NAMA", T("PT SATU")}}});
  AddRows(Open(rig.session, "MASTSUP"), {{{"KODE", T("SUP1")}, {"NAMA", T("PEMASOK")}, {"KOTA", T("MEDAN")}}});
  AddRows(Open(rig.session, "DATABM"), {{{"KODE", T("BM1")}}});
  AddRows(Open(rig.session, "PATRON"), {{{"KODE", T("PT1")}, {"NAMA", T("PATRON SATU")}, {"KEL", T("K2")}, {"PARETO", T("PA")}}});
  AddRows(Open(rig.session, "PARETO"), {{{"KODE", T("PA")}, {"NAMA", T("PARETO A")}}});
  AddRows(Open(rig.session, "CABANG"), {{{"KODE", T("000223")}, {"NAMA", T("MEDAN")}, {"SALES", T("S01")}}});

  std::string code, out, out2, out3;
  EXPECT_FALSE(CSALES(rig.session, &code, &out));
  code = "?";
  Keys({kEnter});
  ASSERT_TRUE(CSALES(rig.session, &code, &out));
  EXPECT_EQ(out, "K1");
  EXPECT_TRUE(Shown(rig.term, "K1K2"));

  code = "P9";
  EXPECT_FALSE(CID(rig.session, &code, &out, "W+/b"));
  EXPECT_TRUE(Shown(rig.term, "Kode Perusahaan Belum terdaftar"));
  EXPECT_TRUE(CID(rig.session, &code, &out, "W+/b", true));
  code = "P1";
  EXPECT_TRUE(CID(rig.session, &code, &out, "W+/b", false, 3, 10));
  EXPECT_EQ(rig.con.Text(3, 10, 8), "PT SATU ");

  code = "SUP1";
  EXPECT_TRUE(GETSUPLIER(rig.session, &code, false, &out, &out2));
  EXPECT_EQ(std::string(xbase::RTrim(out2)), "MEDAN");
  code = "SUP9";
  EXPECT_TRUE(GETSUPLIER(rig.session, &code, true));

  code = "";
  EXPECT_TRUE(CBMMGR(rig.session, &code));
  code = "BM9";
  EXPECT_FALSE(CBMMGR(rig.session, &code));
  code = "PT1";
  ASSERT_TRUE(CARIPATRON(rig.session, &code, &out, &out2, &out3));
  EXPECT_EQ(out2, "K2");
  code = "PA";
  EXPECT_TRUE(GETPARETO(rig.session, &code, &out));
  code = "000223";
  ASSERT_TRUE(CARICABANG_(rig.session, &code, &out, &out2));
  EXPECT_EQ(out2, "S01 ");
  EXPECT_TRUE(GETCB(rig.session, "OUTLET "));
  EXPECT_FALSE(GETCB(rig.session, "NOSUCH"));
}

TEST_F(PickersTest, SaleTypeRefusals) {
  AddRows(Open(rig.session, "TIPE"), {{{"TIPE", T("T1")}, {"EDITING", xbase::Value::Logical(false)}, {"PRICE", T("HARGA1")}},
                                      {{"TIPE", T("F1")}, {"EDITING", xbase::Value::Logical(true)}}});
  SaleType values;
  std::string type = "T1";
  ASSERT_TRUE(CTIPE(rig.session, &type, &values));
  EXPECT_EQ(values.price_field, "field->HARGA1");
  EXPECT_FALSE(CTIPE(rig.session, &type, &values, false, true));
  type = "F1";
  EXPECT_FALSE(CTIPE(rig.session, &type, &values));
  type = "T1";
  EXPECT_FALSE(CTIPE(rig.session, &type, &values, false, false, "B2230001"));
  EXPECT_TRUE(Shown(rig.term, "Paket YES distributor gunakan PROFORMA"));
  type = "";
  EXPECT_TRUE(CTIPE(rig.session, &type, &values, true));
  type = "X9";
  EXPECT_FALSE(CTIPE(rig.session, &type, &values));
}

TEST_F(PickersTest, BranchAndOutletGroupLists) {
  std::string code = "?";
  Keys({kDown, kEnter});
  ASSERT_TRUE(CARICABANG(rig.session, &code));
  EXPECT_EQ(code, "000223");
  EXPECT_TRUE(Shown(rig.term, "Nama     Keterangan"));
  code = "0002";
  EXPECT_TRUE(CARICABANG(rig.session, &code));
  code = "0009";
  EXPECT_FALSE(CARICABANG(rig.session, &code));
  code = "";
  EXPECT_FALSE(CARICABANG(rig.session, &code));
  EXPECT_TRUE(CARICABANG(rig.session, &code, true));
  code = "?";
  Keys({kEsc});
  EXPECT_FALSE(CARICABANG(rig.session, &code));

  std::string group;
  EXPECT_TRUE(GETCUSTOMKEL(rig.session, &group));
  group = "?";
  Keys({kDown, kEnter});
  ASSERT_TRUE(GETCUSTOMKEL(rig.session, &group));
  EXPECT_EQ(group, "CD  ");
  EXPECT_TRUE(Shown(rig.term, "KEL. JATUH TEMPO  KELOMPOK OUTLET"));
  group = "ZZ";
  EXPECT_FALSE(GETCUSTOMKEL(rig.session, &group));
}

}  // namespace
}  // namespace pickers
