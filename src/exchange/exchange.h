// The public face of the branch data exchange: the branch export set, the head-office import and merge,
// delivery-note revision transfers, the transfer to MySQL.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_EXCHANGE_EXCHANGE_H_
#define PALUNDA_EXCHANGE_EXCHANGE_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace exchange {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "TRANSFER";

// Registers every entry procedure of this subsystem.
void RegisterExchangeProcedures(frame::ProcedureRegistry& registry);

// KIRIMKAN: asks the date range and folder and fills the branch export set ("Persiapan Kirim data ke pusat").
xbase::Status KIRIMKAN(frame::Session& session, const std::vector<xbase::Value>& args);

// PROSESKIRIMDATA: makes the export set afresh in `folder` (typed or stored, trimmed) and fills it with
// the documents dated from `first` to `last` and the masters. True when every table was filled; a
// table that could not be opened has been named on row 24 and ends the run, the later tables empty.
bool PROSESKIRIMDATA(frame::Session& session, xbase::Date first, xbase::Date last, std::string_view folder);

// IMPORKAN: asks the folder of a branch export set and merges it ("Impor data kiriman dari cabang").
xbase::Status IMPORKAN(frame::Session& session, const std::vector<xbase::Value>& args);

// PROSESIMPORDATA: merges the export set in `folder` into the live tables, document by document by
// key (documents::MergeByKey), reversing the stock, cost, receivable and memo effects of replaced lines
// before the incoming ones are applied. True when every group was merged.
bool PROSESIMPORDATA(frame::Session& session, std::string_view folder);

// KREVISI, HREVISI, IREVISI: delivery-note revisions sent to the transfer tables dtsj1/dtsj2/dtsj3,
// those tables emptied, and the revisions taken in at the other site.
xbase::Status KREVISI(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status HREVISI(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status IREVISI(frame::Session& session, const std::vector<xbase::Value>& args);

// Makes every table of the branch export set in `folder`, empty, replacing tables of the same names.
xbase::Status CreateExportSet(const std::string& folder);

// Makes the empty revision transfer tables dtsj1, dtsj2, dtsj3 with their indexes in `folder`.
xbase::Status CreateRevisionTables(const std::string& folder);

// MAPPING: printed invoices and returns of a date range sent to the head office's MySQL database.
xbase::Status MAPPING(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_EXCHANGE_H_
