// Admin, driver, warehouse and tax memos.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Mirrored field by field by the branch export set; admin, warehouse and tax memo headers share a layout.
constexpr FieldDef kMemoHeader[] = {C("KDCB", 6),   C("NOMOR", 10),   D("TANGGAL"), C("NOTES", 40),
                                    L("APPROVAL"),  D("TGAPPROV"),    D("TGINPUT"), C("OPERATOR", 10)};

constexpr FieldDef kMemadm2[] = {C("KDCB", 6),       C("NOMOR", 10),   C("INVOICE", 20),    N("CARTON", 12, 2),
                                 L("TERKIRIM"),      D("TG_KIRIM"),    C("JAM_KIRIM", 5),   C("NOTES", 40)};

constexpr FieldDef kMemdrv1[] = {C("KDCB", 6),     C("NOMOR", 10),     D("TANGGAL"),  C("ARMADA", 10),
                                 C("SOPIR", 10),   C("JAM_PERGI", 5),  C("NOTES", 40), L("APPROVAL"),
                                 D("TGAPPROV"),    D("TGINPUT"),       C("OPERATOR", 10)};
constexpr FieldDef kMemdrv2[] = {C("KDCB", 6),     C("NOMOR", 10),   C("INVOICE", 20), N("CARTON", 12, 2),
                                 D("TG_KIRIM"),    D("TG_REAL"),     C("JAM_REAL", 5), L("TERKIRIM")};

constexpr FieldDef kMemgdg2[] = {C("KDCB", 6),     C("NOMOR", 10),      C("INVOICE", 20), N("CARTON", 12, 2),
                                 D("TG_KIRIM"),    C("JAM_KIRIM", 5),   C("NOTES", 40),   L("TERKIRIM")};

constexpr FieldDef kMempjk2[] = {C("KDCB", 6), C("NOMOR", 10), C("INVOICE", 20), N("CARTON", 12, 2)};

constexpr IndexDef kMemadm1Idx[] = {{"MEMADM11", "KDCB+nomor"}, {"MEMADM12", "dtos(tanggal)"}};
constexpr IndexDef kMemadm2Idx[] = {{"MEMADM21", "KDCB+nomor"}, {"MEMADM22", "invoice"}, {"MEMADM23", "dtos(tg_kirim)"}};
constexpr IndexDef kMemdrv1Idx[] = {{"MEMDRV11", "KDCB+nomor"}, {"MEMDRV12", "dtos(tanggal)"}};
constexpr IndexDef kMemdrv2Idx[] = {{"MEMDRV21", "KDCB+nomor"}, {"MEMDRV22", "invoice"}};
constexpr IndexDef kMemgdg1Idx[] = {{"MEMGDG11", "KDCB+nomor"}, {"MEMGDG12", "dtos(tanggal)"}};
constexpr IndexDef kMemgdg2Idx[] = {{"MEMGDG21", "KDCB+nomor"}, {"MEMGDG22", "invoice"}};
constexpr IndexDef kMempjk1Idx[] = {{"MEMPJK11", "KDCB+nomor"}, {"MEMPJK12", "dtos(tanggal)"}};
constexpr IndexDef kMempjk2Idx[] = {{"MEMPJK21", "KDCB+nomor"}, {"MEMPJK22", "invoice"}};

constexpr TableDef kTables[] = {
    {"MEMADM1", kMemoHeader, kMemadm1Idx}, {"MEMADM2", kMemadm2, kMemadm2Idx},
    {"MEMDRV1", kMemdrv1, kMemdrv1Idx},    {"MEMDRV2", kMemdrv2, kMemdrv2Idx},
    {"MEMGDG1", kMemoHeader, kMemgdg1Idx}, {"MEMGDG2", kMemgdg2, kMemgdg2Idx},
    {"MEMPJK1", kMemoHeader, kMempjk1Idx}, {"MEMPJK2", kMempjk2, kMempjk2Idx},
};

}  // namespace

std::span<const TableDef> Memos() { return kTables; }

}  // namespace schema::groups
