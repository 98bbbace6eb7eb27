#include <cmath>
#include <string>

#include "site/demo_data.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

struct Group {
  const char* kode;
  const char* nama;
};
constexpr Group kGoodsGroups[] = {{"SCHOOL", "PERLENGKAPAN SEKOLAH"}, {"OFFICE", "PERLENGKAPAN KANTOR"},
                                  {"WRITING", "ALAT TULIS"},           {"ENVELOPE", "AMPLOP"},
                                  {"GIFTWRAP", "KERTAS KADO"},         {"TISSUE", "TISU"}};

constexpr DemoGoods kGoods[] = {
    {"SC0001", "SCHOOL", "BUKU TULIS 38 LBR", "PCS", 3500, 10, 200, 4000, 600},
    {"SC0002", "SCHOOL", "BUKU TULIS 58 LBR", "PCS", 5000, 10, 200, 3000, 400},
    {"SC0003", "SCHOOL", "BUKU GAMBAR A4", "PCS", 6500, 10, 100, 1500, 200},
    {"SC0004", "SCHOOL", "PENGHAPUS KECIL", "PCS", 1500, 20, 400, 2000, 0},
    {"SC0005", "SCHOOL", "RAUTAN PENSIL", "PCS", 2500, 12, 288, 1440, 144},
    {"SC0006", "SCHOOL", "PENGGARIS 30 CM", "PCS", 3000, 12, 240, 1200, 120},
    {"OF0001", "OFFICE", "KERTAS HVS A4 70G", "RIM", 48000, 1, 5, 250, 20},
    {"OF0002", "OFFICE", "KERTAS HVS F4 70G", "RIM", 52000, 1, 5, 200, 15},
    {"OF0003", "OFFICE", "MAP PLASTIK", "PCS", 2000, 12, 240, 2400, 240},
    {"OF0004", "OFFICE", "ORDNER BESAR", "PCS", 27500, 1, 24, 240, 24},
    {"OF0005", "OFFICE", "STAPLER NO.10", "PCS", 15000, 12, 144, 288, 0},
    {"OF0006", "OFFICE", "ISI STAPLER NO.10", "BOX", 3000, 20, 400, 2000, 200},
    {"OF0007", "OFFICE", "KALKULATOR 12 DIGIT", "PCS", 95000, 1, 20, 40, 5},
    {"OF0008", "OFFICE", "LAKBAN BENING 48MM", "ROL", 12500, 6, 72, 720, 72},
    {"WR0001", "WRITING", "PULPEN HITAM 0.5", "PCS", 2500, 12, 144, 2880, 288},
    {"WR0002", "WRITING", "PULPEN BIRU 0.5", "PCS", 2500, 12, 144, 2880, 288},
    {"WR0003", "WRITING", "PENSIL 2B", "PCS", 3000, 12, 144, 1728, 144},
    {"WR0004", "WRITING", "SPIDOL PERMANEN", "PCS", 8500, 12, 144, 864, 72},
    {"WR0005", "WRITING", "STABILO KUNING", "PCS", 7000, 10, 100, 500, 50},
    {"WR0006", "WRITING", "TIP-EX CAIR", "PCS", 6000, 12, 144, 576, 0},
    {"WR0007", "WRITING", "PULPEN GEL HITAM", "PCS", 4500, 12, 144, 1440, 0},
    {"EN0001", "ENVELOPE", "AMPLOP PUTIH KECIL", "BOX", 12000, 1, 20, 200, 20},
    {"EN0002", "ENVELOPE", "AMPLOP COKLAT A4", "PAK", 25000, 1, 20, 100, 10},
    {"EN0003", "ENVELOPE", "AMPLOP JENDELA", "BOX", 18000, 1, 20, 60, 0},
    {"GW0001", "GIFTWRAP", "KERTAS KADO MOTIF", "LBR", 2000, 10, 500, 5000, 500},
    {"GW0002", "GIFTWRAP", "PITA KADO MERAH", "ROL", 4500, 10, 100, 300, 30},
    {"GW0003", "GIFTWRAP", "TAS KADO SEDANG", "PCS", 9000, 12, 120, 240, 0},
    {"TS0001", "TISSUE", "TISU WAJAH 250", "PCS", 14000, 6, 48, 960, 96},
    {"TS0002", "TISSUE", "TISU GULUNG 10", "PAK", 32000, 1, 8, 160, 16},
    {"TS0003", "TISSUE", "TISU SAKU", "PAK", 9000, 6, 60, 600, 60},
};

// Customer groups: the SETUP "OUTLET" row holds the due-date class (13 characters) and the name. A group
// beginning with "M" buys at prices with VAT taken out.
struct CustomerGroup {
  const char* kode;
  const char* due_class;
  const char* nama;
};
constexpr CustomerGroup kCustomerGroups[] = {{"RETL", "30 HARI", "TOKO RITEL"},
                                             {"GROS", "45 HARI", "GROSIR"},
                                             {"MODN", "60 HARI", "PASAR MODERN"},
                                             {"INST", "30 HARI", "INSTANSI"}};

struct Customer {
  const char* number;  // after the branch's customer prefix
  const char* nama;
  const char* alamat;
  const char* kota;
  const char* kelompok;
  int term_days;
  double disc;
  double ceiling;
  int price_level;  // TERIMA
};
constexpr Customer kCustomers[] = {
    {"0001", "TB. SINAR ILMU", "JL. GAJAH MADA 45", "JAKARTA", "RETL", 30, 0, 25000000, 0},
    {"0002", "TOKO BUKU CAHAYA", "JL. KRAMAT RAYA 101", "JAKARTA", "RETL", 30, 2, 25000000, 0},
    {"0003", "CV. MAJU JAYA GROSIR", "JL. PASAR PAGI 12", "JAKARTA", "GROS", 45, 3, 100000000, 1},
    {"0004", "UD. SUMBER REJEKI", "JL. RAYA BOGOR KM 21", "DEPOK", "GROS", 45, 3, 75000000, 2},
    {"0005", "PT. SWALAYAN PRIMA", "JL. SUDIRMAN KAV 8", "JAKARTA", "MODN", 60, 5, 150000000, 3},
    {"0006", "PT. MEGA MART", "JL. PANJANG 77", "TANGERANG", "MODN", 60, 5, 150000000, 4},
    {"0007", "SMA NEGERI 5", "JL. BUNGUR BESAR 3", "JAKARTA", "INST", 30, 0, 10000000, 0},
    {"0008", "KANTOR CAMAT TAMAN", "JL. TAMAN SARI 9", "JAKARTA", "INST", 14, 0, 10000000, 4},
};

struct Salesman {
  const char* sales;
  const char* nama;
  const char* kelompok;
};
constexpr Salesman kSalesmen[] = {
    {"S001", "BUDI SANTOSO", "K1"}, {"S002", "SITI RAHAYU", "K2"}, {"S003", "AGUS PRATAMA", "K1"}};

struct SaleType {
  const char* tipe;
  const char* nama;
  bool editing;  // the price may be changed on the line
  bool bulat;    // prices rounded to whole units
  const char* price;
};
constexpr SaleType kSaleTypes[] = {{"01", "PENJUALAN REGULER", false, true, "HARGA"},
                                   {"02", "PENJUALAN GROSIR", false, true, "HARGA1"},
                                   {"03", "PENJUALAN PROYEK", true, false, "HARGA2"}};

struct Employee {
  const char* nik;
  const char* nama;
};
constexpr Employee kEmployees[] = {
    {kAdminNik, kAdminName}, {kDemoNik, kDemoName}, {"DRV001", "JOKO SUSILO"}};

// A price level below the base price, to the nearest 50.
double Level(double base, double factor) { return std::round(base * factor / 50) * 50; }

xbase::Status Warehouse(const DemoContext& demo, const char* gudang, const char* nama) {
  return demo.writer.Add("MASTGDG", {{"GUDANG", gudang}, {"KDCB", demo.branch}, {"NAMA", nama}});
}

// Branch, company, warehouses, employees, salesmen, the area manager and the sale types.
xbase::Status Organisation(const DemoContext& demo) {
  FolderWriter& writer = demo.writer;
  xbase::Status s = writer.Add("CABANG", {{"KODE", demo.branch}, {"NAMA", demo.options.branch_name}});
  if (s.ok()) {
    s = writer.Add("PERUSH", {{"KODE", "0"}, {"NAMA", demo.options.company}, {"ALAMAT", demo.options.address},
                              {"KOTA", demo.options.city}});
  }
  if (s.ok()) s = Warehouse(demo, kDemoWarehouse, "GUDANG UTAMA");
  if (s.ok()) s = Warehouse(demo, kSecondWarehouse, "GUDANG TOKO");
  for (const Employee& employee : kEmployees) {
    if (!s.ok()) break;
    s = writer.Add("KARYAWAN", {{"NIK", employee.nik}, {"NAMA", employee.nama}, {"TGL_MASUK", demo.today},
                                {"TG_INPUT", demo.today}, {"OPERATOR", kAdminNik}});
  }
  for (const Salesman& salesman : kSalesmen) {
    if (!s.ok()) break;
    s = writer.Add("MASTSLS", {{"SALES", salesman.sales}, {"NAMA", salesman.nama}, {"KELOMPOK", salesman.kelompok},
                               {"JABATAN", "SLS"}, {"TG_UPDATE", demo.today}});
  }
  if (s.ok()) {
    s = writer.Add("DATABM", {{"KODE", "BM01"}, {"NAMA", "HENDRA WIJAYA"}, {"CABANG", demo.branch}, {"SALES", "S001"}});
  }
  for (const SaleType& type : kSaleTypes) {
    if (!s.ok()) break;
    s = writer.Add("TIPE", {{"TIPE", type.tipe}, {"NM_TIPE", type.nama}, {"EDITING", type.editing},
                            {"BULAT", type.bulat}, {"PRICE", type.price}, {"TEMPO", 0}});
  }
  return s;
}

// The goods groups and the goods with their price levels; JUMLAH is the stock of both warehouses.
xbase::Status Goods(const DemoContext& demo) {
  xbase::Status s;
  for (size_t i = 0; i < std::size(kGoodsGroups) && s.ok(); ++i) {
    s = demo.writer.Add("MASTGOL", {{"KODE", kGoodsGroups[i].kode}, {"NAMA", kGoodsGroups[i].nama},
                                    {"URUTAN", static_cast<int>(i + 1)}});
  }
  for (const DemoGoods& goods : kGoods) {
    if (!s.ok()) break;
    const double cost = DemoCost(goods);
    s = demo.writer.Add("MASTBRJ", {{"KODE", goods.kode},
                                    {"GOLONGAN", goods.golongan},
                                    {"NAMA", goods.nama},
                                    {"NAMA2", goods.nama},
                                    {"SATUAN", goods.satuan},
                                    {"JUMLAH", goods.stock_main + goods.stock_second},
                                    {"HARGA", goods.harga},
                                    {"HARGA1", Level(goods.harga, 0.97)},
                                    {"HARGA2", Level(goods.harga, 0.95)},
                                    {"PAK", goods.pak},
                                    {"DOS", goods.dos},
                                    {"HPP", Level(goods.harga, 0.92)},
                                    {"HARGA4", Level(goods.harga, 0.90)},
                                    {"HRG_BELI", cost},
                                    {"HRG_RATA", cost},
                                    {"TG_INPUT", demo.today},
                                    {"OPERATOR", kAdminNik}});
  }
  return s;
}

// The outlet groups (SETUP "OUTLET" rows) and the customers with their extended data.
xbase::Status Customers(const DemoContext& demo) {
  xbase::Status s;
  for (const CustomerGroup& group : kCustomerGroups) {
    if (!s.ok()) break;
    s = AddSetting(demo.writer, std::string("OUTLET") + group.kode, xbase::PadR(group.due_class, 13) + group.nama);
  }
  for (const Customer& customer : kCustomers) {
    if (!s.ok()) break;
    const std::string relasi = demo.options.customer_prefix + customer.number;
    s = demo.writer.Add("MASTCUS", {{"RELASI", relasi},
                                    {"NAMA", customer.nama},
                                    {"ALAMAT", customer.alamat},
                                    {"KOTA", customer.kota},
                                    {"KELOMPOK", customer.kelompok},
                                    {"TEMPO", customer.term_days},
                                    {"TEMPO2", customer.term_days},
                                    {"TEMPO3", 0},
                                    {"DISC", customer.disc},
                                    {"SALES", customer.ceiling},
                                    {"SALDO", 0},
                                    {"TERIMA", customer.price_level},
                                    {"CODE_ID", "0"},
                                    {"TG_INPUT", demo.today},
                                    {"OPERATOR", kAdminNik}});
    if (s.ok()) {
      s = demo.writer.Add("RELASI_EXT", {{"RELASI", relasi}, {"CODE_ID", "0"}, {"KDCB", xbase::Left(demo.branch, 4)}});
    }
  }
  return s;
}

}  // namespace

std::span<const DemoGoods> DemoGoodsList() { return kGoods; }

double DemoCost(const DemoGoods& goods) { return Level(goods.harga, 0.75); }

xbase::Status AddMastersDemo(const DemoContext& demo) {
  xbase::Status s = Organisation(demo);
  if (s.ok()) s = Goods(demo);
  if (s.ok()) s = Customers(demo);
  return s;
}

}  // namespace site
