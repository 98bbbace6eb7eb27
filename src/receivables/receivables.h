// The public face of the receivables and payments: payment instruments, payment receipts and the settlement
// routine, collection lists, deductions, receipts, the customer lock, the reversing journal.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RECEIVABLES_RECEIVABLES_H_
#define PALUNDA_RECEIVABLES_RECEIVABLES_H_

#include <string>
#include <string_view>

#include "documents/save_scope.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace receivables {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "PIUTANG";

// Registers every entry procedure of this subsystem.
void RegisterReceivablesProcedures(frame::ProcedureRegistry& registry);

// Which rows a settlement found; a row not found is left alone.
struct SettlementFound {
  bool invoice = false;     // the invoice's PIUTDBT row
  bool instrument = false;  // the instrument's GIRODBT row (false when none was named)
};

// Moves KREDIT of invoice `nota` in the open `Piutdbt` and, when `instrument` is not blank, KREDIT of
// the instrument in the open `GiroDbt` from `old_amount` to `new_amount` (KREDIT - old + new), each
// row under its own lock; keys are padded to the field width before the seek. *found (optional) tells
// which rows were there.
xbase::Status UPDATEPIUTANGDANGIRO(frame::Session& session, std::string_view nota, std::string_view instrument,
                                   double old_amount, double new_amount, SettlementFound* found = nullptr);

// The rows UPDATEPIUTANGDANGIRO would move, named in a save.
xbase::Status NameSettlement(documents::SaveScope& save, frame::Session& session, std::string_view nota,
                             std::string_view instrument);

// Moves KREDIT of the instrument in the open `GiroDbt` from `old_amount` to `new_amount`; *found
// (optional) tells whether the row was there.
xbase::Status UPDATEGIRODBT(frame::Session& session, std::string_view instrument, double old_amount,
                            double new_amount, bool* found = nullptr);

// The customer of an instrument over the open `Mastcus`: blank passes, "?" picks from the list, an
// unknown code fails; for a new instrument *company takes the customer's CODE_ID.
bool CRLS(frame::Session& session, std::string* customer, std::string* company, bool new_instrument);

// False when the year and month of `date` lie before those of the process month, unless the user's
// rights hold "SPV".
bool CHKTG(frame::Session& session, xbase::Date date);

// Makes the empty instrument revision files (rlt_gr, rlt_gk, rlt_pi, rlt_rl, each with its index on
// NOMOR) in a site's transfer folder; refuses when one is already there.
xbase::Status CreateRevisionFiles(const std::string& folder);

// Makes the empty transfer table of giros for other branches (kirimgr, with its index) in a site's
// transfer folder; refuses when it is already there.
xbase::Status CreateGiroTransferFile(const std::string& folder);

// Makes the empty transfer table of reversing-journal lines (KirimJB: the journal's fields, with its
// index on NOMOR) in a site's transfer folder; refuses when it is already there.
xbase::Status CreateJournalTransferFile(const std::string& folder);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_RECEIVABLES_H_
