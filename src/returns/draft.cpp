// A return draft as its entry screen and its forms handle it: the header and the lines, the number's
// checks, the checks of a line's delivery note and goods line, and the save.
#include "returns/draft.h"

#include "documents/field_values.h"
#include "documents/line_value.h"
#include "documents/named_records.h"
#include "documents/record_binding.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/return_tables.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::Bind;
using documents::D;
using documents::N;
using documents::T;

const documents::RecordBinding<Draft>& DraftHeadRecord() {
  static const documents::RecordBinding<Draft> kRecord = {
      Bind("NOMOR", &Draft::number),       Bind("TANGGAL", &Draft::date),   Bind("RELASI", &Draft::customer),
      Bind("TIPE", &Draft::type),          Bind("SALES", &Draft::salesman), Bind("KDCB", &Draft::branch),
      Bind("DISCOUNT1", &Draft::discount1), Bind("DISCOUNT2", &Draft::discount2),
      Bind("GUDANG", &Draft::warehouse),   Bind("CODE_ID", &Draft::code_id), Bind("ALASAN1", &Draft::reason1),
      Bind("ALASAN2", &Draft::reason2)};
  return kRecord;
}

const documents::RecordBinding<DraftLine>& DraftLineRecord() {
  static const documents::RecordBinding<DraftLine> kRecord = {
      Bind("INVOICE", &DraftLine::invoice), Bind("KODE", &DraftLine::code),          Bind("BOX", &DraftLine::boxes),
      Bind("PAK", &DraftLine::packs),       Bind("PCS", &DraftLine::pieces),         Bind("QUANTITY", &DraftLine::quantity),
      Bind("HARGA", &DraftLine::price),     Bind("DISCOUNT1", &DraftLine::discount1),
      Bind("DISCOUNT2", &DraftLine::discount2), Bind("HRG_RATA", &DraftLine::average_cost),
      Bind("URUT", &DraftLine::urut)};
  return kRecord;
}

namespace {

bool Refuse(frame::Session& session, std::string_view message) { return pickers::Refuse(session, message); }

}  // namespace

xbase::Status ReadGoodsName(xbase::WorkArea& goods, std::string_view code, std::string* name) {
  bool found = false;
  const xbase::Status s = SeekExact(goods, "MASTBRJ1", "KODE", code, &found);
  *name = s.ok() && found ? goods.Text("NAMA") : std::string(20, ' ');
  return s;
}

double DraftLine::Value() const { return documents::LineValue(quantity, price, discount1, discount2); }
bool DraftLine::HasGoods() const { return !xbase::IsBlank(code); }

double Draft::Gross() const {
  double sum = 0;
  for (const DraftLine& line : lines) sum += line.Value();
  return sum;
}

double Draft::Net() const {
  double sum = 0;
  for (const DraftLine& line : lines) sum += documents::AfterDiscounts(line.Value(), discount1, discount2);
  return sum;
}

frame::OpenedTables OpenDraftTables(frame::Session& session) {
  return frame::OpenTables(
      session, {"RELASI_EXT", "MASTBRJ", "STOKBRG", "SRTJLN1", "SRTJLN2", "MASTCUS", "DRAFTR1", "DRAFTR2", "PIUTDBT",
                "SETUP", "PERUSH", "TIPE", "MASTSLS", "OTL_GRP", "OTL_MBR", "MASTGDG", "GIRODBT"});
}

bool NamesOtherInstrument(frame::Session& session, xbase::WorkArea& instruments, std::string_view number, bool* other) {
  bool found = false;
  *other = false;
  if (!frame::Checked(session, SeekExact(instruments, "GIRODBT1", "NOMOR", number, &found))) return false;
  *other = found && !instruments.Text("KET").starts_with("RT");
  return true;
}

xbase::Status ReadDraftHeader(const xbase::WorkArea& head, Draft* draft) { return DraftHeadRecord().Read(head, draft); }

xbase::Status ReadDraftLines(xbase::WorkArea& goods, xbase::WorkArea& lines, std::string_view number, Draft* draft) {
  draft->lines.clear();
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", xbase::RTrim(number)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    DraftLine line;
    if (s = DraftLineRecord().Read(lines, &line); !s.ok()) break;
    if (s = ReadGoodsName(goods, line.code, &line.name); !s.ok()) break;
    draft->lines.push_back(line);
  }
  return s;
}

xbase::Status LoadDraft(const frame::OpenedTables& tables, std::string_view number, Draft* draft, bool* found) {
  xbase::WorkArea& head = tables["DRAFTR1"];
  xbase::Status s = SeekExact(head, "DRAFTR11", "NOMOR", number, found);
  if (!s.ok() || !*found) return s;
  if (s = ReadDraftHeader(head, draft); !s.ok()) return s;
  draft->is_new = false;
  return ReadDraftLines(tables["MASTBRJ"], tables["DRAFTR2"], number, draft);
}

namespace {

// The draft's stored header and line rows of `number`, every byte, as they read now.
xbase::Status TakeStoredDraft(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                              documents::SeenRecords* seen) {
  xbase::WorkArea& head = tables["DRAFTR1"];
  xbase::WorkArea& lines = tables["DRAFTR2"];
  xbase::Status s = seen->Take(session.tables(), head, "DRAFTR11", head.PadToField("NOMOR", xbase::RTrim(number)));
  if (s.ok()) s = seen->Take(session.tables(), lines, "DRAFTR21", lines.PadToField("NOMOR", xbase::RTrim(number)));
  return s;
}

}  // namespace

bool GETDRAFT(frame::Session& session, const frame::OpenedTables& tables, std::string_view number, Draft* draft) {
  if (xbase::IsBlank(number)) return false;
  bool found = false;
  if (!frame::Checked(session, SeekExact(tables["SRTJLN1"], "SRTJLN11", "INVOICE", number, &found))) {
    return false;
  }
  bool other = false;
  if (found) return Refuse(session, "Nomor Ini sudah dipakai");
  if (!NamesOtherInstrument(session, tables["GIRODBT"], number, &other)) return false;
  if (other) return Refuse(session, "Nomor Ini sudah dipakai");
  Draft loaded;
  if (!frame::Checked(session, LoadDraft(tables, number, &loaded, &found))) return false;
  if (found) {
    const xbase::WorkArea& head = tables["DRAFTR1"];
    if (head.Logical("CETAK")) return Refuse(session, "Nomor Ini dalam pengajuan, tidak boleh diralat");
    if (head.Logical("APPROVAL")) return Refuse(session, "Nomor Ini sudah diApproval, tidak boleh diralat");
    if (head.Logical("REALISASI")) return Refuse(session, "Nomor Ini sudah direalisasi, tidak boleh diralat");
  }
  // A new number is kept as without rows too: another workstation may save a draft under it meanwhile.
  if (!frame::Checked(session, TakeStoredDraft(session, tables, number, &loaded.seen))) return false;
  if (found) {
    *draft = std::move(loaded);
    return true;
  }
  draft->number = xbase::PadR(number, 20);
  draft->is_new = true;
  draft->lines.clear();
  draft->seen = std::move(loaded.seen);
  return true;
}

bool CheckDraftNote(frame::Session& session, const frame::OpenedTables& tables, Draft* draft, std::string_view invoice) {
  bool found = false;
  xbase::WorkArea& note = tables["SRTJLN1"];
  if (!frame::Checked(session, SeekExact(note, "SRTJLN11", "INVOICE", invoice, &found)) || !found) return false;
  if (!xbase::IsBlank(note.Text("RET_ADM"))) {
    return Refuse(session, "Sudah direktur Admin no " + std::string(xbase::AllTrim(note.Text("RET_ADM"))));
  }
  if (draft->discount1 == 0 && draft->discount2 == 0) {
    draft->discount1 = note.Number("DISCOUNT");
    draft->discount2 = note.Number("DISCOUNT2");
  }
  if (xbase::IsBlank(draft->type)) draft->type = note.Text("TIPE");
  if (note.Number("DISCOUNT") != draft->discount1 || note.Number("DISCOUNT2") != draft->discount2 ||
      note.Text("TIPE") != xbase::PadR(draft->type, 2)) {
    return Refuse(session, "Cash discount / Tipe, tidak sama");
  }
  return true;
}

bool TakeNoteLine(frame::Session& session, const frame::OpenedTables& tables, DraftLine* line, std::string_view urut,
                  std::string_view code) {
  xbase::WorkArea& lines = tables["SRTJLN2"];
  xbase::Status s = lines.SetOrder("SRTJLN23");
  const std::string invoice = lines.PadToField("INVOICE", xbase::RTrim(line->invoice));
  if (xbase::IsBlank(urut)) {
    std::vector<uint32_t> rows;
    if (s.ok()) s = lines.SeekAll(invoice, &rows);
    bool found = false;
    for (size_t i = 0; s.ok() && !found && i < rows.size(); ++i) {
      if (s = lines.GoTo(rows[i]); s.ok()) found = lines.Text("KODE") == lines.PadToField("KODE", xbase::RTrim(code));
    }
    if (!frame::Checked(session, s) || !found) return false;
  } else {
    if (s.ok()) s = lines.Seek(invoice + lines.PadToField("URUT", urut));
    if (!frame::Checked(session, s) || !lines.found()) return false;
  }
  line->urut = lines.Text("URUT");
  line->code = lines.Text("KODE");
  line->price = lines.Number("HARGA");
  line->discount1 = lines.Number("DISCOUNT");
  line->discount2 = lines.Number("DISCOUNT2");
  line->average_cost = lines.Number("HRG_RATA");
  return frame::Checked(session, ReadGoodsName(tables["MASTBRJ"], line->code, &line->name));
}

xbase::Status CountPieces(xbase::WorkArea& goods, DraftLine* line) {
  bool found = false;
  double dos = 0, pak = 0;
  const xbase::Status s = SeekExact(goods, "MASTBRJ1", "KODE", line->code, &found);
  if (!s.ok()) return s;
  if (found) {
    dos = goods.Number("DOS");
    pak = goods.Number("PAK");
  }
  line->quantity = line->boxes * dos + line->packs * pak + line->pieces;
  return s;
}

namespace {

// The draft's header (kept by its number) and its stored line rows.
xbase::Status NameDraft(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                        const Draft& draft) {
  xbase::WorkArea& head = tables["DRAFTR1"];
  xbase::WorkArea& lines = tables["DRAFTR2"];
  xbase::Status s = documents::NameKeyedRecord(save, head, "DRAFTR11", head.PadToField("NOMOR", draft.number));
  if (s.ok()) {
    s = documents::NameStoredRows(save, session.tables(), lines, "DRAFTR21", lines.PadToField("NOMOR", draft.number));
  }
  return s;
}

xbase::Status WriteDraft(frame::Session& session, const frame::OpenedTables& tables, Draft* draft) {
  console::Console& con = session.console();
  xbase::WorkArea& head = tables["DRAFTR1"];
  bool found = false;
  xbase::Status s = SeekExact(head, "DRAFTR11", "NOMOR", draft->number, &found);
  if (s.ok() && !found) {
    s = documents::AppendRecord(con, head,
                                {{"NOMOR", T(draft->number)}, {"TG_INPUT", D(session.Today())},
                                 {"OPERATOR", T(session.MMEMBER.nik)}});
  }
  if (!s.ok()) return s;
  documents::FieldValues values;
  s = DraftHeadRecord().CheckedValues(head, *draft, {{"NILAI", N(draft->Net())}}, &values);
  if (s.ok()) s = Rewrite(session, head, values);
  if (!s.ok()) return s;
  xbase::WorkArea& lines = tables["DRAFTR2"];
  std::vector<uint32_t> stored;
  s = lines.SetOrder("DRAFTR21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", draft->number), &stored);
  if (!s.ok()) return s;
  const std::vector<DraftLine>& list = draft->lines;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return list[k].HasGoods(); };
  how.append = [&](size_t k) { return list[k].HasGoods() && list[k].quantity != 0; };
  how.write = [&](size_t k, bool) {
    return DraftLineRecord().Write(lines, list[k], {{"NOMOR", T(draft->number)},
                                                    {"URUTAN", T(xbase::Str(static_cast<double>(k + 1), 3))}});
  };
  s = documents::RewriteLines(con, lines, stored, list.size(), how);
  if (s.ok()) draft->is_new = false;
  return s;
}

}  // namespace

xbase::Status SaveDraft(frame::Session& session, const frame::OpenedTables& tables, Draft* draft) {
  documents::SaveScope save(session.console());
  xbase::Status s = NameDraft(save, session, tables, *draft);
  if (s.ok()) s = save.Lock();
  if (s.ok()) {
    s = draft->seen.Unchanged(session.tables(), "Draft " + std::string(xbase::AllTrim(draft->number)) +
                                                    " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteDraft(session, tables, draft);
  s = save.CommitWrites(s);
  frame::ShowFailure(session, s);
  return s;
}

}  // namespace returns
