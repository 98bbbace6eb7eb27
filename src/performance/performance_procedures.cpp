// The registration of the sales performance, target and incentive entry procedures, with their menu texts.
#include "performance/audit.h"
#include "performance/grspv.h"
#include "performance/lfokus.h"
#include "performance/lrdpi.h"
#include "performance/lsales2.h"
#include "performance/omzdis.h"
#include "performance/performance.h"
#include "performance/pktour.h"
#include "performance/rpms.h"
#include "performance/tgtsls.h"

namespace performance {

void RegisterPerformanceProcedures(frame::ProcedureRegistry& registry) {
  const auto add = [&](const char* name, const char* title, frame::EntryProcedure run) {
    registry.Register({name, title, kMenuGroup, std::move(run)});
  };
  add("GRSPV", "Setting Sales Supervisor", GRSPV);
  add("MTGT", "Master Target per Sales", MTGT);
  add("TGMG", "Input Target per Sales", TGMG);
  add("_TSLS", "Omset & Target by Sales", TSLS_);
  add("RBYSALES", "Rekap Group by Sales", RBYSALES);
  add("PMS", "Rekap Penjualan Mingguan", PMS);
  add("RPMS", "Rekap Penjualan Harian", RPMS);
  add("RPPPA", "Laporan PP/PA Mingguan", RPPPA);
  add("BLPPPA", "Rekap PP/PA Bulanan", BLPPPA);
  add("HARIAN", "Insentif Harian", HARIAN);
  add("SETKPI", "Key Performance Indicator", SETKPI);
  add("LRDPI", "Dasar Perhitungan Insentif (Carton)", LRDPI);
  add("LRDPIV", "Dasar Perhitungan Insentif (Value)", LRDPIV);
  add("RKPTT", "Evaluasi Piutang per Cabang", RKPTT);
  add("LSALES", "Laporan per Sales per Grup Produk", LSALES);
  add("LSLBM", "Laporan by Relasi per Sales", LSLBM);
  add("OMZDIS", "Omset Netto Group Relasi", OMZDIS);
  add("OMZCAB", "Omset Netto Relasi", OMZCAB);
  add("OSZCAB", "Omzet Netto per Sales", OSZCAB);
  add("SITEM", "Input Item Fokus", SITEM);
  add("LHARIAN", "Laporan Harian", LHARIAN);
  add("BMONITOR", "Laporan Join Visit BM", BMONITOR);
  add("AUDITHRG", "Audit Harga Jual", AUDITHRG);
  add("PKTOUR", "Laporan Paket Tour Salesman", PKTOUR);
}

}  // namespace performance
