// The demonstration company's purchasing: the shipment document waiting in the import folder becomes
// a goods receipt with both prints, part of it goes back to the supplier, and the journal shows both.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "purchasing/purchase_return.h"
#include "purchasing/purchasing.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "support/damaged_tables.h"
#include "support/files.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "xbase/date_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;

class DemoPurchasingTest : public ::testing::Test {
 protected:
  DemoPurchasingTest() {
    std::string report;
    const xbase::Status made =
        site::MakeDataFolder(folder.File("data"), support::TestOptions(support::TestRegistry(), true), &report);
    EXPECT_TRUE(made.ok()) << made.ToString();
    rig.session.SetSearchPath(folder.File("data"));
    rig.session.TMPFILELAP_ = folder.File("tmp");
    rig.session.MMEMBER.nik = "ADMIN";
    rig.session.MMEMBER.warehouse = site::kDemoWarehouse;
  }

  // The keys that copy a report to `name` in the copy folder and leave the dialog.
  std::vector<int> CopyKeys(const std::string& name) {
    return Keys({{'C'}, Line(name), Line(copies.path()), {'y'}, {key::kEsc}});
  }
  std::string Copied(const std::string& name) { return support::ReadFile(copies.File(name)); }

  support::TempFolder folder, copies;
  support::SessionRig rig;
};

TEST_F(DemoPurchasingTest, TheShipmentBecomesAReceiptIsPrintedPartlyReturnedAndJournalled) {
  const std::string shipment = site::kDemoShipment;
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, Line(shipment), {key::kEnter}, {'y'}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "PEB " + shipment + " masuk dg No. PO 0000000001, No. BPB 0000000001"));
  EXPECT_TRUE(support::Shown(rig.term, "CASH DISCOUNT"));

  rig.term.AddKeys(Keys({Line("0000000001"), CopyKeys("po"), {key::kEsc}}));
  ASSERT_TRUE(CTKPOPEB(rig.session, {}).ok());
  const std::string order = Copied("po");
  EXPECT_NE(order.find("ORDER PEMBELIAN"), std::string::npos);
  EXPECT_NE(order.find("PT. LOGISTIK PALUNDA NUSANTARA"), std::string::npos);
  EXPECT_NE(order.find("| 3|WR0101    |PULPEN GEL HITAM    |     10|      0|     1440|    1,800.00|"), std::string::npos);

  rig.term.AddKeys(Keys({Line(shipment), CopyKeys("bpb"), {key::kEsc}}));
  ASSERT_TRUE(CTKBPPEB(rig.session, {}).ok());
  const std::string receipt = Copied("bpb");
  EXPECT_NE(receipt.find("BUKTI PENERIMAAN BARANG"), std::string::npos);
  EXPECT_NE(receipt.find("Nomor : " + shipment), std::string::npos);

  // A hundred exercise books go back.
  const frame::OpenedTables tables = OpenReturnTables(rig.session);
  ASSERT_TRUE(tables);
  PurchaseReturn ret;
  ret.supplier = site::kDemoSupplier;
  ret.date = rig.session.Today();
  ret.lines.push_back(BlankReturnLine(1, site::kDemoWarehouse));
  const auto type = [&](int column, xbase::Value value) {
    ASSERT_TRUE(CheckReturnCell(rig.session, tables, &ret, 1, column, &value));
    ret.lines[0][static_cast<size_t>(column - 1)] = value;
  };
  type(kReceipt, xbase::Value::Text(shipment));
  type(kCode, xbase::Value::Text("SC0001"));
  type(kQuantity, xbase::Value::Num(100));
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_EQ(ret.cash1, 2);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  rig.term.AddKeys(Keys({Line(ret.number), {key::kRight, key::kEnter}, {key::kEnter, key::kEnter, key::kEnter},
                         {key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CRTBELI(rig.session, {}).ok());
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  EXPECT_NE(rig.dot_matrix->jobs()[0].bytes.find("BUKTI RETUR PEMBELIAN BARANG"), std::string::npos);

  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter}, CopyKeys("jurnal"), {key::kEsc}}));
  ASSERT_TRUE(LBELI3(rig.session, {}).ok());
  const std::string journal = Copied("jurnal");
  EXPECT_NE(journal.find("   1 " + std::string(xbase::Dtoc(rig.session.Today())) + " PEB/2026/000101 SC0001"),
            std::string::npos);
  // 2,000 books at 2,600 less 10 %, returned 100 of them; less the 2 % cash discount.
  EXPECT_NE(journal.find("TOTAL RETUR :        229,320.00"), std::string::npos);
  EXPECT_NE(journal.find("   1 " + std::string(xbase::Dtoc(rig.session.Today())) + " " + ret.number), std::string::npos);
}

// The purchase order takes the cash discounts from its receipt: a receipt that cannot be read is the
// failure on row 24, never an order printed without its discounts, and nothing reaches the output.
TEST_F(DemoPurchasingTest, AnOrderWhoseReceiptCannotBeReadIsNotPrinted) {
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter}, Line(site::kDemoShipment), {key::kEnter}, {'y'}, {key::kEnter},
                         {key::kEsc}}));
  ASSERT_TRUE(IMPPEB(rig.session, {}).ok());
  support::DamageIndexPages(folder.File("data"), "BPBELI1");
  rig.term.AddKeys(Keys({Line("0000000001"), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(CTKPOPEB(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "BPBELI1"));
}

}  // namespace
}  // namespace purchasing
