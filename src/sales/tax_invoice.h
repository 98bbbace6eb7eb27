// The tax invoice (faktur pajak) of a delivery note or of a group of notes billed together: its
// lines, its number, its two printed forms and its record in PPN_KEL.
#ifndef PALUNDA_SALES_TAX_INVOICE_H_
#define PALUNDA_SALES_TAX_INVOICE_H_

#include <string>
#include <string_view>
#include <vector>

#include "documents/record_binding.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace sales {

// One printed row: goods of one code at one net unit price.
struct TaxLine {
  std::string code;
  std::string name;
  double quantity = 0;
  double unit = 0;    // the net unit price without VAT
  double amount = 0;  // quantity x unit
};

struct TaxInvoice {
  // The form's fields.
  std::string note = std::string(20, ' ');  // the delivery note typed
  std::string kind = "2";                   // transaction kind
  std::string detail = "1";                 // transaction detail
  std::string document = "1";               // document kind
  std::string number = std::string(10, ' ');
  std::string invoice = std::string(20, ' ');
  std::string order = std::string(15, ' ');
  xbase::Date date, shipping;
  std::string prefix = "902";
  // What the note brings.
  std::string customer, salesman, branch;
  std::string npwp, buyer, address1, address2;
  double vat = 10;
  bool reprint = false;          // PPN_KEL already holds the note
  std::string proposed;          // the number proposed (the stored one on a reprint)
  bool group = false;            // the note heads a group: its members' lines
  std::vector<TaxLine> lines;
  double reduction = 0;          // the price reduction of the header discounts

  int RowsPerPage() const { return group ? 17 : 18; }
  int Pages() const;
  double Sum() const;
  double Base() const { return Sum() - reduction; }
  double Tax() const { return Base() * vat / 100; }
};

// The serial printed on the form: "0" + detail + ("1" for document "7", else "0") + "." + prefix + "-"
// + the number's first 2 digits + "." + its last 8.
std::string TaxSerial(const TaxInvoice& invoice);
// A tax number of 15 digits as 99.999.999.9-999.999.
std::string TaxNumberText(std::string_view npwp);
// Adds a note line of `quantity` pieces at net unit price `unit` to the rows: onto the row of the same
// code and unit price, else as a new row.
void AddTaxLine(std::vector<TaxLine>* lines, std::string_view code, std::string_view name, double quantity, double unit);

// GETDATA: loads the note typed (or its group's members), the buyer, the lines and the number to
// propose. False after a message for an unknown note or a refused reprint.
bool LoadTaxInvoice(frame::Session& session, TaxInvoice* invoice);
// CNOMOR: a number used by another tax invoice is refused and the proposed one put back.
bool TaxNumberFree(frame::Session& session, TaxInvoice* invoice);

// CETAKFORMBARU: the dot-matrix bytes of each page.
std::vector<std::string> TaxInvoiceDotMatrix(const frame::CompanySetup& company, const TaxInvoice& invoice);
// CETAKFORMLAMA: the lines of each page of the form drawn with box characters.
std::vector<std::vector<std::string>> TaxInvoicePageForm(const frame::CompanySetup& company, const TaxInvoice& invoice);

// PPN_KEL: the form's fields of a tax invoice, read back on a reprint. NO_SJ, RELASI, CABANG and NPWP
// (the note's and the buyer's, taken from them on every load) and the figures DPP, PPN and TD are
// written beside them.
const documents::RecordBinding<TaxInvoice>& TaxInvoiceRecord();

// UPDATESAJA: records the tax invoice in PPN_KEL and raises "NOMORPAJAK" to its number when that
// is higher, both under the counter row's lock; a number used meanwhile by another tax invoice is
// refused. True when recorded.
bool RecordTaxInvoice(frame::Session& session, const TaxInvoice& invoice);

// OPENDATA: the screen's tables; none stays open when one cannot be.
frame::OpenedTables OpenTaxInvoiceTables(frame::Session& session);
// "PROSES FAKTUR PAJAK": the print chosen ("Windows Print", "Cetak Dot Matrik"), then the record; "Update
// saja" records without printing. A print that did not reach its printer records nothing. True when
// recorded.
bool ProcessTaxInvoice(frame::Session& session, const TaxInvoice& invoice);

// CFPJK: the menu entry.
xbase::Status CFPJK(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_TAX_INVOICE_H_
