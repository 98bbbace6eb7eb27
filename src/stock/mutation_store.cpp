// Writing one half of a mutation: the out half (MTSKDT1/MTSKDT2) takes goods out of stock, the in half
// (MTSDBT1/MTSDBT2) puts them in. Shared by the mutation screen and the gift-wrap forms.
#include "stock/mutation_store.h"

#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/stock_posting.h"
#include "documents/stored_lines.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using documents::T;

namespace {

// Moves the stock of a line: `sign` +1 applies the half's direction, -1 takes it back.
xbase::Status Post(frame::Session& session, Half half, const std::string& code, const std::string& warehouse,
                   double quantity, int sign) {
  const bool in = (half == Half::kIn) == (sign > 0);
  return documents::UPMASTERBARANG(session, code, warehouse, in ? quantity : 0, in ? 0 : quantity);
}

xbase::Status WriteHeader(frame::Session& session, xbase::WorkArea& area, const std::string& number,
                          const documents::FieldValues& fields, bool keep) {
  xbase::Status s = area.SetOrder(1);
  if (s.ok()) s = area.Seek(area.PadToField("NOMOR", number));
  if (!s.ok()) return s;
  if (!keep) {
    if (!area.found()) return s;
    if (s = console::LOCK_REC(session.console(), area); !s.ok()) return s;
    s = area.Delete();
    const xbase::Status u = area.Unlock();
    return s.ok() ? u : s;
  }
  if (!area.found()) {
    return documents::AppendRecord(session.console(), area,
                                   [&] {
                                     documents::FieldValues all = {{"NOMOR", T(number)},
                                                                   {"TG_INPUT", xbase::Value::FromDate(session.Today())},
                                                                   {"OPERATOR", T(session.MMEMBER.nik)}};
                                     all.insert(all.end(), fields.begin(), fields.end());
                                     return all;
                                   }());
  }
  if (s = console::LOCK_REC(session.console(), area); !s.ok()) return s;
  return documents::PutAndRelease(area, fields);
}

}  // namespace

const documents::RecordBinding<MutationHead>& MutationHeadRecord() {
  using documents::Bind;
  static const documents::RecordBinding<MutationHead> kRecord = {
      Bind("KDCB", &MutationHead::branch), Bind("TANGGAL", &MutationHead::date), Bind("GUDANG", &MutationHead::warehouse)};
  return kRecord;
}

const documents::RecordBinding<MutationRow>& MutationLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<MutationRow> kRecord = {
      Bind("KODE", &MutationRow::code),          Bind("GUDANG", &MutationRow::warehouse), Bind("Q_BOX", &MutationRow::cartons),
      Bind("Q_PAK", &MutationRow::packs),        Bind("QUANTITY", &MutationRow::quantity), Bind("KTR", &MutationRow::note),
      Bind("HARGA", &MutationRow::price),        Bind("HRG_RATA", &MutationRow::average)};
  return kRecord;
}

std::string_view HeaderTable(Half half) { return half == Half::kOut ? "MTSKDT1" : "MTSDBT1"; }
std::string_view LineTable(Half half) { return half == Half::kOut ? "MTSKDT2" : "MTSDBT2"; }

xbase::Status WriteMutationHalf(frame::Session& session, const frame::OpenedTables& tables, Half half,
                                const std::string& number, const documents::FieldValues& header,
                                const std::vector<std::optional<MutationRow>>& rows) {
  bool any = false;
  for (const auto& row : rows) any = any || row.has_value();
  xbase::Status s = WriteHeader(session, tables[HeaderTable(half)], number, header, any);
  if (!s.ok()) return s;
  xbase::WorkArea& lines = tables[LineTable(half)];
  std::vector<uint32_t> stored;
  const std::string key = lines.PadToField("NOMOR", number);
  s = lines.SetOrder(1);
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, key, &stored);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return rows[k].has_value(); };
  how.reverse = [&] {
    return Post(session, half, lines.Text("KODE"), lines.Text("GUDANG"), lines.Number("QUANTITY"), -1);
  };
  how.write = [&](size_t k, bool) { return MutationLineRecord().Write(lines, *rows[k], {{"NOMOR", T(key)}}); };
  how.apply = [&](size_t k) { return Post(session, half, rows[k]->code, rows[k]->warehouse, rows[k]->quantity, 1); };
  return documents::RewriteLines(session.console(), lines, stored, rows.size(), how);
}

xbase::Status NameMutationHalf(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                               Half half, const std::string& number,
                               const std::vector<std::optional<MutationRow>>& rows) {
  xbase::WorkArea& header = tables[HeaderTable(half)];
  xbase::WorkArea& lines = tables[LineTable(half)];
  save.Append(header);
  save.Append(lines);
  // A new mutation (no number yet) has nothing stored.
  const bool stored_before = !xbase::IsBlank(number);
  xbase::Status s = header.SetOrder(1);
  if (s.ok() && stored_before) s = header.Seek(header.PadToField("NOMOR", number));
  if (s.ok() && stored_before && header.found()) save.Update(header, header.recno());
  std::vector<uint32_t> stored;
  if (s.ok()) s = lines.SetOrder(1);
  if (s.ok() && stored_before) {
    s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", number), &stored);
  }
  for (size_t i = 0; s.ok() && i < stored.size(); ++i) {
    save.Update(lines, stored[i]);
    if (s = lines.GoTo(stored[i]); s.ok() && !lines.deleted()) {
      s = documents::NameStockMove(save, session, lines.Text("KODE"), lines.Text("GUDANG"));
    }
  }
  for (size_t k = 0; s.ok() && k < rows.size(); ++k) {
    if (rows[k].has_value()) s = documents::NameStockMove(save, session, rows[k]->code, rows[k]->warehouse);
  }
  return s;
}

xbase::Status ReadMutationHalf(const frame::OpenedTables& tables, Half half, const std::string& number, bool* found,
                               std::vector<MutationRow>* rows) {
  rows->clear();
  xbase::WorkArea& header = tables[HeaderTable(half)];
  xbase::WorkArea& lines = tables[LineTable(half)];
  xbase::Status s = header.SetOrder(1);
  if (s.ok()) s = header.Seek(header.PadToField("NOMOR", number));
  if (!s.ok()) return s;
  *found = header.found();
  std::vector<uint32_t> records;
  s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", number), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    MutationRow row;
    if (s = lines.GoTo(records[i]); s.ok()) s = MutationLineRecord().Read(lines, &row);
    if (s.ok()) rows->push_back(std::move(row));
  }
  return s;
}

}  // namespace stock
