// A demonstration data folder made afresh for a save benchmark, and the demo user's session on it.
#ifndef PALUNDA_BENCH_DEMO_WORKSTATION_H_
#define PALUNDA_BENCH_DEMO_WORKSTATION_H_

#include <filesystem>
#include <string>

#include "console/clock.h"
#include "console/console.h"
#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace bench {

// The demo folder `name` under the temporary folder, made anew as of 8 December 2026 (`made` tells
// whether it was), with a session of the demo user searching it; the folder goes at the end.
class DemoWorkstation {
 public:
  explicit DemoWorkstation(const std::string& name)
      : dir_((std::filesystem::temp_directory_path() / name).string()),
        made_(MakeAfresh(dir_)),
        clock_({Today(), 9 * 3600}),
        terminal_({}, &clock_),
        con_(terminal_, clock_),
        session_(con_, registry_, "BENCH") {
    session_.SetSearchPath(dir_);
    session_.MMEMBER.nik = site::kDemoNik;
  }
  ~DemoWorkstation() {
    session_.CloseTables();
    std::filesystem::remove_all(dir_);
  }
  DemoWorkstation(const DemoWorkstation&) = delete;
  DemoWorkstation& operator=(const DemoWorkstation&) = delete;

  const xbase::Status& made() const { return made_; }
  frame::Session& session() { return session_; }

 private:
  static xbase::Date Today() { return xbase::Date::FromYmd(2026, 12, 8); }

  static xbase::Status MakeAfresh(const std::string& dir) {
    std::filesystem::remove_all(dir);
    site::DataFolderOptions options;
    options.demo = true;
    options.today = Today();
    return site::MakeDataFolder(dir, options, nullptr);
  }

  std::string dir_;
  xbase::Status made_;
  console::ManualClock clock_;
  console::ScriptedTerminal terminal_;
  console::Console con_;
  frame::ProcedureRegistry registry_;
  frame::Session session_;
};

}  // namespace bench

#endif  // PALUNDA_BENCH_DEMO_WORKSTATION_H_
