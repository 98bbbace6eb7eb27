// SETKPI: the PP, PA and PA K3 minimums of a year for each job title, kept in SETUP.
#include <array>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/status_display.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "xbase/number_text.h"

namespace performance {
namespace {

constexpr std::array<const char*, 3> kKinds = {"KPP", "KPA", "KK3"};
constexpr std::array<const char*, 8> kTitleNames = {"Sales TM",   "Supervisor TM", "Deputy TM", "Branch Manager TM",
                                                    "Sales MM",   "Supervisor MM", "Deputy MM", "Branch Manager MM"};

using Minimums = std::array<std::array<double, 3>, 8>;

xbase::Status Load(frame::Session& session, int year, Minimums* values) {
  xbase::Status s;
  for (size_t title = 0; s.ok() && title < kKpiTitles.size(); ++title) {
    for (size_t kind = 0; s.ok() && kind < kKinds.size(); ++kind) {
      s = ReadSetupNumber(session, KpiKey(kKinds[kind], year, kKpiTitles[title]), &(*values)[title][kind]);
    }
  }
  return s;
}

}  // namespace

xbase::Status SETKPI(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OpenTables(session, {{"SETUP"}})) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  double year = ProcessMonthStart(session).year();
  for (;;) {
    console::ISHADOW(con, 3, 8, 19, 71, colour);
    console::TENGAH(con, 4, "Key Performance Indicator", colour);
    con.Say(6, 10, "TAHUN :", con.Colour(colour));
    console::GetList ask;
    ask.Add(6, 18, &year, "9999").valid = [&] { return year >= 1900; };
    ask.Display(con);
    if (ask.Read(con).escaped) break;
    const int kpi_year = static_cast<int>(year);
    // Minimums that could not be read are never offered as zeros to be saved over the stored ones.
    Minimums values{};
    if (!frame::Checked(session, Load(session, kpi_year, &values))) continue;
    con.Say(8, 10, "JABATAN                          PP           PA        PA K3", con.Colour(colour));
    console::GetList form;
    for (size_t title = 0; title < kKpiTitles.size(); ++title) {
      const int row = 9 + static_cast<int>(title);
      con.Say(row, 10, std::string(kKpiTitles[title]) + " " + kTitleNames[title], con.Colour(colour));
      for (size_t kind = 0; kind < kKinds.size(); ++kind) {
        form.Add(row, 33 + 13 * static_cast<int>(kind), &values[title][kind], "999,999,999");
      }
    }
    form.Display(con);
    if (form.Read(con).escaped) continue;
    const int answer = console::PESAN(con, "Yakin data sudah benar (Y/T)");
    if (answer != 'Y' && answer != 'y') continue;
    xbase::Status status;
    for (size_t title = 0; status.ok() && title < kKpiTitles.size(); ++title) {
      for (size_t kind = 0; status.ok() && kind < kKinds.size(); ++kind) {
        status = StoreSetupText(session, KpiKey(kKinds[kind], kpi_year, kKpiTitles[title]),
                                xbase::Str(values[title][kind], 10));
      }
    }
    frame::ShowFailure(session, status);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
