// BRGKIRIM and RBRGKRM: the delivery notes of the memos back of a period with their goods; the two
// differ only in their texts.
#include <algorithm>

#include "frame/status_display.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"

namespace memos {

ReportPages SentGoodsPages(frame::Session& session, const frame::OpenedTables& tables, const SentSelection& selection,
                           std::string_view title) {
  std::vector<uint32_t> memos;
  xbase::WorkArea& headers = tables[kBackMemo.header];
  xbase::WorkArea& lines = tables[kBackMemo.lines];
  if (!frame::Checked(session, RecordsInRange(headers, 2, "TANGGAL", selection.from, selection.to, &memos))) return {};
  std::vector<ListedNote> notes;
  for (uint32_t memo : memos) {
    std::vector<uint32_t> records;
    if (!frame::Checked(session, headers.GoTo(memo)) ||
        !frame::Checked(session,
                        MemoLineRecords(session, lines, headers.Text("KDCB"), headers.Text("NOMOR"), &records))) {
      return {};
    }
    for (uint32_t record : records) {
      if (!frame::Checked(session, lines.GoTo(record))) return {};
      ListedNote note{lines.Text("INVOICE"), {}, 0, lines.Text("NOMOR")};
      if (!frame::Checked(session, ReadNote(tables, note.invoice, &note.facts))) return {};
      if (Selected(selection.customer, note.facts.customer)) notes.push_back(std::move(note));
    }
  }
  std::stable_sort(notes.begin(), notes.end(),
                   [](const ListedNote& a, const ListedNote& b) { return a.facts.date < b.facts.date; });
  std::vector<NoteBlock> blocks;
  for (const ListedNote& note : notes) {
    blocks.push_back({Figure(static_cast<double>(blocks.size() + 1), "999") + " " + Cut(note.invoice, 20) + " " +
                          DateText(note.facts.date) + " " + CustomerText(tables, note.facts.customer, "NAMA"),
                      note.invoice});
  }
  return GoodsBlockPages(session, tables,
                         {std::string(title) + DateText(selection.from) + " s/d " + DateText(selection.to)}, blocks,
                         static_cast<int>(selection.rows), "Jumlah");
}

xbase::Status BRGKIRIM(frame::Session& session, const Args&) {
  return AskSent(session, " DAFTAR SJ+BRG TERKIRIM", {"  RELASI :", "TG KIRIM :", "     s/d :", "BRS/HAL :"},
                 [&](const frame::OpenedTables& tables, const SentSelection& selection) {
                   PrintPages(session,
                              SentGoodsPages(session, tables, selection, "DAFTAR SURAT JALAN TERKIRIM, TGL. "),
                              MemoLayout(78));
                 });
}

xbase::Status RBRGKRM(frame::Session& session, const Args&) {
  return AskSent(session, "  REKAP BARANG TERKIRIM", {"  TUJUAN :", " TANGGAL :", "     s/d :", "BRS/HAL :"},
                 [&](const frame::OpenedTables& tables, const SentSelection& selection) {
                   PrintPages(session, SentGoodsPages(session, tables, selection, "REKAP BARANG TERKIRIM, TGL. "),
                              MemoLayout(78));
                 });
}

}  // namespace memos
