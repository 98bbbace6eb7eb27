// The catalog's index files, and the rebuild list, against the fixed list the index rebuild works from.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "schema/catalog.h"
#include "schema/rebuild_list.h"
#include "schema_test_helpers.h"

namespace {

using schema_test::Lines;
using schema_test::Split;

// One line per table: "TABLE|FILE: key; FILE: key", index files in rebuild order.
constexpr const char* kRebuildList = R"(
LOGSETUP|LOGSETUP: logedpath
MENU|MENU: grup+kode
SETUP|SETUP: setup
TRANSAK|TRANSAK: user_id
USERDAT|USERDAT1: nik+grup+induk1+induk2; USERDAT2: nik+grup+kode
MASTBRJ|MASTBRJ1: kode; MASTBRJ2: nama
MASTCUS|MASTCUS1: relasi; MASTCUS2: nama
DT_NPWP|DT_NPWP: npwp
OTL_GRP|OTL_GRP1: kode; OTL_GRP2: kdcb
OTL_MBR|OTL_MBR1: kode; OTL_MBR2: member
MASTSUP|MASTSUP1: kode; MASTSUP2: nama
MASTGOL|MASTGOL1: kode; MASTGOL2: urutan
MASTJNS|MASTJNS1: kode
MASTSLS|MASTSLS1: sales; MASTSLS2: nama
MASTGDG|MASTGDG1: gudang; MASTGDG2: kdcb+gudang
BMONITOR|BMONITOR: invoice; BMONITOR2: dtos(tanggal)
DATABM|DATABM: kode
OPNAME|OPNAME1: nomor; OPNAME2: kode; OPNAME3: kode+gudang
GIRODBT|GIRODBT1: nomor; GIRODBT2: dtos(tg_terima); GIRODBT3: relasi
GIROCAIR|GIROCAIR: nomor; GIROCAIR2: dtos(tanggal)
GIROKDT|GIROKDT1: nomor; GIROKDT2: dtos(tg_terima); GIROKDT3: relasi
GIROKR1|GIROKR11: nomor; GIROKR12: dtos(tanggal)
GIROKR2|GIROKR21: nomor; GIROKR22: no_bukti; GIROKR23: nomor+urut
GIRO_PI|GIRO_PI1: nomor; GIRO_PI2: pro_in+nomor
GIRO_RL|GIRO_RL1: nomor; GIRO_RL2: nomor+relasi
PIUTDBT|PIUTDBT1: nota; PIUTDBT2: dtos(tanggal); PIUTDBT3: relasi; PIUTDBT4: Tipe
PIUTJBL|PIUTJBL1: nomor; PIUTJBL2: nota; PIUTJBL3: no_bukti; PIUTJBL4: dtos(tanggal)
PIUTKR1|PIUTKR11: kdcb+nomor; PIUTKR12: dtos(tanggal)
PIUTKR2|PIUTKR21: kdcb+nomor; PIUTKR22: nota; PIUTKR23: no_bukti; PIUTKR24: nomor+urut
KIRIMAPP|KIRIMAPP: Form+nomor
STOKBRG|STOKBRG1: kode+gudang; STOKBRG2: gudang+kode
JUSTMEN|JUSTMEN1: nomor; JUSTMEN2: kode+gudang; JUSTMEN3: tanggal
BPBELI1|BPBELI11: no_bpb; BPBELI12: dtos(tanggal); BPBELI13: suplier
BPBELI2|BPBELI21: no_bpb; BPBELI22: kode+gudang; BPBELI23: no_bpb+urutan
DTA_PEB|DTA_PEB1: nomor; DTA_PEB2: no_po; DTA_PEB3: no_bpb
RTBELI1|RTBELI11: nomor; RTBELI12: dtos(tanggal); RTBELI13: suplier
RTBELI2|RTBELI21: nomor; RTBELI22: kode+gudang
SLSODR1|SLSODR11: nomor; SLSODR12: dtos(tanggal); SLSODR13: relasi; SLSODR14: sales; SLSODR15: kdcb
SLSODR2|SLSODR21: nomor; SLSODR22: kode; SLSODR23: nomor+kode
SRTJLN1|SRTJLN11: invoice; SRTJLN12: dtos(tanggal); SRTJLN13: nomor; SRTJLN14: relasi; SRTJLN15: sales; SRTJLN16: kdcb
SRTJLN2|SRTJLN21: invoice; SRTJLN22: kode+gudang; SRTJLN23: invoice+urut
SRTJLN3|SRTJLN31: invoice; SRTJLN32: invoice+urutan
RTJUAL1|RTJUAL11: nomor; RTJUAL12: dtos(tanggal); RTJUAL13: relasi; RTJUAL14: sales; RTJUAL15: kdcb
RTJUAL2|RTJUAL21: nomor; RTJUAL22: kode+gudang; RTJUAL23: nomor+urut
RTJUAL3|RTJUAL31: nomor; RTJUAL32: nomor+urutan
MTSDBT1|MTSDBT11: nomor; MTSDBT12: dtos(tanggal); MTSDBT13: kdcb
MTSDBT2|MTSDBT21: nomor; MTSDBT22: kode+gudang
MTSKDT1|MTSKDT11: nomor; MTSKDT12: dtos(tanggal); MTSKDT13: kdcb
MTSKDT2|MTSKDT21: nomor; MTSKDT22: kode+gudang
BAC_N1|BAC_N11: nomor; BAC_N12: dtos(tanggal)
BAC_N2|BAC_N21: nomor; BAC_N22: nomor+urutan
BAC_N21|BAC_N211: nomor+urutan
BAC_N22|BAC_N221: nomor
BAC_N3|BAC_N31: nomor; BAC_N32: nomor+urutan
BAC_N6|BAC_N61: nomor
BAC_NAP|BAC_NAP1: nomor
BAC_NPP|BAC_NPP1: nomor; BAC_NPP2: no_jos; BAC_NPP3: kode
KD_GL11|KD_GL11: kdcb+nomor
KD_GL12|KD_GL12: KDCB+nomor+urut
KD_GL21|KD_GL21: kdcb+nomor
KD_GL22|KD_GL22: KDCB+nomor+urut
KD_GL31|KD_GL31: kdcb+nomor
KD_GL32|KD_GL32: KDCB+nomor; KD_GL33: KDCB+no_reff
FGOODS|FGOODS1: no_fg; FGOODS2: invoice
BPOT_BPT|BPOT_BPT1: NOMOR; BPOT_BPT2: NOTA+KDTT; BPOT_BPT3: DTOS(TANGGAL)
BPOT_HDR|BPOT_HDR1: NOMOR; BPOT_HDR2: DTOS(TANGGAL)
BPOT_DTL|BPOT_DTL1: NOMOR; BPOT_DTL2: NOTA+KDTT
MEMADM1|MEMADM11: KDCB+nomor; MEMADM12: dtos(tanggal)
MEMADM2|MEMADM21: KDCB+nomor; MEMADM22: invoice; MEMADM23: dtos(tg_kirim)
MEMDRV1|MEMDRV11: KDCB+nomor; MEMDRV12: dtos(tanggal)
MEMDRV2|MEMDRV21: KDCB+nomor; MEMDRV22: invoice
MEMGDG1|MEMGDG11: KDCB+nomor; MEMGDG12: dtos(tanggal)
MEMGDG2|MEMGDG21: KDCB+nomor; MEMGDG22: invoice
MEMPJK1|MEMPJK11: KDCB+nomor; MEMPJK12: dtos(tanggal)
MEMPJK2|MEMPJK21: KDCB+nomor; MEMPJK22: invoice
PRO_IN1|PRO_IN11: nomor; PRO_IN12: relasi+nomor; PRO_IN13: dtos(tanggal)
PRO_IN2|PRO_IN21: nomor; PRO_IN22: nomor+kode; PRO_IN23: kode
PRO_OT1|PRO_OT11: nomor; PRO_OT12: no_reff+nomor; PRO_OT13: dtos(tanggal)
PRO_OT2|PRO_OT21: nomor; PRO_OT22: no_reff+kode; PRO_OT23: kode
DRAFTR1|DRAFTR11: nomor; DRAFTR12: dtos(tanggal)
DRAFTR2|DRAFTR21: nomor
PPN_KEL|PPN_KEL1: No_Sj; PPN_KEL2: Nomor; PPN_KEL3: Invoice; PPN_KEL4: Nomor+Invoice; PPN_KEL5: dtos(tanggal); PPN_KEL6: Relasi
PPN_RET|PPN_RET1: No_Sj; PPN_RET2: Nomor; PPN_RET3: Invoice; PPN_RET4: Nomor+Invoice; PPN_RET5: dtos(tanggal); PPN_RET6: Relasi
GRUPSJ1|GRUPSJ11: Invoice
GRUPSJ2|GRUPSJ21: Invoice; GRUPSJ22: Member_sj
TAGIH1|TAGIH11: nomor; TAGIH12: dtos(tanggal)
TAGIH2|TAGIH21: nomor; TAGIH22: nomor+code_id+relasi+nota; TAGIH23: nota
I_FOKUS|I_FOKUS1: nomor; I_FOKUS2: golongan+kode; I_FOKUS3: kode
CABANG|CABANG: kode
PATRON|PATRON: kode
PATRON2|PATRON21: patron; PATRON22: kode; PATRON23: patron+kode
PATRON3|PATRON3: kel+group; PATRON32: member
PATRON4|PATRON4: kode
SPV_SALES|SPV_SALES: cabang+kode
SALES_MEM|SALES_MEM1: spvid; SALES_MEM2: kode; SALES_MEM3: spvid+kode
TARGET|TARGET1: nomor; TARGET2: dtos(tanggal); TARGET3: kode
LICENS1|LICENS1: id
LICENS2|LICENS21: id; LICENS22: kode; LICENS23: id+kode; LICENS24: urutan
NONLSI1|NONLSI1: id
NONLSI2|NONLSI21: id; NONLSI22: kode; NONLSI23: id+kode; NONLSI24: urutan
RKP_BRC|RKP_BRC1: cabang+periode; RKP_BRC2: periode
RKP_CAB|RKP_CAB1: cabang+periode+kode; RKP_CAB2: cabang; RKP_CAB3: periode; RKP_CAB4: kode
RKP_CUS|RKP_CUS1: relasi+periode+kode; RKP_CUS2: relasi; RKP_CUS3: periode; RKP_CUS4: kode
RKP_RLS|RKP_RLS1: relasi+periode; RKP_RLS2: relasi; RKP_RLS3: periode
RKP_SAL|RKP_SAL1: sales+periode+kode; RKP_SAL2: sales; RKP_SAL3: periode; RKP_SAL4: kode
RKP_SLR|RKP_SLR1: sales+relasi+periode+kode; RKP_SLR2: sales+relasi; RKP_SLR3: periode; RKP_SLR4: kode)";

struct ListedTable {
  std::string name;
  std::vector<std::pair<std::string, std::string>> indexes;  // file, key
};

std::vector<ListedTable> ParseList() {
  std::vector<ListedTable> tables;
  for (const std::string& line : Lines(kRebuildList)) {
    std::vector<std::string> columns = Split(line, '|');
    ListedTable table{columns[0], {}};
    for (const std::string& index : Split(columns[1], ';')) {
      std::vector<std::string> file_and_key = Split(index, ':');
      table.indexes.emplace_back(file_and_key[0], file_and_key[1]);
    }
    tables.push_back(table);
  }
  return tables;
}

TEST(IndexList, EveryListedTableHasExactlyTheListedIndexFilesInOrder) {
  std::vector<ListedTable> listed = ParseList();
  ASSERT_EQ(listed.size(), 106u);
  for (const ListedTable& entry : listed) {
    const schema::TableDef* table = schema::FindTable(entry.name);
    ASSERT_NE(table, nullptr) << entry.name;
    ASSERT_EQ(table->indexes.size(), entry.indexes.size()) << entry.name;
    for (size_t i = 0; i < entry.indexes.size(); ++i) {
      EXPECT_EQ(table->indexes[i].file, entry.indexes[i].first) << entry.name << " index " << i + 1;
      EXPECT_EQ(table->indexes[i].key, entry.indexes[i].second) << entry.name << " index " << i + 1;
    }
  }
}

TEST(IndexList, RebuildListKeepsTheListOrderAndStartsWithTheFrameTablesCleared) {
  std::vector<ListedTable> listed = ParseList();
  std::span<const schema::RebuildEntry> list = schema::RebuildList();
  ASSERT_EQ(list.size(), listed.size());
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].table, listed[i].name);
    bool cleared = i < 6;  // LOGSETUP, MENU, SETUP, TRANSAK, USERDAT, MASTBRJ
    EXPECT_EQ(list[i].selected, !cleared) << list[i].table;
  }
  EXPECT_STREQ(list[5].table, "MASTBRJ");
}

}  // namespace
