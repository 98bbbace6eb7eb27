#include "receivables/receivables.h"

#include "receivables/journal.h"
#include "receivables/over.h"
#include "receivables/piuttt.h"
#include "receivables/tgiro.h"

namespace receivables {

void RegisterReceivablesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"TRMGIRO", "Penerimaan Giro", kMenuGroup, TRMGIRO, "\"BG\""});
  registry.Register({"TRMGIRO", "Penerimaan Transfer", kMenuGroup, TRMGIRO, "\"BT\""});
  registry.Register({"TRMGIRO", "Penerimaan Uang Cash", kMenuGroup, TRMGIRO, "\"CS\""});
  registry.Register({"TRMGIRO", "Voucher Potongan Piutang", kMenuGroup, TRMGIRO, "\"VC\""});
  registry.Register({"GIROTT", "Tanda Terima Giro/Transfer", kMenuGroup, GIROTT});
  registry.Register({"ITC", "Isi Tanggal Cair Giro", kMenuGroup, ITC});
  registry.Register({"KRGIRO", "Kirim Revisi Giro", kMenuGroup, KRGIRO});
  registry.Register({"IMGIRO", "Impor Revisi Giro", kMenuGroup, IMGIRO});
  registry.Register({"REALTT", "Realisasi Penerimaan Piutang (TT)", kMenuGroup, REALTT});
  registry.Register({"CTKTT", "Cetak Form Pelunasan (TT)", kMenuGroup, CTKTT});
  registry.Register({"TTDTT", "Daftar Tanda Terima TT", kMenuGroup, TTDTT});
  registry.Register({"GRAKTIF", "Import Aktivasi Giro", kMenuGroup, GRAKTIF});
  registry.Register({"OVER", "Kunci Relasi", kMenuGroup, OVER});
  registry.Register({"JBALIK", "Edit Piutang (Jurnal Balik)", kMenuGroup, JBALIK});
  registry.Register({"KIRIMJB", "Kirim Jurnal Balik", kMenuGroup, KIRIMJB});
  registry.Register({"IMPORJB", "Impor Jurnal Balik", kMenuGroup, IMPORJB});
}

}  // namespace receivables
