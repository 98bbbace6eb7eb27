// The registration of the stock and warehouse entry procedures, with their menu texts.
#include "stock/stock.h"
#include "stock/stock_screens.h"

namespace stock {

void RegisterStockProcedures(frame::ProcedureRegistry& registry) {
  const frame::EntryInfo entries[] = {
      {"PKM", "Generate Stock", kMenuGroup, PKM},
      {"LKARTU", "Kartu Stock", kMenuGroup, LKARTU},
      {"MTSKD", "Mutasi Antar Gudang / Ganti Kode", kMenuGroup, MTSKD},
      {"CMTSKD", "Cetak Form Mutasi Gudang/Kode", kMenuGroup, CMTSKD},
      {"INPTAG", "Input Tag Stock Opname", kMenuGroup, INPTAG},
      {"DARIEXCEL", "Tranfer Tag dari File Excell", kMenuGroup, DARIEXCEL},
      {"CDTTAG", "Cetak Data Tag", kMenuGroup, CDTTAG},
      {"HPSTAG", "Hapus Data Tag", kMenuGroup, HPSTAG},
      {"CVARIAN", "Varian Stock Fisik vs Komputer", kMenuGroup, CVARIAN},
      {"AJUST", "Ajustmen Stock Opname", kMenuGroup, AJUST},
      {"LSTAKHIR", "Stock Akhir", kMenuGroup, LSTAKHIR},
      {"DAFTBARANG", "Daftar Barang", kMenuGroup, DAFTBARANG},
      {"LSTPRTGL", "Stock per Tanggal", kMenuGroup, LSTPRTGL},
      {"_LSTPRTGL", "Stock per Tanggal + Harga Rata2", kMenuGroup, LSTPRTGL_},
      {"TORRMS", "Rekap Mutasi & TOR", kMenuGroup, TORRMS},
      {"REKKSTOCK", "Rekap Kartu Stock", kMenuGroup, REKKSTOCK},
      {"GL01", "Pengambilan Barang Gulung/Rakit", kMenuGroup, GL01},
      {"GL02", "Cetak Bukti Pengambilan", kMenuGroup, GL02},
      {"GL03", "Input Realisasi Gulung/Rakit", kMenuGroup, GL03},
      {"GL04", "Cetak Bukti Hasil Gulung", kMenuGroup, GL04},
      {"GL05", "Nota Pembayaran Gulung/Rakit", kMenuGroup, GL05},
      {"CGL05", "Cetak Nota Biaya Rakitan", kMenuGroup, CGL05},
      {"GL06", "Sisa Barang Belum Digulung", kMenuGroup, GL06},
  };
  for (const frame::EntryInfo& entry : entries) registry.Register(entry);
}

}  // namespace stock
