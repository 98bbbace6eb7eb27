// What the memo lists share: the report screen that asks the selection in a box, the customer
// selection, the outstanding delivery notes of the admin memos and the goods lines of a note.
#include "memos/memo_lists.h"

#include <algorithm>

#include "console/box.h"
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "memos/memo_report.h"
#include "memos/memo_tables.h"
#include "memos/memos.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// Delivery notes dated on or before this day are never listed as outstanding.
const xbase::Date kCutOff = xbase::Date::FromYmd(2021, 8, 1);

bool InKind(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
            std::string_view invoice, xbase::Status* s) {
  NoteHolder holder;
  *s = FindNoteHolder(session, tables[kind.lines], invoice, &holder);
  return holder.found;
}

}  // namespace

xbase::Status RunReportBox(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                           const ReportFields& fields, const std::function<void(const frame::OpenedTables&)>& report) {
  const frame::OpenedTables tables = OPENMEMORANDUM(session);
  if (!tables) return xbase::Status::OK();  // the failure was told on row 24
  console::Console& con = session.console();
  size_t widest = title.size();
  size_t label_width = 0;
  for (const std::string& label : labels) label_width = std::max(label_width, label.size());
  widest = std::max(widest, label_width + 14);
  const int top = 8, left = std::max(1, 39 - static_cast<int>(widest) / 2);
  const int bottom = top + static_cast<int>(labels.size()) + 2, right = left + static_cast<int>(widest) + 3;
  for (;;) {
    console::ScreenKeeper keep(con);
    console::ISHADOW(con, top, left, bottom, right, con.Pick("W+/b,N/W", "W/n,N/W"));
    con.Say(top + 1, left + 2, title);
    for (size_t i = 0; i < labels.size(); ++i) con.Say(top + 2 + static_cast<int>(i), left + 2, labels[i]);
    console::GetList form;
    fields(tables, form, top + 2, left + 3 + static_cast<int>(label_width));
    if (form.Read(con).escaped) break;
    report(tables);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

xbase::Status PrintOutstanding(frame::Session& session, std::string_view title, OutstandingPages pages, int width) {
  OutstandingSelection selection;
  return RunReportBox(
      session, title, {" CABANG :", " TUJUAN :", "BRS/HAL :"},
      [&](const frame::OpenedTables&, console::GetList& form, int row, int col) {
        form.Add(row, col, &selection.branch, "@!");
        form.Add(row + 1, col, &selection.customer, "@!").valid = [&] {
          return CustomerValid(session, &selection.customer);
        };
        form.Add(row + 2, col, &selection.rows, "99");
      },
      [&](const frame::OpenedTables& tables) {
        PrintPages(session, pages(session, tables, selection), MemoLayout(width));
      });
}

xbase::Status AskSent(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                      const std::function<void(const frame::OpenedTables&, const SentSelection&)>& report,
                      double rows) {
  SentSelection selection;
  selection.from = selection.to = session.Today();
  selection.rows = rows;
  return RunReportBox(
      session, title, labels,
      [&](const frame::OpenedTables&, console::GetList& form, int row, int col) {
        form.Add(row, col, &selection.customer, "@!").valid = [&] {
          return CustomerValid(session, &selection.customer);
        };
        form.Add(row + 1, col, &selection.from);
        form.Add(row + 2, col, &selection.to);
        form.Add(row + 3, col, &selection.rows, "99");
      },
      [&](const frame::OpenedTables& tables) { report(tables, selection); });
}

xbase::Status RecordsInRange(xbase::WorkArea& area, int order, std::string_view date_field, xbase::Date from,
                             xbase::Date to, std::vector<uint32_t>* records) {
  records->clear();
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.Seek(from.Dtos(), true);
  while (s.ok() && !area.eof() && !(area.DateOf(date_field) > to)) {
    records->push_back(area.recno());
    s = area.Skip();
  }
  return s;
}

bool CustomerValid(frame::Session& session, std::string* customer) {
  if (xbase::IsBlank(*customer)) return true;
  frame::PickSpec pick;
  pick.alias = "relasi";
  pick.expressions = {"Relasi", "Nama", "Kota"};
  bool found = false;
  return frame::Checked(session, frame::PickAndSeek(session, pick, customer, &found)) && found;
}

bool Selected(std::string_view selection, std::string_view code) {
  return std::string_view(code).starts_with(xbase::AllTrim(selection));
}

bool OutstandingNotes(frame::Session& session, const frame::OpenedTables& tables,
                      const OutstandingSelection& selection, bool with_driven, std::vector<ListedNote>* notes) {
  notes->clear();
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kAdminMemo.lines];
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(xbase::RTrim(selection.branch), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines.GoTo(records[i]); !s.ok()) break;
    ListedNote note{lines.Text("INVOICE"), {}, lines.Number("CARTON"), lines.Text("NOMOR")};
    if (s = ReadNote(tables, note.invoice, &note.facts); !s.ok()) break;
    if (!Selected(selection.customer, note.facts.customer) || !(note.facts.date > kCutOff)) continue;
    if (InKind(session, tables, kBackMemo, note.invoice, &s) || !s.ok()) continue;
    if (!with_driven && (InKind(session, tables, kDriverMemo, note.invoice, &s) || !s.ok())) continue;
    notes->push_back(std::move(note));
  }
  return frame::Checked(session, s);
}

CartonSplit SplitQuantity(double quantity, double dos, double pak) {
  CartonSplit split;
  split.cartons = dos == 0 ? 0 : static_cast<double>(static_cast<long long>(quantity / dos));
  split.packs = pak == 0 ? 0 : static_cast<double>(static_cast<long long>((quantity - split.cartons * dos) / pak));
  split.pieces = static_cast<double>(static_cast<long long>(quantity - (split.cartons * dos + split.packs * pak)));
  return split;
}

double LineValue(const xbase::WorkArea& goods, const xbase::WorkArea& note) {
  return goods.Number("QUANTITY") * goods.Number("HARGA") * (100 - goods.Number("DISCOUNT")) / 100 *
         (100 - goods.Number("DISCOUNT2")) / 100 * (100 - note.Number("DISCOUNT")) / 100 *
         (100 - note.Number("DISCOUNT2")) / 100;
}

std::string SumLine(std::string_view label, const CartonSplit& sums) {
  return Cut(label, 46) + " " + Figure(sums.cartons, "9,999,999") + " " + Figure(sums.packs, "9,999,999") + " " +
         Figure(sums.pieces, "9,999,999");
}

xbase::Status NoteGoodsLines(const frame::OpenedTables& tables, std::string_view invoice,
                             std::vector<std::string>* lines, CartonSplit* sums) {
  std::vector<uint32_t> records;
  xbase::Status s = NoteGoods(tables, invoice, &records);
  xbase::WorkArea& goods = tables["Kartu"];
  xbase::WorkArea& items = tables["mastbrj"];
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = goods.GoTo(records[i]); !s.ok()) break;
    const std::string code = goods.Text("KODE");
    const CartonSplit line{goods.Number("Q_BOX"), goods.Number("Q_PAK"), goods.Number("Q_PCS")};
    if (s = items.SetOrder(1); s.ok()) s = items.Seek(code);
    if (!s.ok()) break;
    const std::string name = items.found() ? items.Text("NAMA") : std::string(20, ' ');
    lines->push_back(SumLine("    " + code + " " + name + " " + goods.Text("GUDANG"), line));
    sums->cartons += line.cartons;
    sums->packs += line.packs;
    sums->pieces += line.pieces;
  }
  return s;
}

ReportPages GoodsBlockPages(frame::Session& session, const frame::OpenedTables& tables,
                            const std::vector<std::string>& title, const std::vector<NoteBlock>& notes, int rows,
                            std::string_view total_label) {
  std::vector<std::string> body;
  CartonSplit total;
  for (const NoteBlock& note : notes) {
    body.push_back(note.line);
    CartonSplit sums;
    if (!frame::Checked(session, NoteGoodsLines(tables, note.invoice, &body, &sums))) return {};
    body.push_back(SumLine("Jumlah", sums));
    total.cartons += sums.cartons;
    total.packs += sums.packs;
    total.pieces += sums.pieces;
  }
  const std::string rule(78, '-');
  std::vector<std::string> heading = title;
  heading.push_back(rule);
  return Paginate(heading, body, rows, {rule, SumLine(total_label, total)}, "N");
}

}  // namespace memos
