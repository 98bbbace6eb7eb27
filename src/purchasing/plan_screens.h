// What the forecast and D1 screens share: the day limits of their entries, the branch question, the
// base run's flow and the work table's editor and save.
#ifndef PALUNDA_PURCHASING_PLAN_SCREENS_H_
#define PALUNDA_PURCHASING_PLAN_SCREENS_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "purchasing/plan_tables.h"
#include "xbase/status.h"

namespace purchasing {

// The alerts of the day limits.
inline constexpr std::string_view kD1DayAlert =
    "PLANNING D1 dibuat Maksimal Tanggal 5 tiap bulan; permintaan diluar TANGGAL tersebut, diinput di D1 TAMBAHAN";
inline constexpr std::string_view kForecastBaseDayAlert =
    "FORCAST dibuat Maksimal Tanggal 5 tiap bulan; permintaan diluar TANGGAL tersebut, diinput di D1 TAMBAHAN";
inline constexpr std::string_view kForecastEditDayAlert =
    "FORCAST dibuat Maksimal Tanggal 15 tiap bulan; permintaan diluar TANGGAL tersebut, diinput di D1 TAMBAHAN";

// False after showing `alert` when today is after day `last_day` of its month.
bool WithinDayLimit(frame::Session& session, int last_day, std::string_view alert);

// True when the branch typed is a SETUP key; otherwise says so (or shows the failed read) and gives false.
bool KnownBranch(frame::Session& session, std::string_view branch);

// The prefix of the plan documents of a branch: TRIM(KET) of the SETUP row "D1NU" + branch (`setup`
// open); false after "Setup nomerator " + branch + " belum ada" when there is none, or after showing a
// failed read.
bool PlanNumberPrefix(frame::Session& session, std::string_view branch, std::string* prefix);

// The base run of a plan: its question box (Esc or an empty branch leaves), the work table of the
// month made anew and filled; the D1 plan is then printed.
xbase::Status RunPlanBase(frame::Session& session, PlanKind kind);

// The editor of the month's work table of a branch and its save as a plan document.
xbase::Status RunPlanEditor(frame::Session& session, PlanKind kind);

// The print of a work table of the kind, chosen by its file name, until Esc or an empty name.
xbase::Status RunPlanPrint(frame::Session& session, PlanKind kind);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PLAN_SCREENS_H_
