// The settlement form of a payment receipt: its lines summed per invoice into payment and deduction
// columns, printed through the report engine; once it reaches a printer the receipt is locked
// against correction.
#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/grid_cells.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "receivables/keyed_seek.h"
#include "receivables/piuttt.h"
#include "receivables/receipt.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {

using frame::Pictured;

namespace {

using xbase::Value;

// The amount columns of a form row.
enum FormColumn { kCash, kGiro, kTransfer, kPaid, kReturn, kDiscount, kCost, kVat, kFs, kFb, kDeducted, kTotal,
                  kFormColumns };

// One invoice of the receipt on the form.
struct FormRow {
  std::string nota;
  std::string name;
  std::string company;
  std::array<double, kFormColumns> amounts{};
  xbase::Date cash_date, giro_date, transfer_date;
};

// The column of a settlement code; payments also carry their instrument's date.
FormColumn ColumnOf(std::string_view code) {
  if (code == "CL" || code == "CS") return kCash;
  if (code == "BL" || code == "BS") return kGiro;
  if (code == "BT") return kTransfer;
  if (code.starts_with("R")) return kReturn;
  if (code == "DM") return kCost;
  if (code == "DP") return kVat;
  if (code == "FS") return kFs;
  if (code == "FB") return kFb;
  return kDiscount;  // "DB", "DC", "DG", "DH", "DK", "DO", "DR", "DU", "D2" and any other
}

// The form's rows, one an invoice. The customer names and the instruments' dates are printed: one that
// cannot be read is the error (one not there prints blank).
xbase::Status FormRows(const frame::OpenedTables& tables, const Receipt& receipt, std::vector<FormRow>* rows) {
  rows->clear();
  std::map<std::string, size_t> at;
  for (const console::ValueRow& line : receipt.lines) {
    if (!LineCounts(line)) continue;
    const std::string nota = LineText(line, kNota);
    auto [it, added] = at.try_emplace(nota, rows->size());
    if (added) {
      FormRow row{nota, "", LineText(line, kCompany), {}, {}, {}, {}};
      bool found = false;
      const xbase::Status s = SeekExact(tables["mastcus"], "MASTCUS1", "RELASI", LineText(line, kCustomer), &found);
      if (!s.ok()) return s;
      if (found) row.name = tables["mastcus"].Text("NAMA");
      rows->push_back(row);
    }
    FormRow& row = (*rows)[it->second];
    const std::string code = xbase::PadR(LineText(line, kCode), 2);
    const FormColumn column = ColumnOf(code);
    const double amount = LineAmount(line);
    row.amounts[column] += amount;
    row.amounts[column <= kTransfer ? kPaid : kDeducted] += amount;
    row.amounts[kTotal] += amount;
    if (column <= kTransfer) {
      bool found = false;
      xbase::Date date;
      const xbase::Status s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", LineText(line, kInstrument), &found);
      if (!s.ok()) return s;
      if (found) date = tables["GIRODBT"].DateOf("TANGGAL");
      (column == kCash ? row.cash_date : column == kGiro ? row.giro_date : row.transfer_date) = date;
    }
  }
  std::stable_sort(rows->begin(), rows->end(), [](const FormRow& a, const FormRow& b) { return a.company < b.company; });
  return xbase::Status::OK();
}

std::string DateText(xbase::Date date) { return date.empty() ? std::string(10, ' ') : xbase::Dtoc(date); }

// The amounts from the cash column on, as a row and the total row print them.
std::string AmountColumns(const std::array<double, kFormColumns>& a, const xbase::Date* dates) {
  std::string text;
  const FormColumn payments[] = {kCash, kGiro, kTransfer};
  for (int i = 0; i < 3; ++i) {
    text += Pictured(a[payments[i]], " 9,999,999,999") + " " +
            (dates != nullptr ? DateText(dates[i]) : std::string(10, ' '));
  }
  text += Pictured(a[kPaid], " 99,999,999,999") + "|";
  text += Pictured(a[kReturn], "999,999,999");
  for (FormColumn column : {kDiscount, kCost, kVat, kFs, kFb, kDeducted}) text += Pictured(a[column], " 999,999,999");
  return text + "|" + Pictured(a[kTotal], "99,999,999,999");
}

const std::string kRule(236, '=');

// The captions over the amount columns, aligned as AmountColumns prints them.
std::string Captions() {
  std::string text = xbase::PadR("NO  NOTA         NAMA RELASI               ID", 47);
  for (const char* payment : {"CASH", "BG", "TRANSFER"})
    text += xbase::PadL(payment, 14) + " " + xbase::PadR("TGL", 10);
  text += xbase::PadL("JUMLAH", 15) + "|" + xbase::PadL("RETUR", 11);
  for (const char* deduction : {"DISCOUNT", "BIAYA", "PPN", "FS", "FB", "JUMLAH"}) text += xbase::PadL(deduction, 12);
  return text + "|" + xbase::PadL("T O T A L", 14);
}

std::vector<std::string> Heading(const Receipt& receipt) {
  const std::string title = "FORM PELUNASAN PIUTANG (TT)";
  const std::string number = "NOMOR TT : " + std::string(xbase::RTrim(receipt.branch)) + " / " + receipt.number;
  return {xbase::PadR(number, static_cast<int>(kRule.size() - title.size())) + title,
          "TANGGAL  : " + xbase::Dtoc(receipt.date),
          kRule,
          std::string(47, ' ') + xbase::PadC("P E L U N A S A N", 91) + xbase::PadC("P O T O N G A N", 83),
          std::string(47, ' ') + std::string(90, '-') + " " + std::string(82, '-'),
          Captions(),
          kRule};
}

// CETAKFORMTT: the form's pages, each ending with the rule and the running total.
bool CETAKFORMTT(frame::Session& session, const std::vector<FormRow>& rows, const Receipt& receipt, int per_page) {
  frame::ReportWriter report(session, "lapor");
  if (!report.Start()) return false;
  std::array<double, kFormColumns> total{};
  const size_t rows_per_page = static_cast<size_t>(std::max(1, per_page - 1));
  size_t n = 0;
  do {
    if (!report.NewPage()) return false;
    for (const std::string& line : Heading(receipt)) {
      if (!report.Line(line, "C")) return false;
    }
    for (size_t on_page = 0; on_page < rows_per_page && n < rows.size(); ++on_page, ++n) {
      const FormRow& row = rows[n];
      const xbase::Date dates[] = {row.cash_date, row.giro_date, row.transfer_date};
      const std::string text = Pictured(static_cast<double>(n + 1), "999 ") + xbase::PadR(row.nota, 12) + " " +
                               xbase::PadR(row.name, 25) + " " + xbase::PadR(row.company, 4) +
                               AmountColumns(row.amounts, dates);
      for (int c = 0; c < kFormColumns; ++c) total[static_cast<size_t>(c)] += row.amounts[static_cast<size_t>(c)];
      if (!report.Line(text, "C")) return false;
    }
    if (!report.Line(kRule, "C")) return false;
    if (!report.Line(xbase::PadR("          -= T O T A L =-", 47) + AmountColumns(total, nullptr), "C")) return false;
  } while (n < rows.size());
  frame::ReportLayout layout;
  layout.width = static_cast<int>(kRule.size());
  layout.title = "rekap jual";
  layout.left_margin = 1;
  layout.signature_box = true;
  return report.Print(layout);
}

// Marks the receipt printed, which closes it to corrections.
xbase::Status MarkPrinted(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt) {
  bool found = false;
  xbase::Status s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(receipt.branch, receipt.number), &found);
  if (!s.ok() || !found) return s;
  xbase::WorkArea& header = tables["Piutkr1"];
  if (s = console::LOCK_REC(session.console(), header); s.ok()) s = header.Put("CETAK", Value::Logical(true));
  const xbase::Status unlocked = header.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status CTKTT(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenReceiptTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  Receipt receipt;
  double per_page = 50;
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 8, 18, 15, 61, colour);
    console::TENGAH(con, 9, "CETAK FORM PELUNASAN (TT)", colour);
    const console::Attr attr = con.Colour(colour);
    con.Say(11, 20, "Cabang        :", attr);
    con.Say(12, 20, "Nomor TT      :", attr);
    con.Say(13, 20, "Baris/Halaman :", attr);
    receipt.number = std::string(10, ' ');
    console::GetList form;
    form.Add(11, 36, &receipt.branch, "@!").valid = [&] { return pickers::CARICABANG(session, &receipt.branch); };
    form.Add(12, 36, &receipt.number, "@!").valid = [&] {
      if (xbase::IsBlank(receipt.number)) return true;
      if (!LCGETTT(session, tables, &receipt, false)) return false;
      if (!receipt.is_new) return true;
      console::PESAN(con, "TT " + std::string(xbase::AllTrim(receipt.number)) + " tidak ada");
      return false;
    };
    form.Add(13, 36, &per_page, "999").valid = [&] { return per_page > 1; };
    if (form.Read(con).escaped || xbase::IsBlank(receipt.number)) break;
    if (receipt.is_new && (!LCGETTT(session, tables, &receipt, false) || receipt.is_new)) continue;
    std::vector<FormRow> rows;
    if (!frame::Checked(session, FormRows(tables, receipt, &rows))) continue;
    if (CETAKFORMTT(session, rows, receipt, static_cast<int>(per_page))) {
      s = MarkPrinted(session, tables, receipt);
    }
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
