// The receipt forms as raw ESC/P bytes for the dot matrix, and the two print screens; a receipt is
// marked printed only once its bytes reached the printer.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/dot_matrix_print.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/report_controls.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/keyed_seek.h"
#include "receivables/kwitansi.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {

using frame::Trimmed;

namespace {

using xbase::Value;

const std::string kEsc = "\x1b";
constexpr const char* kEndOfLine = "\r\n";
const std::string kIndent(25, ' ');

std::string Amount(double value) { return xbase::Transform(Value::Num(value), " 999,999,999,999"); }
std::string DoubleHeight(std::string_view text) { return kEsc + "w1" + std::string(text) + kEsc + "w0"; }

// The form down to the received-from text.
std::string Head(const Kwitansi& receipt, const KwitansiForm& form) {
  std::string out = "\x12" + kEsc + "M";
  out += kEsc + "G" + DoubleHeight(Trimmed(form.company[0])) + kEsc + "H" + kEndOfLine;
  out += Trimmed(form.company[1]) + kEndOfLine + Trimmed(form.company[2]) + kEndOfLine;
  out += kEsc + "P";
  out += kEsc + "G" + DoubleHeight("K W I T A N S I") + kEsc + "H" + kEndOfLine;
  out += kEsc + "M";
  out += "    Nomor              : " + DoubleHeight(Trimmed(receipt.number)) + kEndOfLine;
  const text::AmountLines from = text::SplitAmountText(Trimmed(receipt.from), 66);
  out += "    Telah terima dari  : " + from.first + kEndOfLine;
  if (!from.second.empty()) out += kIndent + from.second + kEndOfLine;
  return out;
}

std::string Words(std::string_view caption, double amount) {
  const text::AmountLines words = text::TERBILANG(amount, 0, 65);
  std::string out = std::string(caption) + words.first + kEndOfLine;
  if (!words.second.empty()) out += std::string(caption.size(), ' ') + words.second + kEndOfLine;
  return out;
}

std::string Dated(const Kwitansi& receipt, const KwitansiForm& form) {
  return xbase::PadL(Trimmed(form.place) + ", " + xbase::Dtoc(receipt.date), 30);
}

std::string PayTo(std::string_view caption, const Kwitansi& receipt, std::string_view first_tail) {
  std::string out = std::string(caption) + xbase::PadR(receipt.pay_to[0], 40) + std::string(first_tail) + kEndOfLine;
  for (size_t i = 1; i < 3; ++i) {
    out += Trimmed(std::string(caption.size(), ' ') + Trimmed(receipt.pay_to[i])) + kEndOfLine;
  }
  return out;
}

std::string End() { return kEsc + "P" + frame::kFormFeed; }

// The invoice table, with DPP and PPN columns when the form splits out the VAT.
std::string InvoiceTable(const std::vector<PrintedInvoice>& invoices, const KwitansiForm& form) {
  std::string out = "    " + xbase::PadR("No Nota", 19);
  if (form.with_vat) out += xbase::PadL("DPP", 16) + xbase::PadL("PPN", 16);
  out += xbase::PadL("TOTAL", 16) + kEndOfLine;
  double base_sum = 0, vat_sum = 0, total = 0;
  for (size_t n = 0; n < invoices.size(); ++n) {
    const double base = invoices[n].amount / ((100 + form.vat_percent) / 100);
    const double vat = base * form.vat_percent / 100;
    base_sum += base;
    vat_sum += vat;
    total += invoices[n].amount;
    out += "    " + xbase::Transform(Value::Num(static_cast<double>(n + 1)), "99") + ". " +
           xbase::PadR(invoices[n].nota, 15);
    if (form.with_vat) out += Amount(base) + Amount(vat);
    out += Amount(invoices[n].amount) + kEndOfLine;
  }
  out += "    " + xbase::PadR("Jumlah", 19);
  if (form.with_vat) out += Amount(base_sum) + Amount(vat_sum);
  return out + Amount(total) + kEndOfLine;
}

// Marks the receipt standing in kwit_1 printed.
xbase::Status MarkPrinted(frame::Session& session, xbase::WorkArea& header) {
  xbase::Status s = console::LOCK_REC(session.console(), header);
  if (s.ok()) s = header.Put("CETAK", Value::Logical(true));
  const xbase::Status unlocked = header.Unlock();
  return s.ok() ? unlocked : s;
}

// The invoices of a receipt with their whole amounts (0 for an invoice not there); an invoice that
// cannot be read is the error, never an amount of 0 on the receipt.
xbase::Status InvoicesOf(xbase::WorkArea& invoices, const Kwitansi& receipt, std::vector<PrintedInvoice>* printed) {
  printed->clear();
  for (const console::ValueRow& line : receipt.lines) {
    if (xbase::IsBlank(line[kKwNota].text())) continue;
    PrintedInvoice invoice{Trimmed(line[kKwNota].text()), 0};
    bool found = false;
    if (xbase::Status s = SeekExact(invoices, "PIUTDBT1", "NOTA", invoice.nota, &found); !s.ok()) {
      printed->clear();
      return s;
    }
    if (found) invoice.amount = invoices.Number("DEBET");
    printed->push_back(invoice);
  }
  return xbase::Status::OK();
}

// Prints one stored receipt (kwit_1 stands on it) after the question; true when it reached the printer.
bool PrintOne(frame::Session& session, const frame::OpenedTables& tables, std::string number, bool free,
              bool with_vat) {
  Kwitansi receipt;
  receipt.number = std::move(number);
  bool found = false;
  if (!frame::Checked(session, LoadKwitansi(tables, &receipt, &found)) || !found) return false;
  KwitansiForm form;
  std::vector<PrintedInvoice> invoices;
  xbase::Status read = KwitansiFormOf(session, tables, with_vat, &form);
  if (read.ok() && !free) read = InvoicesOf(tables["piutdbt"], receipt, &invoices);
  if (!frame::Checked(session, read)) return false;
  console::PESAN(session.console(), "pasang kwitansi dengan betul, tekan sembarang u/ cetak");
  const std::string bytes = free ? FreeKwitansiBytes(receipt, form) : InvoiceKwitansiBytes(receipt, invoices, form);
  if (!frame::PrintRawForm(session, "KWITANSI", bytes)) return false;
  bool still = false;
  xbase::Status s = SeekExact(tables["kwit_1"], "KWIT_1", "NOMOR", receipt.number, &still);
  if (s.ok() && still) s = MarkPrinted(session, tables["kwit_1"]);
  return frame::Checked(session, s);
}

xbase::Status PrintScreen(frame::Session& session, bool free) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenKwitansiTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::SHADOW(con, 9, 20, 14, 59, colour);
  con.Say(11, 22, "No. Kwitansi :", con.Colour(colour));
  if (!free) con.Say(12, 22, "dengan PPN   :", con.Colour(colour));
  std::string number(7, ' ');
  bool with_vat = true;
  console::GetList form;
  form.Add(11, 37, &number, "@!").valid = [&] {
    if (xbase::IsBlank(number) && !free) return true;
    bool found = false;
    xbase::Status p =
        frame::PickCode(session, PickOf("kwit_1", {"nomor", "tanggal", "dari"}, {"Nomor", "tanggal", "dari"}), &number);
    if (p.ok()) p = SeekExact(tables["kwit_1"], "KWIT_1", "NOMOR", number, &found);
    number = xbase::PadR(xbase::RTrim(number), 7);
    if (!frame::Checked(session, p)) return false;
    return found || pickers::Refuse(session, "Kwitansi " + Trimmed(number) + " tidak ada");
  };
  if (!free) form.Add(12, 37, &with_vat, "Y");
  if (!form.Read(con).escaped) {
    if (!xbase::IsBlank(number)) {
      PrintOne(session, tables, number, free, with_vat);
    } else {
      // Every receipt not yet printed, in table order.
      std::vector<std::string> waiting;
      xbase::WorkArea& header = tables["kwit_1"];
      xbase::Status s = header.SetOrder(0);
      if (s.ok()) s = header.GoTop();
      while (s.ok() && !header.eof()) {
        if (!header.Logical("CETAK")) waiting.push_back(header.Text("NOMOR"));
        s = header.Skip();
      }
      if (frame::Checked(session, s)) {
        for (const std::string& next : waiting) {
          if (!PrintOne(session, tables, next, false, with_vat)) break;
        }
      }
    }
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace

xbase::Status KwitansiFormOf(frame::Session& session, const frame::OpenedTables& tables, bool with_vat,
                             KwitansiForm* form) {
  *form = KwitansiForm{};
  for (size_t i = 0; i < 3; ++i) form->company[i] = session.STP.text[i + 1];
  form->with_vat = with_vat;
  bool found = false;
  xbase::WorkArea& setup = tables["Setup"];
  xbase::Status s = SeekExact(setup, "SETUP", "SETUP", "KWITANSI1", &found);
  if (s.ok() && found) form->place = Trimmed(setup.Text("KET"));
  if (s.ok()) s = SeekExact(setup, "SETUP", "SETUP", "POTONGPPN", &found);
  if (s.ok() && found) form->vat_percent = xbase::Val(setup.Text("KET")).value;
  return s;
}

std::string InvoiceKwitansiBytes(const Kwitansi& receipt, const std::vector<PrintedInvoice>& invoices,
                                 const KwitansiForm& form) {
  double total = 0;
  for (const PrintedInvoice& invoice : invoices) total += invoice.amount;
  std::string out = Head(receipt, form);
  out += "    Uang sejumlah      : " + DoubleHeight(Amount(total)) + kEndOfLine;
  out += InvoiceTable(invoices, form);
  out += Words("    Terbilang          : ", total);
  out += PayTo("    Pembayaran ke      : ", receipt, Dated(receipt, form));
  return out + End();
}

std::string FreeKwitansiBytes(const Kwitansi& receipt, const KwitansiForm& form) {
  // The free receipt keeps no amount: its amount line and words are left for the hand.
  std::string out = Head(receipt, form);
  out += std::string("    Uang Sejumlah      : ") + kEndOfLine;
  out += std::string("    Untuk pembayaran   :") + kEndOfLine;
  for (const std::string& line : receipt.purpose) {
    if (!xbase::IsBlank(line)) out += kIndent + Trimmed(line) + kEndOfLine;
  }
  out += std::string(49, ' ') + Dated(receipt, form) + kEndOfLine;
  out += std::string("       Terbilang          : ") + kEndOfLine;
  out += PayTo("       Pembayaran ke      : ", receipt, "");
  return out + End();
}

xbase::Status KW2(frame::Session& session, const std::vector<xbase::Value>&) { return PrintScreen(session, false); }
xbase::Status KW22(frame::Session& session, const std::vector<xbase::Value>&) { return PrintScreen(session, true); }

}  // namespace receivables
