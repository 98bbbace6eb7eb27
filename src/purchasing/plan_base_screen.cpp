// The question box and flow of the base runs of the forecast and the D1 plan.
#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "purchasing/plan_base.h"
#include "purchasing/plan_prints.h"
#include "purchasing/plan_screens.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

// The box of a base run; false after Esc or with an empty branch.
bool AskBase(frame::Session& session, PlanBase* base) {
  const bool forecast = base->kind == PlanKind::kForecast;
  std::string first(10, ' '), second(10, ' ');
  base->warehouse = std::string(6, ' ');
  const xbase::Date today = session.Today();
  base->cut_off = PlanCutOff(today);
  base->ship = PlanShipDate(today);
  const bool read = AskReport(
      session, forecast ? "PROSES DASAR INPUT FORCAST" : "PROSES DASAR INPUT D1", kCyanBox,
      {{8, "Kode Cabang :", &base->branch, "@!"},
       {9, "Kode Relasi :", &first, "@!",
        [&] {
          if (xbase::IsBlank(first)) return pickers::Refuse(session, "Kode Relasi harus diisi");
          second = first;
          return true;
        }},
       {10, "Kode Relasi :", &second, "@!"},
       {11, "Kode Gudang :", &base->warehouse, "@!"},
       {12, "s/d Tanggal :", &base->cut_off, "", {}, true},
       {13, "Tg. Kirim :", &base->ship, "", {}, true},
       {14, "Baris/Hal :", &base->per_page, "999"}});
  return read && !xbase::IsBlank(base->branch);
}

// Makes the work table of the month anew ("Create Ulang" when it is there) and fills it.
bool BuildPlan(frame::Session& session, const PlanBase& base) {
  console::Console& con = session.console();
  const std::string name = PlanTableName(base.kind, base.branch, session.Today());
  if (PlanTableExists(session, name) &&
      console::Alert(con, "File " + name + " sudah terbentuk", {"Create Ulang", "Batal"}) != 1) {
    return false;
  }
  xbase::WorkArea* plan = nullptr;
  if (!CreatePlanTable(session, base.kind, name, &plan)) return false;
  console::ScreenKeeper keep(con);
  PlanHooks hooks;
  hooks.progress = [&](int column, std::string_view text) { con.Say(23, column, std::string(text)); };
  hooks.append = [&](xbase::WorkArea& area) { return console::APP_REC(con, area); };
  const xbase::Status filled = FillPlan(session.tables(), base, hooks);
  const xbase::Status closed = session.tables().Close(kPlanAlias);
  return frame::Checked(session, filled.ok() ? closed : filled);
}

}  // namespace

xbase::Status RunPlanBase(frame::Session& session, PlanKind kind) {
  if (!OpenBaseTables(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  PlanBase base;
  base.kind = kind;
  base.branch = kind == PlanKind::kForecast ? "B223  " : "B218  ";
  if (AskBase(session, &base)) {
    base.branch = xbase::PadR(xbase::AllTrim(base.branch), 6);
    if (BuildPlan(session, base) && kind == PlanKind::kD1) PrintD1Base(session, base);
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
