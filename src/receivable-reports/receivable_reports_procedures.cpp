// The registration of the receivables reports' entry procedures, with their menu texts.
#include "receivable-reports/receivable_reports.h"

#include "receivable-reports/report_screens.h"

namespace receivable_reports {

void RegisterReceivableReportsProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"LKARPIUT", "Kartu Piutang", kMenuGroup, LKARPIUT});
  registry.Register({"LREKPIUT", "Saldo Piutang/Customer", kMenuGroup, LREKPIUT});
  registry.Register({"LPIUTBLNS", "Saldo Piutang/Faktur", kMenuGroup, LPIUTBLNS});
  registry.Register({"LDAFGIRO", "Daftar Bukti Pembayaran", kMenuGroup, LDAFGIRO});
  registry.Register({"LSDOGIRO", "Saldo Bukti Pembayaran", kMenuGroup, LSDOGIRO});
  registry.Register({"LKARGIRO", "Kartu Bukti Pembayaran", kMenuGroup, LKARGIRO});
  registry.Register({"LDAFPIUT", "Daftar Piutang", kMenuGroup, LDAFPIUT});
  registry.Register({"BGCAIR", "Daftar Giro Cair", kMenuGroup, BGCAIR});
  registry.Register({"BGBELUM", "Daftar Giro Belum Cair", kMenuGroup, BGBELUM});
  registry.Register({"LDAFLUNAS", "Daftar Pelunasan Piutang", kMenuGroup, LDAFLUNAS});
  registry.Register({"LMTSPIUT", "Rekap Mutasi Piutang", kMenuGroup, LMTSPIUT});
  registry.Register({"LRKPW", "Rekap Mutasi Piutang & Potongan", kMenuGroup, LRKPW});
  registry.Register({"LRKPD", "Rekap Piutang (Menu D)", kMenuGroup, LRKPD});
  registry.Register({"MNB", "Piutang dan Pembayaran (B)", kMenuGroup, MNB});
  registry.Register({"PPJ", "Penjualan vs Piutang", kMenuGroup, PPJ});
  registry.Register({"LLUNASA", "Rekap Penerimaan Piutang by Tipe", kMenuGroup, LLUNASA});
  registry.Register({"LLUNASASALES", "Rekap Penerimaan Piutang by Sales", kMenuGroup, LLUNASASALES});
  registry.Register({"LTEMPOBL", "Rekap Jatuh Tempo / Bulan", kMenuGroup, LTEMPOBL});
  registry.Register({"LTEMPOBLSALES", "Rekap Jatuh Tempo/Bulan/Sales", kMenuGroup, LTEMPOBLSALES});
  registry.Register({"KPIUMUR", "KPI Umur Piutang", kMenuGroup, KPIUMUR});
  registry.Register({"RKPIUMUR", "Rekap KPI Umur Piutang", kMenuGroup, RKPIUMUR});
}

}  // namespace receivable_reports
