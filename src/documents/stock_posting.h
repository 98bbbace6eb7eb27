// Stock posting: the stock of goods in a warehouse (STOKBRG) and their total in the goods master
// (MASTBRJ), moved by every document that brings goods in or takes them out, and the rows a save
// names for it.
#ifndef PALUNDA_DOCUMENTS_STOCK_POSTING_H_
#define PALUNDA_DOCUMENTS_STOCK_POSTING_H_

#include <string_view>

#include "documents/save_scope.h"
#include "frame/session.h"
#include "xbase/status.h"

namespace documents {

// UPMASTERBARANG: moves the stock of goods `code` in `warehouse` by + in - out (in first): the STOKBRG
// row found on its warehouse + code index (appended when missing), then the goods' total JUMLAH in
// MASTBRJ when the goods are there. Each row is changed under its own lock, released before the next
// is taken. The tables are open under the aliases `stokbrg` and `mastbrj`; their controlling orders
// are given back.
xbase::Status UPMASTERBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                             double out);
// The rows UPMASTERBARANG would move, named in a save: the STOKBRG row (or an append when it is
// missing) and the goods' MASTBRJ row when there is one.
xbase::Status NameStockMove(SaveScope& save, frame::Session& session, std::string_view code,
                            std::string_view warehouse);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_STOCK_POSTING_H_
