// The print of a saved forecast: its number picked by branch, its lines as the forecast workbook.
#include <algorithm>

#include "console/keys.h"
#include "console/pick_list.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "purchasing/plan_prints.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

// "?" in the number lists the forecasts from the branch's on, by branch and ship date.
bool PickForecast(frame::Session& session, xbase::WorkArea& headers, const std::string& branch, std::string* number) {
  frame::OrderScope scope(headers);
  if (!frame::Checked(session, headers.SetOrder("FC_CBNG14"))) return false;
  console::PickListOptions options;
  options.top = 9;
  options.left = 10;
  options.bottom = 20;
  options.right = 70;
  options.expressions = {"CABANG", "NOMOR", "TANGGAL", "TGLKIRIM"};
  options.heads = {"cabang", "nomor", "Tanggal", "tglkirim"};
  options.result = 2;
  options.seek = std::string(xbase::RTrim(branch));
  xbase::Value chosen;
  const auto seek = [&](std::string_view key) { return headers.Seek(key, true).ok() && headers.found(); };
  if (!frame::Checked(session, console::BANTUAN(session.console(), headers, options, seek, &chosen))) return false;
  if (session.console().last_key() == console::key::kEsc) return false;
  *number = xbase::PadR(chosen.text(), static_cast<int>(number->size()));
  return true;
}

// The lines (FC_CBNG2) of the forecast the header stands on, in product line + item order. The item
// names are printed: one that cannot be read is the error, never a blank in the workbook.
xbase::Status ReadForecast(const frame::OpenedTables& tables, xbase::WorkArea& header, std::vector<PlanRow>* rows) {
  xbase::WorkArea& lines = tables["FC_CBNG2"];
  xbase::WorkArea& goods = tables["MASTBRJ"];
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(header.Text("NOMOR"), &records);
  for (const uint32_t record : records) {
    if (s = lines.GoTo(record); !s.ok()) return s;
    const std::string code = lines.Text("KODE");
    bool known = false;
    if (s = xbase::SeekFound(goods, code, &known); !s.ok()) return s;
    PlanRow row{code, lines.Text("PATRON"), known ? goods.Text("NAMA") : std::string(20, ' '), lines.Number("PER_BOX"), {}};
    for (const char* field : {"KUM_JLTHL", "JUAL_TTGG", "TGT_BLINI", "AVG_SDBLI", "EST_JLBLI"}) {
      row.figures.push_back(lines.Number(field));
    }
    for (const char* field : {"JUM_HK", "LEAD_TIME", "BUFF_STOCK"}) row.figures.push_back(header.Number(field));
    for (const char* field : {"STK_BLINI", "BRG_DIJLN", "EST_AKHIR"}) row.figures.push_back(lines.Number(field));
    rows->push_back(std::move(row));
  }
  std::stable_sort(rows->begin(), rows->end(),
                   [](const PlanRow& a, const PlanRow& b) { return a.line + a.code < b.line + b.code; });
  return s;
}

}  // namespace

xbase::Status CFCASTDL(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"FC_CBNG1"}, {"FC_CBNG2"}, {"MASTBRJ"}, {"PATRON"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  std::string branch(6, ' '), number(20, ' ');
  xbase::WorkArea& header = tables["FC_CBNG1"];
  const auto number_valid = [&] {
    if (number.find('?') != std::string::npos && !PickForecast(session, header, branch, &number)) return false;
    if (xbase::IsBlank(number)) return true;
    if (!frame::Checked(session, header.SetOrder(1)) || !frame::Checked(session, header.Seek(number))) return false;
    if (header.found()) return true;
    return pickers::Refuse(session, "Nomor " + std::string(xbase::AllTrim(number)) + " tidak terdaftar");
  };
  while (AskReport(session, "CETAK FORCAST CABANG", kCyanBox,
                   {{8, "Kode Cabang :", &branch, "@!"}, {9, "Nomor :", &number, "@!", number_valid}}) &&
         !xbase::IsBlank(number)) {
    std::vector<PlanRow> rows;
    if (!frame::Checked(session, header.Seek(number)) || !header.found()) continue;
    if (!frame::Checked(session, ReadForecast(tables, header, &rows))) continue;
    ForecastWorkbook(session, rows, header.Text("CABANG"), header.DateOf("TGLKIRIM"));
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
