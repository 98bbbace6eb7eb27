// Customers, goods, salesmen, warehouses, employees and the code tables.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Mirrored field by field by the branch export set.
constexpr FieldDef kMastcus[] = {
    C("RELASI", 9),     C("NAMA", 40),      C("ALAMAT", 45),  C("ALAMAT2", 45),  C("KOTA", 15),
    C("TELP", 40),      C("FAX", 40),       C("KONTAK1", 20), C("KONTAK2", 20),  C("KELOMPOK", 4),
    N("TEMPO", 3),      N("TEMPO2", 3),     N("TEMPO3", 3),   N("TEMPO4", 3),    N("DISC", 6, 2),
    C("KDSALES", 10),   C("OUTLET", 6),     N("SALES", 16, 2), N("SALDO", 16, 2), N("TERIMA", 16, 2),
    C("NPWP", 15),      L("PKP"),           C("CODE_ID", 4),  D("TG_INPUT"),     D("TG_UPDATE"),
    C("OPERATOR", 10)};
constexpr IndexDef kMastcusIdx[] = {{"MASTCUS1", "relasi"}, {"MASTCUS2", "nama"}};

// Mirrored by the branch export set.
constexpr FieldDef kRelasiExt[] = {
    C("RELASI", 10),     C("CODE_ID", 5),     C("KDCB", 4),        C("TERITORY", 10),   C("COUNTRY_ID", 10),
    C("COA_PIUT", 30),   C("COA_GIRO", 30),   C("COA_CRMEMO", 30), C("COA_PRETUR", 30), C("COA_TERMDC", 30),
    C("COA_DCAVBL", 30), C("COA_FICHRG", 30), C("COA_WRTOFF", 30), C("COA_GIROM", 30),  C("COA_OWRTOF", 30),
    C("COA_SALES", 30)};
constexpr IndexDef kRelasiExtIdx[] = {{"RELASI_EXT1", "relasi"}};

constexpr FieldDef kDtNpwp[] = {C("NPWP", 15),    C("NAMA", 65), C("ALAMAT1", 70),
                                C("ALAMAT2", 70), C("KOTA", 15), D("TG_INPUT")};
constexpr IndexDef kDtNpwpIdx[] = {{"DT_NPWP", "npwp"}};

// Corrected terms of customers, made at the head office and taken over by the branches.
constexpr FieldDef kDtRls[] = {C("RELASI", 9), C("KELOMPOK", 4), N("TEMPO", 3),      N("TEMPO2", 3),
                               N("TEMPO3", 3), N("TEMPO4", 3),   N("DISC", 6, 2),    N("SALES", 16, 2),
                               N("TERIMA", 16, 2), L("PKP"),     D("TG_INPUT")};
constexpr IndexDef kDtRlsIdx[] = {{"DT_RLS", "relasi"}};

// The first fifteen fields are mirrored by the branch export set; the cost, entry and minimum nett price
// fields follow them.
constexpr FieldDef kMastbrj[] = {
    C("KODE", 10),       C("GOLONGAN", 10),   C("INDUK", 10),  C("NAMA", 20),         C("NAMA2", 50),
    C("SATUAN", 6),      N("JUMLAH", 9),      N("HARGA", 12, 2), N("HARGA1", 12, 2),  N("HARGA2", 12, 2),
    N("PAK", 7),         N("DOS", 7),         N("LIMIT", 7),   N("HPP", 12, 2),       N("HARGA4", 12, 2),
    N("HRG_BELI", 14, 2), N("HRG_RATA", 14, 2), D("TG_INPUT"), C("OPERATOR", 10),    N("HRG_NETT", 12, 2),
    N("HRG_NETT1", 12, 2), N("HRG_NETT2", 12, 2), N("HRG_NETT3", 12, 2), N("HRG_NETT4", 12, 2)};
constexpr IndexDef kMastbrjIdx[] = {{"MASTBRJ1", "kode"}, {"MASTBRJ2", "nama"}};

constexpr FieldDef kMastgol[] = {C("KODE", 10), C("NAMA", 20), N("URUTAN", 3)};
constexpr IndexDef kMastgolIdx[] = {{"MASTGOL1", "kode"}, {"MASTGOL2", "urutan"}};

constexpr FieldDef kMastgdg[] = {C("GUDANG", 6), C("KDCB", 6), C("NAMA", 20)};
constexpr IndexDef kMastgdgIdx[] = {{"MASTGDG1", "gudang"}, {"MASTGDG2", "kdcb+gudang"}};

// Mirrored by the branch export set, which spells KD_LAMA as KOD_LAMA.
constexpr FieldDef kMastsls[] = {C("SALES", 4),   C("NAMA", 20),  C("KELOMPOK", 2), C("KD_LAMA", 4),
                                 C("RL_HAND", 4), C("JABATAN", 4), D("TG_OUT"),     C("INDUK", 4),
                                 C("NIK", 10),    D("TG_UPDATE")};
constexpr IndexDef kMastslsIdx[] = {{"MASTSLS1", "sales"}, {"MASTSLS2", "nama"}};

// Mirrored by the branch export set.
constexpr FieldDef kDatabm[] = {C("KODE", 10), C("NAMA", 30), C("CABANG", 6), C("SALES", 4)};
constexpr IndexDef kDatabmIdx[] = {{"DATABM", "kode"}};

constexpr FieldDef kDtsales[] = {C("KDCB", 6),    D("TANGGAL"), C("KDSALES", 4), C("NAMA", 20),
                                 C("JABATAN", 4), C("ATASAN", 4), C("GRUP", 4),  C("KELOMPOK", 2)};
constexpr IndexDef kDtsalesIdx[] = {{"DTSALES", "kdcb+dtos(tanggal)"}, {"DTSALES2", "kdsales+dtos(tanggal)"}};

// Twenty-four fields in form order, then the entry stamp.
constexpr FieldDef kKaryawan[] = {
    C("NIK", 10),        C("NAMA", 30),      C("PANGGILAN", 15), C("TMP_LAHIR", 12), D("TGL_LAHIR"),
    C("KELAMIN", 6),     C("GOL_DARAH", 2),  C("AGAMA", 8),      C("PENDIDIKAN", 6), C("STATUS", 12),
    C("PASANGAN", 30),   N("JML_ANAK", 2),   C("NO_KTP", 15),    C("NO_SIM", 15),    C("NO_PASPOR", 15),
    C("ALAMAT", 30),     C("RT", 2),         C("RW", 2),         C("DESA", 12),      C("KECAMATAN", 12),
    C("KABUPATEN", 12),  C("KODEPOS", 6),    D("TGL_MASUK"),     C("COSTCENTER", 6), D("TG_INPUT"),
    C("OPERATOR", 10)};
constexpr IndexDef kKaryawanIdx[] = {{"KARYAWAN", "nik"}, {"KARYA1", "nama"}};

constexpr FieldDef kPerush[] = {C("KODE", 4),    C("INDUK", 4),    C("NAMA", 40),
                                C("ALAMAT", 45), C("ALAMAT2", 45), C("KOTA", 15)};
constexpr IndexDef kPerushIdx[] = {{"PERUSH", "kode"}};

// PRICE names the goods price field the type sells at.
constexpr FieldDef kTipe[] = {C("TIPE", 2), C("NM_TIPE", 20), L("EDITING"), L("BULAT"), C("PRICE", 10), N("TEMPO", 3)};
constexpr IndexDef kTipeIdx[] = {{"TIPE", "tipe"}};

constexpr FieldDef kMastcos[] = {C("KODE", 6), C("NAMA", 30), C("GRUP", 10), N("LEVEL", 2), C("INDUK", 6)};
constexpr IndexDef kMastcosIdx[] = {{"MASTCOS", "kode"}};

// The three one-letter tax transaction code tables share one layout.
constexpr FieldDef kTaxCode[] = {C("KODE", 1), C("NAMA", 80)};
constexpr IndexDef kJenis1Idx[] = {{"JENIS1", "kode"}};
constexpr IndexDef kStatusIdx[] = {{"STATUS", "kode"}};
constexpr IndexDef kDocumenIdx[] = {{"DOCUMEN", "kode"}};

constexpr FieldDef kNegaraid[] = {C("KODE", 10), C("NAMA", 30)};
constexpr IndexDef kNegaraidIdx[] = {{"NEGARAID", "kode"}};

constexpr FieldDef kCabang[] = {C("KODE", 6), C("INDUK", 6), C("NAMA", 30), C("SALES", 4), C("RELASI", 10)};
constexpr IndexDef kCabangIdx[] = {{"CABANG", "kode"}};

constexpr FieldDef kProduk[] = {C("GOL", 4), C("PRODUK", 30)};
constexpr IndexDef kProdukIdx[] = {{"PRODUK", "gol"}};

constexpr FieldDef kMastsup[] = {C("KODE", 10), C("NAMA", 40), C("ALAMAT1", 45), C("ALAMAT2", 45), C("KOTA", 15)};
constexpr IndexDef kMastsupIdx[] = {{"MASTSUP1", "kode"}, {"MASTSUP2", "nama"}};

// Settlement codes; OPSI splits the deductions.
constexpr FieldDef kMastjns[] = {C("KODE", 2), C("NAMA", 30), C("OPSI", 1)};
constexpr IndexDef kMastjnsIdx[] = {{"MASTJNS1", "kode"}};

constexpr FieldDef kOtlGrp[] = {C("KODE", 10), C("NAMA", 30),      C("KOTA", 15),
                                C("JENIS", 1), N("TARGET", 16, 2), C("KDCB", 6), N("DISC_DC", 6, 2)};
constexpr IndexDef kOtlGrpIdx[] = {{"OTL_GRP1", "kode"}, {"OTL_GRP2", "kdcb"}};

constexpr FieldDef kOtlMbr[] = {C("KODE", 10), C("MEMBER", 10)};
constexpr IndexDef kOtlMbrIdx[] = {{"OTL_MBR1", "kode"}, {"OTL_MBR2", "member"}};

constexpr TableDef kTables[] = {
    {"MASTCUS", kMastcus, kMastcusIdx},     {"RELASI_EXT", kRelasiExt, kRelasiExtIdx},
    {"DT_NPWP", kDtNpwp, kDtNpwpIdx},       {"DT_RLS", kDtRls, kDtRlsIdx},
    {"MASTBRJ", kMastbrj, kMastbrjIdx},
    {"MASTGOL", kMastgol, kMastgolIdx},     {"MASTGDG", kMastgdg, kMastgdgIdx},
    {"MASTSLS", kMastsls, kMastslsIdx},     {"DATABM", kDatabm, kDatabmIdx},
    {"DTSALES", kDtsales, kDtsalesIdx},     {"KARYAWAN", kKaryawan, kKaryawanIdx},
    {"PERUSH", kPerush, kPerushIdx},        {"TIPE", kTipe, kTipeIdx},
    {"MASTCOS", kMastcos, kMastcosIdx},     {"JENIS1", kTaxCode, kJenis1Idx},
    {"STATUS", kTaxCode, kStatusIdx},       {"DOCUMEN", kTaxCode, kDocumenIdx},
    {"NEGARAID", kNegaraid, kNegaraidIdx},  {"CABANG", kCabang, kCabangIdx},
    {"PRODUK", kProduk, kProdukIdx},        {"MASTSUP", kMastsup, kMastsupIdx},
    {"MASTJNS", kMastjns, kMastjnsIdx},     {"OTL_GRP", kOtlGrp, kOtlGrpIdx},
    {"OTL_MBR", kOtlMbr, kOtlMbrIdx},
};

}  // namespace

std::span<const TableDef> Masters() { return kTables; }

}  // namespace schema::groups
