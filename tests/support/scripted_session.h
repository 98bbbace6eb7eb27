// A console or a whole frame session on a scripted terminal, with a clock that tests set, and what
// the screens showed.
#ifndef PALUNDA_TESTS_SUPPORT_SCRIPTED_SESSION_H_
#define PALUNDA_TESTS_SUPPORT_SCRIPTED_SESSION_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "platform/fake_printers.h"

namespace support {

// A console on a scripted terminal and a clock that stands at 31-01-2024 09:00:00.
struct ConsoleRig {
  explicit ConsoleRig(std::vector<int> keys = {}, bool colour = true)
      : clock({xbase::Date::FromYmd(2024, 1, 31), 9 * 3600}), term(std::move(keys), &clock, colour), con(term, clock) {}

  console::ManualClock clock;
  console::ScriptedTerminal term;
  console::Console con;
};

// A frame session (workstation "WS-TEST") on a scripted terminal, with a clock standing at
// 08-12-2026 09:00:00, a registry of its own and fake printers: a dot-matrix sink and the page
// printers "Laser" (the default) and "Matrix". When it ends, the test fails if a typed getter was
// asked for a field its table lacks (or one of another type).
struct SessionRig {
  explicit SessionRig(std::vector<int> keys = {}, bool colour = true)
      : clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}),
        term(std::move(keys), &clock, colour),
        con(term, clock),
        session(con, registry, "WS-TEST") {
    auto raw = std::make_unique<platform::FakeRawPrinter>("spool/LX300");
    auto pages = std::make_unique<platform::FakePrintSystem>(std::vector<std::string>{"Laser", "Matrix"}, "Laser");
    dot_matrix = raw.get();
    printers = pages.get();
    session.services().UseDevices(std::move(raw), std::move(pages));
  }
  ~SessionRig() {
    EXPECT_TRUE(session.tables().field_faults().empty())
        << "fields read that the tables lack: " << ::testing::PrintToString(session.tables().field_faults());
  }
  SessionRig(const SessionRig&) = delete;
  SessionRig& operator=(const SessionRig&) = delete;

  console::ManualClock clock;
  console::ScriptedTerminal term;
  console::Console con;
  frame::ProcedureRegistry registry;
  frame::Session session;
  platform::FakeRawPrinter* dot_matrix = nullptr;
  platform::FakePrintSystem* printers = nullptr;
};

// True when some row of some screen the terminal showed holds `text`.
bool Shown(const console::ScriptedTerminal& term, const std::string& text);
// True when row `row` of some screen the terminal showed holds `text`.
bool ShownOnRow(const console::ScriptedTerminal& term, int row, const std::string& text);

// True when some screen showed `text` whole: on one row, or wrapped at blanks over rows that follow
// each other (the lines of a message box, without its borders).
bool ShownWhole(const console::ScriptedTerminal& term, const std::string& text);

// The keys of several parts in a row.
std::vector<int> Keys(std::initializer_list<std::vector<int>> parts);
// The keys of a typed line ending in Enter.
std::vector<int> Line(std::string_view text);
// The keys of a NIK and a password, each ending in Enter.
std::vector<int> Login(std::string_view nik, std::string_view password);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_SCRIPTED_SESSION_H_
