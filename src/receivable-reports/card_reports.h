// The customer card, the balances per customer and per invoice, and the payment-instrument list,
// balance and card: each built from its limits into report text (or a workbook) over open tables.
#ifndef PALUNDA_RECEIVABLE_REPORTS_CARD_REPORTS_H_
#define PALUNDA_RECEIVABLE_REPORTS_CARD_REPORTS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "receivable-reports/report_text.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace receivable_reports {

// Customer, period.
struct PeriodLimits {
  std::string customer;
  xbase::Date from, to;
};

// LKARPIUT over MASTCUS, PIUTDBT, PIUTKR1, PIUTKR2, PIUTJBL: the lines of one customer's card; no
// line when the customer has nothing but the opening balance.
xbase::Status BuildCustomerCard(frame::Session& session, const PeriodLimits& limits, ReportText* report);
// The report text of the customer card (55 lines a page).
ReportText CustomerCardText(const PeriodLimits& limits);

// LREKPIUT over the same tables: opening, debit, credit and closing per customer of the prefix.
xbase::Status BuildCustomerBalances(frame::Session& session, const PeriodLimits& limits, ReportText* report);
ReportText CustomerBalancesText(const PeriodLimits& limits);

// One invoice's line of the balance per invoice.
struct InvoiceBalance {
  std::string nota, relasi, name, tipe, sales;
  xbase::Date date, tempo;
  double debet = 0, payment = 0, ret = 0, balance = 0;
};
// LPIUTBLNS: the invoices with an open balance as of `to`, per customer of the prefix.
xbase::Status InvoiceBalances(frame::Session& session, const PeriodLimits& limits, std::vector<InvoiceBalance>* rows);
ReportText InvoiceBalancesText(const PeriodLimits& limits, const std::vector<InvoiceBalance>& rows, int per_page);
// The workbook of the balance per invoice.
void InvoiceBalancesBook(frame::Session& session, const PeriodLimits& limits, const std::vector<InvoiceBalance>& rows);

// A payment instrument as the instrument reports list it.
struct InstrumentRow {
  std::string nomor, kind, kdcb, notes, relasi, name;
  xbase::Date received, due;
  double amount = 0;
};
// LDAFGIRO over GIRODBT and MASTCUS: the instruments of `kind` received in the period.
xbase::Status ReceivedInstruments(frame::Session& session, xbase::Date from, xbase::Date to, const std::string& kind,
                                  std::vector<InstrumentRow>* rows);
ReportText ReceivedInstrumentsText(xbase::Date from, xbase::Date to, const std::string& kind,
                                   const std::vector<InstrumentRow>& rows);
void ReceivedInstrumentsBook(frame::Session& session, xbase::Date from, xbase::Date to, const std::string& kind,
                             const std::vector<InstrumentRow>& rows);

// LSDOGIRO over GIRODBT, GIROKDT, PIUTKR1, PIUTKR2, PIUTJBL, MASTCUS: the instruments of the kind
// and branch due by `date` with a balance left then (amount holds the balance).
xbase::Status InstrumentBalances(frame::Session& session, const std::string& branch, xbase::Date date,
                                 const std::string& kind, std::vector<InstrumentRow>* rows);
ReportText InstrumentBalancesText(xbase::Date date, const std::string& kind, const std::vector<InstrumentRow>& rows);

// LKARGIRO over the same tables: the card of one instrument; no line when nothing names it.
xbase::Status BuildInstrumentCard(frame::Session& session, const std::string& number, ReportText* report);
ReportText InstrumentCardText(const std::string& number, int per_page);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_CARD_REPORTS_H_
