#include "recaps/recap_screens.h"
#include "recaps/recaps.h"

namespace recaps {

void RegisterRecapsProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"RKPDATA", "Rekap Data Penjualan Bulanan", kMenuGroup, RKPDATA});
  registry.Register({"R1THDATA", "Rekap Data Penjualan 1 Tahun", kMenuGroup, R1THDATA});
  registry.Register({"POSTOK", "Posting Stock Akhir", kMenuGroup, POSTOK});
}

}  // namespace recaps
