// OPENMEMORANDUM: the tables every memo screen and report works with.
#include "frame/open_table.h"
#include "memos/memos.h"

namespace memos {
namespace {

struct WorkTable {
  const char* table;
  const char* alias;
  const char* order;  // the index that controls after opening; empty: the first
};

constexpr WorkTable kWorkSet[] = {
    {"mastbrj", "mastbrj", ""}, {"srtjln2", "Kartu", ""},       {"srtjln1", "Invoice", ""},
    {"mastcus", "relasi", ""},  {"memadm1", "memadm1", ""},    {"memadm2", "memadm2", ""},
    {"memdrv1", "memdrv1", ""}, {"memdrv2", "memdrv2", ""},    {"Memgdg1", "Memgdg1", ""},
    {"memgdg2", "memgdg2", ""}, {"Mempjk1", "Mempjk1", ""},    {"mempjk2", "mempjk2", ""},
    {"setup", "setup", ""},     {"Karyawan", "Karyawan", ""},  {"piutdbt", "piutang", ""},
    {"tagih1", "tagihan", ""},  {"tagih2", "tagih2", "TAGIH23"}, {"piutkr1", "dibayar1", ""},
    {"piutkr2", "dibayar2", "PIUTKR22"},
};

}  // namespace

bool OPENMEMORANDUM(frame::Session& session) {
  for (const WorkTable& table : kWorkSet) {
    xbase::WorkArea* area = nullptr;
    bool open = frame::OpenTable(session, table.table, false, table.alias, &area);
    if (open && *table.order != '\0') open = area->SetOrder(table.order).ok();
    if (!open) {
      session.CloseTables();
      return false;
    }
  }
  return true;
}

}  // namespace memos
