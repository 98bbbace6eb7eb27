// SISABRG: the goods of the delivery notes not yet sent, summed per goods and warehouse.
#include <map>
#include <utility>

#include "frame/status_display.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_tables.h"
#include "memos/memo_screens.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace memos {

namespace {

struct GoodsSum {
  CartonSplit split;
  double value = 0;
};

}  // namespace

ReportPages NotSentGoodsPages(frame::Session& session, const frame::OpenedTables& tables,
                              const OutstandingSelection& selection) {
  std::vector<ListedNote> notes;
  if (!OutstandingNotes(session, tables, selection, false, &notes)) return {};
  std::map<std::pair<std::string, std::string>, GoodsSum> sums;  // by warehouse, then goods code
  xbase::WorkArea& goods = tables["Kartu"];
  const xbase::WorkArea& header = tables["Invoice"];
  for (const ListedNote& note : notes) {
    std::vector<uint32_t> records;
    NoteFacts facts;  // stands the `Invoice` area on the note for its discounts
    if (!frame::Checked(session, ReadNote(tables, note.invoice, &facts)) ||
        !frame::Checked(session, NoteGoods(tables, note.invoice, &records))) {
      return {};
    }
    for (uint32_t record : records) {
      if (!frame::Checked(session, goods.GoTo(record))) return {};
      GoodsSum& sum = sums[{goods.Text("GUDANG"), goods.Text("KODE")}];
      sum.split.cartons += goods.Number("Q_BOX");
      sum.split.packs += goods.Number("Q_PAK");
      sum.split.pieces += goods.Number("Q_PCS");
      sum.value += LineValue(goods, header);
    }
  }
  std::vector<std::string> body;
  GoodsSum total;
  xbase::WorkArea& items = tables["mastbrj"];
  for (const auto& [key, sum] : sums) {
    const bool known = items.SetOrder(1).ok() && xbase::LookUp(items, key.second);
    body.push_back(SumLine(key.second + " " + (known ? items.Text("NAMA") : std::string(20, ' ')) + " " + key.first,
                           sum.split) +
                   " " + Figure(sum.value, "999,999,999,999.99"));
    total.split.cartons += sum.split.cartons;
    total.split.packs += sum.split.packs;
    total.split.pieces += sum.split.pieces;
    total.value += sum.value;
  }
  const std::string rule(96, '-');
  return Paginate({NotSentGoodsTitle(selection.customer), rule,
                   "KODE       NAMA BARANG          GUDANG                 BOX        PAK        PCS              NILAI",
                   rule},
                  body, static_cast<int>(selection.rows),
                  {rule, SumLine("JUMLAH : ", total.split) + " " + Figure(total.value, "999,999,999,999.99")}, "C");
}

xbase::Status SISABRG(frame::Session& session, const Args&) {
  return PrintOutstanding(session, " REKAP BARANG BELUM KIRIM ", NotSentGoodsPages, 96);
}

}  // namespace memos
