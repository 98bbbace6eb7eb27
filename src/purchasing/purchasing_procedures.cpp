// The registration of the purchasing entry procedures, with their menu texts.
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
  registry.Register({"FCST1", "Proses Dasar Input Forcast", kMenuGroup, FCST1});
  registry.Register({"NEWFCAST", "Input Forcast Cabang", kMenuGroup, NEWFCAST});
  registry.Register({"CNEWFCAST", "Cetak Forcast Cabang", kMenuGroup, CNEWFCAST});
  registry.Register({"CFCASTDL", "Cetak Forcast Cabang per Nomor", kMenuGroup, CFCASTDL});
  registry.Register({"DSRD1", "Proses Dasar Input D1", kMenuGroup, DSRD1});
  registry.Register({"INPD1", "Input D1 Cabang", kMenuGroup, INPD1});
  registry.Register({"CTKD1", "Cetak D1 Cabang", kMenuGroup, CTKD1});
  registry.Register({"D1TB", "D1 Tambahan", kMenuGroup, D1TB});
  registry.Register({"CD1TB", "Cetak D1 Tambahan", kMenuGroup, CD1TB});
  registry.Register({"RD1CB", "Rekap & Pending D1", kMenuGroup, RD1CB});
}

}  // namespace purchasing
