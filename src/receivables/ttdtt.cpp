// The list of a branch's payment receipts over a period, with their totals by kind of settlement.
#include <array>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "receivables/piuttt.h"
#include "receivables/receipt.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kAmountPicture = " 9,999,999,999.99";
const std::string kRule(122, '-');

// A receipt's total and its four parts: "B" and "C" codes, "R", "D", "F".
using ReceiptSums = std::array<double, 5>;

xbase::Status SumLines(const frame::OpenedTables& tables, std::string_view key, ReceiptSums* sums) {
  xbase::WorkArea& lines = tables["piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("PIUTKR21");
  if (s.ok()) s = lines.SeekAll(key, &rows);
  *sums = {};
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    const double amount = lines.Number("KREDIT");
    const char kind = lines.Text("KD_TT")[0];
    (*sums)[0] += amount;
    if (kind == 'B' || kind == 'C') (*sums)[1] += amount;
    if (kind == 'R') (*sums)[2] += amount;
    if (kind == 'D') (*sums)[3] += amount;
    if (kind == 'F') (*sums)[4] += amount;
  }
  return s;
}

std::string SumColumns(const ReceiptSums& sums) {
  std::string text;
  for (double sum : sums) text += xbase::Transform(xbase::Value::Num(sum), kAmountPicture);
  return text;
}

struct Period {
  std::string branch = std::string(6, ' ');
  xbase::Date from, to;
  double per_page = 50;
};

// The list's pages; false when the branch has no receipt in the period or a page could not be written.
bool WriteList(frame::Session& session, const frame::OpenedTables& tables, const Period& period,
               frame::ReportWriter* report) {
  console::Console& con = session.console();
  xbase::WorkArea& headers = tables["piutkr1"];
  std::vector<uint32_t> rows;
  xbase::Status s = headers.SetOrder("PIUTKR11");
  if (s.ok()) s = headers.SeekAll(xbase::PadR(xbase::RTrim(period.branch), 6), &rows);
  if (!frame::Checked(session, s)) return false;
  const std::vector<std::string> heading = {
      "TANDA TERIMA KHUSUS PELUNASAN PIUTANG", "CABANG  : " + period.branch,
      "PERIODE : " + xbase::Dtoc(period.from) + " s/d " + xbase::Dtoc(period.to), kRule,
      " NO. NOMOR      TANGGAL    TG. INPUT          NILAI TT       BG & CASH            RETUR    DISC. & BIAYA"
      "           FS & FB",
      kRule};
  ReceiptSums total{};
  int count = 0;
  const int per_page = std::max(1, static_cast<int>(period.per_page));
  for (const uint32_t row : rows) {
    if (s = headers.GoTo(row); !s.ok()) break;
    con.Say(24, 0, std::to_string(row));
    const xbase::Date date = headers.DateOf("TANGGAL");
    if (date < period.from || date > period.to) continue;
    if (count % per_page == 0) {
      if (count > 0 &&
          (!report->Line(kRule, "C") || !report->Line(xbase::PadR("  JUMLAH :", 37) + SumColumns(total), "C"))) {
        return false;
      }
      if (!(count == 0 ? report->Start() && report->NewPage() : report->NewPage())) return false;
      for (const std::string& line : heading) {
        if (!report->Line(line, "C")) return false;
      }
    }
    ReceiptSums sums;
    if (s = SumLines(tables, ReceiptKey(headers.Text("KDCB"), headers.Text("NOMOR")), &sums); !s.ok()) break;
    for (size_t i = 0; i < total.size(); ++i) total[i] += sums[i];
    ++count;
    const std::string text = xbase::Transform(xbase::Value::Num(count), "9999 ") + headers.Text("NOMOR") + " " +
                             xbase::Dtoc(date) + " " + xbase::Dtoc(headers.DateOf("TGINPUT")) + SumColumns(sums);
    if (!report->Line(text, "C")) return false;
  }
  frame::ShowFailure(session, s);
  if (!s.ok() || count == 0) return false;
  return report->Line(kRule, "C") && report->Line(xbase::PadR("  JUMLAH :", 37) + SumColumns(total), "C");
}

}  // namespace

xbase::Status TTDTT(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables =
      frame::OpenTables(session, {{"SETUP", "setup"}, {"PIUTKR1", "piutkr1"}, {"PIUTKR2", "piutkr2"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  Period period;
  period.from = text::TGLAWAL(session.Today());
  period.to = session.Today();
  for (;;) {
    console::SHADOW(con, 8, 18, 15, 61, colour);
    console::TENGAH(con, 9, "TANDA TERIMA TT", colour);
    const console::Attr attr = con.Colour(colour);
    con.Say(11, 20, "Cabang  :", attr);
    con.Say(12, 20, "Tanggal :", attr);
    con.Say(12, 41, "s/d", attr);
    con.Say(13, 20, "Brs/Hal :", attr);
    console::GetList form;
    form.Add(11, 30, &period.branch, "@!").valid = [&] { return pickers::CARICABANG(session, &period.branch, true); };
    form.Add(12, 30, &period.from);
    form.Add(12, 45, &period.to);
    form.Add(13, 30, &period.per_page, "999").valid = [&] { return period.per_page >= 1; };
    if (form.Read(con).escaped || xbase::IsBlank(period.branch)) break;
    frame::ReportWriter report(session, "lapor");
    if (!WriteList(session, tables, period, &report)) continue;
    frame::ReportLayout layout;
    layout.width = static_cast<int>(kRule.size());
    layout.title = "FORM PELUNASAN";
    layout.left_margin = 2;
    layout.first_body_row = 8;
    report.Print(layout);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
