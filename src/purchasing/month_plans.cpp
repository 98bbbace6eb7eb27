// The month's work tables made outside a screen, for a new data folder.
#include "purchasing/plan_base.h"
#include "purchasing/plan_tables.h"
#include "purchasing/purchasing.h"
#include "schema/open_table.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

xbase::Status OpenBase(xbase::Session& tables) {
  for (const std::string_view name : kBaseTables) {
    xbase::WorkArea* area = nullptr;
    xbase::Status s = tables.Use(name, "", xbase::OpenMode::kShared, &area);
    if (s.ok()) s = schema::OpenCatalogIndexes(tables, name, area);
    if (s.ok()) s = area->SetOrder(1);
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

// Puts the typed figure of each item into `field` of its row.
xbase::Status Type(xbase::WorkArea& plan, std::string_view field, const std::vector<std::pair<std::string, double>>& typed) {
  xbase::Status s = plan.SetOrder(2);
  for (const auto& [code, figure] : typed) {
    if (s.ok()) s = plan.Seek(plan.PadToField("KODE", code));
    if (!s.ok() || !plan.found()) continue;
    s = plan.Lock();
    if (s.ok()) s = plan.Put(field, xbase::Value::Num(figure));
    const xbase::Status released = plan.Unlock();
    if (s.ok()) s = released;
  }
  return s;
}

}  // namespace

xbase::Status MakeMonthPlans(const std::string& folder, std::string_view branch, xbase::Date today,
                             const std::vector<std::pair<std::string, double>>& typed) {
  xbase::Session tables(xbase::SearchPath({folder}));
  xbase::Status s = OpenBase(tables);
  for (const PlanKind kind : {PlanKind::kForecast, PlanKind::kD1}) {
    PlanBase base;
    base.kind = kind;
    base.branch = xbase::PadR(xbase::AllTrim(branch), 6);
    base.warehouse = std::string(6, ' ');
    base.cut_off = PlanCutOff(today);
    base.ship = PlanShipDate(today);
    base.per_page = 25;
    const std::string name = PlanTableName(kind, branch, today);
    xbase::WorkArea* plan = nullptr;
    if (s.ok()) s = MakePlanTable(tables, kind, name);
    if (s.ok()) s = tables.Use(name, kPlanAlias, xbase::OpenMode::kShared, &plan);
    if (s.ok()) s = OpenPlanIndexes(tables, name, plan);
    if (s.ok()) s = FillPlan(tables, base, {});
    if (s.ok()) s = Type(*plan, kind == PlanKind::kForecast ? "ESTM_JUAL" : "ORDERBLI", typed);
    if (plan != nullptr) {
      const xbase::Status closed = tables.Close(kPlanAlias);
      if (s.ok()) s = closed;
    }
  }
  const xbase::Status closed = tables.CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace purchasing
