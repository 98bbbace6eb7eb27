// Opening a table for a screen: with retry while another workstation holds it, and with the
// catalog's index files in their fixed order, so that seeks find keys and writes keep them current.
#ifndef PALUNDA_FRAME_OPEN_TABLE_H_
#define PALUNDA_FRAME_OPEN_TABLE_H_

#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The seconds each retry of an open waits for the user's Esc.
inline constexpr int kOpenWait = 5;

// BUKAFILE with the table's index files: true when the table and its indexes are open; the new area
// goes to *area when asked for.
bool OpenTable(Session& session, std::string_view name, bool exclusive = false, std::string_view alias = {},
               xbase::WorkArea** area = nullptr);

// The work area open under `alias`; when there is none, a message on row 24 names it and null comes back.
xbase::WorkArea* AreaOf(Session& session, std::string_view alias);

// A table to open: its name, the alias it is known by (its name when empty), whether exclusively.
struct TableUse {
  std::string_view name;
  std::string_view alias = {};
  bool exclusive = false;
};

// Opens the tables with their catalog index files (retrying while another workstation holds one),
// each on its first index; at the first refusal every table is closed and false comes back.
bool OpenTables(Session& session, const std::vector<TableUse>& tables);

// Closes every table of the session at the end of a screen: `status`, or when it is OK, the failure of a close.
xbase::Status CloseTables(Session& session, const xbase::Status& status);

}  // namespace frame

#endif  // PALUNDA_FRAME_OPEN_TABLE_H_
