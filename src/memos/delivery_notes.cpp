// What the memo screens read of a delivery note and its customer from the memo work set: the header
// (`Invoice`), its goods lines (`Kartu`), the customer (`relasi`) and the receivable (`piutang`).
#include "memos/delivery_notes.h"

#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// Seeks `key` on the first order of `area`; the area when it stands on a record.
xbase::WorkArea* SeekFirst(xbase::WorkArea& area, std::string_view key, xbase::Status* s) {
  *s = area.SetOrder(1);
  if (s->ok()) *s = area.Seek(key);
  return s->ok() && area.found() ? &area : nullptr;
}

}  // namespace

bool PickNote(frame::Session& session, std::string* invoice) {
  frame::PickSpec pick;
  pick.alias = "Invoice";
  pick.expressions = {"Invoice", "Relasi", "Tanggal"};
  return frame::Checked(session, frame::PickCode(session, pick, invoice));
}

xbase::Status ReadNote(const frame::OpenedTables& tables, std::string_view invoice, NoteFacts* facts) {
  *facts = NoteFacts();
  if (xbase::IsBlank(invoice)) return xbase::Status::OK();
  xbase::Status s;
  const xbase::WorkArea* note = SeekFirst(tables["Invoice"], NoteKey(invoice), &s);
  if (note != nullptr) {
    *facts = {true, note->DateOf("TANGGAL"), note->DateOf("KIRIM"), xbase::PadR(note->Text("RELASI"), 9),
              note->DateOf("TEMPO")};
  }
  return s;
}

xbase::Status NoteGoods(const frame::OpenedTables& tables, std::string_view invoice, std::vector<uint32_t>* records) {
  records->clear();
  xbase::WorkArea& goods = tables["Kartu"];
  xbase::Status s = goods.SetOrder(1);
  if (s.ok() && !xbase::IsBlank(invoice)) s = goods.SeekAll(NoteKey(invoice), records);
  return s;
}

xbase::Status NoteCartons(const frame::OpenedTables& tables, std::string_view invoice, double* cartons) {
  *cartons = 0;
  std::vector<uint32_t> records;
  xbase::Status s = NoteGoods(tables, invoice, &records);
  xbase::WorkArea& goods = tables["Kartu"];
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = goods.GoTo(records[i]); s.ok()) *cartons += goods.Number("Q_BOX");
  }
  return s;
}

std::string CustomerText(const frame::OpenedTables& tables, std::string_view customer, std::string_view field) {
  // Off any record the area reads the blank phantom record: blanks of the field's width.
  xbase::WorkArea& area = tables["relasi"];
  xbase::Status s = area.SetOrder(1);
  if (s.ok()) s = xbase::IsBlank(customer) ? area.GoTo(0) : area.Seek(xbase::PadR(xbase::RTrim(customer), 9));
  if (s.ok() && !area.found()) s = area.GoTo(0);
  return s.ok() ? area.Text(field) : std::string();
}

xbase::Status InvoiceAmount(const frame::OpenedTables& tables, std::string_view invoice, double* amount) {
  xbase::Status s;
  const xbase::WorkArea* receivable = SeekFirst(tables["piutang"], NoteKey(invoice), &s);
  *amount = receivable != nullptr ? receivable->Number("DEBET") : 0;
  return s;
}

}  // namespace memos
