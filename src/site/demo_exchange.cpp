// The demo rows of the data exchange: a branch export set to take in and a delivery-note revision waiting in the
// transfer folder.
#include <filesystem>
#include <string>

#include "exchange/exchange.h"
#include "site/demo_data.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

// The folder, under the transfer folder, of a set another branch sent: what the head-office import
// takes in.
constexpr const char* kBranchSet = "cabang";

// A goods receipt of two lines (one of goods new to this folder, sent along in exbbm) and a printed
// delivery note of another branch.
xbase::Status BranchSet(const DemoContext& demo, const std::string& folder) {
  const auto goods = DemoGoodsList();
  const DemoGoods& known = goods[0];
  const std::string customer = demo.options.customer_prefix + "0001";
  xbase::Status s = AddFolderRows(folder, "exbl1",
                                  {{{"NO_BPB", "BPB-C0001"},
                                    {"SUPLIER", "PUSAT"},
                                    {"KDCB", "CAB002"},
                                    {"GUDANG", kDemoWarehouse},
                                    {"TANGGAL", demo.today - 1},
                                    {"NOTES", "KIRIMAN PUSAT"},
                                    {"CETAK", true}}});
  if (s.ok()) {
    s = AddFolderRows(folder, "exbl2",
                      {{{"NO_BPB", "BPB-C0001"},
                        {"KODE", known.kode},
                        {"GUDANG", kDemoWarehouse},
                        {"QUANTITY", known.dos},
                        {"HARGA", DemoCost(known)},
                        {"URUTAN", "  1"}},
                       {{"NO_BPB", "BPB-C0001"},
                        {"KODE", "NB9001"},
                        {"GUDANG", kDemoWarehouse},
                        {"QUANTITY", 48},
                        {"HARGA", 12000.0},
                        {"DISCOUNT", 10.0},
                        {"URUTAN", "  2"}}});
  }
  if (s.ok()) {
    s = AddFolderRows(folder, "exbbm",
                      {{{"KODE", "NB9001"},
                        {"GOLONGAN", known.golongan},
                        {"NAMA", "BINDER A4 BIRU"},
                        {"NAMA2", "BINDER A4 2 RING BIRU"},
                        {"SATUAN", "PCS"},
                        {"HARGA", 16500.0},
                        {"HARGA1", 16000.0},
                        {"HARGA2", 15500.0},
                        {"PAK", 6},
                        {"DOS", 48}}});
  }
  if (s.ok()) {
    s = AddFolderRows(folder, "exsjl1",
                      {{{"INVOICE", "SJ-C0001"},
                        {"TANGGA", demo.today - 1},
                        {"NOMOR", "SO-C0001"},
                        {"RELASI", customer},
                        {"TIPE", "01"},
                        {"SALES", "S001"},
                        {"KDCB", "CAB002"},
                        {"TEMPO", demo.today - 1},
                        {"TERM", 30},
                        {"CETAK", true}}});
  }
  if (s.ok()) {
    s = AddFolderRows(folder, "exsjl2",
                      {{{"INVOICE", "SJ-C0001"},
                        {"KODE", known.kode},
                        {"GUDANG", kDemoWarehouse},
                        {"QUANTITY", known.pak},
                        {"HARGA", known.harga},
                        {"URUT", "  1"}}});
  }
  return s;
}

// A corrected SJ-0002 waiting in the revision tables: its first line halved.
xbase::Status Revision(const DemoContext& demo, const std::string& folder) {
  const auto goods = DemoGoodsList();
  const DemoGoods& item = goods[6 % goods.size()];
  const xbase::Date date = demo.today - 3;
  xbase::Status s = AddFolderRows(folder, "dtsj1",
                                  {{{"INVOICE", "SJ-0002"},
                                    {"TANGGA", date},
                                    {"NOMOR", "SO-0002"},
                                    {"RELASI", demo.options.customer_prefix + "0002"},
                                    {"TIPE", "01"},
                                    {"SALES", "S001"},
                                    {"KDCB", demo.branch},
                                    {"TEMPO", date},
                                    {"TERM", 30},
                                    {"PESAN", date},
                                    {"CODE_ID", "0"},
                                    {"CETAK", true}}});
  if (s.ok()) {
    s = AddFolderRows(folder, "dtsj2",
                      {{{"INVOICE", "SJ-0002"},
                        {"KODE", item.kode},
                        {"GUDANG", kDemoWarehouse},
                        {"QUANTITY", item.dos / 2},
                        {"HARGA", item.harga},
                        {"URUT", "  1"}}});
  }
  return s;
}

}  // namespace

xbase::Status AddExchangeDemo(const DemoContext& demo) {
  const std::filesystem::path transfer = std::filesystem::path(demo.writer.folder()) / kTransferFolder;
  const std::string branch_set = (transfer / kBranchSet).string();
  std::error_code failed;
  std::filesystem::create_directories(branch_set, failed);
  if (failed) return xbase::Status::InvalidArgument(branch_set, failed.message());
  xbase::Status s = exchange::CreateExportSet(branch_set);
  if (s.ok()) s = BranchSet(demo, branch_set);
  if (s.ok()) s = Revision(demo, transfer.string());
  return s;
}

}  // namespace site
