// The entry procedures of the stock and warehouse work, each in the file named after it.
#ifndef PALUNDA_STOCK_STOCK_SCREENS_H_
#define PALUNDA_STOCK_STOCK_SCREENS_H_

#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace stock {

using Args = std::vector<xbase::Value>;

xbase::Status PKM(frame::Session& session, const Args& args);     // " GENERATE STOCK"
xbase::Status LKARTU(frame::Session& session, const Args& args);  // "KARTU STOCK"
xbase::Status MTSKD(frame::Session& session, const Args& args);   // "MUTASI ANTAR GUDANG / MUTASI GANTI KODE"
xbase::Status CMTSKD(frame::Session& session, const Args& args);  // " CETAK FORM MUTASI GUDANG/KODE "
xbase::Status INPTAG(frame::Session& session, const Args& args);     // "Input Tag Stock Opname"
xbase::Status DARIEXCEL(frame::Session& session, const Args& args);  // " Tranfer TAG dari File Excell"
xbase::Status CDTTAG(frame::Session& session, const Args& args);     // "CETAK DATA TAG"
xbase::Status HPSTAG(frame::Session& session, const Args& args);     // every tag removed
xbase::Status CVARIAN(frame::Session& session, const Args& args);  // "VARIAN STOCK FISIK vs KOMPUTER"
xbase::Status LSTAKHIR(frame::Session& session, const Args& args);    // "STOCK AKHIR"
xbase::Status DAFTBARANG(frame::Session& session, const Args& args);  // "DAFTAR BARANG"
xbase::Status LSTPRTGL(frame::Session& session, const Args& args);    // "STOCK per TANGGAL"
xbase::Status LSTPRTGL_(frame::Session& session, const Args& args);   // "STOCK per TANGGAL" with the average
xbase::Status TORRMS(frame::Session& session, const Args& args);     // "Rekap Mutasi & TOR"
xbase::Status REKKSTOCK(frame::Session& session, const Args& args);  // "REKAP KARTU STOCK"
xbase::Status AJUST(frame::Session& session, const Args& args);    // "AJUSTMEN STOCK OPNAME"

// Gift-wrap and assembly work.
xbase::Status GL01(frame::Session& session, const Args& args);   // take-out
xbase::Status GL02(frame::Session& session, const Args& args);   // take-out form, stock out
xbase::Status GL03(frame::Session& session, const Args& args);   // results
xbase::Status GL04(frame::Session& session, const Args& args);   // results form, stock in
xbase::Status GL05(frame::Session& session, const Args& args);   // fee note
xbase::Status CGL05(frame::Session& session, const Args& args);  // fee-note print
xbase::Status GL06(frame::Session& session, const Args& args);   // backlog

}  // namespace stock

#endif  // PALUNDA_STOCK_STOCK_SCREENS_H_
