// CHKSURATJALAN: where one delivery note stands: its dates and customer, and the admin memo, driver
// memo, memo back and receivables memo that hold it.
#include "console/box.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/driver_memo.h"
#include "memos/memo_lists.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {

std::vector<std::string> NoteSummary(frame::Session& session, const frame::OpenedTables& tables,
                                     std::string_view invoice) {
  NoteFacts facts;
  xbase::Status s = ReadNote(tables, invoice, &facts);
  if (!frame::Checked(session, s) || !facts.found) return {};
  const xbase::Date due = facts.due;
  std::vector<std::string> lines = {
      " Evaluasi Surat Jalan", " Nomor       : " + NoteText(invoice), " Tanggal     : " + DateText(facts.date),
      " Tg. Tempo   : " + DateText(due),
      " Relasi      : " + facts.customer + " " + CustomerText(tables, facts.customer, "NAMA"),
      "               " + CustomerText(tables, facts.customer, "ALAMAT"),
      "               " + CustomerText(tables, facts.customer, "KOTA"), " Memorandum    "};
  struct Step {
    const MemoKind* kind;
    const char* label;
  };
  for (const Step& step : {Step{&kAdminMemo, " ke Gudang   : "}, Step{&kDriverMemo, "    Driver   : "},
                           Step{&kBackMemo, "    Adm Jual : "}, Step{&kTaxMemo, "    Adm Piut : "}}) {
    const MemoOfNote memo = FindMemoOfNote(session, tables, *step.kind, invoice, &s);
    if (!frame::Checked(session, s)) return {};
    lines.push_back(step.label + Cut(memo.number, 10) + " " + (memo.found ? DateText(memo.date) : std::string()));
    if (step.kind == &kDriverMemo) {
      const xbase::WorkArea& header = tables[kDriverMemo.header];
      lines.push_back("               " + (memo.found ? header.Text("ARMADA") + " " +
                                                          DriverName(session, header.Text("SOPIR"))
                                                    : std::string()));
    }
  }
  return lines;
}

xbase::Status CHKSURATJALAN(frame::Session& session, const Args&) {
  std::string invoice(20, ' ');
  return RunReportBox(
      session, "     Evaluasi Surat Jalan    ", {"Nomor :"},
      [&](const frame::OpenedTables&, console::GetList& form, int row, int col) {
        form.Add(row, col, &invoice, "@!").valid = [&] { return PickNote(session, &invoice); };
      },
      [&](const frame::OpenedTables& tables) {
        const std::vector<std::string> lines = NoteSummary(session, tables, invoice);
        if (lines.empty()) return;
        console::Console& con = session.console();
        console::ScreenKeeper keep(con);
        console::ISHADOW(con, 3, 10, 5 + static_cast<int>(lines.size()), 70, con.Pick("W+/b", "W/n"));
        for (size_t i = 0; i < lines.size(); ++i) con.Say(4 + static_cast<int>(i), 11, Cut(lines[i], 58));
        con.WaitKey();
      });
}

}  // namespace memos
