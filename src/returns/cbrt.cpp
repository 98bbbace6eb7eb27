// The receipt of returned goods (F-MK-011): printed for a return document; once it reaches a printer
// a return that is not administrative is registered as a payment instrument and the document marked
// printed.
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/return_forms.h"
#include "returns/return_instrument.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::L;

namespace {

// After the print, all or nothing: the instrument of a return that is not administrative, then the
// printed mark. Esc at a lock held elsewhere marks nothing (said on row 24); the receipt may be
// printed again.
xbase::Status MarkPrinted(frame::Session& session, const frame::OpenedTables& tables, double net) {
  xbase::WorkArea& head = tables["RTJUAL1"];
  xbase::WorkArea& instruments = tables["GIRODBT"];
  const bool instrument = !head.Logical("RADMIN");
  const uint32_t printed = head.recno();
  documents::SaveScope save(session.console());
  save.Update(head, printed);
  xbase::Status s;
  if (instrument) s = documents::NameKeyedRecord(save, instruments, "GIRODBT1", instruments.PadToField("NOMOR", head.Text("NOMOR")));
  if (instrument) save.Append(instruments);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok() && instrument) {
    s = RegisterReturnInstrument(
        session, instruments,
        {head.Text("NOMOR"), head.Text("KDCB"), std::string(xbase::Left(head.Text("KTR2"), 2)), head.Text("RELASI"),
         head.DateOf("TANGGAL"), head.Text("KTR1"), net, head.Text("CODE_ID")});
  }
  if (s.ok()) s = head.GoTo(printed);
  if (s.ok()) s = Rewrite(session, head, {{"CETAK", L(true)}});
  return save.CommitWrites(s);
}

}  // namespace

xbase::Status PrintReturnReceipt(frame::Session& session, const frame::OpenedTables& tables) {
  xbase::WorkArea& head = tables["RTJUAL1"];
  // A return that becomes an instrument must name its settlement code before anything is printed.
  if (!head.Logical("RADMIN") && !IsReturnCode(session, tables["MASTJNS"], xbase::Left(head.Text("KTR2"), 2))) {
    return xbase::Status::OK();
  }
  std::vector<std::string> lines;
  double net = 0;
  xbase::Status s = ReturnReceiptLines(tables, &lines, &net);
  if (!s.ok()) return s;
  frame::ReportLayout layout;
  layout.width = 96;
  layout.title = "SJ";
  layout.left_margin = 1;
  if (!PrintLines(session, lines, session.margins.lines_portrait, "S", layout)) return s;
  return MarkPrinted(session, tables, net);
}

xbase::Status CBRT(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(
      session, {{"SETUP"}, {"MASTBRJ"}, {"MASTCUS"}, {"MASTJNS"}, {"RTJUAL1"}, {"RTJUAL2"}, {"GIRODBT"}});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 9, 20, 13, 59, colour);
    console::TENGAH(con, 10, ".      MENCETAK BUKTI RETUR       ", colour);
    con.Say(12, 22, "   NOMOR :", con.Colour(colour));
    std::string number(20, ' ');
    console::GetList form;
    form.Add(12, 33, &number, "@!").valid = [&] {
      frame::PickSpec pick;
      pick.alias = "RTJUAL1";
      if (!frame::Checked(session, frame::PickCode(session, pick, &number))) return false;
      bool found = false;
      return xbase::IsBlank(number) ||
             (frame::Checked(session, SeekExact(tables["RTJUAL1"], "RTJUAL11", "NOMOR", number, &found)) &&
              found);
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    s = PrintReturnReceipt(session, tables);
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
