// The registration of the branch data exchange's entry procedures, with their menu texts.
#include "exchange/exchange.h"

namespace exchange {

void RegisterExchangeProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"KIRIMKAN", "Persiapan Kirim Data ke Pusat", kMenuGroup, KIRIMKAN});
  registry.Register({"IMPORKAN", "Impor Data Kiriman Cabang", kMenuGroup, IMPORKAN});
  registry.Register({"KREVISI", "Kirim Hasil Revisi Surat Jalan", kMenuGroup, KREVISI});
  registry.Register({"HREVISI", "Hapus Data Revisi Surat Jalan", kMenuGroup, HREVISI});
  registry.Register({"IREVISI", "Impor Revisi Surat Jalan", kMenuGroup, IREVISI});
  registry.Register({"MAPPING", "Transfer Data ke MySQL", kMenuGroup, MAPPING});
}

}  // namespace exchange
