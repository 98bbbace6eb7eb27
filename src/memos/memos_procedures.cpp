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
}

}  // namespace memos
