// SISASJ: the delivery notes not yet sent, each with its goods.
#include "frame/status_display.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_tables.h"
#include "memos/memo_screens.h"
#include "xbase/text_functions.h"

namespace memos {

// The title of the lists of goods not yet sent: all customers or the one chosen.
std::string NotSentGoodsTitle(std::string_view customer) {
  return std::string("DAFTAR BARANG BELUM diKIRIM, ") +
         (xbase::IsBlank(customer) ? " Semua Tujuan" : " Tujuan : " + std::string(xbase::RTrim(customer)));
}

ReportPages NotSentNotePages(frame::Session& session, const frame::OpenedTables& tables,
                             const OutstandingSelection& selection) {
  std::vector<ListedNote> notes;
  if (!frame::Checked(session,
                      OutstandingNotes(session, tables, selection.branch, selection.customer, false, &notes))) {
    return {};
  }
  std::vector<NoteBlock> blocks;
  for (const ListedNote& note : notes) {
    blocks.push_back({"Nomor " + NoteText(note.invoice) + " Relasi : " + note.facts.customer, note.invoice});
  }
  return GoodsBlockPages(session, tables, {NotSentGoodsTitle(selection.customer)}, blocks,
                         static_cast<int>(selection.rows), "TOTAL");
}

xbase::Status SISASJ(frame::Session& session, const Args&) {
  const auto print = [&](const frame::OpenedTables& tables, const OutstandingSelection& selection) {
    PrintPages(session, NotSentNotePages(session, tables, selection), MemoLayout(78));
  };
  return AskOutstanding(session, " REKAP SJ+BARANG BELUM KIRIM ", print);
}

}  // namespace memos
