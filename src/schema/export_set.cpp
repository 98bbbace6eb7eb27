// The branch export set: each export table copies the first fields of one live table by position.
#include "schema/export_set.h"

#include <cstddef>
#include <string_view>

namespace schema {
namespace {

constexpr FieldRename kOpertor[] = {{"OPERATOR", "OPERTOR"}};
constexpr FieldRename kTanggaOpertor[] = {{"TANGGAL", "TANGGA"}, {"OPERATOR", "OPERTOR"}};
constexpr FieldRename kKcdbTangga[] = {{"KDCB", "KCDB"}, {"TANGGAL", "TANGGA"}};
constexpr FieldRename kTginput[] = {{"TGLINPUT", "TGINPUT"}};
constexpr FieldRename kKodLama[] = {{"KD_LAMA", "KOD_LAMA"}};

// The last two tables are created empty: the delivery-note groups are not sent.
constexpr ExportTableDef kExportSet[] = {
    {"exbl1", "BPBELI1", 12, {}},
    {"exbl2", "BPBELI2", 13, {}},
    {"exbbm", "MASTBRJ", 15, {}},
    {"exgrd", "GIRODBT", 15, {}},
    {"exgpi", "GIRO_PI", 4, {}},
    {"exgrl", "GIRO_RL", 3, {}},
    {"exgk1", "GIROKR1", 7, {}},
    {"exgk2", "GIROKR2", 8, {}},
    {"exjsm", "JUSTMEN", 9, kTginput},
    {"exmd1", "MTSDBT1", 8, {}},
    {"exmd2", "MTSDBT2", 10, {}},
    {"exmk1", "MTSKDT1", 8, {}},
    {"exmk2", "MTSKDT2", 10, {}},
    {"expdb", "PIUTDBT", 15, {}},
    {"expjb", "PIUTJBL", 9, {}},
    {"expk1", "PIUTKR1", 8, {}},
    {"expk2", "PIUTKR2", 8, {}},
    {"exppn", "PPN_KEL", 19, {}},
    {"exppr", "PPN_RET", 19, {}},
    {"expri1", "PRO_IN1", 17, {}},
    {"expri2", "PRO_IN2", 11, {}},
    {"expro1", "PRO_OT1", 8, {}},
    {"expro2", "PRO_OT2", 10, {}},
    {"exrtb1", "RTBELI1", 11, {}},
    {"exrtb2", "RTBELI2", 15, {}},
    {"exrtj1", "RTJUAL1", 17, kOpertor},
    {"exrtj2", "RTJUAL2", 15, {}},
    {"exrtj3", "RTJUAL3", 6, {}},
    {"exsod1", "SLSODR1", 16, kOpertor},
    {"exsod2", "SLSODR2", 14, {}},
    {"exsjl1", "SRTJLN1", 23, kTanggaOpertor},
    {"exsjl2", "SRTJLN2", 14, {}},
    {"exsjl3", "SRTJLN3", 6, {}},
    {"extgh1", "TAGIH1", 6, kKcdbTangga},
    {"extgh2", "TAGIH2", 5, {}},
    {"exbmmo", "BMONITOR", 3, {}},
    {"expot1", "BPOT_HDR", 8, {}},
    {"expot2", "BPOT_DTL", 12, {}},
    {"exbpot", "BPOT_BPT", 11, {}},
    {"exdb38", "MEMADM1", 8, {}},
    {"exdb39", "MEMADM2", 8, {}},
    {"exdb40", "MEMDRV1", 11, {}},
    {"exdb41", "MEMDRV2", 8, {}},
    {"exdb42", "MEMGDG1", 8, {}},
    {"exdb43", "MEMGDG2", 8, {}},
    {"exdb44", "MEMPJK1", 8, {}},
    {"exdb45", "MEMPJK2", 4, {}},
    {"exmcus", "MASTCUS", 26, {}},
    {"exdb46", "RELASI_EXT", 16, {}},
    {"exmsls", "MASTSLS", 10, kKodLama},
    {"exdtbm", "DATABM", 4, {}},
    {"exgs1", "GRUPSJ1", 5, {}},
    {"exgs2", "GRUPSJ2", 3, {}},
};

}  // namespace

std::span<const ExportTableDef> ExportSet() { return kExportSet; }

std::vector<FieldDef> ExportLayout(const ExportTableDef& table) {
  std::vector<FieldDef> fields;
  const TableDef* live = FindTable(table.live);
  if (live == nullptr) return fields;
  for (std::size_t i = 0; i < live->fields.size() && static_cast<int>(i) < table.field_count; ++i) {
    FieldDef field = live->fields[i];
    for (const FieldRename& rename : table.renames) {
      if (std::string_view(rename.live) == field.name) field.name = rename.exported;
    }
    fields.push_back(field);
  }
  return fields;
}

}  // namespace schema
