// Payment receipts (TT): the entry screen that settles invoices line by line, the settlement form
// print, the receipt list and the giro activation import.
#ifndef PALUNDA_RECEIVABLES_PIUTTT_H_
#define PALUNDA_RECEIVABLES_PIUTTT_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// REALTT: "REALISASI PENERIMAAN PIUTANG (TT)", receipt after receipt until Esc at the header.
xbase::Status REALTT(frame::Session& session, const std::vector<xbase::Value>& args);

// CTKTT: "CETAK FORM PELUNASAN (TT)", the settlement form of a receipt; printing it marks the receipt printed.
xbase::Status CTKTT(frame::Session& session, const std::vector<xbase::Value>& args);

// TTDTT: "TANDA TERIMA TT", the list of a branch's receipts over a period.
xbase::Status TTDTT(frame::Session& session, const std::vector<xbase::Value>& args);

// GRAKTIF: "IMPORT DATA AKTIVASI GIRO", the active flags of instruments from a gr_aktif table.
xbase::Status GRAKTIF(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_PIUTTT_H_
