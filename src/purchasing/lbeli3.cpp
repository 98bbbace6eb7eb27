// LBELI3 "Jurnal Pembelian": the receipts and purchase returns of a period with their lines, discounts and totals; a
// text report.
#include <algorithm>

#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "purchasing/paged_report.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 113;
constexpr std::string_view kColumns =
    " NO. TANGGAL    NO_BPB          KODE       NAMA                     QTY      HARGA    DISCOUNT              NILAI";

// A label right-aligned in 95 columns and the amount, ending at the report's last column.
std::string Total(std::string_view label, double amount) {
  return xbase::PadL(label, 95) + Pictured(amount, "999,999,999,999.99");
}

// The printed documents of one kind with their lines and discounts; *total receives their net sum.
xbase::Status Block(frame::Session& session, const PurchaseKind& kind, xbase::Date from, xbase::Date to,
                    PagedReport* report, double* total) {
  int number = 0;
  return ForEachDocument(session, kind, from, to,
                         [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
    if (!header.Logical("CETAK")) return xbase::Status::OK();
    ++number;
    double sum = 0;
    bool first = true;
    for (const uint32_t record : records) {
      if (xbase::Status s = lines.GoTo(record); !s.ok()) return s;
      const double value = LineValue(lines);
      sum += value;
      const std::string lead = first ? Pictured(number, "9999 ") + xbase::Dtoc(header.DateOf("TANGGAL")) + " " +
                                           xbase::PadR(header.Text(kind.number), 15) + " "
                                     : std::string(32, ' ');
      first = false;
      report->Line(lead + lines.Text("KODE") + " " + xbase::PadR(MasterText(session, "MASTBRJ", lines.Text("KODE"), "NAMA", 20), 20) +
                   Pictured(lines.Number("QUANTITY"), " 9999999") + Pictured(lines.Number("HARGA"), " 999,999.99") +
                   Pictured(lines.Number("DISCOUNT"), " 999.99") + "+" + Pictured(lines.Number("DISCOUNT2"), "999.99") +
                   Pictured(value, " 9,999,999,999.99"));
      report->Check();
    }
    report->Line(Total("JUMLAH :", sum));
    report->Check();
    double net = sum;
    for (const CashCut& cut : TakeCashDiscounts(&net, header.Number("DISCOUNT"), header.Number("DISCOUNT2"))) {
      report->Line(Total("Discount " + Pictured(cut.percent, "999.99") + "% :", cut.amount));
      report->Check();
    }
    if (net != sum) {
      report->Line(Total("NETTO :", net));
      report->Check();
    }
    report->Line("");
    *total += net;
    return xbase::Status::OK();
  });
}

}  // namespace

xbase::Status LBELI3(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!frame::OpenTables(session, {"BPBELI1", "BPBELI2", "RTBELI1", "RTBELI2", "MASTBRJ", "MASTSUP"})) {
    return xbase::Status::OK();
  }
  xbase::Date from = session.Today(), to = session.Today();
  double per_page = 55;
  while (AskReport(session, "JURNAL PEMBELIAN", kCyanBox,
                   {{8, "PERIODE :", &from}, {9, "s/d :", &to}, {10, "BRS/HAL :", &per_page, "99"}})) {
    const std::string equals(kWidth, '='), dashes(kWidth, '-');
    PagedReport report({"JURNAL PEMBELIAN per NO_BPB", "PERIODE : " + xbase::Dtoc(from) + " s/d " + xbase::Dtoc(to),
                        equals, std::string(kColumns), equals},
                       std::max(1, static_cast<int>(per_page)));
    double purchases = 0, returns = 0;
    xbase::Status s = Block(session, kReceipts, from, to, &report, &purchases);
    if (s.ok()) {
      report.Line(dashes);
      report.Line(Total("TOTAL PEMBELIAN :", purchases));
      report.Line(dashes);
      report.Check();
      s = Block(session, kReturns, from, to, &report, &returns);
    }
    if (!frame::Checked(session, s)) continue;
    report.Line(dashes);
    report.Line(Total("TOTAL RETUR :", returns));
    report.Line(equals);
    report.Line(Total("PEMBELIAN BERSIH :", purchases - returns));
    report.Print(session, ListLayout(kWidth));
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
