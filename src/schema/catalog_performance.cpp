// Product hierarchy, targets, supervisor groups, focus lists and the other sales-performance tables.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Product lines; GRUP "D" marks a line that holds items, PP a coverage column.
constexpr FieldDef kPatron[] = {C("KODE", 10), C("NAMA", 30), C("INDUK", 10), N("LEVEL", 2),
                                C("GRUP", 1),  C("KEL", 2),   C("PARETO", 4), L("PP")};
constexpr IndexDef kPatronIdx[] = {{"PATRON", "kode"}};

constexpr FieldDef kPatron2[] = {C("PATRON", 10), C("KODE", 10), N("STAG", 2), N("STKNAS", 2)};
constexpr IndexDef kPatron2Idx[] = {{"PATRON21", "patron"}, {"PATRON22", "kode"}, {"PATRON23", "patron+kode"}};

constexpr FieldDef kPatron3[] = {C("KEL", 2), C("GROUP", 10), C("MEMBER", 10)};
constexpr IndexDef kPatron3Idx[] = {{"PATRON3", "kel+group"}, {"PATRON32", "member"}};

// Nodes of the product recap reports; GRUP marks a heading node.
constexpr FieldDef kPatron4[] = {C("KODE", 10), C("NAMA", 30), C("INDUK", 10), N("LVL", 2), L("GRUP"), C("ITEM", 10)};
constexpr IndexDef kPatron4Idx[] = {{"PATRON4", "kode"}};

constexpr FieldDef kPareto[] = {C("KODE", 4), C("NAMA", 30)};
constexpr IndexDef kParetoIdx[] = {{"PARETO", "kode"}};

constexpr FieldDef kKelompok[] = {C("KODE", 2), C("NAMA", 30)};
constexpr IndexDef kKelompokIdx[] = {{"KELOMPOK", "kode"}};

// Brand licences and non-licence lists share their layouts.
constexpr FieldDef kLicenceHeader[] = {C("ID", 4), C("NAMA", 30), C("NMFIELD", 10)};
constexpr FieldDef kLicenceItem[] = {C("ID", 4), C("KODE", 10), C("URUTAN", 3)};
constexpr IndexDef kLicens1Idx[] = {{"LICENS1", "id"}};
constexpr IndexDef kLicens2Idx[] = {{"LICENS21", "id"}, {"LICENS22", "kode"}, {"LICENS23", "id+kode"}, {"LICENS24", "urutan"}};
constexpr IndexDef kNonlsi1Idx[] = {{"NONLSI1", "id"}};
constexpr IndexDef kNonlsi2Idx[] = {{"NONLSI21", "id"}, {"NONLSI22", "kode"}, {"NONLSI23", "id+kode"}, {"NONLSI24", "urutan"}};

// Special carton conversions of items.
constexpr FieldDef kKonvert[] = {C("KODE", 10), N("DIKALI", 9, 2), N("DIBAGI", 9, 2)};
constexpr IndexDef kKonvertIdx[] = {{"KONVERT", "kode"}};

constexpr FieldDef kSpvSales[] = {C("CABANG", 6), C("KODE", 4), C("NAMA", 20)};
constexpr IndexDef kSpvSalesIdx[] = {{"SPV_SALES", "cabang+kode"}};

constexpr FieldDef kSalesMem[] = {C("SPVID", 4), C("KODE", 4), C("NAMA", 20)};
constexpr IndexDef kSalesMemIdx[] = {{"SALES_MEM1", "spvid"}, {"SALES_MEM2", "kode"}, {"SALES_MEM3", "spvid+kode"}};

constexpr FieldDef kMstarget1[] = {C("KDCB", 6), C("KDTG", 2), C("NOTES", 30), D("TG_UPDATE")};
constexpr IndexDef kMstarget1Idx[] = {{"MSTARGET1", "kdcb+kdtg"}};
constexpr FieldDef kMstarget2[] = {C("KDCB", 6), C("KDTG", 2), C("PATRON", 10)};
constexpr IndexDef kMstarget2Idx[] = {{"MSTARGET21", "kdcb+kdtg"}, {"MSTARGET22", "patron"}};

constexpr FieldDef kTgsales[] = {C("KDCB", 6),   C("SALES", 4), D("TANGGAL"),     C("KDTG", 2),
                                 C("PATRON", 10), N("CARTON", 5), N("QUANTITY", 7), D("TG_UPDATE")};
constexpr IndexDef kTgsalesIdx[] = {{"TGSALES1", "kdcb+sales+dtos(tanggal)"},
                                    {"TGSALES2", "kdcb+dtos(tanggal)"},
                                    {"TGSALES3", "patron"}};

// Monthly targets per item, branch and salesman.
constexpr FieldDef kTarget[] = {C("NOMOR", 10), D("TANGGAL"),        C("KDCB", 6),     C("SALES", 4),
                                C("KODE", 10),  N("BGTQTY", 12),     N("BGTVAL", 16, 2), N("CARTON", 12, 2)};
constexpr IndexDef kTargetIdx[] = {{"TARGET1", "nomor"}, {"TARGET2", "dtos(tanggal)"}, {"TARGET3", "kode"}};

constexpr FieldDef kIFokus[] = {C("NOMOR", 10), C("URUT", 3),       C("KODE", 10),
                                C("NAMA", 20),  C("GOLONGAN", 10),  N("BOX", 4)};
constexpr IndexDef kIFokusIdx[] = {{"I_FOKUS1", "nomor"}, {"I_FOKUS2", "golongan+kode"}, {"I_FOKUS3", "kode"}};

// Items, by the first eight characters of their code, whose PA minimum is the "KK3" one.
constexpr FieldDef kTarifpa[] = {C("KODE", 8)};
constexpr IndexDef kTarifpaIdx[] = {{"TARIFPA", "kode"}};

// Tour-package items and their class "K1" or "K2".
constexpr FieldDef kPkTour[] = {C("KODE", 10), C("GOL", 2)};
constexpr IndexDef kPkTourIdx[] = {{"PK_TOUR1", "kode"}};

constexpr TableDef kTables[] = {
    {"PATRON", kPatron, kPatronIdx},            {"PATRON2", kPatron2, kPatron2Idx},
    {"PATRON3", kPatron3, kPatron3Idx},         {"PATRON4", kPatron4, kPatron4Idx},
    {"PARETO", kPareto, kParetoIdx},            {"KELOMPOK", kKelompok, kKelompokIdx},
    {"LICENS1", kLicenceHeader, kLicens1Idx},   {"LICENS2", kLicenceItem, kLicens2Idx},
    {"NONLSI1", kLicenceHeader, kNonlsi1Idx},   {"NONLSI2", kLicenceItem, kNonlsi2Idx},
    {"KONVERT", kKonvert, kKonvertIdx},         {"SPV_SALES", kSpvSales, kSpvSalesIdx},
    {"SALES_MEM", kSalesMem, kSalesMemIdx},     {"MSTARGET1", kMstarget1, kMstarget1Idx},
    {"MSTARGET2", kMstarget2, kMstarget2Idx},   {"TGSALES", kTgsales, kTgsalesIdx},
    {"TARGET", kTarget, kTargetIdx},            {"I_FOKUS", kIFokus, kIFokusIdx},
    {"TARIFPA", kTarifpa, kTarifpaIdx},         {"PK_TOUR", kPkTour, kPkTourIdx},
};

}  // namespace

std::span<const TableDef> Performance() { return kTables; }

}  // namespace schema::groups
