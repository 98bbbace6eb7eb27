// The entry procedures of the master data and the routines their screens share.
#ifndef PALUNDA_MASTERS_MASTER_SCREENS_H_
#define PALUNDA_MASTERS_MASTER_SCREENS_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "masters/masters.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace masters {

// Rights codes: "EDP" guards new goods, prices and sizes and a customer's group, price list and
// discount; "AAO" a customer's terms and ceiling.
inline constexpr std::string_view kRightEdp = "EDP";
inline constexpr std::string_view kRightAao = "AAO";

using Args = std::vector<xbase::Value>;

// "DATA KODE RELASI": customers with their terms, tax number and extended data.
xbase::Status TCUSTOM(frame::Session& session, const Args& args);
// " DATA NOMOR NPWP": tax numbers with the taxpayer's name and address.
xbase::Status TNPWP(frame::Session& session, const Args& args);
// "Proses Update Data Customer": corrected terms from the transfer file Dt_rls.
xbase::Status UPCUSTOMER(frame::Session& session, const Args& args);

// "Master Data Barang": goods with their prices and sizes.
xbase::Status TMASTBRG(frame::Session& session, const Args& args);
// The import of the price list Price.dbf into the goods master.
xbase::Status RHRG(frame::Session& session, const Args& args);
// "Tabel Data Property" over the price list Price.dbf.
xbase::Status RHRG3(frame::Session& session, const Args& args);
// "Tabel Data Property" over the stock adjustments.
xbase::Status BROJAST(frame::Session& session, const Args& args);

// "Tabel Sales": the salesmen.
xbase::Status STK1D(frame::Session& session, const Args& args);
// "Tabel Data BM": the area managers.
xbase::Status DTBM(frame::Session& session, const Args& args);
// The salesman rotation of a branch and period.
xbase::Status ROTASI(frame::Session& session, const Args& args);
// The customer browse with the list "DAFTAR KODE RELASI" and its workbook.
xbase::Status TCUSBRO(frame::Session& session, const Args& args);

// "Tabel GOLONGAN": the goods groups.
xbase::Status TGOL(frame::Session& session, const Args& args);
// "DATA GUDANG": the warehouses.
xbase::Status TGDG(frame::Session& session, const Args& args);

// "DATA PEGAWAI": the employees.
xbase::Status KARYA(frame::Session& session, const Args& args);
// "Tabel Kode Perusahaan": the company codes.
xbase::Status L411(frame::Session& session, const Args& args);

// Asks "S)impan, H)apus" for a form's values (in field order, the key first) of the table open in `area`:
// "S" writes fields 2 onward over the key's row, appended when missing (with TG_INPUT and OPERATOR
// where the table has them); "H" deletes the key's row. True when the answer was "S" or "H".
bool LCSIMPAN(frame::Session& session, const std::vector<xbase::Value>& values, xbase::WorkArea& area);

// The company code field: "?" picks from `perush`; a known code puts its fields 2 to 6 into
// *values (left empty otherwise). Always true: a new code starts a new company.
bool LCGETPERUSH(frame::Session& session, std::string* code, std::vector<xbase::Value>* values, std::string_view colour);

// Completed years of age on `today` of someone born on `birth`; 0 for an empty date.
int AgeInYears(xbase::Date today, xbase::Date birth);
// Shows the age of the birth date beside "Umur :" of the employee form.
void UMURNYA(frame::Session& session, xbase::Date birth);

}  // namespace masters

#endif  // PALUNDA_MASTERS_MASTER_SCREENS_H_
