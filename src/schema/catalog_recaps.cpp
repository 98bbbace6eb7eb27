// Monthly recap tables of sales, targets and closing stock.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Each figure is a triple: pieces, cartons, and value in thousands (targets undivided).
#define PALUNDA_FIGURE(prefix) N(prefix "QTY", 12), N(prefix "CRT", 12, 2), N(prefix "VAL", 16, 2)

constexpr FieldDef kRkpBrc[] = {C("CABANG", 6), C("PERIODE", 6), PALUNDA_FIGURE("TG_"), PALUNDA_FIGURE("JL_"),
                                PALUNDA_FIGURE("TN_"), PALUNDA_FIGURE("CD_"), PALUNDA_FIGURE("ST_")};
constexpr IndexDef kRkpBrcIdx[] = {{"RKP_BRC1", "cabang+periode"}, {"RKP_BRC2", "periode"}};

constexpr FieldDef kRkpCab[] = {C("CABANG", 6),         C("PERIODE", 6),       C("KODE", 10),
                                PALUNDA_FIGURE("TG_"), PALUNDA_FIGURE("JL_"), PALUNDA_FIGURE("TN_"),
                                PALUNDA_FIGURE("CD_"), PALUNDA_FIGURE("ST_")};
constexpr IndexDef kRkpCabIdx[] = {
    {"RKP_CAB1", "cabang+periode+kode"}, {"RKP_CAB2", "cabang"}, {"RKP_CAB3", "periode"}, {"RKP_CAB4", "kode"}};

constexpr FieldDef kRkpCus[] = {C("RELASI", 10),        C("PERIODE", 6),       C("KODE", 10),
                                PALUNDA_FIGURE("TG_"), PALUNDA_FIGURE("JL_"), PALUNDA_FIGURE("TN_"),
                                PALUNDA_FIGURE("CD_")};
constexpr IndexDef kRkpCusIdx[] = {
    {"RKP_CUS1", "relasi+periode+kode"}, {"RKP_CUS2", "relasi"}, {"RKP_CUS3", "periode"}, {"RKP_CUS4", "kode"}};

constexpr FieldDef kRkpRls[] = {C("RELASI", 10),        C("PERIODE", 6),       PALUNDA_FIGURE("TG_"),
                                PALUNDA_FIGURE("JL_"), PALUNDA_FIGURE("TN_"), PALUNDA_FIGURE("CD_")};
constexpr IndexDef kRkpRlsIdx[] = {{"RKP_RLS1", "relasi+periode"}, {"RKP_RLS2", "relasi"}, {"RKP_RLS3", "periode"}};

constexpr FieldDef kRkpSal[] = {C("SALES", 4),          C("PERIODE", 6),       C("KODE", 10),
                                PALUNDA_FIGURE("TG_"), PALUNDA_FIGURE("JL_"), PALUNDA_FIGURE("TN_"),
                                PALUNDA_FIGURE("CD_")};
constexpr IndexDef kRkpSalIdx[] = {
    {"RKP_SAL1", "sales+periode+kode"}, {"RKP_SAL2", "sales"}, {"RKP_SAL3", "periode"}, {"RKP_SAL4", "kode"}};

constexpr FieldDef kRkpSlr[] = {C("SALES", 4),          C("RELASI", 10),       C("PERIODE", 6),
                                C("KODE", 10),          PALUNDA_FIGURE("TG_"), PALUNDA_FIGURE("JL_"),
                                PALUNDA_FIGURE("TN_"), PALUNDA_FIGURE("CD_")};
constexpr IndexDef kRkpSlrIdx[] = {{"RKP_SLR1", "sales+relasi+periode+kode"},
                                   {"RKP_SLR2", "sales+relasi"},
                                   {"RKP_SLR3", "periode"},
                                   {"RKP_SLR4", "kode"}};

#undef PALUNDA_FIGURE

constexpr TableDef kTables[] = {
    {"RKP_BRC", kRkpBrc, kRkpBrcIdx}, {"RKP_CAB", kRkpCab, kRkpCabIdx}, {"RKP_CUS", kRkpCus, kRkpCusIdx},
    {"RKP_RLS", kRkpRls, kRkpRlsIdx}, {"RKP_SAL", kRkpSal, kRkpSalIdx}, {"RKP_SLR", kRkpSlr, kRkpSlrIdx},
};

}  // namespace

std::span<const TableDef> Recaps() { return kTables; }

}  // namespace schema::groups
