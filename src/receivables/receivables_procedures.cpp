// The registration of the receivables and payments entry procedures, with their menu texts.
#include "receivables/receivables.h"

#include "receivables/collections.h"
#include "receivables/deductions.h"
#include "receivables/journal.h"
#include "receivables/kwitansi.h"
#include "receivables/other_branches.h"
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
  registry.Register({"IPOTDRAF", "Draft Pengajuan Potongan", kMenuGroup, IPOTDRAF});
  registry.Register({"CPOTDRAF", "Cetak Draft Potongan", kMenuGroup, CPOTDRAF});
  registry.Register({"APOTDRAF", "Approval Pengajuan Potongan", kMenuGroup, APOTDRAF});
  registry.Register({"RPOTDRAF", "Realisasi Potongan TT", kMenuGroup, RPOTDRAF});
  registry.Register({"BPT1", "Input BPT", kMenuGroup, BPT1});
  registry.Register({"BPT2", "Cetak BPT", kMenuGroup, BPT2});
  registry.Register({"TAGIH1", "Data Tagihan Salesman", kMenuGroup, TAGIH1});
  registry.Register({"TAGIH2", "Cetak Tagihan per Perusahaan", kMenuGroup, TAGIH2});
  registry.Register({"TAGIH3", "Cetak Tagihan", kMenuGroup, TAGIH3});
  registry.Register({"KW1", "Input Kwitansi Nota", kMenuGroup, KW1});
  registry.Register({"KW2", "Cetak Kwitansi Nota", kMenuGroup, KW2});
  registry.Register({"KW11", "Buat Kwitansi", kMenuGroup, KW11});
  registry.Register({"KW22", "Cetak Kwitansi", kMenuGroup, KW22});
  registry.Register({"KW3", "Hapus Kwitansi Tercetak", kMenuGroup, KW3});
  registry.Register({"GCBLAIN", "Realisasi Giro Cabang Lain", kMenuGroup, GCBLAIN});
  registry.Register({"KGCBLAIN", "Kirim Giro u/ Cabang Lain", kMenuGroup, KGCBLAIN});
  registry.Register({"DGCBLAIN", "Daftar Giro u/ Cabang Lain", kMenuGroup, DGCBLAIN});
  registry.Register({"HPSKIRIM", "Hapus Kiriman Giro Cabang Lain", kMenuGroup, HPSKIRIM});
  registry.Register({"TGRLAIN", "Impor Giro dari Cabang Lain", kMenuGroup, TGRLAIN});
  registry.Register({"JBALIK", "Edit Piutang (Jurnal Balik)", kMenuGroup, JBALIK});
  registry.Register({"KIRIMJB", "Kirim Jurnal Balik", kMenuGroup, KIRIMJB});
  registry.Register({"IMPORJB", "Impor Jurnal Balik", kMenuGroup, IMPORJB});
}

}  // namespace receivables
