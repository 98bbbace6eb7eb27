// The stock card: every movement of the items of a code range in the warehouses of a prefix, with
// the balance before a date and the running balance after it.
#ifndef PALUNDA_STOCK_STOCK_CARD_H_
#define PALUNDA_STOCK_STOCK_CARD_H_

#include <string>

#include "frame/report_pages.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct StockCardAsk {
  std::string from;       // KODE BARANG
  std::string to;         // s/d KODE
  std::string warehouse;  // GUDANG prefix
  xbase::Date date;       // DARI TANGGAL
  int per_page = 55;      // BRS/HALAMAN
};

// The card's pages; the movement tables, MASTBRJ, MASTGDG, STOKBRG, MASTSUP and MASTCUS are open.
xbase::Status StockCardPages(frame::Session& session, const frame::OpenedTables& tables, const StockCardAsk& ask,
                             frame::ReportPages* pages);

}  // namespace stock

#endif  // PALUNDA_STOCK_STOCK_CARD_H_
