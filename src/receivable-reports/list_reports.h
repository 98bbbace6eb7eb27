// The lists and recaps of receivables, payments and instruments: each built from its limits into
// report text (or a workbook) over open tables.
#ifndef PALUNDA_RECEIVABLE_REPORTS_LIST_REPORTS_H_
#define PALUNDA_RECEIVABLE_REPORTS_LIST_REPORTS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "receivable-reports/customer_recap.h"
#include "receivable-reports/report_text.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace receivable_reports {

// The limits most lists ask: customer and branch prefixes, a period, lines per page.
struct ListLimits {
  std::string customer, branch;
  xbase::Date from, to;
  int per_page = 55;
};

// LDAFPIUT over PIUTDBT and MASTCUS: the receivables of the period, approved or not as asked.
xbase::Status BuildReceivableList(frame::Session& session, const ListLimits& limits, bool approved,
                                  ReportText* report);
ReportText ReceivableListText(const ListLimits& limits, bool approved);

// BGCAIR over GIROCAIR, GIRODBT and MASTCUS: the instruments cleared in the period.
xbase::Status BuildClearedList(frame::Session& session, const ListLimits& limits, ReportText* report);
ReportText ClearedListText(const ListLimits& limits);
// BGBELUM over GIRODBT, GIROCAIR and MASTCUS: the giros dated in the period not cleared.
xbase::Status BuildUnclearedList(frame::Session& session, const ListLimits& limits, ReportText* report);
ReportText UnclearedListText(const ListLimits& limits);

// A payment-receipt line of the payment list, its amount in the column of its class.
enum PaymentColumn { kGiro, kTunai, kRetur, kDisc, kBiaya, kFsFb, kPaymentColumns };
struct PaymentRow {
  xbase::Date date;
  std::string kdcb, nomor, nota, relasi, name, tipe, kd_tt, no_bukti;
  int column = kPaymentColumns;  // kPaymentColumns: in no column
  double amount = 0;
};
// LDAFLUNAS over PIUTKR1, PIUTKR2, PIUTDBT, MASTCUS, MASTJNS: the lines of the receipts of the
// period, of the branch (the receipt's) and customer (the invoice's), in receipt-date order.
xbase::Status PaymentRows(frame::Session& session, const ListLimits& limits, std::vector<PaymentRow>* rows);
ReportText PaymentListText(const ListLimits& limits, const std::vector<PaymentRow>& rows);
void PaymentListBook(frame::Session& session, const ListLimits& limits, const std::vector<PaymentRow>& rows);

// LMTSPIUT over MASTCUS, PIUTDBT, PIUTKR1, PIUTKR2, PIUTJBL: per customer of the prefix its
// opening balance, sales, reversing journal, settlements, closing balance and bad debt.
xbase::Status MovementRecap(frame::Session& session, const ListLimits& limits, std::vector<RecapRow>* rows);
ReportText MovementRecapText(const ListLimits& limits, const std::vector<RecapRow>& rows);

// LRKPW over the same tables and MASTJNS: per customer the settlements of the period by kind.
xbase::Status DeductionRecap(frame::Session& session, const ListLimits& limits, std::vector<RecapRow>* rows);
ReportText DeductionRecapText(const ListLimits& limits, const std::vector<RecapRow>& rows);
void DeductionRecapBook(frame::Session& session, const ListLimits& limits, const std::vector<RecapRow>& rows);

// The limits of the recaps by due date: customer prefix, sales, due dates and payments up to.
struct DueLimits {
  std::string customer;
  xbase::Date sales_to, due_to, paid_to;
  int per_page = 55;
};
// LRKPD: per customer the open amounts by kind and due date.
xbase::Status DueRecap(frame::Session& session, const DueLimits& limits, std::vector<RecapRow>* rows);
ReportText DueRecapText(const DueLimits& limits, const std::vector<RecapRow>& rows);

// The limits of the receivables against payments: customer, branch, salesman, note and type
// prefixes, the sales period and the receipts' end date.
struct InvoicePaymentLimits {
  std::string customer, branch, salesman, note, type;
  xbase::Date from, to, paid_to;
  int per_page = 55;
};
// One invoice of MNB with its customer and what settled it.
struct InvoicePayment {
  std::string nota, relasi, name, city, tipe;
  xbase::Date date, tempo;
  double debet = 0, payment = 0, deduction = 0, ret = 0, balance = 0;
};
// MNB over MASTCUS, PIUTDBT, PIUTKR1, PIUTKR2, PIUTJBL: the invoices of the limits, in customer order.
xbase::Status InvoicePayments(frame::Session& session, const InvoicePaymentLimits& limits,
                              std::vector<InvoicePayment>* rows);
// The text of the invoices (or, for the recap, one line per customer).
ReportText InvoicePaymentsText(const InvoicePaymentLimits& limits, const std::vector<InvoicePayment>& rows, bool recap);
void InvoicePaymentsBook(frame::Session& session, const InvoicePaymentLimits& limits,
                         const std::vector<InvoicePayment>& rows, bool recap);

// PPJ over SRTJLN1, SRTJLN2, PIUTDBT: the delivery notes of the period whose value differs from
// their receivable.
xbase::Status BuildSalesAgainstReceivables(frame::Session& session, const ListLimits& limits, ReportText* report);
ReportText SalesAgainstReceivablesText(const ListLimits& limits);

// LLUNASA and LLUNASASALES over MASTCUS, PIUTDBT, PIUTKR1, PIUTKR2, PIUTJBL and TIPE or MASTSLS:
// per sales type or salesman the receipts of the period, classed as credit or cash, and the sales.
xbase::Status ReceiptRecap(frame::Session& session, const ListLimits& limits, bool by_salesman,
                           std::vector<RecapRow>* rows);
ReportText ReceiptRecapText(const ListLimits& limits, bool by_salesman, const std::vector<RecapRow>& rows);
// The screen of either recap.
xbase::Status RunReceiptRecap(frame::Session& session, bool by_salesman);

// The limits of the recaps by due month.
struct DueMonthLimits {
  std::string customer, branch, salesman, type;
  xbase::Date sales_to, due_to, paid_to;
  bool instruments = false;
  int per_page = 55;
};
// LTEMPOBL (per customer or outlet group) and LTEMPOBLSALES (per salesman) over MASTCUS, PIUTDBT,
// PIUTKR1, PIUTKR2, PIUTJBL and OTL_GRP, OTL_MBR, GIRODBT, GIROKR2 or MASTSLS: the open amounts in
// thousands by due month.
xbase::Status DueMonthRecap(frame::Session& session, const DueMonthLimits& limits, bool by_salesman,
                            std::vector<RecapRow>* rows);
ReportText DueMonthRecapText(const DueMonthLimits& limits, bool by_salesman, const std::vector<RecapRow>& rows);
void DueMonthRecapBook(frame::Session& session, const DueMonthLimits& limits, const std::vector<RecapRow>& rows);

// The limits of the age KPI: period, customer, salesman and type prefixes, the salesmen left out.
struct AgeLimits {
  std::string customer, salesman, type, excluded;
  xbase::Date from, to;
};
// A payment counted by the age KPI.
struct AgeLine {
  std::string relasi, name, nota, sales, tipe;
  xbase::Date invoice_date, paid_date;
  double paid = 0, age = 0, weighted = 0;
};
// KPIUMUR and RKPIUMUR over MASTCUS, PIUTDBT, PIUTKR1, PIUTKR2, PIUTJBL: the instrument and cash
// payments of the period (receipt lines and reversing-journal rows) of the invoices that pass the
// limits, with their age in days.
xbase::Status AgeLines(frame::Session& session, const AgeLimits& limits, std::vector<AgeLine>* lines);
void AgeDetailBook(frame::Session& session, const AgeLimits& limits, const std::vector<AgeLine>& lines);
// The recap per customer (or per salesman, named from MASTSLS when open).
void AgeRecapBook(frame::Session& session, const std::vector<AgeLine>& lines, bool by_salesman);
// The screen of either sheet.
xbase::Status RunAgeKpi(frame::Session& session, bool recap);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_LIST_REPORTS_H_
