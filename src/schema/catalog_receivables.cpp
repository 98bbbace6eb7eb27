// Payment instruments, payment receipts, journals, collection lists, deductions and receipts.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Instruments received; the register for other branches keeps the same layout.
constexpr FieldDef kGirodbt[] = {
    C("NOMOR", 20),   C("KDCB", 6),      C("KET", 4),      D("TANGGAL"),       D("TG_TERIMA"),
    C("RELASI", 10),  C("ACCOUNT", 10),  C("CODE_ID", 4),  N("DEBET", 16, 2),  N("KREDIT", 16, 2),
    C("NOTES", 20),   L("KIRIMAN"),      L("REALISASI"),   D("TGINPUT"),       C("OPERATOR", 10)};
constexpr IndexDef kGirodbtIdx[] = {{"GIRODBT1", "nomor"}, {"GIRODBT2", "dtos(tg_terima)"}, {"GIRODBT3", "relasi"}};
constexpr IndexDef kGirokdtIdx[] = {{"GIROKDT1", "nomor"}, {"GIROKDT2", "dtos(tg_terima)"}, {"GIROKDT3", "relasi"}};

constexpr FieldDef kGiroPi[] = {C("NOMOR", 20), C("PRO_IN", 20), C("RELASI", 10), N("NILAI_PRO", 16, 2)};
constexpr IndexDef kGiroPiIdx[] = {{"GIRO_PI1", "nomor"}, {"GIRO_PI2", "pro_in+nomor"}};

constexpr FieldDef kGiroRl[] = {C("NOMOR", 20), C("RELASI", 10), N("NILAI", 16, 2)};
constexpr IndexDef kGiroRlIdx[] = {{"GIRO_RL1", "nomor"}, {"GIRO_RL2", "nomor+relasi"}};

constexpr FieldDef kGirocair[] = {C("NOMOR", 20), D("TANGGAL"), L("KOSONG"), C("NOTES", 20)};
constexpr IndexDef kGirocairIdx[] = {{"GIROCAIR", "nomor"}, {"GIROCAIR2", "dtos(tanggal)"}};

// Head-office settlements of instruments, as the branch export set mirrors them.
constexpr FieldDef kGirokr1[] = {C("NOMOR", 20), C("KDCB", 6),  D("TANGGAL"),     C("NOTES", 20),
                                 L("CETAK"),     D("TGINPUT"),  C("OPERATOR", 10)};
constexpr IndexDef kGirokr1Idx[] = {{"GIROKR11", "nomor"}, {"GIROKR12", "dtos(tanggal)"}};

constexpr FieldDef kGirokr2[] = {C("NOMOR", 10),     C("NO_BUKTI", 20),  C("KDCB", 6),     C("KD_TT", 4),
                                 N("DEBET", 16, 2),  N("KREDIT", 16, 2), C("NOTES", 20),   C("URUT", 3)};
constexpr IndexDef kGirokr2Idx[] = {{"GIROKR21", "nomor"}, {"GIROKR22", "no_bukti"}, {"GIROKR23", "nomor+urut"}};

constexpr FieldDef kPiutjbl[] = {C("NOTA", 20),      C("NOMOR", 10),      D("TANGGAL"),   C("KD_TT", 6),
                                 C("NO_BUKTI", 20),  N("DEBET", 16, 2),   N("KREDIT", 16, 2), C("NOTES", 30),
                                 C("URUT", 3)};
constexpr IndexDef kPiutjblIdx[] = {{"PIUTJBL1", "nomor"}, {"PIUTJBL2", "nota"}, {"PIUTJBL3", "no_bukti"},
                                    {"PIUTJBL4", "dtos(tanggal)"}};

constexpr FieldDef kPiutkr1[] = {C("KDCB", 6), C("NOMOR", 10), D("TANGGAL"), C("NOTES", 30),
                                 L("CETAK"),   L("KIRIMAN"),   D("TGINPUT"), C("OPERATOR", 10)};
constexpr IndexDef kPiutkr1Idx[] = {{"PIUTKR11", "kdcb+nomor"}, {"PIUTKR12", "dtos(tanggal)"}};

constexpr FieldDef kPiutkr2[] = {C("KDCB", 6),        C("NOMOR", 10),     C("NOTA", 20),   C("KD_TT", 2),
                                 C("NO_BUKTI", 20),   N("KREDIT", 16, 2), C("NOTES", 30),  C("URUT", 3)};
constexpr IndexDef kPiutkr2Idx[] = {{"PIUTKR21", "kdcb+nomor"}, {"PIUTKR22", "nota"}, {"PIUTKR23", "no_bukti"},
                                    {"PIUTKR24", "nomor+urut"}};

constexpr FieldDef kTagih1[] = {C("NOMOR", 10),  C("KDCB", 6),  D("TANGGAL"),
                                C("PENAGIH", 4), D("TGINPUT"),  C("OPERATOR", 10)};
constexpr IndexDef kTagih1Idx[] = {{"TAGIH11", "nomor"}, {"TAGIH12", "dtos(tanggal)"}};

constexpr FieldDef kTagih2[] = {C("NOMOR", 10), C("CODE_ID", 4), C("RELASI", 10), C("NOTA", 20), N("JUMLAH", 16, 2)};
constexpr IndexDef kTagih2Idx[] = {{"TAGIH21", "nomor"}, {"TAGIH22", "nomor+code_id+relasi+nota"}, {"TAGIH23", "nota"}};

// Deduction requests; the approval work files keep the same layouts.
constexpr FieldDef kBpotHdr[] = {C("NOMOR", 10), C("KDCB", 6),     D("TANGGAL"), L("CETAK"),
                                 L("APPROVAL"),  L("REALISASI"),   D("TGINPUT"), C("OPERATOR", 10)};
constexpr IndexDef kBpotHdrIdx[] = {{"BPOT_HDR1", "NOMOR"}, {"BPOT_HDR2", "DTOS(TANGGAL)"}};
constexpr IndexDef kBpotAp1Idx[] = {{"BPOT_AP1", "NOMOR"}};

constexpr FieldDef kBpotDtl[] = {C("NOMOR", 10),     C("NOTA", 20),   C("KDTT", 2),   N("TARIF", 6, 2),
                                 N("POTONGAN", 12, 2), C("NO_BPT", 10), C("NOTES", 50), C("RELASI", 9),
                                 C("TIPE", 2),       C("SALES", 4),   C("CODE_ID", 4), L("SETUJU")};
constexpr IndexDef kBpotDtlIdx[] = {{"BPOT_DTL1", "NOMOR"}, {"BPOT_DTL2", "NOTA+KDTT"}};
constexpr IndexDef kBpotAp2Idx[] = {{"BPOT_AP2", "NOMOR"}};

constexpr FieldDef kBpotBpt[] = {C("NOMOR", 10),  C("KDCB", 6),   D("TANGGAL"),    C("NOTA", 20),
                                 C("KDTT", 2),    N("TARIF", 6, 2), N("NILAI", 12, 2), C("NOTES", 50),
                                 L("CETAK"),      D("TGINPUT"),   C("OPERATOR", 10)};
constexpr IndexDef kBpotBptIdx[] = {{"BPOT_BPT1", "NOMOR"}, {"BPOT_BPT2", "NOTA+KDTT"}, {"BPOT_BPT3", "DTOS(TANGGAL)"}};

constexpr FieldDef kKwit1[] = {C("NOMOR", 7), D("TANGGAL"), C("DARI", 100), C("KET1", 40),
                               C("KET2", 40), C("KET3", 40), L("CETAK")};
constexpr IndexDef kKwit1Idx[] = {{"KWIT_1", "nomor"}};

constexpr FieldDef kKwit2[] = {C("NOMOR", 7), C("NOTA", 20), C("FORM", 5)};
constexpr IndexDef kKwit2Idx[] = {{"KWIT_2", "nomor"}};

constexpr FieldDef kKwit3[] = {C("NOMOR", 7),   C("NOTES1", 60), C("NOTES2", 60),
                               C("NOTES3", 60), C("NOTES4", 60), C("NOTES5", 60)};
constexpr IndexDef kKwit3Idx[] = {{"KWIT_3", "nomor"}};

constexpr TableDef kTables[] = {
    {"GIRODBT", kGirodbt, kGirodbtIdx},   {"GIROKDT", kGirodbt, kGirokdtIdx},
    {"GIRO_PI", kGiroPi, kGiroPiIdx},     {"GIRO_RL", kGiroRl, kGiroRlIdx},
    {"GIROCAIR", kGirocair, kGirocairIdx}, {"GIROKR1", kGirokr1, kGirokr1Idx},
    {"GIROKR2", kGirokr2, kGirokr2Idx},   {"PIUTJBL", kPiutjbl, kPiutjblIdx},
    {"PIUTKR1", kPiutkr1, kPiutkr1Idx},   {"PIUTKR2", kPiutkr2, kPiutkr2Idx},
    {"TAGIH1", kTagih1, kTagih1Idx},      {"TAGIH2", kTagih2, kTagih2Idx},
    {"BPOT_HDR", kBpotHdr, kBpotHdrIdx},  {"BPOT_DTL", kBpotDtl, kBpotDtlIdx},
    {"BPOT_BPT", kBpotBpt, kBpotBptIdx},  {"BPOT_AP1", kBpotHdr, kBpotAp1Idx},
    {"BPOT_AP2", kBpotDtl, kBpotAp2Idx},  {"KWIT_1", kKwit1, kKwit1Idx},
    {"KWIT_2", kKwit2, kKwit2Idx},        {"KWIT_3", kKwit3, kKwit3Idx},
};

}  // namespace

std::span<const TableDef> Receivables() { return kTables; }

}  // namespace schema::groups
