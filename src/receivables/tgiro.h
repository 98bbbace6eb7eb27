// The register of payment instruments: giros, transfers, cash receipts and deduction vouchers with the
// proformas they pay and the further customers who may use them; the acknowledgement for the customer,
// a giro's clearing date, and the revisions sent from one site and merged at another.
#ifndef PALUNDA_RECEIVABLES_TGIRO_H_
#define PALUNDA_RECEIVABLES_TGIRO_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// TRMGIRO(kind): the entry screen of one kind, "BT" transfers, "BG" giros, "CS" cash, "VC" vouchers.
xbase::Status TRMGIRO(frame::Session& session, const std::vector<xbase::Value>& args);
// GIROTT: the printed acknowledgement of an instrument ("Tanda Terima Giro/Tranfer").
xbase::Status GIROTT(frame::Session& session, const std::vector<xbase::Value>& args);
// ITC: a giro's clearing date ("Isi Tanggal Cair").
xbase::Status ITC(frame::Session& session, const std::vector<xbase::Value>& args);
// KRGIRO: corrected instruments written into the revision files of a folder.
xbase::Status KRGIRO(frame::Session& session, const std::vector<xbase::Value>& args);
// IMGIRO: the revision files of a folder merged into the register.
xbase::Status IMGIRO(frame::Session& session, const std::vector<xbase::Value>& args);

// The values of the acknowledgement of one instrument.
struct Acknowledgement {
  std::string number;
  xbase::Date due;
  std::string notes;
  std::string bank;  // the receiving account's description
  double amount = 0;
  xbase::Date printed;
};
// The dot-matrix bytes of the acknowledgement.
std::string AcknowledgementBytes(const Acknowledgement& acknowledgement);

// The proformas an instrument pays (GIRO_PI) and the further customers who may use it (GIRO_RL), as
// their list editors hold them: each list ends with one blank line.
struct InstrumentLists {
  console::ValueTable proformas;  // No, proforma, customer, name, value
  console::ValueTable customers;  // No, customer, name, value
};
// Loads the lists of instrument `number` from `giro_pi`, `giro_rl` and `Mastcus` of `tables`.
xbase::Status LoadInstrumentLists(const frame::OpenedTables& tables, std::string_view number, InstrumentLists* lists);
// Edits the proforma list (over `pro_in1` of `tables`) and then the customer list.
void EditInstrumentLists(frame::Session& session, const frame::OpenedTables& tables, InstrumentLists* lists);
// Rewrites the stored GIRO_PI and GIRO_RL rows of instrument `number` from the lists, in place.
xbase::Status SaveInstrumentLists(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                                  const InstrumentLists& lists);
// The stored rows SaveInstrumentLists rewrites, and both tables' append locks, named in a save.
xbase::Status NameInstrumentLists(documents::SaveScope& save, frame::Session& session,
                                  const frame::OpenedTables& tables, std::string_view number);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_TGIRO_H_
