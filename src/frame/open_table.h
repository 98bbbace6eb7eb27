// Opening a table for a screen: with retry while another workstation holds it, and with the
// catalog's index files in their fixed order, so that seeks find keys and writes keep them current.
#ifndef PALUNDA_FRAME_OPEN_TABLE_H_
#define PALUNDA_FRAME_OPEN_TABLE_H_

#include <string>
#include <string_view>
#include <utility>
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

// *area := the work area open under `alias`; when there is none, *area is null and the status names the
// alias ("table not open: alias"). The one lookup of a table by alias that a caller passes on as a status.
xbase::Status RequireArea(Session& session, std::string_view alias, xbase::WorkArea** area);

// The work area open under `alias`; when there is none, a message on row 24 names it and null comes back.
xbase::WorkArea* AreaOf(Session& session, std::string_view alias);

// A table a screen opens: its name, the alias it is known by (its name when empty), whether
// exclusively, and the index file that controls it (the first of its catalog indexes when empty).
// A plain name stands for the table opened shared under its name.
struct TableUse {
  constexpr TableUse(std::string_view table, std::string_view known_as = {}, bool alone = false,
                     std::string_view controlling = {})
      : name(table), alias(known_as), exclusive(alone), order(controlling) {}
  constexpr TableUse(const char* table) : TableUse(std::string_view(table)) {}

  std::string_view name;
  std::string_view alias;
  bool exclusive;
  std::string_view order;
};

// The work areas of the tables a screen opened, by alias: each one was checked open when the list
// was opened. False as a whole when the opening failed (and then it holds none).
class OpenedTables {
 public:
  OpenedTables() = default;

  explicit operator bool() const { return open_; }

  // The area opened under `alias` (any case). Asking for an alias the screen did not list is a
  // fault of the program: it ends with a message naming the alias.
  xbase::WorkArea& operator[](std::string_view alias) const;

 private:
  friend OpenedTables OpenTables(Session& session, const std::vector<TableUse>& tables);

  bool open_ = false;
  std::vector<std::pair<std::string, xbase::WorkArea*>> areas_;
};

// Opens a screen's tables in the order listed, each with its catalog index files (retrying while
// another workstation holds one, as OpenTable) and its order set. A table already open under its
// alias is taken as it is, with its order set. The first failure (a missing table or index file, a
// damaged one, an order that cannot be set) is shown on row 24 naming the file; Esc at the retry gives
// up quietly. Either way every table this call opened is closed again and an empty set comes back.
OpenedTables OpenTables(Session& session, const std::vector<TableUse>& tables);

// Closes every table of the session at the end of a screen: `status`, or when it is OK, the failure of a close.
xbase::Status CloseTables(Session& session, const xbase::Status& status);

}  // namespace frame

#endif  // PALUNDA_FRAME_OPEN_TABLE_H_
