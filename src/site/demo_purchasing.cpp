#include <filesystem>

#include "schema/catalog.h"
#include "schema/create_table.h"
#include "site/demo_data.h"

namespace site {
namespace {

// A shipment document of the logistics department in the import folder, ready to become a goods
// receipt: two goods the branch has, one it has not yet, and a cash discount.
xbase::Status ShipmentDocument(const DemoContext& demo) {
  const std::string folder = (std::filesystem::path(demo.writer.folder()) / kTransferFolder).string();
  xbase::Status s;
  for (const char* table : {"PEB_HDR", "PEB_DTL", "PEB_MST"}) {
    if (s.ok()) s = schema::CreateTable(*schema::FindTable(table), folder);
  }
  if (!s.ok()) return s;
  FolderWriter shipment(folder);
  s = shipment.Add("PEB_HDR", {{"NO_BPB", kDemoShipment}, {"SUPLIER", kDemoSupplier}, {"TANGGAL", demo.today - 2},
                               {"NOTES", "KIRIMAN RUTIN LOGISTIK"}, {"DISCOUNT", 2.0}, {"CODE_ID", "01"}});
  struct Line {
    const char* kode;
    int quantity, cartons;
    double harga, discount, discount2;
    const char* urutan;
  };
  constexpr Line kLines[] = {{"SC0001", 2000, 10, 2600, 10, 0, "  1"},
                             {"OF0001", 50, 10, 36000, 5, 2, "  2"},
                             {"WR0101", 1440, 10, 1800, 0, 0, "  3"}};
  for (const Line& line : kLines) {
    if (s.ok()) {
      s = shipment.Add("PEB_DTL", {{"NO_BPB", kDemoShipment}, {"KODE", line.kode}, {"QUANTITY", line.quantity},
                                   {"HARGA", line.harga}, {"DISCOUNT", line.discount}, {"DISCOUNT2", line.discount2},
                                   {"Q_BOX", line.cartons}, {"URUTAN", line.urutan}});
    }
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "SC0001"}, {"GOLONGAN", "SCHOOL"}, {"NAMA", "BUKU TULIS 38 LBR"},
                                 {"SATUAN", "PCS"}, {"HARGA", 3500}, {"PAK", 10}, {"DOS", 200}});
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "OF0001"}, {"GOLONGAN", "OFFICE"}, {"NAMA", "KERTAS HVS A4 70G"},
                                 {"SATUAN", "RIM"}, {"HARGA", 48000}, {"PAK", 1}, {"DOS", 5}});
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "WR0101"}, {"GOLONGAN", "WRITING"}, {"NAMA", "PULPEN GEL HITAM"},
                                 {"NAMA2", "PULPEN GEL HITAM 0.5 MM"}, {"SATUAN", "PCS"}, {"HARGA", 2500},
                                 {"HARGA1", 2450}, {"HARGA2", 2400}, {"HARGA4", 2300}, {"PAK", 12}, {"DOS", 144}});
  }
  const xbase::Status finished = shipment.Finish();
  return s.ok() ? finished : s;
}

}  // namespace

xbase::Status AddPurchasingDemo(const DemoContext& demo) { return ShipmentDocument(demo); }

}  // namespace site
