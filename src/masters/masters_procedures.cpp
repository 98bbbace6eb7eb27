// The registration of the master data's entry procedures, with their menu texts.
#include "masters/masters.h"

#include "masters/master_screens.h"

namespace masters {

void RegisterMastersProcedures(frame::ProcedureRegistry& registry) {
  const struct {
    const char* name;
    const char* title;
    frame::EntryProcedure run;
  } kEntries[] = {
      {"KARYA", "Data Pegawai", KARYA},
      {"L411", "Tabel Kode Perusahaan", L411},
      {"TCUSTOM", "Data Kode Relasi", TCUSTOM},
      {"TNPWP", "Data Nomor NPWP", TNPWP},
      {"UPCUSTOMER", "Update Data Customer", UPCUSTOMER},
      {"TCUSBRO", "Daftar Relasi", TCUSBRO},
      {"TMASTBRG", "Master Data Barang", TMASTBRG},
      {"RHRG", "Import Daftar Harga", RHRG},
      {"RHRG3", "Tabel Daftar Harga", RHRG3},
      {"BROJAST", "Tabel Adjustment Stok", BROJAST},
      {"TGOL", "Tabel Golongan", TGOL},
      {"TGDG", "Data Gudang", TGDG},
      {"STK1D", "Tabel Sales", STK1D},
      {"DTBM", "Tabel Data BM", DTBM},
      {"ROTASI", "Rotasi Salesman", ROTASI},
  };
  for (const auto& entry : kEntries) registry.Register({entry.name, entry.title, kMenuGroup, entry.run});
}

}  // namespace masters
