// The tables a sales screen opens before its form shows.
#include "sales/screen_tables.h"

#include "frame/open_table.h"

namespace sales {

bool OpenScreenTables(frame::Session& session, std::initializer_list<const char*> tables) {
  for (const char* table : tables) {
    if (!frame::OpenTable(session, table)) {
      session.CloseTables();
      return false;
    }
  }
  return true;
}

}  // namespace sales
