// The fixed list of tables that the index rebuild offers, in its order.
#include "schema/rebuild_list.h"

namespace schema {
namespace {

// The frame's own tables and the goods master start unselected.
constexpr RebuildEntry kRebuildList[] = {
    {"LOGSETUP", false}, {"MENU", false}, {"SETUP", false}, {"TRANSAK", false},
    {"USERDAT", false}, {"MASTBRJ", false}, {"MASTCUS", true}, {"DT_NPWP", true},
    {"OTL_GRP", true}, {"OTL_MBR", true}, {"MASTSUP", true}, {"MASTGOL", true},
    {"MASTJNS", true}, {"MASTSLS", true}, {"MASTGDG", true}, {"BMONITOR", true},
    {"DATABM", true}, {"OPNAME", true}, {"GIRODBT", true}, {"GIROCAIR", true},
    {"GIROKDT", true}, {"GIROKR1", true}, {"GIROKR2", true}, {"GIRO_PI", true},
    {"GIRO_RL", true}, {"PIUTDBT", true}, {"PIUTJBL", true}, {"PIUTKR1", true},
    {"PIUTKR2", true}, {"KIRIMAPP", true}, {"STOKBRG", true}, {"JUSTMEN", true},
    {"BPBELI1", true}, {"BPBELI2", true}, {"DTA_PEB", true}, {"RTBELI1", true},
    {"RTBELI2", true}, {"SLSODR1", true}, {"SLSODR2", true}, {"SRTJLN1", true},
    {"SRTJLN2", true}, {"SRTJLN3", true}, {"RTJUAL1", true}, {"RTJUAL2", true},
    {"RTJUAL3", true}, {"MTSDBT1", true}, {"MTSDBT2", true}, {"MTSKDT1", true},
    {"MTSKDT2", true}, {"BAC_N1", true}, {"BAC_N2", true}, {"BAC_N21", true},
    {"BAC_N22", true}, {"BAC_N3", true}, {"BAC_N6", true}, {"BAC_NAP", true},
    {"BAC_NPP", true}, {"KD_GL11", true}, {"KD_GL12", true}, {"KD_GL21", true},
    {"KD_GL22", true}, {"KD_GL31", true}, {"KD_GL32", true}, {"FGOODS", true},
    {"BPOT_BPT", true}, {"BPOT_HDR", true}, {"BPOT_DTL", true}, {"MEMADM1", true},
    {"MEMADM2", true}, {"MEMDRV1", true}, {"MEMDRV2", true}, {"MEMGDG1", true},
    {"MEMGDG2", true}, {"MEMPJK1", true}, {"MEMPJK2", true}, {"PRO_IN1", true},
    {"PRO_IN2", true}, {"PRO_OT1", true}, {"PRO_OT2", true}, {"DRAFTR1", true},
    {"DRAFTR2", true}, {"PPN_KEL", true}, {"PPN_RET", true}, {"GRUPSJ1", true},
    {"GRUPSJ2", true}, {"TAGIH1", true}, {"TAGIH2", true}, {"I_FOKUS", true},
    {"CABANG", true}, {"PATRON", true}, {"PATRON2", true}, {"PATRON3", true},
    {"PATRON4", true}, {"SPV_SALES", true}, {"SALES_MEM", true}, {"TARGET", true},
    {"LICENS1", true}, {"LICENS2", true}, {"NONLSI1", true}, {"NONLSI2", true},
    {"RKP_BRC", true}, {"RKP_CAB", true}, {"RKP_CUS", true}, {"RKP_RLS", true},
    {"RKP_SAL", true}, {"RKP_SLR", true},
};

}  // namespace

std::span<const RebuildEntry> RebuildList() { return kRebuildList; }

}  // namespace schema
