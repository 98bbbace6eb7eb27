// Stock posting: the stock of goods in a warehouse (STOKBRG) and their total in the goods master
// (MASTBRJ), moved by every document that brings goods in or takes them out, and the rows a save
// names for it. These routines are the only writers of warehouse rows.
#ifndef PALUNDA_DOCUMENTS_STOCK_POSTING_H_
#define PALUNDA_DOCUMENTS_STOCK_POSTING_H_

#include <functional>
#include <string_view>

#include "console/console.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// What a movement writes on a stock row beside its quantity JUMLAH: the fields for the row it moves
// (`found`, the area standing on it and `before` the quantity it held, read under its lock) or for
// the row it appends (`found` false, `before` 0).
using StockRowFields = std::function<FieldValues(const xbase::WorkArea& row, bool found, double before)>;

// The warehouse row of goods `code` in `warehouse`, found on the warehouse + code index STOKBRG2:
// JUMLAH := + in - out (in first) with the fields of `more`, under the row's lock (released again);
// a missing row is appended with KODE, GUDANG, JUMLAH 0 + in - out and the fields of `more`. The
// area's controlling order is given back.
xbase::Status PostWarehouseRow(console::Console& con, xbase::WorkArea& stock, std::string_view code,
                               std::string_view warehouse, double in, double out, const StockRowFields& more = {});

// The goods master row of `code` (MASTBRJ1): JUMLAH := + in - out with the fields of `more`, under the
// row's lock; goods that are not there are left alone (*found, when asked, tells which). The area's
// controlling order is given back.
xbase::Status PostGoodsRow(console::Console& con, xbase::WorkArea& goods, std::string_view code, double in,
                           double out, const StockRowFields& more = {}, bool* found = nullptr);

// UPMASTERBARANG: moves the stock of goods `code` in `warehouse` by + in - out (in first): the
// warehouse row (PostWarehouseRow), then the goods' total when the goods are there (PostGoodsRow).
// The tables are open under the aliases `stokbrg` and `mastbrj`.
xbase::Status UPMASTERBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                             double out);

// The warehouse row PostWarehouseRow moves, named in a save: its lock, or the table's append lock
// when it is missing.
xbase::Status NameWarehouseRow(SaveScope& save, xbase::WorkArea& stock, std::string_view code,
                               std::string_view warehouse);
// The rows UPMASTERBARANG would move, named in a save: the warehouse row (NameWarehouseRow) and the
// goods' MASTBRJ row when there is one.
xbase::Status NameStockMove(SaveScope& save, frame::Session& session, std::string_view code,
                            std::string_view warehouse);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_STOCK_POSTING_H_
