// A small receivables data folder for the tests: the tables of the receipt and instrument screens,
// invoices, instruments, settlement codes and rules, and the settled totals checked against the lines.
#ifndef PALUNDA_TESTS_RECEIVABLES_RECEIVABLES_TEST_HELPERS_H_
#define PALUNDA_TESTS_RECEIVABLES_RECEIVABLES_TEST_HELPERS_H_

#include <string>
#include <vector>

#include "console/keys.h"
#include "frame/session.h"
#include "receivables/receipt.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/date.h"

namespace receivables::testing {

// The names every receivables test uses.
namespace key = console::key;
using support::AddRows;
using support::Keys;
using support::Line;
using support::N;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::StoredText;
using support::T;
using xbase::Value;

// The receipt date of most tests.
inline const xbase::Date kDay = xbase::Date::FromYmd(2026, 12, 5);

// The keys of typed text.
std::vector<int> Typed(std::string_view text);
// After a refusal the cursor stays where it was: Home and Ctrl+Y clear the field for the next try.
inline const std::vector<int> kClearField = {console::key::kHome, 25};

// The branch of the test folder.
inline const std::string kBranch = "JKT001";

// Every table the receivables screens open, and a temporary folder holding them.
const std::vector<std::string>& ReceivableTables();
support::TempDataFolder ReceivablesFolder();

// Rows of the folder.
void AddSetting(frame::Session& session, const std::string& key, const std::string& ket);
void AddInvoice(frame::Session& session, const std::string& nota, const std::string& customer, double debet,
                xbase::Date date, const std::string& type = "01", const std::string& branch = kBranch);
void AddInstrument(frame::Session& session, const std::string& nomor, const std::string& kind,
                   const std::string& customer, double debet, xbase::Date due, const std::string& notes = "",
                   bool sent = false);
void AddCustomer(frame::Session& session, const std::string& code, const std::string& name);
// The settlement codes BL BS BT CL CS DB DC DV RA FS, with "ISINOMOR" rows for BL BS BT CL CS RA.
void AddSettlementCodes(frame::Session& session);

// A receipt line on invoice `nota` with code, instrument and amount, numbered n.
console::ValueRow Line(size_t n, const std::string& nota, const std::string& code, const std::string& instrument,
                       double amount);
// A receipt of the test branch dated `date` with the given lines (a new one when number is blank).
Receipt MakeReceipt(const std::vector<console::ValueRow>& lines, xbase::Date date, const std::string& number = "");

// KREDIT of an invoice and of an instrument.
double InvoiceKredit(frame::Session& session, const std::string& nota);
double InstrumentKredit(frame::Session& session, const std::string& nomor);
// The sum of the live receipt lines naming an invoice (NOTA) or an instrument (NO_BUKTI).
double LinesNaming(frame::Session& session, const std::string& field, const std::string& value);

}  // namespace receivables::testing

#endif  // PALUNDA_TESTS_RECEIVABLES_RECEIVABLES_TEST_HELPERS_H_
