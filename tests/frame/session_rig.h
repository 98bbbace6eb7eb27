// A frame session on a scripted terminal, with a clock standing at 08-12-2026 09:00:00.
#ifndef PALUNDA_TESTS_FRAME_SESSION_RIG_H_
#define PALUNDA_TESTS_FRAME_SESSION_RIG_H_

#include <vector>

#include "console/console.h"
#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"

namespace frame {

struct SessionRig {
  explicit SessionRig(std::vector<int> keys = {}, bool colour = true)
      : clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}),
        term(std::move(keys), &clock, colour),
        con(term, clock),
        session(con, registry, "WS-TEST") {}

  console::ManualClock clock;
  console::ScriptedTerminal term;
  console::Console con;
  ProcedureRegistry registry;
  Session session;
};

}  // namespace frame

#endif  // PALUNDA_TESTS_FRAME_SESSION_RIG_H_
