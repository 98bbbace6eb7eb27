// The request form for signature: each invoice with its delivery note's dates and discounts, the
// deduction asked for and the payments already received; printing it locks the request.
#include <algorithm>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {

using frame::Pictured;

namespace {

using xbase::Value;

std::string DateText(xbase::Date date) { return date.empty() ? std::string(10, ' ') : xbase::Dtoc(date); }

const std::string kRule(214, '-');

std::vector<std::string> Heading(const DeductionRequest& request) {
  return {"PENGAJUAN POTONGAN PELUNASAN ",
          "NOMOR : " + request.number + ", CABANG : " + request.branch + ",  TANGGAL : " + xbase::Dtoc(request.date),
          kRule,
          std::string(78, ' ') + xbase::PadC("SURAT JALAN", 52) + xbase::PadC("POTONGAN", 40) +
              xbase::PadC("PEMBAYARAN", 46) + "KETERANGAN",
          xbase::PadR("KODE", 10) + xbase::PadR("NAMA RELASI", 31) + xbase::PadR("INVOICE", 16) +
              xbase::PadR("TANGGAL", 11) + xbase::PadR("TG KIRIM", 11) + "TP" + xbase::PadL("NOM. INVOICE", 18) +
              xbase::PadL("DISCOUNT", 28) + " KD" + xbase::PadL("%", 7) + xbase::PadL("NOMINAL", 16) +
              " NOMOR BPT  " + xbase::PadR("NOMOR GIRO", 20) + xbase::PadL("NOMINAL", 19) + " TG.CAIR     HR",
          kRule};
}

// The invoice part of a request line's row. Its dates and discounts are printed: a customer, note or
// note line that cannot be read is the error (a missing one prints blank).
xbase::Status InvoiceColumns(const frame::OpenedTables& tables, const DeductionRequest& request,
                             const console::ValueRow& line, std::string* text) {
  const std::string nota = line[kDedNota].text();
  std::string name;
  bool found = false;
  xbase::Status s = SeekExact(tables["mastcus"], "MASTCUS1", "RELASI", line[kDedCustomer].text(), &found);
  if (s.ok() && found) name = tables["mastcus"].Text("NAMA");
  xbase::Date sent_date, delivered;
  double discounts[4] = {0, 0, 0, 0};
  if (s.ok()) s = SeekExact(tables["inv"], "SRTJLN11", "INVOICE", nota, &found);
  if (s.ok() && found) {
    const xbase::WorkArea& note = tables["inv"];
    sent_date = note.DateOf("TANGGAL");
    delivered = note.DateOf("KIRIM");
    discounts[2] = note.Number("DISCOUNT");
    discounts[3] = note.Number("DISCOUNT2");
  }
  if (s.ok()) s = SeekExact(tables["krt"], "SRTJLN21", "INVOICE", nota, &found);
  if (!s.ok()) return s;
  if (found) {
    discounts[0] = tables["krt"].Number("DISCOUNT");
    discounts[1] = tables["krt"].Number("DISCOUNT2");
  }
  *text = xbase::PadR(line[kDedCustomer].text(), 10) + xbase::PadR(name, 30) + " " + xbase::PadR(nota, 15) + " " +
          DateText(sent_date) + " " + DateText(delivered) + " " + xbase::PadR(line[kDedType].text(), 2) +
          Pictured(line[kDedDebet].number(), " 9,999,999,999.99");
  for (double discount : discounts) *text += Pictured(discount, " 999.99");
  *text += " " + request.code + Pictured(line[kDedPercent].number(), " 999.99") +
           Pictured(line[kDedAmount].number(), " 999,999,999.99 ") + xbase::PadR(line[kDedBpt].text(), 10);
  return s;
}

// The payments received on the invoice: instrument (or note), amount, the instrument's date and the
// days from the invoice date to it. A row that cannot be read is the error, never a payment left out
// or counted from no date.
xbase::Status Payments(const frame::OpenedTables& tables, std::string_view nota, std::vector<std::string>* out) {
  out->clear();
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Date invoice_date;
  bool found = false;
  xbase::Status s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", nota, &found);
  if (s.ok() && found) invoice_date = tables["Piutdbt"].DateOf("TANGGAL");
  if (s.ok()) s = lines.SetOrder("PIUTKR22");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOTA", xbase::RTrim(nota)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    const std::string instrument = lines.Text("NO_BUKTI");
    xbase::Date cleared;
    found = false;
    if (!xbase::IsBlank(instrument)) s = SeekExact(tables["GiroDbt"], "GIRODBT1", "NOMOR", instrument, &found);
    if (!s.ok()) break;
    if (found) cleared = tables["GiroDbt"].DateOf("TANGGAL");
    const double days = cleared.empty() ? 0 : static_cast<double>(cleared - invoice_date);
    out->push_back(" " + xbase::PadR(xbase::IsBlank(instrument) ? lines.Text("NOTES") : instrument, 20) +
                   Pictured(lines.Number("KREDIT"), " 99,999,999,999.99 ") + DateText(cleared) + Pictured(days, " 999"));
  }
  if (!s.ok()) out->clear();
  return s;
}

// The rows of the form: each invoice's columns with its payments beside them.
xbase::Status FormRows(const frame::OpenedTables& tables, const DeductionRequest& request,
                       std::vector<std::string>* rows) {
  rows->clear();
  for (const console::ValueRow& line : request.lines) {
    if (xbase::IsBlank(line[kDedNota].text())) continue;
    std::string invoice;
    std::vector<std::string> payments;
    xbase::Status s = InvoiceColumns(tables, request, line, &invoice);
    if (s.ok()) s = Payments(tables, line[kDedNota].text(), &payments);
    if (!s.ok()) return s;
    const std::string note = " " + std::string(xbase::RTrim(line[kDedNote].text()));
    if (payments.empty()) rows->push_back(invoice + note);
    for (size_t p = 0; p < payments.size(); ++p) {
      rows->push_back((p == 0 ? invoice : std::string(invoice.size(), ' ')) + payments[p] + (p == 0 ? note : ""));
    }
  }
  return xbase::Status::OK();
}

bool PrintForm(frame::Session& session, const frame::OpenedTables& tables, const DeductionRequest& request,
               int per_page) {
  std::vector<std::string> rows;
  if (!frame::Checked(session, FormRows(tables, request, &rows))) return false;
  frame::ReportWriter report(session, "lapor");
  if (!report.Start()) return false;
  double invoices = 0, deductions = 0;
  for (const console::ValueRow& line : request.lines) {
    if (xbase::IsBlank(line[kDedNota].text())) continue;
    invoices += line[kDedDebet].number();
    deductions += line[kDedAmount].number();
  }
  size_t n = 0;
  do {
    if (!report.NewPage()) return false;
    for (const std::string& line : Heading(request)) {
      if (!report.Line(line, "C")) return false;
    }
    for (int on_page = 0; on_page < std::max(1, per_page - 12) && n < rows.size(); ++on_page, ++n) {
      if (!report.Line(rows[n], "C")) return false;
    }
    const std::vector<std::string> foot = {
        kRule, xbase::PadR("", 78) + Pictured(invoices, "99,999,999,999.99") + std::string(44, ' ') +
                   Pictured(deductions, "99,999,999,999.99"),
        "", " Yang Membuat       Mengetahui              Mengetahui         Mengetahui ", "", "", "",
        "(Administrasi)    (    AAO     )           (   BM K1   )      (   BM K2   )"};
    for (const std::string& line : foot) {
      if (!report.Line(line, "C")) return false;
    }
  } while (n < rows.size());
  frame::ReportLayout layout;
  layout.width = static_cast<int>(kRule.size());
  layout.title = " CETAK FORM ";
  layout.left_margin = 1;
  layout.signature_box = false;
  return report.Print(layout);
}

xbase::Status MarkPrinted(frame::Session& session, const frame::OpenedTables& tables, std::string_view number) {
  bool found = false;
  xbase::Status s = SeekExact(tables["BPOT_HDR"], "BPOT_HDR1", "NOMOR", number, &found);
  if (!s.ok() || !found) return s;
  xbase::WorkArea& header = tables["BPOT_HDR"];
  if (s = console::LOCK_REC(session.console(), header); s.ok()) s = header.Put("CETAK", Value::Logical(true));
  const xbase::Status unlocked = header.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status CPOTDRAF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenDeductionTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  double per_page = 55;
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 8, 18, 14, 61, colour);
    console::TENGAH(con, 9, "CETAK DRAFT POTONGAN", colour);
    con.Say(11, 20, "Nomor   :", con.Colour(colour));
    con.Say(12, 20, "BRS/HAL :", con.Colour(colour));
    DeductionRequest request;
    console::GetList form;
    form.Add(11, 30, &request.number, "@!").valid = [&] {
      return xbase::IsBlank(request.number) || FindRequest(session, tables, &request);
    };
    form.Add(12, 30, &per_page, "999").valid = [&] { return per_page > 12; };
    if (form.Read(con).escaped || xbase::IsBlank(request.number) || request.is_new) break;
    if (PrintForm(session, tables, request, static_cast<int>(per_page)))
      s = MarkPrinted(session, tables, request.number);
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
