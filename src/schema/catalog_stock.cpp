// Stock per warehouse, adjustments, mutations, stock-taking tags and the gift-wrap work.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

constexpr FieldDef kStokbrg[] = {C("KODE", 10),          C("GUDANG", 6),         N("JUMLAH", 12),
                                 N("HRG_BELI", 14, 2),   N("HRG_POKOK", 12, 2),  N("HRG_RATA", 14, 2)};
constexpr IndexDef kStokbrgIdx[] = {{"STOKBRG1", "kode+gudang"}, {"STOKBRG2", "gudang+kode"}};

// Adjustments and both mutation halves are mirrored field by field by the branch export set, which spells
// TGLINPUT as TGINPUT.
constexpr FieldDef kJustmen[] = {C("NOMOR", 20),   D("TANGGAL"),       C("KODE", 10),
                                 C("GUDANG", 6),   N("QUANTITY", 9),   N("HARGA", 10, 2),
                                 N("HRG_RATA", 10, 2), D("TGLINPUT"),  C("OPERATOR", 10)};
constexpr IndexDef kJustmenIdx[] = {{"JUSTMEN1", "nomor"}, {"JUSTMEN2", "kode+gudang"}, {"JUSTMEN3", "tanggal"}};

// The in half and the out half of a mutation share their layouts.
constexpr FieldDef kMutationHeader[] = {C("NOMOR", 20),  D("TANGGAL"), C("KDCB", 6),     C("GUDANG", 6),
                                        C("CODE_ID", 4), L("CETAK"),   D("TG_INPUT"),    C("OPERATOR", 10)};
constexpr FieldDef kMutationLine[] = {C("NOMOR", 20), C("KODE", 10),     C("GUDANG", 6),   N("Q_BOX", 7),
                                      N("Q_PAK", 7),  N("Q_PCS", 7),     N("QUANTITY", 9), N("HARGA", 14, 2),
                                      C("KTR", 30),   N("HRG_RATA", 14)};
constexpr IndexDef kMtsdbt1Idx[] = {{"MTSDBT11", "nomor"}, {"MTSDBT12", "dtos(tanggal)"}, {"MTSDBT13", "kdcb"}};
constexpr IndexDef kMtsdbt2Idx[] = {{"MTSDBT21", "nomor"}, {"MTSDBT22", "kode+gudang"}};
constexpr IndexDef kMtskdt1Idx[] = {{"MTSKDT11", "nomor"}, {"MTSKDT12", "dtos(tanggal)"}, {"MTSKDT13", "kdcb"}};
constexpr IndexDef kMtskdt2Idx[] = {{"MTSKDT21", "nomor"}, {"MTSKDT22", "kode+gudang"}};

constexpr FieldDef kOpname[] = {C("NOMOR", 10), C("KODE", 10), C("LOKASI", 6), C("GUDANG", 6),
                                D("TANGGAL"),   N("BOX", 7),   N("PAK", 7),    N("PCS", 7),
                                N("JUMLAH", 9), D("TGINPUT"),  C("NIK", 10)};
constexpr IndexDef kOpnameIdx[] = {{"OPNAME1", "nomor"}, {"OPNAME2", "kode"}, {"OPNAME3", "kode+gudang"}};

// Packaging materials per raw item code prefix.
constexpr FieldDef kBrepack[] = {
    C("KODE", 10),         C("KD_DISPLAY", 10),   C("KD_PLASTIK", 10), C("KD_INNER", 10),    C("KD_LABEL", 10),
    C("KD_STCK1", 10),     C("KD_STCK2", 10),     N("QT_DISPLAY", 9, 2), N("QT_PLASTIK", 9, 2),
    N("QT_INNER", 9, 2),   N("QT_LABEL", 9, 2),   N("QT_STCK1", 9, 2),   N("QT_STCK2", 9, 2)};
constexpr IndexDef kBrepackIdx[] = {{"BREPACK", "kode"}};

// Results of a raw item prefix, with the packing and the fee per result unit.
constexpr FieldDef kHrepack[] = {C("KODE", 10), C("KD_JADI", 10), N("PACKING", 7), N("TARIF", 10, 2)};
constexpr IndexDef kHrepackIdx[] = {{"HREPACK1", "kode+kd_jadi"}, {"HREPACK2", "kd_jadi"}};

constexpr FieldDef kKdGl11[] = {C("KDCB", 6),   C("NOMOR", 10),    D("TANGGAL"),
                                D("TG_INPUT"),  C("OPERATOR", 10), L("CETAK")};
constexpr IndexDef kKdGl11Idx[] = {{"KD_GL11", "kdcb+nomor"}};

constexpr FieldDef kKdGl12[] = {C("KDCB", 6),     C("NOMOR", 10),  C("GUDANG", 6),  C("KODE", 10),
                                N("QTY_LBR", 9),  C("URUT", 3),    C("KD_JADI", 10), N("DISPLAY", 7),
                                N("PLASTIK", 7),  N("QTINNER", 7), N("QTLABEL", 7), N("QTSTCK1", 7),
                                N("QTSTCK2", 7),  N("QTY_GL", 9)};
constexpr IndexDef kKdGl12Idx[] = {{"KD_GL12", "KDCB+nomor+urut"}};

constexpr FieldDef kKdGl21[] = {C("KDCB", 6),   C("NOMOR", 10),    D("TANGGAL"),      D("TG_INPUT"),
                                C("OPERATOR", 10), L("CETAK"),      C("NOTA_BYR", 10), D("TG_CETAK")};
constexpr IndexDef kKdGl21Idx[] = {{"KD_GL21", "kdcb+nomor"}};

constexpr FieldDef kKdGl22[] = {C("KDCB", 6),   C("NOMOR", 10), C("NO_REFF", 10), C("KODE", 10),
                                C("GUDANG", 6), N("QTY_GL", 9), N("PER_GL", 4),   C("URUT", 3)};
constexpr IndexDef kKdGl22Idx[] = {{"KD_GL22", "KDCB+nomor+urut"}};

// OPERATOR of a fee note counts its prints.
constexpr FieldDef kKdGl31[] = {C("KDCB", 6), C("NOMOR", 10),    D("TANGGAL"),
                                L("CETAK"),   D("TG_CETAK"),     C("OPERATOR", 10)};
constexpr IndexDef kKdGl31Idx[] = {{"KD_GL31", "kdcb+nomor"}};

constexpr FieldDef kKdGl32[] = {C("KDCB", 6),   C("NOMOR", 10), D("TG_JADI"),   C("NO_REFF", 10),
                                C("KODE", 10),  N("QTY_GL", 9), N("PER_GL", 4), N("TARIF", 7, 2)};
constexpr IndexDef kKdGl32Idx[] = {{"KD_GL32", "KDCB+nomor"}, {"KD_GL33", "KDCB+no_reff"}};

constexpr TableDef kTables[] = {
    {"STOKBRG", kStokbrg, kStokbrgIdx},        {"JUSTMEN", kJustmen, kJustmenIdx},
    {"MTSDBT1", kMutationHeader, kMtsdbt1Idx}, {"MTSDBT2", kMutationLine, kMtsdbt2Idx},
    {"MTSKDT1", kMutationHeader, kMtskdt1Idx}, {"MTSKDT2", kMutationLine, kMtskdt2Idx},
    {"OPNAME", kOpname, kOpnameIdx},           {"BREPACK", kBrepack, kBrepackIdx},
    {"HREPACK", kHrepack, kHrepackIdx},        {"KD_GL11", kKdGl11, kKdGl11Idx},
    {"KD_GL12", kKdGl12, kKdGl12Idx},          {"KD_GL21", kKdGl21, kKdGl21Idx},
    {"KD_GL22", kKdGl22, kKdGl22Idx},          {"KD_GL31", kKdGl31, kKdGl31Idx},
    {"KD_GL32", kKdGl32, kKdGl32Idx},
};

}  // namespace

std::span<const TableDef> Stock() { return kTables; }

}  // namespace schema::groups
