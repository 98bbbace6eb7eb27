// RSRTJLN: a saved delivery note corrected. The note is loaded with its lines; the clerk changes the
// header and the lines, and F10 takes the stored lines back and posts the corrected ones.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/delivery_note.h"
#include "sales/document_records.h"
#include "sales/note_header.h"
#include "sales/note_revision.h"
#include "sales/note_screen.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "text/date_helpers.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kTitle[] = "RALAT SURAT JALAN";
// The order of a free-goods note.
constexpr char kFreeGoods[] = "FREE GOODS";

xbase::Status LoadHeader(const xbase::WorkArea& note, NoteRevision* rev) {
  NoteHead head;
  if (xbase::Status s = NoteHeadRecord().Read(note, &head); !s.ok()) return s;
  OrderHeader& header = rev->doc.header;
  TakeNoteHead(head, &header);
  rev->stored_date = head.date;
  rev->doc.due_date = head.tempo;
  rev->stored_term = head.term;
  rev->stored_customer = header.customer;
  return xbase::Status::OK();
}

xbase::Status LoadLines(frame::Session& session, NoteRevision* rev) {
  NoteDocument& doc = rev->doc;
  doc.lines.clear();
  doc.own_stock.clear();
  xbase::WorkArea* lines = nullptr;
  if (xbase::Status s = frame::RequireArea(session, "srtjln2", &lines); !s.ok()) return s;
  std::vector<uint32_t> records;
  xbase::Status s = lines->SetOrder("SRTJLN21");
  if (s.ok()) s = lines->SeekAll(lines->PadToField("INVOICE", doc.invoice), &records);
  std::string warehouse = session.MMEMBER.warehouse;
  double d1 = 0, d2 = 0;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines->GoTo(records[i]); !s.ok()) break;
    AddNoteLine(&doc.lines, 0, 0, "");
    console::ValueRow& line = doc.lines.back();
    if (s = RevisedNoteLineRecord().Read(*lines, &line); !s.ok()) break;
    RecomputeLine(&line);
    warehouse = note::Word(line, note::kWarehouse);
    d1 = note::Figure(line, note::kDisc1);
    d2 = note::Figure(line, note::kDisc2);
    doc.own_stock[warehouse + note::Word(line, note::kCode)] += note::Figure(line, note::kQuantity);
  }
  if (s.ok()) AddNoteLine(&doc.lines, d1, d2, warehouse);
  return s;
}

// The note's head and lines as they read now, for the save to see another workstation's save since.
xbase::Status SeeNote(frame::Session& session, xbase::WorkArea& note, NoteDocument* doc) {
  xbase::WorkArea* lines = nullptr;
  doc->seen.Clear();
  xbase::Status s = doc->seen.Take(session.tables(), note, "SRTJLN11", note.PadToField("INVOICE", doc->invoice));
  if (s.ok()) s = frame::RequireArea(session, "srtjln2", &lines);
  if (s.ok()) s = doc->seen.Take(session.tables(), *lines, "SRTJLN21", lines->PadToField("INVOICE", doc->invoice));
  return s;
}

// The sales manager of the note's BMONITOR link, blank without one; a link that cannot be read (or
// BMONITOR not open) is the error, never a note without a manager to be saved so.
xbase::Status Manager(frame::Session& session, std::string_view invoice, std::string* manager) {
  *manager = std::string(10, ' ');
  xbase::WorkArea* monitor = nullptr;
  bool found = false;
  xbase::Status s = frame::RequireArea(session, "bmonitor", &monitor);
  if (s.ok()) s = monitor->SetOrder("BMONITOR");
  if (s.ok()) s = xbase::SeekFound(*monitor, monitor->PadToField("INVOICE", invoice), &found);
  if (s.ok() && found) *manager = monitor->Text("KODEBM");
  return s;
}

}  // namespace

bool LCGERSURATJALAN(frame::Session& session, NoteRevision* rev) {
  NoteDocument& doc = rev->doc;
  frame::PickSpec pick;
  pick.alias = "srtjln1";
  pick.expressions = {"INVOICE", "TANGGAL", "RELASI", "NOMOR"};
  pick.heads = {"No. Invoice", "Tanggal", "Relasi", "No. Order"};
  if (xbase::IsBlank(doc.invoice)) return pickers::Refuse(session, "Nomor Sj harus diisi");
  bool found = false;
  xbase::WorkArea* note = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &doc.invoice, &found, &note))) return false;
  doc.invoice = xbase::PadR(doc.invoice, 20);
  const std::string shown(xbase::AllTrim(doc.invoice));
  if (!found) return pickers::Refuse(session, "Nomor Sj " + shown + " tidak terdaftar");
  if (note->Logical("BATAL")) return pickers::Refuse(session, "Surat jalan " + shown + " sudah dibatalkan, tidak bisa diralat");
  if (xbase::AllTrim(note->Text("NOMOR")) == kFreeGoods) {
    return pickers::Refuse(session, "Surat jalan " + shown + " adalah free goods, tidak bisa diralat");
  }
  const bool edp = session.MMEMBER.HasRight("/EDP");
  if (!edp && note->Logical("PROFORMA")) return pickers::Refuse(session, "sj dari Proforma tidak boleh dikorekasi");
  rev->may_save = true;
  if (!edp && note->Logical("CETAK")) {
    console::Alert(session.console(), "Surat jalan ini sudah dicetak");
    rev->may_save = false;
  }
  const xbase::Date date = note->DateOf("TANGGAL");
  if (!edp && date.Dtos().substr(0, 6) < session.ZTGPROSES.Dtos().substr(0, 6)) {
    console::Alert(session.console(), "Periode : " + text::CBULAN_(date) + " " + std::to_string(date.year()) +
                                          " sudah tutup buku");
    rev->may_save = false;
  }
  if (!frame::Checked(session, LoadHeader(*note, rev))) return false;
  if (!frame::Checked(session, Manager(session, doc.invoice, &rev->doc.header.manager))) return false;
  session.console().Say(3, 9, rev->doc.header.order, session.console().colours().standard);
  if (!frame::Checked(session, LoadLines(session, rev))) return false;
  if (!frame::Checked(session, SeeNote(session, *note, &rev->doc))) return false;
  // The customer's group, price level and ceilings for the line checks; the note's own values stay.
  CheckHeaderCustomer(session, &rev->doc.header, true, true, false);
  rev->doc.header.term = rev->stored_term;
  return true;
}

bool SaveNoteRevision(frame::Session& session, const NoteRevision& rev) {
  if (!rev.may_save) {
    console::Alert(session.console(), "surat jalan ini sudah tidak boleh diralat lagi");
    return false;
  }
  if (console::Alert(session.console(), "Yakin data akan disimpan ?", {"Ya", "Tidak"}) != 1) return false;
  return WriteNoteRevision(session, rev);
}

xbase::Status RSRTJLN(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const console::ColourSet colours = con.SetColour(NoteColours(con));
  NoteRevision rev;
  OrderHeader& header = rev.doc.header;
  header.note_date = header.order_date = header.shipping_date = rev.doc.due_date = session.Today();
  NoteHeaderChecks checks;
  checks.number = [&] { return LCGERSURATJALAN(session, &rev); };
  checks.note_date = [&] {
    xbase::Date accepted;
    return documents::CECKTANGGAL(session, header.note_date, false, rev.stored_date, &accepted, 0);
  };
  checks.blacklist_off = true;
  checks.loaded_customer = &rev.stored_customer;
  DrawNoteForm(con, con.colours().standard, kTitle, NoteHeaderRows());
  for (;;) {
    if (!ReadNoteHeader(session, &rev.doc, checks)) break;
    if (rev.doc.lines.empty() && !LCGERSURATJALAN(session, &rev)) continue;
    NoteEditorHooks hooks;
    hooks.save = [&] { return SaveNoteRevision(session, rev); };
    EditNoteLines(session, &rev.doc, hooks);
    ClearNoteLines(con, con.colours().standard);
  }
  con.set_colours(colours);
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
