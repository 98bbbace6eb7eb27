// The memo back to administration and the receivables memo in memory, with their lookups
// (LCGETKEMBALI, LCGETMEMOPAJAK), which their entry and print screens share.
#include "memos/memo_back.h"

#include "console/alert.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// Loads form->number of the kind, refusing an approved memo outside the print to users without "ACC";
// each live line goes through `add`.
bool LoadMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, MemoForm* form,
              bool printing, std::string_view approved_text, const std::function<bool(xbase::WorkArea& line)>& add,
              const std::function<console::ValueRow(int)>& empty_row) {
  form->rows.clear();
  bool accepted = true;
  if (LookUpMemo(session, tables, kind, form->branch, &form->number)) {
    const xbase::WorkArea& header = tables[kind.header];
    if (header.Logical("APPROVAL") && !printing) {
      console::Alert(session.console(), std::string(approved_text) + form->number + " sudah Approval/dicetak");
      accepted = session.MMEMBER.HasRight("ACC");
    }
    form->date = header.DateOf("TANGGAL");
    form->note = header.Text("NOTES");
    accepted = accepted && EachMemoLine(session, tables[kind.lines], form->branch, form->number, add);
  }
  form->rows.push_back(empty_row(static_cast<int>(form->rows.size() + 1)));
  return accepted;
}

}  // namespace

console::ValueRow EmptyBackRow(int number) {
  return {NumberCell(number), TextCell("", 20), DateCell(), TextCell("", 9), DateCell(), TextCell("", 5),
          TextCell("", 40), xbase::Value::Logical(true)};
}

console::ValueRow EmptyTaxRow(int number) {
  return {NumberCell(number), TextCell("", 20), DateCell(), DateCell(), TextCell("", 35), NumberCell(0)};
}

bool LCGETKEMBALI(frame::Session& session, const frame::OpenedTables& tables, MemoForm* form, bool printing) {
  const auto add = [&](xbase::WorkArea& line) {
    console::ValueRow row = EmptyBackRow(static_cast<int>(form->rows.size() + 1));
    const std::string invoice = line.Text("INVOICE");
    row[kBackNote - 1] = TextCell(invoice, 20);
    row[kBackReal - 1] = DateCell(line.DateOf("TG_KIRIM"));
    row[kBackTime - 1] = TextCell(line.Text("JAM_KIRIM"), 5);
    row[kBackReason - 1] = TextCell(line.Text("NOTES"), 40);
    row[kBackSent - 1] = xbase::Value::Logical(line.Logical("TERKIRIM"));
    NoteFacts facts;
    if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
    row[kBackDate - 1] = DateCell(facts.date);
    row[kBackCustomer - 1] = TextCell(facts.customer, 9);
    form->rows.push_back(std::move(row));
    return true;
  };
  return LoadMemo(session, tables, kBackMemo, form, printing, "Memo kembali ke Admin ", add, EmptyBackRow);
}

bool FillTaxRow(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                console::ValueRow* row) {
  NoteFacts facts;
  double amount = 0;
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts)) ||
      !frame::Checked(session, InvoiceAmount(tables, invoice, &amount))) {
    return false;
  }
  (*row)[kTaxNote - 1] = TextCell(invoice, 20);
  (*row)[kTaxDate - 1] = DateCell(facts.date);
  (*row)[kTaxShipping - 1] = DateCell(facts.shipping);
  (*row)[kTaxName - 1] = TextCell(xbase::Left(CustomerText(tables, facts.customer, "NAMA"), 35), 35);
  (*row)[kTaxAmount - 1] = NumberCell(amount);
  return true;
}

bool LCGETMEMOPAJAK(frame::Session& session, const frame::OpenedTables& tables, MemoForm* form, bool printing) {
  const auto add = [&](xbase::WorkArea& line) {
    console::ValueRow row = EmptyTaxRow(static_cast<int>(form->rows.size() + 1));
    if (!FillTaxRow(session, tables, line.Text("INVOICE"), &row)) return false;
    form->rows.push_back(std::move(row));
    return true;
  };
  return LoadMemo(session, tables, kTaxMemo, form, printing, "Memo kembali ke PIUTANG ", add, EmptyTaxRow);
}

}  // namespace memos
