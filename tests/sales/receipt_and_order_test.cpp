// Goods receipts taken in from shipment documents and sales orders of the same goods, saved at once
// from two workstations: every warehouse row and goods total ends with each movement of both, the
// averages the receipts carry stand, and the folder checks sound.
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "console/console.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "purchasing/shipment_import.h"
#include "sales/sales_site_helpers.h"
#include "schema/open_table.h"
#include "site/data_folder.h"
#include "support/data_folder.h"
#include "support/verified_folder.h"
#include "xbase/search_path.h"

namespace sales {
namespace {

using support::N;
using support::T;

// The demonstration goods' moving average (three quarters of the selling price).
constexpr double kSc0001Average = 2650;
constexpr double kSc0002Average = 3750;

// Appends the rows to `table` of the folder's import folder, its index files kept.
void AddToImportFolder(const SalesSite& site, const std::string& table, const std::vector<support::Row>& rows) {
  xbase::Session session(xbase::SearchPath({(std::filesystem::path(site.data()) / site::kTransferFolder).string()}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(schema::UseWithIndexes(session, table, "", xbase::OpenMode::kShared, &area).ok());
  support::AddRows(*area, rows);
  ASSERT_TRUE(session.CloseAll().ok());
}

// Shipment documents PEB-R1 ... PEB-R<count>, each of 12 pieces of SC0002 and 20 of SC0001 at the
// goods' own average, without discounts.
void AddShipments(const SalesSite& site, int count) {
  for (int n = 1; n <= count; ++n) {
    const std::string number = "PEB-R" + std::to_string(n);
    AddToImportFolder(site, "PEB_HDR", {{{"NO_BPB", T(number)}, {"SUPLIER", T("S-BENCH")}}});
    AddToImportFolder(site, "PEB_DTL",
                      {{{"NO_BPB", T(number)}, {"KODE", T("SC0002")}, {"QUANTITY", N(12)},
                        {"HARGA", N(kSc0002Average)}, {"URUTAN", T("  1")}},
                       {{"NO_BPB", T(number)}, {"KODE", T("SC0001")}, {"QUANTITY", N(20)},
                        {"HARGA", N(kSc0001Average)}, {"URUTAN", T("  2")}}});
  }
}

// A second workstation takes the shipment documents in one by one into GDG01, as the import screen
// saves them.
void TakeIn(const SalesSite& site, int count) {
  UnattendedTerminal terminal;
  console::ManualClock clock({kToday, 9 * 3600});
  console::Console con(terminal, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-R");
  site.LogIn(session);
  const frame::OpenedTables tables = purchasing::OpenShipmentTables(session);
  ASSERT_TRUE(tables);
  for (int n = 1; n <= count; ++n) {
    purchasing::Shipment shipment;
    shipment.warehouse = "GDG01";
    shipment.branch = "JKT001";
    shipment.number = "PEB-R" + std::to_string(n);
    ASSERT_TRUE(purchasing::CheckShipment(session, tables, &shipment));
    EXPECT_TRUE(purchasing::SaveShipment(session, tables, &shipment).ok()) << shipment.number;
  }
  session.CloseTables();
}

TEST(ReceiptAndOrderTest, AReceiptAndOrdersOfTheSameGoodsAtOnceLoseNoMovement) {
  SalesSite site;
  constexpr int kReceipts = 10;
  constexpr int kOrders = 25;
  AddShipments(site, kReceipts);
  ASSERT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "HRG_RATA"), kSc0002Average);
  ASSERT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "HRG_RATA"), kSc0002Average);
  const uint32_t warehouse_rows = site.Count("STOKBRG");

  std::thread orders([&] { SaveOrders(site, 'A', kOrders, 7, false); });
  std::thread receipts([&] { TakeIn(site, kReceipts); });
  orders.join();
  receipts.join();

  EXPECT_EQ(site.Count("SLSODR1"), static_cast<uint32_t>(kOrders));
  EXPECT_EQ(site.Count("BPBELI1"), static_cast<uint32_t>(kReceipts));
  EXPECT_EQ(site.Count("BPBELI2"), 2u * kReceipts);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000 - kOrders * 7 + kReceipts * 12);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "JUMLAH"), 3400 - kOrders * 7 + kReceipts * 12);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000 - kOrders + kReceipts * 20);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0001", "JUMLAH"), 4600 - kOrders + kReceipts * 20);
  // Received at the average they hold, the rows keep it whatever the order of the saves.
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "HRG_RATA"), kSc0002Average);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "HRG_RATA"), kSc0002Average);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "HRG_RATA"), kSc0001Average);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0001", "HRG_RATA"), kSc0001Average);
  // No warehouse row was added for goods the warehouse holds.
  EXPECT_EQ(site.Count("STOKBRG"), warehouse_rows);
  site.ExpectSoundIndexes();
  support::ExpectVerified(site.data());
}

}  // namespace
}  // namespace sales
