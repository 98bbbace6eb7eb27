// GL06: what was taken out for wrapping or assembly and has not come back yet, over every branch.
#include "console/message.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "stock/gift_wrap.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

constexpr int kRowsPerPage = 50;

xbase::Status BacklogPages(const frame::OpenedTables& tables, frame::ReportPages* pages) {
  const std::string rule(95, '=');
  xbase::WorkArea& lines = tables["kd_gl12"];
  xbase::WorkArea& take_outs = tables["kd_gl11"];
  xbase::WorkArea& goods = tables["mastbrj"];
  int rows = 0;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.GoTop();
  while (s.ok() && !lines.eof()) {
    const double out = lines.Number("QTY_LBR"), back = lines.Number("QTY_GL");
    if (out != back) {
      if (rows % kRowsPerPage == 0) {
        if (rows > 0) pages->back().push_back({rule, "S", 0});
        pages->push_back({{"SISA BARANG YANG BELUM DIGULUNG/DIRAKIT", "S", 0}, {rule, "S", 0},
                          {"CABANG NOMOR      TANGGAL    KODE       GDG  NAMA                    KELUAR     MASUK      SISA", "S", 0},
                          {rule, "S", 0}});
      }
      s = take_outs.Seek(lines.Text("KDCB") + lines.Text("NOMOR"));
      const xbase::Date date = s.ok() && take_outs.found() ? take_outs.DateOf("TANGGAL") : xbase::Date();
      if (s.ok()) s = goods.Seek(goods.PadToField("KODE", lines.Text("KODE")));
      const std::string name = s.ok() && goods.found() ? goods.Text("NAMA") : "";
      pages->back().push_back({lines.Text("KDCB") + " " + lines.Text("NOMOR") + " " + xbase::Dtoc(date) + " " +
                                   lines.Text("KODE") + " " + Cut(lines.Text("GUDANG"), 4) + " " + Cut(name, 20) +
                                   Fig(out, " 9,999,999") + Fig(back, " 9,999,999") + Fig(out - back, " 9,999,999"),
                               "S", 0});
      ++rows;
    }
    if (s.ok()) s = lines.Skip();
  }
  if (rows > 0) pages->back().push_back({rule, "S", 0});
  return s;
}

}  // namespace

xbase::Status GL06(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  frame::ReportPages pages;
  const bool read = frame::Checked(session, BacklogPages(tables, &pages));
  if (read && pages.empty()) {
    console::PESAN(session.console(), "Tidak ada sisa barang yang belum digulung/dirakit");
  } else if (read) {
    frame::ReportLayout layout = StockLayout(95, "GULUNG KADO", 2, 5);
    frame::PrintPages(session, pages, layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
