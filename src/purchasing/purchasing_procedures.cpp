#include "purchasing/purchasing.h"

namespace purchasing {

void RegisterPurchasingProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"IMPPEB", "Realisasi PEB dari Logistik", kMenuGroup, IMPPEB});
  registry.Register({"CTKPOPEB", "Cetak Order Pembelian", kMenuGroup, CTKPOPEB});
  registry.Register({"CTKBPPEB", "Cetak Bukti Penerimaan Barang", kMenuGroup, CTKBPPEB});
  registry.Register({"RTBELI", "Retur Pembelian", kMenuGroup, RTBELI});
  registry.Register({"CRTBELI", "Cetak Bukti Retur Pembelian", kMenuGroup, CRTBELI});
  registry.Register({"LBELI3", "Jurnal Pembelian", kMenuGroup, LBELI3});
  registry.Register({"LBELI1", "Rekap Pembelian per Barang", kMenuGroup, LBELI1});
  registry.Register({"LBELI2", "Rekap Pembelian per Nomor", kMenuGroup, LBELI2});
}

}  // namespace purchasing
