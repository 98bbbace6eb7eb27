// JBALIK: "EDIT PIUTANG". An invoice's ledger (the invoice and the receipt lines on it) above, its
// reversing-journal lines below; Tab moves between the two lists and F10 saves.
#include <algorithm>
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/status_display.h"
#include "receivables/journal.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kScreenColour = "W+/b";
constexpr const char* kListColour = "W+/b,N/W";
constexpr int kHelpRow = 23;
constexpr int kSumRow = 21;
constexpr console::Window kLedgerWindow{6, 1, 11, 78};
constexpr console::Window kLinesWindow{13, 1, 19, 78};
constexpr const char* kAmountPicture = "9,999,999,999.99";
const console::KeyHelp kHelp{
    {"Esc", " Tab", " F10", " Del"}, {") Kembali,", ") Pindah,", ") Simpan,", ") Hapus"}, "W+/b", "GR+/b"};

// What ends the work on one invoice.
enum class Outcome { kStay, kNextInvoice, kSaved };

void DrawScreen(console::Console& con) {
  const console::Attr attr = con.Colour(kScreenColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, "EDIT PIUTANG", kScreenColour);
  con.Say(2, 1, "Nomor Nota : ", attr);
  console::DrawFrame(con, kLedgerWindow.top - 1, 0, kLedgerWindow.bottom + 1, 79, console::Line::kSingle, attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
}

// The invoice's branch, customer and name, due date, company, salesman and type.
void ShowInvoice(frame::Session& session, const frame::OpenedTables& tables) {
  console::Console& con = session.console();
  const console::Attr attr = con.Colour(kScreenColour);
  const xbase::WorkArea& invoice = tables["Piutdbt"];
  bool found = false;
  const std::string customer = invoice.Text("RELASI");
  const xbase::Status s = SeekExact(tables["mastcus"], "MASTCUS1", "RELASI", customer, &found);
  const std::string name = s.ok() && found ? tables["mastcus"].Text("NAMA") : "";
  con.Say(3, 1, "Cabang : " + invoice.Text("KDCB") + "  Relasi : " + customer + " " + xbase::PadR(name, 30), attr);
  con.Say(4, 1,
          "Jt.Tempo : " + xbase::Dtoc(invoice.DateOf("TEMPO")) + "  Perusahaan : " + invoice.Text("CODE_ID") +
              "  Sales : " + invoice.Text("SALES") + "  Tipe : " + invoice.Text("TIPE"),
          attr);
}

void ShowSums(frame::Session& session, const Journal& journal) {
  console::Console& con = session.console();
  const JournalSums sums = SumJournal(journal);
  const auto amount = [](double value) { return xbase::Transform(xbase::Value::Num(value, 16, 2), kAmountPicture); };
  con.Say(kSumRow, 1,
          "JUMLAH : " + amount(sums.debet) + "  " + amount(sums.kredit) + "  " + amount(sums.debet - sums.kredit),
          con.Colour(kScreenColour));
}

// The invoice number, "?" picking it from the invoices; true when an invoice is loaded, false after Esc.
bool AskInvoice(frame::Session& session, const frame::OpenedTables& tables, Journal* journal) {
  console::Console& con = session.console();
  for (;;) {
    console::GetList form;
    form.Add(2, 14, &journal->nota, "@!").valid = [&] {
      xbase::Status s = frame::PickCode(session, PickOf("Piutdbt", {"nota", "relasi", "tanggal", "debet"},
                                                        {"Nota", "Relasi", "Tanggal", "Debet"}),
                                        &journal->nota);
      bool found = false;
      if (s.ok()) s = LoadJournal(tables, journal, &found);
      frame::ShowFailure(session, s);
      if (s.ok() && !found) console::PESAN(con, "Nota " + std::string(xbase::AllTrim(journal->nota)) + " tidak ada");
      return s.ok() && found;
    };
    if (form.Read(con).escaped) return false;
    if (!journal->ledger.empty()) return true;
  }
}

// F10: saves and tells the user; a failure stays on the screen.
Outcome Save(frame::Session& session, const frame::OpenedTables& tables, const Journal& journal) {
  // A failure was told by the save.
  return SaveJournal(session, tables, journal).ok() ? Outcome::kSaved : Outcome::kStay;
}

// The browse of the journal lines in the lower window.
console::ArrayBrowse LinesBrowse(console::Console& con, Journal* journal, int* idx) {
  return console::BUATOBJECT(con, &journal->lines,
                             {"No.", "NO. JB", "TANGGAL", "KD", "NOMOR BUKTI", "DEBET", "KREDIT", "KETERANGAN"},
                             {"99.", "@!", "", "@!", "@!s15", kAmountPicture, kAmountPicture, "@!"}, kLinesWindow,
                             kListColour, kHelpRow, kHelp, idx, 1);
}

// The lower list until Esc or Tab (back to the ledger) or F10.
Outcome EditLines(frame::Session& session, const frame::OpenedTables& tables, Journal* journal) {
  console::Console& con = session.console();
  int idx = static_cast<int>(journal->lines.size());
  console::ArrayBrowse browse = LinesBrowse(con, journal, &idx);
  // The number is proposed: the cursor starts on the date.
  browse.set_column(kJournalDate + 1);
  Outcome outcome = Outcome::kStay;
  frame::LineEditorHooks hooks;
  hooks.show = [&] { ShowSums(session, *journal); };
  hooks.enter_on_last = [&] {
    browse.set_column(kJournalNumber + 1);
    browse.set_column(kJournalDate + 1);
    if (idx == browse.row_count()) {
      const console::ValueRow& last = journal->lines.back();
      journal->lines.push_back(BlankJournalLine(journal->lines.size() + 1, last[kJournalNumber].text()));
    }
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (!journal->lines[static_cast<size_t>(idx - 1)][kJournalDate].date().empty()) {
          frame::HAPUS_(static_cast<size_t>(idx), &journal->lines);
          idx = std::min(idx, browse.row_count());
        }
        return false;
      case key::kEsc:
      case key::kTab: return true;
      case key::kF10: outcome = Save(session, tables, *journal); return outcome == Outcome::kSaved;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kJournalNumber + 1, kJournalNotes + 1, hooks);
  return outcome;
}

// The ledger list: Tab goes down into the journal lines, Esc leaves for a new invoice, F10 saves.
Outcome Browse(frame::Session& session, const frame::OpenedTables& tables, Journal* journal) {
  console::Console& con = session.console();
  int idx = 1;
  console::ArrayBrowse ledger = console::BUATOBJECT(
      con, &journal->ledger, {"NO.", "TANGGAL", "NO. TT", "KD", "NOMOR BUKTI", "DEBET", "KREDIT", "KETERANGAN"},
      {"99.", "", "@!", "@!", "@!s15", kAmountPicture, kAmountPicture, "@!"}, kLedgerWindow, kListColour, kHelpRow,
      kHelp, &idx, 1);
  int lines_idx = 1;
  console::ArrayBrowse lines = LinesBrowse(con, journal, &lines_idx);
  for (;;) {
    lines.Stabilize(con);
    ledger.Stabilize(con);
    ShowSums(session, *journal);
    ledger.Hilite(con);
    const int pressed = con.WaitKey();
    Outcome outcome = Outcome::kStay;
    switch (pressed) {
      case key::kEsc: return Outcome::kNextInvoice;
      case key::kTab: outcome = EditLines(session, tables, journal); break;
      case key::kF10: outcome = Save(session, tables, *journal); break;
      default: ledger.Navigate(pressed);
    }
    if (outcome != Outcome::kStay) return outcome;
  }
}

}  // namespace

xbase::Status JBALIK(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenReceiptTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  for (;;) {
    DrawScreen(con);
    Journal journal;
    if (!AskInvoice(session, tables, &journal)) break;
    ShowInvoice(session, tables);
    Browse(session, tables, &journal);
  }
  return session.tables().CloseAll();
}

}  // namespace receivables
