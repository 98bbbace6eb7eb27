// The registration of the recaps' entry procedures, with their menu texts.
#include "recaps/recap_screens.h"
#include "recaps/recaps.h"

namespace recaps {

void RegisterRecapsProcedures(frame::ProcedureRegistry& registry) {
  const frame::EntryInfo entries[] = {
      {"RKPDATA", "Rekap Data Penjualan Bulanan", kMenuGroup, RKPDATA},
      {"R1THDATA", "Rekap Data Penjualan 1 Tahun", kMenuGroup, R1THDATA},
      {"POSTOK", "Posting Stock Akhir", kMenuGroup, POSTOK},
      {"LAPITEM", "Rekap Penjualan Item", kMenuGroup, LAPITEM},
      {"LAPBULAN", "Rekap Penjualan Item per Bulan", kMenuGroup, LAPBULAN},
      {"LAPITEMPAR", "Pareto Penjualan Cabang", kMenuGroup, LAPITEMPAR},
      {"LAPLCCAB", "Rekap Penjualan Item Licensi", kMenuGroup, LAPLCCAB},
      {"LAPLCBLN", "Rekap Licensi per Bulan", kMenuGroup, LAPLCBLN},
      {"LC1", "Rekap Penjualan by Product (L.C.1)", kMenuGroup, LC1},
      {"LC2", "Rekap Penjualan by Product (L.C.2)", kMenuGroup, LC2},
      {"LC3", "Rekap Penjualan by Product (L.C.3)", kMenuGroup, LC3},
      {"LAPLIS", "PP/PA Licensi", kMenuGroup, LAPLIS},
      {"LAPLISITEM", "PP/PA Item Licensi", kMenuGroup, LAPLISITEM},
      {"LAPPPAITEM", "PP/PA Item Produk", kMenuGroup, LAPPPAITEM},
      {"LAPPPAVALUE", "Omset by Group Produk", kMenuGroup, LAPPPAVALUE},
      {"LAPRLSKEL", "Laporan per Relasi (Kel. Produk)", kMenuGroup, LAPRLSKEL},
      {"LAPOTLBLN", "Laporan Relasi per Bulan (Kel. Produk)", kMenuGroup, LAPOTLBLN},
      {"LAPRLSBLN", "Laporan per Relasi (per Bulan)", kMenuGroup, LAPRLSBLN},
      {"LAPSLSPAR", "Laporan Pareto by Sales", kMenuGroup, LAPSLSPAR},
      {"LAPSALES1", "Laporan All Item / Sales", kMenuGroup, LAPSALES1},
      {"LAPKOMIT", "Laporan Komitmen Sales", kMenuGroup, LAPKOMIT},
      {"LAPPPASALES", "PP/PA Sales by Item Produk", kMenuGroup, LAPPPASALES},
      {"LAPITEMSLSVAL", "PA Values by Sales", kMenuGroup, LAPITEMSLSVAL},
      {"LAPPPASLSVAL", "PP Value by Sales", kMenuGroup, LAPPPASLSVAL},
      {"LJURJL", "Jurnal Penjualan", kMenuGroup, LJURJL},
      {"NETITEM", "Net Item Sales by Customer Detail", kMenuGroup, NETITEM},
      {"LRKPBRG", "Rekap Penjualan per Barang", kMenuGroup, LRKPBRG},
      {"LRKPSRJL", "Rekap Penjualan per Nomor", kMenuGroup, LRKPSRJL},
      {"LRKPCUST", "Rekap Penjualan per Customer", kMenuGroup, LRKPCUST},
  };
  for (const frame::EntryInfo& entry : entries) registry.Register(entry);
}

}  // namespace recaps
