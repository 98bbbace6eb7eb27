#include "receivables/receivables.h"

#include "receivables/over.h"
#include "receivables/piuttt.h"

namespace receivables {

void RegisterReceivablesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"REALTT", "Realisasi Penerimaan Piutang (TT)", kMenuGroup, REALTT});
  registry.Register({"GRAKTIF", "Import Aktivasi Giro", kMenuGroup, GRAKTIF});
  registry.Register({"OVER", "Kunci Relasi", kMenuGroup, OVER});
}

}  // namespace receivables
