// A warehouse or code-change mutation as the entry screen holds it, loaded from and saved into both
// halves under one number.
#include "stock/mutation.h"

#include <optional>

#include "documents/document_counter.h"
#include "documents/save_scope.h"
#include "frame/grid_cells.h"
#include "stock/mutation_store.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using frame::Cell;
using frame::Figure;

namespace {

bool Filled(const console::ValueRow& line) {
  return !xbase::IsBlank(Cell(line, kMtCodeOut)) && !xbase::IsBlank(Cell(line, kMtCodeIn));
}

// The rows of one half from the entry lines: code out or in, in the source or the destination.
std::vector<std::optional<MutationRow>> HalfRows(const Mutation& mutation, Half half) {
  std::vector<std::optional<MutationRow>> rows;
  for (const console::ValueRow& line : mutation.lines) {
    if (!Filled(line)) {
      rows.emplace_back();
      continue;
    }
    const bool out = half == Half::kOut;
    rows.push_back(MutationRow{Cell(line, out ? kMtCodeOut : kMtCodeIn), out ? mutation.source : mutation.destination,
                               Figure(line, kMtBox), Figure(line, kMtPak), Figure(line, kMtQty),
                               Cell(line, kMtNote), Figure(line, kMtPrice), Figure(line, kMtAverage)});
  }
  // Trailing blank lines free nothing beyond the stored rows.
  while (!rows.empty() && !rows.back().has_value()) rows.pop_back();
  return rows;
}

xbase::Status WriteBoth(frame::Session& session, const frame::OpenedTables& tables, const Mutation& mutation) {
  xbase::Status s = WriteMutationHalf(session, tables, Half::kOut, mutation.number,
                                      MutationHeadRecord().Values({mutation.branch, mutation.date, mutation.source}),
                                      HalfRows(mutation, Half::kOut));
  if (s.ok()) {
    s = WriteMutationHalf(session, tables, Half::kIn, mutation.number,
                          MutationHeadRecord().Values({mutation.branch, mutation.date, mutation.destination}),
                          HalfRows(mutation, Half::kIn));
  }
  return s;
}

}  // namespace

console::ValueRow BlankMutationLine(int n) {
  return {xbase::Value::Num(n, 2, 0),          xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(10, ' ')), xbase::Value::Num(0, 5, 0),
          xbase::Value::Num(0, 6, 0),          xbase::Value::Num(0, 7, 0),
          xbase::Value::Text(std::string(30, ' ')), xbase::Value::Num(0, 12, 2),
          xbase::Value::Num(0, 14, 2)};
}

xbase::Status LoadMutation(frame::Session& session, const frame::OpenedTables& tables, Mutation* mutation,
                           bool* found) {
  xbase::WorkArea& out = tables["MTSKDT1"];
  xbase::WorkArea& in = tables["MTSDBT1"];
  bool in_found = false;
  std::vector<MutationRow> out_rows, in_rows;
  MutationHead in_head, out_head;
  xbase::Status s = ReadMutationHalf(tables, Half::kIn, mutation->number, &in_found, &in_rows);
  if (s.ok() && in_found) s = MutationHeadRecord().Read(in, &in_head);
  if (s.ok()) s = ReadMutationHalf(tables, Half::kOut, mutation->number, found, &out_rows);
  if (!s.ok()) return s;
  if (in_found) mutation->destination = in_head.warehouse;
  if (*found && xbase::RTrim(out.Text("CODE_ID")) == kGiftWrapCode) *found = false;
  if (!*found) return s;
  if (s = MutationHeadRecord().Read(out, &out_head); !s.ok()) return s;
  mutation->date = out_head.date;
  mutation->source = out_head.warehouse;
  mutation->branch = out_head.branch;
  mutation->lines.clear();
  for (size_t i = 0; i < out_rows.size(); ++i) {
    const MutationRow& row = out_rows[i];
    console::ValueRow line = BlankMutationLine(static_cast<int>(i + 1));
    line[kMtCodeOut - 1] = xbase::Value::Text(row.code);
    line[kMtCodeIn - 1] = xbase::Value::Text(i < in_rows.size() ? in_rows[i].code : row.code);
    line[kMtBox - 1] = xbase::Value::Num(row.cartons, 5, 0);
    line[kMtPak - 1] = xbase::Value::Num(row.packs, 6, 0);
    line[kMtQty - 1] = xbase::Value::Num(row.quantity, 7, 0);
    line[kMtNote - 1] = xbase::Value::Text(xbase::PadR(row.note, 30));
    line[kMtPrice - 1] = xbase::Value::Num(row.price, 12, 2);
    line[kMtAverage - 1] = xbase::Value::Num(row.average, 14, 2);
    mutation->lines.push_back(std::move(line));
  }
  mutation->lines.push_back(BlankMutationLine(static_cast<int>(mutation->lines.size() + 1)));
  mutation->seen.Clear();
  for (Half half : {Half::kOut, Half::kIn}) {
    for (std::string_view table : {HeaderTable(half), LineTable(half)}) {
      xbase::WorkArea& area = tables[table];
      if (s.ok()) s = mutation->seen.Take(session.tables(), area, 1, area.PadToField("NOMOR", mutation->number));
    }
  }
  return s;
}

xbase::Status AvailableStock(const frame::OpenedTables& tables, const Mutation& mutation, int index,
                             double* available) {
  const console::ValueRow& current = mutation.lines[static_cast<size_t>(index - 1)];
  const std::string code = Cell(current, kMtCodeOut);
  xbase::WorkArea& stock = tables["stokbrg"];
  *available = 0;
  bool found = false;
  xbase::Status s = stock.SetOrder("STOKBRG2");
  if (s.ok()) s = xbase::SeekFound(stock, stock.PadToField("GUDANG", mutation.source) + stock.PadToField("KODE", code), &found);
  if (!s.ok()) return s;
  if (found) *available = stock.Number("JUMLAH");
  for (size_t i = 0; i < mutation.lines.size(); ++i) {
    if (static_cast<int>(i + 1) != index && Cell(mutation.lines[i], kMtCodeOut) == code) {
      *available -= Figure(mutation.lines[i], kMtQty);
    }
  }
  return s;
}

xbase::Status SaveMutation(frame::Session& session, const frame::OpenedTables& tables, Mutation* mutation,
                           bool* saved) {
  *saved = false;
  bool any = false;
  for (const console::ValueRow& line : mutation->lines) any = any || Filled(line);
  const bool numbered = !xbase::IsBlank(mutation->number);
  if (!numbered && !any) return xbase::Status::OK();
  xbase::WorkArea& setup = tables["SETUP"];
  xbase::WorkArea& headers = tables["MTSKDT1"];
  const std::string branch = xbase::PadR(mutation->branch, 6);
  // The counter's own three letters lead the number.
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek("MTAG" + branch);
  if (!s.ok()) return s;
  documents::CounterKind kind;
  kind.prefix = "MTAG";
  kind.digits = 7;
  kind.number_prefix = setup.found() ? xbase::Left(setup.Text("KET"), 3) : std::string();
  kind.missing = documents::kMissingNomeratorComma;
  documents::SaveScope save(session.console());
  if (!numbered) s = documents::NameCounter(save, setup, kind, branch);
  if (s.ok()) s = NameMutationHalf(save, session, tables, Half::kOut, mutation->number, HalfRows(*mutation, Half::kOut));
  if (s.ok()) s = NameMutationHalf(save, session, tables, Half::kIn, mutation->number, HalfRows(*mutation, Half::kIn));
  if (s.ok()) s = save.Lock();
  if (s.ok() && numbered) {
    s = mutation->seen.Unchanged(session.tables(), "Mutasi " + std::string(xbase::AllTrim(mutation->number)) +
                                                       " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (numbered) {
    *saved = true;
    if (s.ok()) s = WriteBoth(session, tables, *mutation);
    return save.CommitWrites(s);
  }
  const documents::NumberTaken taken = [&](const std::string& number, bool* held) {
    xbase::Status t = headers.SetOrder(1);
    if (t.ok()) t = headers.Seek(headers.PadToField("NOMOR", number));
    *held = t.ok() && headers.found();
    return t;
  };
  std::string number;
  if (s.ok()) {
    s = documents::NumberDocument(session.console(), setup, kind, branch, taken,
                                  [&](const std::string& n) {
                                    mutation->number = n;
                                    return WriteBoth(session, tables, *mutation);
                                  },
                                  &number);
  }
  s = save.CommitWrites(s);
  // A missing counter row was told in its alert; nothing was written.
  if (s.IsNotFound() && xbase::IsBlank(mutation->number)) return xbase::Status::OK();
  *saved = s.ok();
  return s;
}

}  // namespace stock
