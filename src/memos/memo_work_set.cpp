// OPENMEMORANDUM: the tables every memo screen and report works with.
#include "frame/open_table.h"
#include "memos/memos.h"

namespace memos {

frame::OpenedTables OPENMEMORANDUM(frame::Session& session) {
  // Each under its alias as written here: the lock notices of a save name the file by it.
  return frame::OpenTables(session, {{"mastbrj", "mastbrj"},
                                     {"srtjln2", "Kartu"},
                                     {"srtjln1", "Invoice"},
                                     {"mastcus", "relasi"},
                                     {"memadm1", "memadm1"},
                                     {"memadm2", "memadm2"},
                                     {"memdrv1", "memdrv1"},
                                     {"memdrv2", "memdrv2"},
                                     {"Memgdg1", "Memgdg1"},
                                     {"memgdg2", "memgdg2"},
                                     {"Mempjk1", "Mempjk1"},
                                     {"mempjk2", "mempjk2"},
                                     {"setup", "setup"},
                                     {"Karyawan", "Karyawan"},
                                     {"piutdbt", "piutang"},
                                     {"tagih1", "tagihan"},
                                     {"tagih2", "tagih2", false, "TAGIH23"},
                                     {"piutkr1", "dibayar1"},
                                     {"piutkr2", "dibayar2", false, "PIUTKR22"}});
}

}  // namespace memos
