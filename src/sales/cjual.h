// "CETAK INVOICE": the delivery note printed on its pre-printed 96-column form, which is also the
// customer's invoice. The first print marks the note printed and approves its receivable.
#ifndef PALUNDA_SALES_CJUAL_H_
#define PALUNDA_SALES_CJUAL_H_

#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace sales {

// The rows of the form of the note SRTJLN1 stands on, with the item discounts shown or folded
// into the prices (`tables` holds SRTJLN1, SRTJLN2, MASTCUS and MASTBRJ).
std::vector<frame::ReportLine> InvoiceRows(frame::Session& session, const frame::OpenedTables& tables,
                                           bool show_discounts);

// The end of a printed form after its totals row: the header discounts in cascade with the net total
// (when `cascade`), the empty rows of the 18 item rows that `items` left, and the amount in words.
void AppendFormEnd(std::vector<frame::ReportLine>* rows, double total, double head1, double head2, bool cascade,
                   int items);

// LCGETSURATJALAN: the number check of the entry box. Empty, unknown ("Nomor INVOICE " + number +
// " tidak terdaftar") and cancelled (" sudah dibatalkan") notes are refused; a printed one is
// accepted after the warning " Sudah dicetak". SRTJLN1 stays on the note; *printed tells CETAK.
bool LCGETSURATJALAN(frame::Session& session, std::string* number, bool* printed);

// CETAKSURATJALAN: builds and prints the form of the note SRTJLN1 stands on; when it reached a
// printer the note's CETAK and its receivable's APPROVAL become true, both or neither (a lock
// given up marks nothing). True when printed.
bool CETAKSURATJALAN(frame::Session& session, const frame::OpenedTables& tables, bool show_discounts);

// CJUAL: the entry box, printing one note after another until Esc; closes all tables.
xbase::Status CJUAL(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_CJUAL_H_
