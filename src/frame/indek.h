// The index rebuild: the administrator chooses tables of the data folder, and each chosen table is packed
// and every index file of the catalog's rebuild list is built anew, with the progress of each index shown.
#ifndef PALUNDA_FRAME_INDEK_H_
#define PALUNDA_FRAME_INDEK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "frame/session.h"
#include "schema/catalog.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// One table of the rebuild list as the folder listing shows it.
struct RebuildChoice {
  const schema::TableDef* table = nullptr;
  bool selected = false;
  std::string file;        // the table name followed by ".DBF"
  uintmax_t size = 0;      // bytes; 0 when the table is in neither folder
  xbase::Date date;        // day of the last change; empty when in neither folder
  std::string time;        // "hh:mm:ss" of the last change; empty when in neither folder
  std::string folder;      // where the table was found; empty when in neither folder
};

// The rebuild list in its order, each table with the size, date, time and folder of its file in the data
// folder or else in the data sub-folder (STP slot 13).
std::vector<RebuildChoice> RebuildChoices(Session& session);

// The menu screen: the table list, the confirmation, then the pack and rebuild of the chosen tables.
xbase::Status INDEK(Session& session, const std::vector<xbase::Value>& args);

// Packs and rebuilds the selected tables of `choices` in list order. A table another workstation holds is
// waited for with the retry line and skipped when the user gives up; a rebuild that fails part way is
// reported and ends the run. False when that happened.
bool REINDEKS(Session& session, const std::vector<RebuildChoice>& choices);

// The progress counters of one index build: records done (JC) of all the records.
struct IndexProgress {
  uint32_t records = 0;
  uint32_t JC = 0;
  int blocks_shown = -1;  // length of the bar last drawn
};

// Draws the progress box of index file `name` and resets the counters for `records` records.
void JINDEX(console::Console& con, std::string_view name, uint32_t records, IndexProgress* progress);

// One more record done: the record count, the records done, the percentage and the bar (one full block per
// fiftieth of the records) are drawn and shown whenever the bar grows and at the last record. True.
bool FINDEX(console::Console& con, IndexProgress* progress);

}  // namespace frame

#endif  // PALUNDA_FRAME_INDEK_H_
