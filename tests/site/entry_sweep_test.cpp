// Every menu entry, opened by the administrator in a new and in the demonstration data folder, once
// with Esc alone and once taking with Enter whatever each box offers: every screen comes to its end,
// none keeps asking for keys it is never given, and none reads a field its tables lack. The sanitized
// build runs the same entries under its checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "frame/login.h"
#include "platform/fake_printers.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"

namespace site {
namespace {

// Reads after the script ran out that a screen may take to come back to its caller: Esc in every box
// of a deep screen and the confirmations on the way out.
constexpr int kReadsToLeave = 300;

struct Endless : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A scripted terminal that gives up, by throwing, on a screen that does not end on Esc.
class BoundedTerminal : public console::ScriptedTerminal {
 public:
  BoundedTerminal(std::vector<int> keys, console::ManualClock* clock) : ScriptedTerminal(std::move(keys), clock) {}
  int ReadKey(int timeout_ms) override {
    const int key = ScriptedTerminal::ReadKey(timeout_ms);
    if (overruns() > kReadsToLeave) throw Endless(Dump(cells()));
    return key;
  }
};

const frame::ProcedureRegistry& Registry() {
  static const frame::ProcedureRegistry registry = [] {
    frame::ProcedureRegistry made;
    RegisterAllProcedures(made);
    return made;
  }();
  return registry;
}

std::vector<std::string> Groups() {
  std::vector<std::string> groups;
  for (const frame::EntryInfo& entry : Registry().entries()) {
    if (std::find(groups.begin(), groups.end(), entry.group) == groups.end()) groups.push_back(entry.group);
  }
  return groups;
}

struct Sweep {
  std::string group;
  bool demo;
};

void PrintTo(const Sweep& sweep, std::ostream* out) { *out << sweep.group << (sweep.demo ? " (demo)" : " (new)"); }

std::string SweepName(const ::testing::TestParamInfo<Sweep>& info) {
  std::string name = info.param.demo ? "Demo_" : "New_";
  for (char c : info.param.group) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

std::vector<Sweep> Sweeps() {
  std::vector<Sweep> sweeps;
  for (bool demo : {false, true}) {
    for (const std::string& group : Groups()) sweeps.push_back({group, demo});
  }
  return sweeps;
}

class EntrySweepTest : public ::testing::TestWithParam<Sweep> {
 protected:
  EntrySweepTest() : data_(root_.File("data")) {
    const xbase::Status made = MakeDataFolder(data_, support::TestOptions(Registry(), GetParam().demo), nullptr);
    EXPECT_TRUE(made.ok()) << made.ToString();
    // Report files and settings a screen writes beside the program stay in the test's own folder.
    std::filesystem::current_path(root_.path());
  }

  // Runs one entry as the administrator on `keys`; a failure names the entry and what it showed.
  void Run(const frame::EntryInfo& entry, std::vector<int> keys, const char* how) {
    console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
    BoundedTerminal term(std::move(keys), &clock);
    console::Console con(term, clock);
    frame::Session session(con, Registry(), "WS-TEST");
    session.services().UseDevices(std::make_unique<platform::FakeRawPrinter>("spool/LX300"),
                                  std::make_unique<platform::FakePrintSystem>(std::vector<std::string>{"Laser"}, "Laser"));
    session.DRVDATA_ = data_ + "/";
    ASSERT_TRUE(frame::LoadLoginSettings(session)) << console::ScriptedTerminal::Dump(term.cells());
    session.MMEMBER.nik = kAdminNik;
    session.MMEMBER.name = kAdminName;
    session.MMEMBER.level = 1;
    session.MMEMBER.rights = kAdminRights;
    const std::string call = entry.MenuCall();
    SCOPED_TRACE(call + " (" + how + ")");
    try {
      const xbase::Status status = Registry().Run(session, call);
      (void)status;  // a refusal is the screen's own answer; the menu shows it on row 24
      session.CloseTables();
    } catch (const Endless& shown) {
      ADD_FAILURE() << call << " (" << how << ") does not end on Esc; it shows:\n" << shown.what();
    } catch (const std::exception& fault) {
      ADD_FAILURE() << call << " (" << how << ") ends in " << fault.what() << "; it shows:\n"
                    << console::ScriptedTerminal::Dump(term.cells());
    }
    EXPECT_TRUE(session.tables().field_faults().empty())
        << call << " (" << how << ") reads fields its tables lack: "
        << ::testing::PrintToString(session.tables().field_faults());
  }

  support::TempFolder root_;
  std::string data_;
};

// Screens left by a choice rather than by Esc (Esc at their last question goes back to their fields),
// with the keys that choose to leave.
const std::map<std::string, std::vector<int>> kLeftByChoice = {
    {"SETMRGN", {console::key::kEsc, console::key::kRight, console::key::kEnter}},
};

TEST_P(EntrySweepTest, EveryEntryEndsOnEscAndOnTheAnswersOffered) {
  using namespace console::key;
  const std::vector<int> offered(12, kEnter);
  // Lists asked for, a character typed into each, a row taken, and yes to what is asked.
  const std::vector<int> typed = {'?', 'A', kEnter, kDown, kEnter, '1', kEnter, kF2, kEnter, kEnter,
                                  kF10, 'Y', kEnter, kDel, kF4, kEnter, 'Y', kEnter};
  for (const frame::EntryInfo& entry : Registry().entries()) {
    if (entry.group != GetParam().group) continue;
    const auto choice = kLeftByChoice.find(entry.name);
    Run(entry, choice == kLeftByChoice.end() ? std::vector<int>{} : choice->second, "Esc");
    Run(entry, offered, "Enter");
    Run(entry, typed, "typed");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryGroup, EntrySweepTest, ::testing::ValuesIn(Sweeps()), SweepName);

}  // namespace
}  // namespace site
