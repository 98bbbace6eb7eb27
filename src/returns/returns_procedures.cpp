// The registration of the returns, approvals and negotiation entry procedures, with their menu texts.
#include "returns/return_procedures.h"
#include "returns/returns.h"

namespace returns {

void RegisterReturnsProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"DRAFTR1", "Draft Retur Penjualan dari Relasi", kMenuGroup, DRAFTR1});
  registry.Register({"CBRPR1", "Cetak BPR (R1) F-MK-004", kMenuGroup, CBRPR1});
  registry.Register({"AJUKANR1", "Kirim Pengajuan Approval Retur", kMenuGroup, AJUKANR1});
  registry.Register({"CAJUKANR1", "Cetak Pengajuan Approval Retur", kMenuGroup, CAJUKANR1});
  registry.Register({"APPRT1", "Approval Pengajuan Retur (Pusat)", kMenuGroup, APPRT1});
  registry.Register({"REALR1", "Realisasi Retur yang Disetujui", kMenuGroup, REALR1});
  registry.Register({"CBRT", "Cetak Bukti Retur F-MK-011", kMenuGroup, CBRT});
  registry.Register({"RTADMIN", "Retur Penjualan (Administrasi)", kMenuGroup, RTADMIN});
  registry.Register({"KAPP", "Approval SJ Terlambat Bayar (Pusat)", kMenuGroup, KAPP});
  registry.Register({"IAPP", "Impor Approval SJ Terlambat Bayar", kMenuGroup, IAPP});
  registry.Register({"CAPP", "Cetak Pengajuan SJ Terlambat Bayar", kMenuGroup, CAPP});
  registry.Register({"BACN1", "Input BAC Negosiasi", kMenuGroup, BACN1});
  registry.Register({"CBACN1", "Cetak BAC Negosiasi F-MK-013", kMenuGroup, CBACN1});
  registry.Register({"APPBAC", "Approval BAC Negosiasi (Pusat)", kMenuGroup, APPBAC});
  registry.Register({"COPYBACNG", "Duplikasi BAC Negosiasi", kMenuGroup, COPYBACNG});
  registry.Register({"PAPPBAC", "Kirim BAC Nego ke Pusat", kMenuGroup, PAPPBAC});
  registry.Register({"IAPPBAC", "Impor BAC Nego dari Cabang (Pusat)", kMenuGroup, IAPPBAC});
  registry.Register({"KAPPBAC", "Kirim Approval BAC Nego ke Cabang", kMenuGroup, KAPPBAC});
  registry.Register({"RAPPBAC", "Impor Approval BAC Nego (Cabang)", kMenuGroup, RAPPBAC});
  registry.Register({"LSBAC", "List BAC Negosiasi", kMenuGroup, LSBAC});
}

}  // namespace returns
