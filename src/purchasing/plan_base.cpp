// The base run of the monthly plans: a row per item of the product lines with its sales history,
// targets and stock, in cartons, written into the month's work table.
#include "purchasing/plan_base.h"

#include <algorithm>
#include <vector>

#include "frame/open_table.h"
#include "purchasing/purchase_documents.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

// The figures of one item as they are gathered.
struct ItemFigures {
  double stock = 0;
  double target_month = 0, target_cumulative = 0;
  double last_year = 0, this_year = 0, largest = 0, last_month = 0;
};

double Cartons(double pieces, double dos) { return dos == 0 ? 0 : pieces / dos; }

class BaseRun {
 public:
  BaseRun(xbase::Session& tables, const PlanBase& base, const PlanHooks& hooks)
      : tables_(tables),
        base_(base),
        hooks_(hooks),
        this_year_from_(text::AWALTAHUN(base.cut_off.year())),
        last_year_from_(text::AWALTAHUN(base.cut_off.year() - 1)),
        last_year_to_(text::TGLAKHIR(xbase::Date::FromYmd(base.cut_off.year() - 1, base.cut_off.month(), 1))),
        last_month_from_(text::TGLAWAL(base.cut_off)) {}

  xbase::Status Run() {
    xbase::WorkArea& lines = Area("PATRON2");
    xbase::Status s = lines.SetOrder(1);
    if (s.ok()) s = lines.GoTop();
    while (s.ok() && !lines.eof()) {
      const bool marked = lines.Number(base_.kind == PlanKind::kForecast ? "STAG" : "STKNAS") == 1;
      if (marked) s = AddItem(lines.Text("KODE"), lines.Text("PATRON"));
      if (s.ok()) s = lines.Skip();
    }
    return s;
  }

 private:
  // Every alias the run reads or writes was found open by FillPlan before the run.
  xbase::WorkArea& Area(std::string_view alias) { return *tables_.Area(alias); }
  void Progress(int col, std::string_view text) {
    if (hooks_.progress) hooks_.progress(col, text);
  }

  xbase::Status AddItem(const std::string& code, const std::string& line) {
    xbase::WorkArea& goods = Area("MASTBRJ");
    xbase::Status s = goods.Seek(code);
    if (!s.ok()) return s;
    if (base_.kind == PlanKind::kForecast && !goods.found()) return xbase::Status::OK();
    Progress(0, code);
    const double dos = goods.Number("DOS");
    ItemFigures figures;
    s = AddTargets(code, dos, &figures);
    if (s.ok()) s = AddStock(code, dos, &figures);
    if (s.ok()) s = AddSales("SRTJLN1", "SRTJLN2", "INVOICE", code, dos, 1, &figures);
    if (s.ok()) s = AddSales("RTJUAL1", "RTJUAL2", "NOMOR", code, dos, -1, &figures);
    return s.ok() ? Append(code, line, goods.Text("NAMA"), dos, figures) : s;
  }

  xbase::Status AddTargets(const std::string& code, double dos, ItemFigures* figures) {
    xbase::WorkArea& targets = Area("TARGET");
    std::vector<uint32_t> records;
    xbase::Status s = targets.SetOrder("TARGET3");
    if (s.ok()) s = targets.SeekAll(code, &records);
    const xbase::Date month_from = text::TGLAWAL(base_.ship), month_to = text::TGLAKHIR(base_.ship);
    const xbase::Date year_from = text::AWALTAHUN(base_.ship.year());
    for (const uint32_t record : records) {
      if (s = targets.GoTo(record); !s.ok()) return s;
      Progress(12, "target " + std::to_string(record));
      if (targets.Text("KDCB") != base_.branch) continue;
      const xbase::Date date = targets.DateOf("TANGGAL");
      const double cartons = Cartons(targets.Number("BGTQTY"), dos);
      if (date >= month_from && date <= month_to) figures->target_month += cartons;
      if (date >= year_from && date <= month_to) figures->target_cumulative += cartons;
    }
    return s;
  }

  xbase::Status AddStock(const std::string& code, double dos, ItemFigures* figures) {
    xbase::WorkArea& stock = Area("STOKBRG");
    std::vector<uint32_t> records;
    xbase::Status s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.SeekAll(code, &records);
    for (const uint32_t record : records) {
      if (s = stock.GoTo(record); !s.ok()) return s;
      if (Begins(stock.Text("GUDANG"), base_.warehouse)) figures->stock += Cartons(stock.Number("JUMLAH"), dos);
    }
    return s;
  }

  // The lines of the item in a document kind, each by its header's date; `sign` -1 for returns.
  xbase::Status AddSales(std::string_view header_table, std::string_view line_table, std::string_view number,
                         const std::string& code, double dos, double sign, ItemFigures* figures) {
    xbase::WorkArea& headers = Area(header_table);
    xbase::WorkArea& lines = Area(line_table);
    std::vector<uint32_t> records;
    xbase::Status s = lines.SetOrder(2);  // code + warehouse
    if (s.ok()) s = headers.SetOrder(1);  // number
    if (s.ok()) s = lines.SeekAll(code, &records);
    for (const uint32_t record : records) {
      if (s = lines.GoTo(record); !s.ok()) return s;
      const std::string document = lines.Text(number);
      Progress(30, document);
      if (s = headers.Seek(document); !s.ok()) return s;
      if (!headers.found()) continue;
      const xbase::Date date = headers.DateOf("TANGGAL");
      const double cartons = Cartons(lines.Number("QUANTITY"), dos);
      if (date >= last_year_from_ && date <= last_year_to_) figures->last_year += sign * cartons;
      if (date < this_year_from_ || date > base_.cut_off) continue;
      figures->this_year += sign * cartons;
      if (sign > 0) figures->largest = std::max(figures->largest, cartons);
      if (date >= last_month_from_) figures->last_month += sign * cartons;
    }
    return s;
  }

  xbase::Status Append(const std::string& code, const std::string& line, const std::string& name, double dos,
                       const ItemFigures& f) {
    xbase::WorkArea& plan = Area(kPlanAlias);
    const double average = f.this_year / base_.cut_off.month();
    std::vector<std::pair<std::string_view, xbase::Value>> fields = {
        {"KODE", xbase::Value::Text(code)},    {"PATRON", xbase::Value::Text(line)},
        {"NAMA", xbase::Value::Text(name)},    {"ISI_BOK", xbase::Value::Num(dos)},
        {"KDCB", xbase::Value::Text(base_.branch)}, {"TG_KIRIM", xbase::Value::FromDate(base_.ship)}};
    const auto add = [&](std::string_view field, double value) { fields.emplace_back(field, xbase::Value::Num(value)); };
    if (base_.kind == PlanKind::kForecast) {
      add("OMZ_THLL", f.last_year);
      add("OMZ_THINI", f.this_year);
      add("OMZ_TRTGI", f.largest);
      add("TGT_BLINI", f.target_month);
      add("OMZ_AVG", average);
      add("HR_KERJA", base_.per_page);
      add("LEAD_TIME", 21);
      add("BUF_STOCK", 7);
      add("STOCK_UPD", f.stock);
    } else {
      add("STOCK", f.stock);
      add("OMTHLKUM", f.last_year);
      add("TGBLNINI", f.target_month);
      add("TGBLNKUM", f.target_cumulative);
      add("OMBLITHI", f.last_month);
      add("OMTHIKUM", f.this_year);
      add("RT2OMBLN", average);
    }
    xbase::Status s = hooks_.append ? hooks_.append(plan) : plan.Append();
    for (const auto& [field, value] : fields) {
      if (s.ok()) s = plan.Put(field, value);
    }
    if (s.ok() && base_.kind == PlanKind::kD1) {
      // The reference order from the figures as stored, in whole cartons.
      const double reference = 2 * plan.Number("RT2OMBLN") - plan.Number("STOCK");
      s = plan.Put("ACUANODR", xbase::Value::Num(std::max(0.0, reference)));
    }
    const xbase::Status released = plan.Unlock();
    return s.ok() ? released : s;
  }

  xbase::Session& tables_;
  const PlanBase& base_;
  const PlanHooks& hooks_;
  const xbase::Date this_year_from_, last_year_from_, last_year_to_, last_month_from_;
};

}  // namespace

frame::OpenedTables OpenBaseTables(frame::Session& session) {
  std::vector<frame::TableUse> tables;
  for (const std::string_view name : kBaseTables) tables.push_back({name});
  return frame::OpenTables(session, tables);
}

xbase::Status FillPlan(xbase::Session& tables, const PlanBase& base, const PlanHooks& hooks) {
  for (const std::string_view alias : kBaseTables) {
    if (tables.Area(alias) == nullptr) return xbase::Status::NotFound("table not open", alias);
  }
  if (tables.Area(kPlanAlias) == nullptr) return xbase::Status::NotFound("table not open", kPlanAlias);
  return BaseRun(tables, base, hooks).Run();
}

}  // namespace purchasing
