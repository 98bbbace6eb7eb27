// Opening a table for a screen: with retry while another workstation holds it, and with the
// catalog's index files in their fixed order, so that seeks find keys and writes keep them current.
#include "frame/open_table.h"

#include "console/message.h"
#include "console/table_access.h"
#include "schema/open_table.h"

namespace frame {

bool OpenTable(Session& session, std::string_view name, bool exclusive, std::string_view alias,
               xbase::WorkArea** area) {
  xbase::Session& tables = session.tables();
  return console::BUKAFILE(session.console(), tables, name, exclusive, kOpenWait, alias, area,
                           [&](xbase::WorkArea* opened) { return schema::OpenCatalogIndexes(tables, name, opened); });
}

xbase::WorkArea* AreaOf(Session& session, std::string_view alias) {
  xbase::WorkArea* area = session.tables().Area(alias);
  if (area == nullptr) console::PESAN(session.console(), "table not open: " + std::string(alias));
  return area;
}

bool OpenTables(Session& session, const std::vector<TableUse>& tables) {
  for (const TableUse& table : tables) {
    xbase::WorkArea* area = nullptr;
    if (!OpenTable(session, table.name, table.exclusive, table.alias, &area) || !area->SetOrder(1).ok()) {
      session.tables().CloseAll().IgnoreError();  // the refusal was told; the run ends here
      return false;
    }
  }
  return true;
}

xbase::Status CloseTables(Session& session, const xbase::Status& status) {
  const xbase::Status closed = session.tables().CloseAll();
  return status.ok() ? closed : status;
}

}  // namespace frame
