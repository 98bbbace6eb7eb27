// The demo rows of the master data: branch, company, warehouses, staff, goods and customers.
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "masters/masters.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "site/demo_data.h"
#include "xbase/date_functions.h"
#include "xbase/dbf_table.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
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

// Customer groups: the SETUP "OUTLET" row holds the four terms (3 digits each), the price list (2
// characters) and the name. A group beginning with "M" buys at prices with VAT taken out.
struct CustomerGroup {
  const char* kode;
  int terms[4];
  int price_list;
  const char* nama;
};
constexpr CustomerGroup kCustomerGroups[] = {{"RETL", {30, 30, 0, 0}, 0, "TOKO RITEL"},
                                             {"GROS", {45, 45, 0, 0}, 1, "GROSIR"},
                                             {"MODN", {60, 60, 0, 0}, 3, "PASAR MODERN"},
                                             {"INST", {30, 30, 0, 0}, 0, "INSTANSI"},
                                             {"MSP", {14, 14, 7, 0}, 2, "MITRA SPESIAL"}};

// The group companies and the branch and business units the customer screen chooses from (SETUP rows
// "GRPPT" + company code and "UNITCB" + unit code, the name in KET), and the company and unit of the
// demo customers.
struct Named {
  const char* code;
  const char* nama;
};
constexpr Named kGroupCompanies[] = {{"PL001", "PT PALUNDA SENTOSA"}, {"PL002", "PT PALUNDA DISTRIBUSI"}};
constexpr Named kUnits[] = {{"JKT1", "JAKARTA PUSAT"}, {"JKT2", "JAKARTA BARAT"}, {"BGR1", "BOGOR"}};
constexpr Named kCountries[] = {{"ID", "INDONESIA"}, {"SG", "SINGAPURA"}, {"MY", "MALAYSIA"}};
constexpr Named kCostCentres[] = {{"ADM", "ADMINISTRASI"}, {"GDG", "GUDANG"}, {"SLS", "PENJUALAN"}};
constexpr const char* kCustomerCompany = "PL001";
constexpr const char* kCustomerUnit = "JKT1";

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
  const char* npwp;  // empty for none
};
constexpr Customer kCustomers[] = {
    {"0001", "TB. SINAR ILMU", "JL. GAJAH MADA 45", "JAKARTA", "RETL", 30, 0, 25000000, 0, ""},
    {"0002", "TOKO BUKU CAHAYA", "JL. KRAMAT RAYA 101", "JAKARTA", "RETL", 30, 2, 25000000, 0, ""},
    {"0003", "CV. MAJU JAYA GROSIR", "JL. PASAR PAGI 12", "JAKARTA", "GROS", 45, 3, 100000000, 1, "013456789012000"},
    {"0004", "UD. SUMBER REJEKI", "JL. RAYA BOGOR KM 21", "DEPOK", "GROS", 45, 3, 75000000, 2, ""},
    {"0005", "PT. SWALAYAN PRIMA", "JL. SUDIRMAN KAV 8", "JAKARTA", "MODN", 60, 5, 150000000, 3, "021234567890000"},
    {"0006", "PT. MEGA MART", "JL. PANJANG 77", "TANGERANG", "MODN", 60, 5, 150000000, 4, "031987654321000"},
    {"0007", "SMA NEGERI 5", "JL. BUNGUR BESAR 3", "JAKARTA", "INST", 30, 0, 10000000, 0, ""},
    {"0008", "KANTOR CAMAT TAMAN", "JL. TAMAN SARI 9", "JAKARTA", "INST", 14, 0, 10000000, 4, ""},
};

struct Salesman {
  const char* sales;
  const char* nama;
  const char* kelompok;
  const char* jabatan;
  const char* induk;  // the leader
  const char* grup;
};
constexpr Salesman kSalesmen[] = {{"S001", "BUDI SANTOSO", "K1", "SLS", "S004", "G1"},
                                  {"S002", "SITI RAHAYU", "K2", "SLS", "S004", "G1"},
                                  {"S003", "AGUS PRATAMA", "K1", "SLS", "S004", "G2"},
                                  {"S004", "HENDRA WIJAYA", "K1", "BM", "", "G1"}};

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
  const char* born;  // YYYYMMDD
  const char* kelamin;
  const char* kota;
  const char* cost_centre;
};
constexpr Employee kEmployees[] = {{kAdminNik, kAdminName, "19800412", "PRIA", "JAKARTA", "ADM"},
                                   {kDemoNik, kDemoName, "19950823", "WANITA", "BOGOR", "SLS"},
                                   {"DRV001", "JOKO SUSILO", "19881130", "PRIA", "BEKASI", "GDG"}};

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
  if (s.ok()) {
    s = writer.Add("PERUSH", {{"KODE", "1"}, {"INDUK", "0"}, {"NAMA", "PT. PALUNDA DISTRIBUSI"},
                              {"ALAMAT", "JL. RAYA BOGOR KM 30"}, {"KOTA", "BOGOR"}});
  }
  for (const Named& centre : kCostCentres) {
    if (s.ok()) s = writer.Add("MASTCOS", {{"KODE", centre.code}, {"NAMA", centre.nama}, {"LEVEL", 1}});
  }
  if (s.ok()) s = Warehouse(demo, kDemoWarehouse, "GUDANG UTAMA");
  if (s.ok()) s = Warehouse(demo, kSecondWarehouse, "GUDANG TOKO");
  for (const Employee& employee : kEmployees) {
    if (!s.ok()) break;
    s = writer.Add("KARYAWAN", {{"NIK", employee.nik},
                                {"NAMA", employee.nama},
                                {"TMP_LAHIR", employee.kota},
                                {"TGL_LAHIR", xbase::Date::FromDtos(employee.born)},
                                {"KELAMIN", employee.kelamin},
                                {"AGAMA", "ISLAM"},
                                {"ALAMAT", "JL. MELATI 7"},
                                {"KABUPATEN", employee.kota},
                                {"TGL_MASUK", demo.today},
                                {"COSTCENTER", employee.cost_centre},
                                {"TG_INPUT", demo.today},
                                {"OPERATOR", kAdminNik}});
  }
  for (const Salesman& salesman : kSalesmen) {
    if (!s.ok()) break;
    s = writer.Add("MASTSLS", {{"SALES", salesman.sales}, {"NAMA", salesman.nama}, {"KELOMPOK", salesman.kelompok},
                               {"JABATAN", salesman.jabatan}, {"INDUK", salesman.induk}, {"KD_LAMA", salesman.grup},
                               {"TG_UPDATE", xbase::Bom(demo.today)}});
    // The rotation of this month holds every salesman as he stands.
    if (s.ok()) {
      s = writer.Add("DTSALES", {{"KDCB", demo.branch}, {"TANGGAL", xbase::Bom(demo.today)}, {"KDSALES", salesman.sales},
                                 {"NAMA", salesman.nama}, {"JABATAN", salesman.jabatan}, {"ATASAN", salesman.induk},
                                 {"GRUP", salesman.grup}, {"KELOMPOK", salesman.kelompok}});
    }
  }
  if (s.ok()) {
    s = writer.Add("DATABM", {{"KODE", "BM01"}, {"NAMA", "HENDRA WIJAYA"}, {"CABANG", demo.branch}, {"SALES", "S004"}});
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

std::string GroupKet(const CustomerGroup& group) {
  std::string ket;
  for (int term : group.terms) ket += xbase::StrZero(term, 3);
  return ket + xbase::Str(group.price_list, 2) + group.nama;
}

// The lists the customer screen chooses from: outlet groups, group companies, units and countries.
xbase::Status CustomerLists(const DemoContext& demo) {
  xbase::Status s;
  for (const CustomerGroup& group : kCustomerGroups) {
    if (s.ok()) s = AddSetting(demo.writer, std::string("OUTLET") + group.kode, GroupKet(group));
  }
  for (const Named& company : kGroupCompanies) {
    if (s.ok()) s = AddSetting(demo.writer, std::string("GRPPT") + company.code, company.nama);
  }
  for (const Named& unit : kUnits) {
    if (s.ok()) s = AddSetting(demo.writer, std::string("UNITCB") + unit.code, unit.nama);
  }
  for (const Named& country : kCountries) {
    if (s.ok()) s = demo.writer.Add("NEGARAID", {{"KODE", country.code}, {"NAMA", country.nama}});
  }
  return s;
}

// A customer's extended data: the company, unit and country, and the ledger accounts made from them.
xbase::Status Extension(const DemoContext& demo, const std::string& relasi) {
  std::vector<RowField> fields = {{"RELASI", relasi},
                                  {"CODE_ID", kCustomerCompany},
                                  {"KDCB", kCustomerUnit},
                                  {"TERITORY", kCustomerUnit},
                                  {"COUNTRY_ID", "ID"}};
  const masters::Accounts accounts = masters::CREATECOA(kCustomerCompany, kCustomerUnit);
  for (size_t i = 0; i < accounts.size(); ++i) fields.push_back({masters::kAccountFields[i], accounts[i]});
  return demo.writer.Add("RELASI_EXT", fields);
}

// The customers with their tax numbers and extended data.
xbase::Status Customers(const DemoContext& demo) {
  xbase::Status s = CustomerLists(demo);
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
                                    {"NPWP", customer.npwp},
                                    {"PKP", true},
                                    {"CODE_ID", "0"},
                                    {"TG_INPUT", demo.today},
                                    {"OPERATOR", kAdminNik}});
    if (s.ok()) s = Extension(demo, relasi);
    if (s.ok() && *customer.npwp != '\0') {
      s = demo.writer.Add("DT_NPWP", {{"NPWP", customer.npwp}, {"NAMA", customer.nama}, {"ALAMAT1", customer.alamat},
                                      {"KOTA", customer.kota}, {"TG_INPUT", demo.today}});
    }
  }
  return s;
}

// A transfer file of the import folder with the layout of catalog table `layout`, holding `rows`.
xbase::Status TransferFile(const std::string& folder, const char* name, const char* layout,
                           const std::vector<std::vector<RowField>>& rows) {
  std::unique_ptr<xbase::DbfTable> table;
  const std::string path = (std::filesystem::path(folder) / name).string();
  xbase::Status s = xbase::DbfTable::Create(path, schema::DbfFieldsOf(*schema::FindTable(layout)), &table);
  if (s.ok()) s = table->Close();
  return s.ok() ? AddFolderRows(folder, name, rows) : s;
}

// What the head office sent this branch: a price list with a new item and new prices, and corrected terms
// of two customers (and of one this branch does not have), in the import folder.
xbase::Status TransferFiles(const DemoContext& demo) {
  const std::string folder = (std::filesystem::path(demo.writer.folder()) / kTransferFolder).string();
  const std::string prefix = demo.options.customer_prefix;
  xbase::Status s = TransferFile(
      folder, "Price.dbf", "MASTBRJ",
      {{{"KODE", "SC0001"}, {"GOLONGAN", "SCHOOL"}, {"NAMA", "BUKU TULIS 38 LBR"}, {"NAMA2", "BUKU TULIS 38 LEMBAR"},
        {"SATUAN", "PCS"}, {"HARGA", 3750}, {"HARGA1", 3650}, {"HARGA2", 3550}, {"HPP", 3450}, {"HARGA4", 3350},
        {"PAK", 10}, {"DOS", 200}},
       {{"KODE", "SC0007"}, {"GOLONGAN", "SCHOOL"}, {"NAMA", "BUKU KOTAK 58 LBR"}, {"NAMA2", "BUKU KOTAK 58 LEMBAR"},
        {"SATUAN", "PCS"}, {"HARGA", 5500}, {"HARGA1", 5350}, {"HARGA2", 5200}, {"HPP", 5050}, {"HARGA4", 4950},
        {"PAK", 10}, {"DOS", 200}}});
  if (s.ok()) {
    s = TransferFile(folder, "Dt_rls.dbf", "DT_RLS",
                     {{{"RELASI", prefix + "0002"}, {"KELOMPOK", "GROS"}, {"TEMPO", 45}, {"TEMPO2", 45}, {"TEMPO3", 0},
                       {"TEMPO4", 0}, {"DISC", 3.0}, {"SALES", 50000000.0}, {"TERIMA", 1}, {"PKP", true},
                       {"TG_INPUT", demo.today}},
                      {{"RELASI", prefix + "0007"}, {"KELOMPOK", "INST"}, {"TEMPO", 45}, {"TEMPO2", 45}, {"TEMPO3", 0},
                       {"TEMPO4", 0}, {"DISC", 0.0}, {"SALES", 15000000.0}, {"TERIMA", 0}, {"PKP", true},
                       {"TG_INPUT", demo.today}},
                      {{"RELASI", "X9990001"}, {"KELOMPOK", "RETL"}, {"TEMPO", 30}, {"TEMPO2", 30}, {"TG_INPUT", demo.today}}});
  }
  return s;
}

}  // namespace

std::span<const DemoGoods> DemoGoodsList() { return kGoods; }

double DemoCost(const DemoGoods& goods) { return Level(goods.harga, 0.75); }

// The codes of a tax invoice: transaction kind, transaction detail and document kind.
struct TaxCodeRow {
  const char* table;
  const char* kode;
  const char* nama;
};
constexpr TaxCodeRow kTaxCodes[] = {
    {"JENIS1", "1", "KEPADA PIHAK YANG BUKAN PEMUNGUT PPN"},
    {"JENIS1", "2", "KEPADA PEMUNGUT BENDAHARAWAN"},
    {"JENIS1", "3", "KEPADA PEMUNGUT SELAIN BENDAHARAWAN"},
    {"STATUS", "0", "NORMAL"},
    {"STATUS", "1", "PENGGANTI"},
    {"DOCUMEN", "1", "FAKTUR PAJAK"},
    {"DOCUMEN", "7", "DOKUMEN TERTENTU"},
};

xbase::Status TaxCodes(const DemoContext& demo) {
  xbase::Status s;
  for (const TaxCodeRow& row : kTaxCodes) {
    if (s.ok()) s = demo.writer.Add(row.table, {{"KODE", row.kode}, {"NAMA", row.nama}});
  }
  return s;
}

xbase::Status AddMastersDemo(const DemoContext& demo) {
  xbase::Status s = Organisation(demo);
  if (s.ok()) s = TaxCodes(demo);
  if (s.ok()) s = Goods(demo);
  if (s.ok()) s = Customers(demo);
  if (s.ok()) s = TransferFiles(demo);
  if (s.ok()) {
    s = demo.writer.Add("MASTSUP", {{"KODE", kDemoSupplier}, {"NAMA", "PT. LOGISTIK PALUNDA NUSANTARA"},
                                    {"ALAMAT1", "JL. INDUSTRI RAYA NO. 12"}, {"ALAMAT2", "KAWASAN CIKARANG"},
                                    {"KOTA", "BEKASI"}});
  }
  return s;
}

}  // namespace site
