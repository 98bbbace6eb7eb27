// SISASJ: the delivery notes not yet sent, each with its goods.
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
  if (!OutstandingNotes(session, tables, selection, false, &notes)) return {};
  std::vector<NoteBlock> blocks;
  for (const ListedNote& note : notes) {
    blocks.push_back({"Nomor " + NoteText(note.invoice) + " Relasi : " + note.facts.customer, note.invoice});
  }
  return GoodsBlockPages(session, tables, {NotSentGoodsTitle(selection.customer)}, blocks,
                         static_cast<int>(selection.rows), "TOTAL");
}

xbase::Status SISASJ(frame::Session& session, const Args&) {
  return PrintOutstanding(session, " REKAP SJ+BARANG BELUM KIRIM ", NotSentNotePages, 78);
}

}  // namespace memos
