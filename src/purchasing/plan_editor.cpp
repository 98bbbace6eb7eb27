// The editor of a month's work table (the forecast's estimates, the D1 plan's orders) and its save.
#include "console/alert.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "frame/table_screen.h"
#include "purchasing/plan_save.h"
#include "purchasing/plan_screens.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;

constexpr const char* kIndexKeys[] = {"patron+kode", "kode"};

std::vector<console::EditorColumn> Columns(PlanKind kind) {
  if (kind == PlanKind::kForecast) {
    return {{"NAMA", "NAMA", "", false},
            {"OMZET;TLALU", "OMZ_THLL", "99999", false},
            {"OMSET;TERATAS", "OMZ_TRTGI", "99999", false},
            {"TARGET;BLNI", "TGT_BLINI", "99999"},
            {"AVG;OMZET", "OMZ_THINI", "99999", false},
            {"ESTM;JUAL", "ESTM_JUAL", "99999"},
            {"BRG;DIJLN", "BRG_DIJLN", "99999"},
            {"STK;UPDTE", "STOCK_UPD", "99999", false},
            {"ESTM;AKHIR", "ESTM_AKHR", "99999"}};
  }
  return {{"KODE", "KODE", "", false},
          {"NAMA", "NAMA", "", false},
          {"RATA2;/BLN", "RT2OMBLN", "99999", false},
          {"TARGET;BLINI", "TGBLNINI", "99999", false},
          {"TARGET;KUMM", "TGBLNKUM", "99999", false},
          {"STOCK", "STOCK", "99999", false},
          {"ACUAN;ORDER", "ACUANODR", "99999", false},
          {"ORDER;SEBELUM", "ORDEROLD", "99999", false},
          {"QTY;ORDER", "ORDERBLI", "999999"}};
}

void ShowIndexKey(console::Console& con, xbase::WorkArea& plan) {
  const int order = plan.OrderNumber();
  con.Say(23, 2, xbase::PadR("Indek Key : " + std::string(kIndexKeys[order == 2 ? 1 : 0]), 40));
}

// The branch of the work table to edit; false after Esc or an empty branch.
bool AskBranch(frame::Session& session, PlanKind kind, std::string* branch) {
  const xbase::Date today = session.Today();
  std::string name;
  xbase::Date ship = PlanShipDate(today);
  return AskReport(session, kind == PlanKind::kForecast ? "INPUT FORCAST CABANG" : "INPUT D1 CABANG", kCyanBox,
                   {{8, "Kode Cabang :", branch, "@!",
                     [&] {
                       if (xbase::IsBlank(*branch)) return true;
                       if (!KnownBranch(session, *branch)) return false;
                       name = PlanTableName(kind, *branch, today);
                       session.console().Say(9, 41, xbase::PadR(name, 18));
                       return true;
                     }},
                    {9, "Nama File :", &name, "", {}, true},
                    {10, "Tg. Kirim :", &ship, "", {}, true}}) &&
         !xbase::IsBlank(*branch);
}

// Asks and saves; true when the document was written.
bool Save(frame::Session& session, PlanKind kind, xbase::WorkArea& plan, const std::string& branch,
          const std::string& number) {
  xbase::Status s;
  const PlanDocument document = kind == PlanKind::kForecast ? ForecastDocument(session, plan, branch, number, &s)
                                                            : D1Document(session, plan, branch, number, &s);
  return frame::Checked(session, s) && SavePlanDocument(session, document);
}

}  // namespace

xbase::Status RunPlanEditor(frame::Session& session, PlanKind kind) {
  const frame::OpenedTables opened = kind == PlanKind::kForecast
                                         ? frame::OpenTables(session, {"SETUP", "FC_CBNG1", "FC_CBNG2"})
                                         : frame::OpenTables(session, {"SETUP", "D1CBNG1", "D1CBNG2"});
  if (!opened) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string branch(6, ' ');
  if (!AskBranch(session, kind, &branch)) return session.tables().CloseAll();
  branch = xbase::PadR(xbase::AllTrim(branch), 6);
  const std::string name = PlanTableName(kind, branch, session.Today());
  std::string prefix;
  xbase::WorkArea* plan = nullptr;
  if (!PlanTableExists(session, name)) {
    console::PESAN(con, "File " + name + " belum terbentuk");
  } else if (PlanNumberPrefix(session, branch, &prefix) && OpenPlanTable(session, name, &plan)) {
    const bool forecast = kind == PlanKind::kForecast;
    frame::EditorScreen screen;
    screen.title = forecast ? " INPUT FORCAST CABANG " : " INPUT D1 CABANG ";
    screen.columns = Columns(kind);
    screen.can_add = false;
    screen.options.window = {4, 2, 21, 77};
    screen.options.frozen = forecast ? 1 : 2;
    screen.options.footer = forecast ? "F10) Simpan, F2) Ganti Index, F4) Cari, " : "Esc) Selesai, F2) Ganti Index, F4) Cari, ";
    screen.options.end_keys = {key::kF10};
    screen.other_key = [&](int pressed) {
      if (pressed != key::kF2) return false;
      frame::ShowFailure(session, plan->SetOrder(plan->OrderNumber() == 1 ? 2 : 1));
      ShowIndexKey(con, *plan);
      return true;
    };
    const std::string question = forecast ? "Yakin data Forcast Cabang ini akan disimpan" : "Yakin data Approval akan disimpan";
    const std::string number = prefix + PeriodStamp(session.Today());
    for (;;) {
      ShowIndexKey(con, *plan);
      const int ended = frame::RunEditorScreen(session, *plan, screen);
      // The forecast leaves with Esc; the D1 plan asks at Esc as at F10, and "Tidak" leaves it unsaved.
      if (forecast && ended == key::kEsc) break;
      const int answer = console::Alert(con, question, {"Ya", "Tidak"});
      if (answer == 1 && Save(session, kind, *plan, branch, number)) break;
      if (answer == 2 && !forecast) break;
    }
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
