// Requests to accept a delivery note paid with a giro dated past its terms (KIRIMAPP, form "PIUT+"):
// loaded into a list, the approvals stored back, the list printed, and the outcome written onto the
// receivables at the branch.
#ifndef PALUNDA_RETURNS_LATE_PAYMENTS_H_
#define PALUNDA_RETURNS_LATE_PAYMENTS_H_

#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// The form of the late-payment requests.
inline constexpr const char* kLateForm = "PIUT+";

struct LateRequest {
  std::string nota;
  std::string giro;
  xbase::Date giro_date;
  std::string reason;
  bool approved = false;
};

// Opens KIRIMAPP of the data folder (an empty folder) or of the folder typed: its area, or null after
// a message.
xbase::WorkArea* OpenLateRequests(frame::Session& session, std::string_view folder);

// Every request of `late_requests` (KIRIMAPP), in key order.
xbase::Status LoadLateRequests(xbase::WorkArea& late_requests, std::vector<LateRequest>* requests);

// Writes each request's approval into `late_requests` (KIRIMAPP, by form and number), all or nothing;
// *stored false when a lock was given up (told: nothing written).
xbase::Status StoreApprovals(frame::Session& session, xbase::WorkArea& late_requests,
                             const std::vector<LateRequest>& requests, bool* stored);

// The invoice's figures for the list, from PIUTDBT and MASTCUS of `tables`, here and below: blank for
// an invoice or customer not there; one that cannot be read is the error (the figures blank).
struct LateFigures {
  std::string customer, name, town;
  xbase::Date date, due;
  double amount = 0;
  double standard = 0;  // the customer's terms TEMPO + TEMPO2 + TEMPO4
};
xbase::Status FiguresOf(const frame::OpenedTables& tables, const std::string& nota, LateFigures* figures);

// The two print lines of request `n` (from 1); none when its figures cannot be read.
xbase::Status LateRequestLines(const frame::OpenedTables& tables, const LateRequest& request, int n,
                               std::vector<std::string>* lines);

// CETAKPRINTER: the request list; true when it reached a printer.
bool CETAKPRINTER(frame::Session& session, const frame::OpenedTables& tables, const std::vector<LateRequest>& requests);

// The outcome at the branch over PIUTDBT and KIRIMAPP of `tables`: every request whose invoice is there
// writes "SUDAH APPROVAL" into the invoice's CATATAN when approved (a request not approved leaves the
// remark the invoice has) and is deleted; a request without its invoice stays. All or nothing: a lock
// given up is told, writes nothing and leaves *imported false. *done counts the requests done.
xbase::Status ImportApprovals(frame::Session& session, const frame::OpenedTables& tables, int* done, bool* imported);

}  // namespace returns

#endif  // PALUNDA_RETURNS_LATE_PAYMENTS_H_
