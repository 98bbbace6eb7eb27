// The lookups every goods line of a sales document makes: the stock row of a warehouse and goods,
// and the goods master's sizes.
#include "sales/goods_lookup.h"

#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"

namespace sales {

bool FindStock(frame::Session& session, std::string_view warehouse, std::string_view code, StockRow* row) {
  xbase::WorkArea* stock = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "stokbrg", &stock))) return false;
  frame::OrderScope scope(*stock);
  xbase::Status s = stock->SetOrder("STOKBRG2");
  if (s.ok()) s = stock->Seek(stock->PadToField("GUDANG", warehouse) + stock->PadToField("KODE", code));
  if (!frame::Checked(session, s)) return false;
  row->found = stock->found();
  row->quantity = row->found ? stock->Number("JUMLAH") : 0;
  return true;
}

xbase::WorkArea* SeekGoods(frame::Session& session, std::string_view code, Goods* goods) {
  xbase::WorkArea* master = session.tables().Area("mastbrj");
  if (master == nullptr) return nullptr;
  if (!master->SetOrder("MASTBRJ1").ok() || !master->Seek(master->PadToField("KODE", code)).ok()) return nullptr;
  goods->found = master->found();
  goods->dos = master->Number("DOS");
  goods->pak = master->Number("PAK");
  return master;
}

}  // namespace sales
