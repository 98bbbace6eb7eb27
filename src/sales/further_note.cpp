// The save of a further delivery note for an order saved earlier.
#include "sales/further_note.h"

#include "console/alert.h"
#include "console/message.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/sales_order.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// *number := a number field of the row found by `index` in an open table, 0 when there is none. A table
// not open or a row that cannot be read is shown and gives false: the due date is not guessed.
bool NumberOf(frame::Session& session, std::string_view alias, std::string_view index, std::string_view key_field,
              std::string_view key, std::string_view field, double* number) {
  *number = 0;
  xbase::WorkArea* area = nullptr;
  bool found = false;
  xbase::Status s = frame::RequireArea(session, alias, &area);
  if (s.ok()) s = xbase::SeekFound(*area, index, area->PadToField(key_field, key), &found);
  if (s.ok() && found) *number = area->Number(field);
  return frame::Checked(session, s);
}

}  // namespace

bool FurtherNoteDueDate(frame::Session& session, const OrderHeader& header, xbase::Date* tempo, double* term) {
  *tempo = header.note_date;
  *term = header.term;
  double days = 0;
  if (!NumberOf(session, "tipe", "TIPE", "TIPE", header.type, "TEMPO", &days)) return false;
  if (days != 0) {
    *tempo = header.note_date + static_cast<int>(days);
    return true;
  }
  const std::string rule = header.type + xbase::PadR(header.group, 4);
  std::string ket;
  bool found = false;
  if (!frame::Checked(session, pickers::SetupRow(session, "TGJT" + rule, &found, nullptr, &ket))) return false;
  if (found) {
    if (xbase::IsBlank(ket)) return true;
    const xbase::Date date = xbase::Ctod(xbase::AllTrim(ket));
    if (date.empty()) return pickers::Refuse(session, "Setup TGJT" + rule + " bukan tanggal: " + std::string(xbase::AllTrim(ket)));
    *tempo = date;
    *term = 0;
    return true;
  }
  if (!frame::Checked(session, pickers::SetupRow(session, "HARI" + rule, &found, nullptr, &ket))) return false;
  if (found) {
    *tempo = header.note_date + static_cast<int>(xbase::Val(ket).value);
    *term = 0;
    return true;
  }
  // The due date holds the customer's days already: no term on top.
  if (!NumberOf(session, "mastcus", "MASTCUS1", "RELASI", header.customer, "TEMPO", &days)) return false;
  *tempo = header.note_date + static_cast<int>(days);
  *term = 0;
  return true;
}

std::vector<std::vector<NoteItem>> PlanFurtherNotes(frame::Session& session, const NoteDocument& doc,
                                                    xbase::Status* status) {
  std::vector<std::vector<NoteItem>> notes;
  for (const console::ValueRow* line : FilledLines(doc)) {
    if (!status->ok()) break;
    if (notes.empty() || notes.back().size() == static_cast<size_t>(kLinesPerNote)) notes.emplace_back();
    NoteItem item;
    item.code = Word(*line, note::kCode);
    item.warehouse = Word(*line, note::kWarehouse);
    item.name = Word(*line, note::kName);
    item.order_line = Word(*line, note::kOrderLine);
    item.quantity = Figure(*line, note::kQuantity);
    item.price = Figure(*line, note::kPrice);
    item.disc1 = Figure(*line, note::kDisc1);
    item.disc2 = Figure(*line, note::kDisc2);
    item.average = Figure(*line, note::kAverage);
    *status = CompleteItem(session, doc.header.discount1, doc.header.discount2, &item);
    notes.back().push_back(item);
  }
  return notes;
}

bool WriteFurtherNotes(frame::Session& session, const NoteDocument& doc, const std::vector<std::string>& numbers) {
  xbase::Status s;
  const std::vector<std::vector<NoteItem>> planned = PlanFurtherNotes(session, doc, &s);
  if (!frame::Checked(session, s)) return false;
  if (planned.size() != numbers.size()) return pickers::Refuse(session, "Jumlah nomor surat jalan tidak sesuai");
  for (const std::vector<NoteItem>& items : planned) {
    if (!ItemsFit(session, items)) return false;
  }
  xbase::Date tempo;
  double term = 0;
  if (!FurtherNoteDueDate(session, doc.header, &tempo, &term)) return false;
  xbase::WorkArea* notes = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "srtjln1", &notes))) return false;
  documents::SaveScope save(session.console());
  for (size_t n = 0; n < planned.size() && s.ok(); ++n) {
    s = NameNote(save, session, NoteHeadOf(doc.header, numbers[n], tempo, term), planned[n], true);
  }
  if (s.ok()) s = save.Lock();
  // The numbers checked again under the locks: one taken meanwhile refuses the save.
  for (size_t n = 0; n < numbers.size() && s.ok(); ++n) {
    bool held = false;
    s = Holds(*notes, "SRTJLN11", notes->PadToField("INVOICE", numbers[n]), &held);
    if (s.ok() && held) s = xbase::Status::InvalidArgument("Nomor Sj " + std::string(xbase::RTrim(numbers[n])) + " sudah terdaftar");
  }
  if (!s.ok()) return documents::NothingSaved(session, s);
  s = save.BeginWrites();
  size_t done = 0;
  for (; s.ok() && done < planned.size(); ++done) s = WriteNote(session, NoteHeadOf(doc.header, numbers[done], tempo, term), planned[done], true);
  s = save.CommitWrites(s);
  if (s.ok()) return true;
  if (done == 0) return documents::NothingSaved(session, s);
  console::PESAN(session.console(), "Gagal menyimpan: " + s.message());
  std::string saved;
  for (size_t i = 0; i + 1 < done; ++i) saved += (saved.empty() ? "" : ", ") + std::string(xbase::RTrim(numbers[i]));
  console::PESAN(session.console(), saved.empty() ? "Sebagian SJ " + std::string(xbase::RTrim(numbers[done - 1])) + " tersimpan"
                                                  : "Tersimpan: SJ " + saved + "; sebagian: SJ " +
                                                        std::string(xbase::RTrim(numbers[done - 1])));
  return false;
}

bool SaveFurtherNote(frame::Session& session, const NoteDocument& doc) {
  const size_t filled = FilledLines(doc).size();
  if (filled == 0) return pickers::Refuse(session, "Tidak ada barang yang dikirim");
  std::vector<std::string> numbers((filled + kLinesPerNote - 1) / kLinesPerNote);
  numbers[0] = doc.invoice;
  if (numbers.size() > 1) {
    numbers = AskNoteNumbers(session, numbers);
    if (xbase::RTrim(numbers[0]) != xbase::RTrim(doc.invoice)) {
      return pickers::Refuse(session, "Nomor SJ pertama harus " + std::string(xbase::RTrim(doc.invoice)));
    }
  }
  if (!CEKSURATJALAN(session, numbers)) return false;
  if (console::Alert(session.console(), "Yakin data akan disimpan ?", {"Ya", "Tidak"}) != 1) return false;
  return WriteFurtherNotes(session, doc, numbers);
}

}  // namespace sales
