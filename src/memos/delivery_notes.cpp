// What the memo screens read of a delivery note and its customer from the memo work set: the header
// (`Invoice`), its goods lines (`Kartu`), the customer (`relasi`) and the receivable (`piutang`).
#include "memos/delivery_notes.h"

#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// Seeks `key` on the first order of the open `alias`; the area when it stands on a record.
xbase::WorkArea* SeekFirst(frame::Session& session, std::string_view alias, std::string_view key, xbase::Status* s) {
  xbase::WorkArea* area = nullptr;
  *s = MemoArea(session, alias, &area);
  if (s->ok()) *s = area->SetOrder(1);
  if (s->ok()) *s = area->Seek(key);
  return s->ok() && area->found() ? area : nullptr;
}

}  // namespace

bool PickNote(frame::Session& session, std::string* invoice) {
  frame::PickSpec pick;
  pick.alias = "Invoice";
  pick.expressions = {"Invoice", "Relasi", "Tanggal"};
  return frame::Checked(session, frame::PickCode(session, pick, invoice));
}

xbase::Status ReadNote(frame::Session& session, std::string_view invoice, NoteFacts* facts) {
  *facts = NoteFacts();
  if (xbase::IsBlank(invoice)) return xbase::Status::OK();
  xbase::Status s;
  const xbase::WorkArea* note = SeekFirst(session, "Invoice", NoteKey(invoice), &s);
  if (note != nullptr) {
    *facts = {true, note->DateOf("TANGGAL"), note->DateOf("KIRIM"), xbase::PadR(note->Text("RELASI"), 9),
              note->DateOf("TEMPO")};
  }
  return s;
}

xbase::Status NoteGoods(frame::Session& session, std::string_view invoice, std::vector<uint32_t>* records) {
  records->clear();
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = MemoArea(session, "Kartu", &goods);
  if (s.ok()) s = goods->SetOrder(1);
  if (s.ok() && !xbase::IsBlank(invoice)) s = goods->SeekAll(NoteKey(invoice), records);
  return s;
}

xbase::Status NoteCartons(frame::Session& session, std::string_view invoice, double* cartons) {
  *cartons = 0;
  std::vector<uint32_t> records;
  xbase::Status s = NoteGoods(session, invoice, &records);
  xbase::WorkArea* goods = session.tables().Area("Kartu");
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = goods->GoTo(records[i]); s.ok()) *cartons += goods->Number("Q_BOX");
  }
  return s;
}

std::string CustomerText(frame::Session& session, std::string_view customer, std::string_view field) {
  // Off any record the area reads the blank phantom record: blanks of the field's width.
  xbase::WorkArea* area = nullptr;
  xbase::Status s = MemoArea(session, "relasi", &area);
  if (s.ok()) s = area->SetOrder(1);
  if (s.ok()) s = xbase::IsBlank(customer) ? area->GoTo(0) : area->Seek(xbase::PadR(xbase::RTrim(customer), 9));
  if (s.ok() && !area->found()) s = area->GoTo(0);
  return s.ok() ? area->Text(field) : std::string();
}

double InvoiceAmount(frame::Session& session, std::string_view invoice) {
  xbase::Status s;
  const xbase::WorkArea* receivable = SeekFirst(session, "piutang", NoteKey(invoice), &s);
  return receivable != nullptr ? receivable->Number("DEBET") : 0;
}

}  // namespace memos
