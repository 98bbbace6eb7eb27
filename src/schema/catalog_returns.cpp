// Sales returns, return drafts, late-payment approvals and negotiation minutes.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Mirrored field by field by the branch export set.
constexpr FieldDef kRtjual1[] = {C("NOMOR", 20),  D("TANGGAL"),      C("RELASI", 10),  C("TIPE", 2),
                                 C("SALES", 4),   C("KDCB", 6),      C("KTR1", 20),    C("KTR2", 20),
                                 N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("CODE_ID", 4), L("RADMIN"),
                                 L("INCLUDE"),    L("CETAK"),        L("BATAL"),       D("TG_INPUT"),
                                 C("OPERATOR", 10)};
constexpr IndexDef kRtjual1Idx[] = {{"RTJUAL11", "nomor"}, {"RTJUAL12", "dtos(tanggal)"}, {"RTJUAL13", "relasi"},
                                    {"RTJUAL14", "sales"}, {"RTJUAL15", "kdcb"}};

constexpr FieldDef kRtjual2[] = {C("NOMOR", 20),       C("INVOICE", 20),    C("KODE", 10),       C("GUDANG", 6),
                                 N("Q_BOX", 7),        N("Q_PAK", 7),       N("Q_PCS", 7),       N("QUANTITY", 9),
                                 N("HARGA", 14, 2),    N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("KTR", 20),
                                 C("URUTAN", 3),       C("URUT", 3),        N("HRG_RATA", 14, 2)};
constexpr IndexDef kRtjual2Idx[] = {{"RTJUAL21", "nomor"}, {"RTJUAL22", "kode+gudang"}, {"RTJUAL23", "nomor+urut"}};

constexpr FieldDef kRtjual3[] = {C("NOMOR", 20), C("URUTAN", 3), N("C_BOX", 7),
                                 N("C_PAK", 7),  N("C_PCS", 9),  N("C_HARGA", 14, 2)};
constexpr IndexDef kRtjual3Idx[] = {{"RTJUAL31", "nomor"}, {"RTJUAL32", "nomor+urutan"}};

// Return drafts: the first thirteen header fields and twelve line fields travel to head office by position.
constexpr FieldDef kDraftr1[] = {C("NOMOR", 20),    D("TANGGAL"),        C("RELASI", 10),     C("TIPE", 2),
                                 C("SALES", 4),     C("KDCB", 6),        N("DISCOUNT1", 6, 2), N("DISCOUNT2", 6, 2),
                                 C("GUDANG", 6),    N("NILAI", 16, 2),   C("ALASAN1", 50),    C("ALASAN2", 50),
                                 C("CODE_ID", 4),   D("TG_INPUT"),       C("OPERATOR", 10),   L("CETAK"),
                                 L("APPROVAL"),     L("REALISASI")};
constexpr IndexDef kDraftr1Idx[] = {{"DRAFTR11", "nomor"}, {"DRAFTR12", "dtos(tanggal)"}};
constexpr FieldDef kDraftr2[] = {C("NOMOR", 20),       C("INVOICE", 20),    C("KODE", 10),        N("BOX", 7),
                                 N("PAK", 7),          N("PCS", 7),         N("QUANTITY", 9),     N("HARGA", 14, 2),
                                 N("DISCOUNT1", 6, 2), N("DISCOUNT2", 6, 2), N("HRG_RATA", 14, 2), C("URUT", 3),
                                 C("URUTAN", 3)};
constexpr IndexDef kDraftr2Idx[] = {{"DRAFTR21", "nomor"}};

// Requests to accept a late payment of an invoice.
constexpr FieldDef kKirimapp[] = {C("FORM", 5), C("NOMOR", 20), C("NO_GIRO", 20),
                                  D("TG_GIRO"), C("KET", 100),  L("APPROVAL")};
constexpr IndexDef kKirimappIdx[] = {{"KIRIMAPP", "Form+nomor"}};

// Negotiation minutes, in the order and widths the exchange files copy by position.
constexpr FieldDef kBacN1[] = {
    C("NOMOR", 10),     C("KDCB", 6),       D("TANGGAL"),       C("EX_NOMOR", 10),  C("NO_TAWAR1", 10),
    C("NO_TAWAR2", 10), C("NO_KALKUL", 10), C("PEMESAN", 50),   C("KONTAK", 50),    C("ALAMAT", 100),
    C("TELPON", 50),    C("KOTA", 15),      C("INC_PPN", 1),    C("INC_PPH22", 1),  N("PPN", 6, 2),
    N("PPH22", 6, 2),   C("ONGKIR", 1),     L("KOMISI"),        N("PERKOM", 6, 2),  N("NILKOM", 12, 2),
    C("PEMBUAT", 10),   C("MENGTAHUI", 10), C("SETUJU1", 10),   C("SETUJU2", 10),   L("APPROVAL"),
    C("NO_PEC", 20),    D("TGINPUT"),       C("OPERATOR", 10)};
constexpr IndexDef kBacN1Idx[] = {{"BAC_N11", "nomor"}, {"BAC_N12", "dtos(tanggal)"}};
constexpr FieldDef kBacN2[] = {C("NOMOR", 10),  C("NM_PRODUK", 30), C("MERK", 10),      N("QUANTITY", 10),
                               C("SATUAN", 6),  N("HARGA", 12),     C("URUTAN", 3),     N("MARGIN", 6, 2),
                               N("MARGIN2", 6, 2), C("EX_BAC", 10), C("URUT", 3)};
constexpr IndexDef kBacN2Idx[] = {{"BAC_N21", "nomor"}, {"BAC_N22", "nomor+urutan"}};
constexpr FieldDef kBacN21[] = {C("NOMOR", 10), C("URUTAN", 3), C("SPECS", 100)};
constexpr IndexDef kBacN21Idx[] = {{"BAC_N211", "nomor+urutan"}};
constexpr FieldDef kBacN22[] = {C("NOMOR", 10), C("URUTAN", 3), D("TANGGAL"), N("QUANTITY", 10)};
constexpr IndexDef kBacN22Idx[] = {{"BAC_N221", "nomor"}};
constexpr FieldDef kBacN3[] = {C("NOMOR", 10),     D("TANGGAL"),       C("URUTAN", 3),  N("PERSEN", 6, 2),
                               C("KTR", 2),        C("NO_BUKTI", 20),  N("JUMLAH", 14, 2), C("NOTES", 50)};
constexpr IndexDef kBacN3Idx[] = {{"BAC_N31", "nomor"}, {"BAC_N32", "nomor+urutan"}};
constexpr FieldDef kBacN6[] = {C("NOMOR", 10), C("CATATAN", 100)};
constexpr IndexDef kBacN6Idx[] = {{"BAC_N61", "nomor"}};
constexpr FieldDef kBacNap[] = {C("NOMOR", 10), D("TANGGAL"), L("PROPERTY"), C("NOTES", 50)};
constexpr IndexDef kBacNapIdx[] = {{"BAC_NAP1", "nomor"}};
constexpr FieldDef kBacNpp[] = {C("NOMOR", 10),     C("NO_JOS", 10),    C("KODE", 10),      C("GOLONGAN", 10),
                                C("INDUK", 10),     C("NAMA", 20),      C("NAMA2", 50),     C("SATUAN", 6),
                                N("HARGA", 14, 2),  N("HARGA1", 14, 2), N("HARGA2", 14, 2), N("HARGA4", 14, 2),
                                N("PAK", 7),        N("DOS", 7),        N("QTY_ORDER", 7)};
constexpr IndexDef kBacNppIdx[] = {{"BAC_NPP1", "nomor"}, {"BAC_NPP2", "no_jos"}, {"BAC_NPP3", "kode"}};

// Numbers the minutes are checked against.
constexpr FieldDef kPec[] = {C("NOMOR", 20)};
constexpr IndexDef kPecIdx[] = {{"PEC", "nomor"}};
constexpr FieldDef kJos[] = {C("NOMOR", 10)};
constexpr IndexDef kJosIdx[] = {{"JOS", "nomor"}};

constexpr TableDef kTables[] = {
    {"RTJUAL1", kRtjual1, kRtjual1Idx},   {"RTJUAL2", kRtjual2, kRtjual2Idx},
    {"RTJUAL3", kRtjual3, kRtjual3Idx},   {"DRAFTR1", kDraftr1, kDraftr1Idx},
    {"DRAFTR2", kDraftr2, kDraftr2Idx},   {"KIRIMAPP", kKirimapp, kKirimappIdx},
    {"BAC_N1", kBacN1, kBacN1Idx},        {"BAC_N2", kBacN2, kBacN2Idx},
    {"BAC_N21", kBacN21, kBacN21Idx},     {"BAC_N22", kBacN22, kBacN22Idx},
    {"BAC_N3", kBacN3, kBacN3Idx},        {"BAC_N6", kBacN6, kBacN6Idx},
    {"BAC_NAP", kBacNap, kBacNapIdx},     {"BAC_NPP", kBacNpp, kBacNppIdx},
    {"PEC", kPec, kPecIdx},               {"JOS", kJos, kJosIdx},
};

}  // namespace

std::span<const TableDef> Returns() { return kTables; }

}  // namespace schema::groups
