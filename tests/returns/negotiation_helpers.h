// A data folder for the negotiation-minute tests: the minute tables and their lookups, with branch
// JKT001 (minute counter at 41), customer C0001, employee E001, PEC number PEC1, goods group G1 and
// good BRG01 (price 1000, purchase cost 700, average cost 650), on a session with the tables open.
#ifndef PALUNDA_TESTS_RETURNS_NEGOTIATION_HELPERS_H_
#define PALUNDA_TESTS_RETURNS_NEGOTIATION_HELPERS_H_

#include <string>
#include <vector>

#include "returns/negotiation.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace returns::testing {

std::vector<std::string> NegotiationTables();

struct NegotiationSite {
  NegotiationSite();
  // Closes every table and opens the minute tables again, as each screen does.
  void Reopen();
  // RecordsOf `table`.
  std::vector<std::string> Contents(const std::string& table);
  // The last message shown on row 24.
  std::string Message();

  support::TempDataFolder folder{NegotiationTables()};
  support::SessionRig rig;
  frame::OpenedTables tables;  // as Reopen opened them
};

// A new minute of branch JKT001 for customer C0001 with two products (2 x 5,000,000 with two
// details, 3 x 1,000,000 with one), a schedule of `scheduled` pieces and a payment of 30 %.
Minute TwoProductMinute(double scheduled);

}  // namespace returns::testing

#endif  // PALUNDA_TESTS_RETURNS_NEGOTIATION_HELPERS_H_
