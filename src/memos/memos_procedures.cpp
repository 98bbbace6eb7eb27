// The registration of the delivery memos' entry procedures, with their menu texts.
#include "memos/memo_screens.h"
#include "memos/memos.h"

namespace memos {

void RegisterMemosProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"ISIMEMO", "Memo Admin ke Gudang", kMenuGroup, ISIMEMO});
  registry.Register({"CTKMEMO", "Cetak Memo Admin", kMenuGroup, CTKMEMO});
  registry.Register({"MADMAPP", "Approval Memo Admin", kMenuGroup, MADMAPP});
  registry.Register({"SJDIKIRIM", "Memo Driver", kMenuGroup, SJDIKIRIM});
  registry.Register({"CSJDIKIRIM", "Cetak TTSJ", kMenuGroup, CSJDIKIRIM});
  registry.Register({"MEMOKEACC", "Memo Balik ke Admin", kMenuGroup, MEMOKEACC});
  registry.Register({"CMEMOKEACC", "Cetak Memo Balik", kMenuGroup, CMEMOKEACC});
  registry.Register({"MEMOPJK", "Memo ke Piutang", kMenuGroup, MEMOPJK});
  registry.Register({"CMEMOPJK", "Cetak Memo Piutang", kMenuGroup, CMEMOPJK});
  registry.Register({"AMEMOPJK", "Approval Memo Piutang", kMenuGroup, AMEMOPJK});
  registry.Register({"_SISAMEMO", "SJ Belum Kirim", kMenuGroup, SISAMEMO_});
  registry.Register({"SISAMEMO", "SJ Belum Kembali", kMenuGroup, SISAMEMO});
  registry.Register({"SISABRG", "Barang Belum Kirim", kMenuGroup, SISABRG});
  registry.Register({"SISASJ", "SJ+Barang Belum Kirim", kMenuGroup, SISASJ});
  registry.Register({"MEMOKIRIM", "SJ Terkirim", kMenuGroup, MEMOKIRIM});
  registry.Register({"BRGKIRIM", "SJ+Barang Terkirim", kMenuGroup, BRGKIRIM});
  registry.Register({"RBRGKRM", "Rekap Barang Terkirim", kMenuGroup, RBRGKRM});
  registry.Register({"BRSIKI", "Memo Driver per Barang", kMenuGroup, BRSIKI, "\"D\""});
  registry.Register({"BRSIKI", "Memo Driver per SJ", kMenuGroup, BRSIKI, "\"S\""});
  registry.Register({"BRSIKI", "Rekap Memo Driver", kMenuGroup, BRSIKI, "\"R\""});
  registry.Register({"LTTSJ", "Realisasi TTSJ", kMenuGroup, LTTSJ});
  registry.Register({"EVAMEM", "Evaluasi Pengiriman", kMenuGroup, EVAMEM});
  registry.Register({"CHKSURATJALAN", "Evaluasi Surat Jalan", kMenuGroup, CHKSURATJALAN});
}

}  // namespace memos
