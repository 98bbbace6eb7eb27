// The information panel of the receipt screen: the current line's customer, its invoice with what
// other receipts and lines already paid of it, and its instrument with what is left of it.
#include <string>
#include <vector>

#include "console/console.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr const char* kPanelColour = "W+/b";
constexpr const char* kAmountPicture = "999,999,999.99";

// Where the panel's values stand.
struct Spot {
  int row, col, width;
};
constexpr Spot kCustomerAt{18, 10, 46}, kInvoiceDateAt{19, 15, 10}, kInvoiceDueAt{19, 39, 10},
    kInvoiceAmountAt{19, 62, 14}, kInstrumentNumberAt{20, 18, 20}, kInstrumentDateAt{20, 49, 10},
    kRemainingAt{20, 66, 14}, kPaidAt{21, 12, 14}, kBalanceAt{21, 56, 14};

std::string DateText(xbase::Date date) { return date.empty() ? std::string(10, ' ') : xbase::Dtoc(date); }
std::string AmountText(double amount) { return xbase::Transform(Value::Num(amount), kAmountPicture); }

void Put(console::Console& con, const Spot& spot, std::string_view text) {
  con.Say(spot.row, spot.col, xbase::PadR(text, spot.width), con.Colour(kPanelColour));
}

// True when a stored line belongs to another receipt than this one (branch and number together).
bool OtherReceipt(const Receipt& receipt, std::string_view branch, std::string_view number) {
  return ReceiptKey(branch, number) != ReceiptKey(receipt.branch, receipt.number);
}

// The records of `alias` whose key on `order` is `key`.
xbase::Status Rows(const frame::OpenedTables& tables, std::string_view alias, std::string_view order,
                   std::string_view key, std::vector<uint32_t>* rows) {
  xbase::WorkArea& area = tables[alias];
  xbase::Status s = area.SetOrder(order);
  return s.ok() ? area.SeekAll(key, rows) : s;
}

// The amounts of the receipt's other lines whose element `column` is `value`.
double OtherLines(const Receipt& receipt, size_t line, ReceiptColumn column, std::string_view value) {
  double sum = 0;
  for (size_t i = 0; i < receipt.lines.size(); ++i) {
    if (i != line && xbase::RTrim(LineText(receipt.lines[i], column)) == xbase::RTrim(value)) {
      sum += LineAmount(receipt.lines[i]);
    }
  }
  return sum;
}

// DEBET - KREDIT of the reversing-journal lines whose field `field` (index `order`) is `key`, except
// those numbered `except` when it is given.
xbase::Status JournalSum(const frame::OpenedTables& tables, std::string_view order, std::string_view field,
                         std::string_view key, const std::string* except, double* sum) {
  xbase::WorkArea& journal = tables["Piutjbl"];
  std::vector<uint32_t> rows;
  xbase::Status s = Rows(tables, "Piutjbl", order, journal.PadToField(field, key), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = journal.GoTo(rows[i]); !s.ok()) break;
    if (except != nullptr && xbase::RTrim(journal.Text("NOMOR")) == xbase::RTrim(*except)) continue;
    *sum += journal.Number("DEBET") - journal.Number("KREDIT");
  }
  return s;
}

// What is left of the instrument for this line: its value less what other receipts, head-office
// receipts and this receipt's other lines took, with the reversing journal's lines added.
xbase::Status Remaining(const frame::OpenedTables& tables, const Receipt& receipt, size_t line, double* remaining) {
  xbase::WorkArea& instrument = tables["GIRODBT"];
  const std::string number = instrument.Text("NOMOR");
  double left = instrument.Number("DEBET");
  xbase::WorkArea& office_lines = tables["GIROKR2"];
  std::vector<uint32_t> rows;
  xbase::Status s = Rows(tables, "GIROKR2", "GIROKR22", office_lines.PadToField("NO_BUKTI", number), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = office_lines.GoTo(rows[i]); !s.ok()) break;
    bool found = false;
    s = SeekExact(tables["GIROKR1"], "GIROKR11", "NOMOR", office_lines.Text("NOMOR"), &found);
    const xbase::WorkArea& office = tables["GIROKR1"];
    if (s.ok() && (!found || OtherReceipt(receipt, office.Text("KDCB"), office.Text("NOMOR")))) {
      left -= office_lines.Number("KREDIT");
    }
  }
  xbase::WorkArea& lines = tables["Piutkr2"];
  if (s.ok()) s = Rows(tables, "Piutkr2", "PIUTKR23", lines.PadToField("NO_BUKTI", number), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); s.ok() && OtherReceipt(receipt, lines.Text("KDCB"), lines.Text("NOMOR"))) {
      left -= lines.Number("KREDIT");
    }
  }
  left -= OtherLines(receipt, line, kInstrument, number);
  if (s.ok()) s = JournalSum(tables, "PIUTJBL3", "NO_BUKTI", number, &receipt.number, &left);
  *remaining = left;
  return s;
}

// What other receipts and this receipt's other lines paid of the invoice, and its open balance.
xbase::Status InvoiceFigures(const frame::OpenedTables& tables, const Receipt& receipt, size_t line, double* paid,
                             double* balance) {
  xbase::WorkArea& invoice = tables["Piutdbt"];
  const std::string nota = invoice.Text("NOTA");
  const double debet = invoice.Number("DEBET");
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  *paid = OtherLines(receipt, line, kNota, nota);
  xbase::Status s = Rows(tables, "Piutkr2", "PIUTKR22", lines.PadToField("NOTA", nota), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); s.ok() && OtherReceipt(receipt, lines.Text("KDCB"), lines.Text("NOMOR"))) {
      *paid += lines.Number("KREDIT");
    }
  }
  double journal = 0;
  if (s.ok()) s = JournalSum(tables, "PIUTJBL2", "NOTA", nota, nullptr, &journal);
  *balance = debet + journal - *paid;
  return s;
}

}  // namespace

void DrawPanelLabels(console::Console& con) {
  const console::Attr attr = con.Colour(kPanelColour);
  con.Clear(18, 0, 21, 79, attr);
  con.Say(18, 1, "Relasi :", attr);
  con.Say(19, 1, "Tg. Invoice :", attr);
  con.Say(19, 27, "Tg. Tempo :", attr);
  con.Say(19, 52, "Piutang :", attr);
  con.Say(20, 1, "Data Pelunasan :", attr);
  con.Say(20, 39, "Tanggal :", attr);
  con.Say(20, 60, "Sisa :", attr);
  con.Say(21, 1, "Terbayar :", attr);
  con.Say(21, 40, "Saldo Piutang :", attr);
}

xbase::Status INFORMASI(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt, size_t line,
                        PanelFigures* figures, bool show) {
  console::Console& con = session.console();
  const console::ValueRow& row = receipt.lines[line];
  bool found = false;
  xbase::Status s = SeekExact(tables["mastcus"], "MASTCUS1", "RELASI", LineText(row, kCustomer), &found);
  if (!s.ok()) return s;
  const xbase::WorkArea& customer = tables["mastcus"];
  if (show) {
    Put(con, kCustomerAt, found ? xbase::PadR(customer.Text("NAMA"), 30) + " " + customer.Text("KOTA") : "");
  }

  const std::string& number = LineText(row, kInstrument);
  found = false;
  bool needs = false;
  if (s = NeedsInstrument(session, LineText(row, kCode), &needs); !s.ok()) return s;
  if (needs && !xbase::IsBlank(number)) s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", number, &found);
  if (s.ok() && found) s = Remaining(tables, receipt, line, &figures->instrument_remaining);
  if (!s.ok()) return s;
  if (show) {
    const xbase::WorkArea& instrument = tables["GIRODBT"];
    Put(con, kInstrumentNumberAt, found ? instrument.Text("NOMOR") : "");
    Put(con, kInstrumentDateAt, found ? DateText(instrument.DateOf("TANGGAL")) : "");
    Put(con, kRemainingAt, found ? AmountText(figures->instrument_remaining) : "");
  }

  if (s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", LineText(row, kNota), &found); !s.ok()) return s;
  double paid = 0;
  figures->invoice_balance = 0;
  if (found) s = InvoiceFigures(tables, receipt, line, &paid, &figures->invoice_balance);
  if (show) {
    const xbase::WorkArea& invoice = tables["Piutdbt"];
    Put(con, kInvoiceDateAt, found ? DateText(invoice.DateOf("TANGGAL")) : "");
    Put(con, kInvoiceDueAt, found ? DateText(invoice.DateOf("TEMPO")) : "");
    Put(con, kInvoiceAmountAt, found ? AmountText(invoice.Number("DEBET")) : "");
    Put(con, kPaidAt, found ? AmountText(paid) : "");
    Put(con, kBalanceAt, found ? AmountText(figures->invoice_balance) : "");
  }
  return s;
}

}  // namespace receivables
