// Opening a table for a screen: with retry while another workstation holds it, and with the
// catalog's index files in their fixed order, so that seeks find keys and writes keep them current.
#include "frame/open_table.h"

#include <cstdio>
#include <cstdlib>

#include "console/message.h"
#include "console/table_access.h"
#include "frame/status_display.h"
#include "schema/open_table.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace frame {

bool OpenTable(Session& session, std::string_view name, bool exclusive, std::string_view alias,
               xbase::WorkArea** area) {
  xbase::Session& tables = session.tables();
  return console::BUKAFILE(session.console(), tables, name, exclusive, kOpenWait, alias, area,
                           [&](xbase::WorkArea* opened) { return schema::OpenCatalogIndexes(tables, name, opened); });
}

xbase::Status RequireArea(Session& session, std::string_view alias, xbase::WorkArea** area) {
  *area = session.tables().Area(alias);
  return *area != nullptr ? xbase::Status::OK() : xbase::Status::InvalidArgument("table not open", alias);
}

xbase::WorkArea* AreaOf(Session& session, std::string_view alias) {
  xbase::WorkArea* area = nullptr;
  if (const xbase::Status s = RequireArea(session, alias, &area); !s.ok()) console::PESAN(session.console(), s.message());
  return area;
}

xbase::WorkArea& OpenedTables::operator[](std::string_view alias) const {
  for (const auto& [name, area] : areas_) {
    if (xbase::EqualsIgnoreCase(name, alias)) return *area;
  }
  std::fprintf(stderr, "palunda: table %.*s was not opened by this screen\n", static_cast<int>(alias.size()),
               alias.data());
  std::abort();
}

namespace {

// Sets the order a screen asked for, the first index file when it named none (a table without index
// files stays in natural order); a table lacking the named index file is told by its alias.
xbase::Status SetOrder(xbase::WorkArea& area, std::string_view order) {
  if (!order.empty()) return area.SetOrder(order);
  return area.orders().size() == 0 ? xbase::Status::OK() : area.SetOrder(1);
}

}  // namespace

OpenedTables OpenTables(Session& session, const std::vector<TableUse>& tables) {
  OpenedTables opened;
  std::vector<std::string> mine;  // the aliases this call opened, closed again at a failure
  bool failed = false;
  for (const TableUse& table : tables) {
    xbase::WorkArea* area = session.tables().Area(table.alias.empty() ? table.name : table.alias);
    if (area == nullptr) {
      if (!OpenTable(session, table.name, table.exclusive, table.alias, &area)) {
        failed = true;  // OpenTable told why, or the clerk gave up at the retry
        break;
      }
      mine.push_back(area->alias());
    }
    if (!Checked(session, SetOrder(*area, table.order))) {
      failed = true;
      break;
    }
    opened.areas_.emplace_back(area->alias(), area);
  }
  if (failed) {
    for (const std::string& alias : mine) session.tables().Close(alias).IgnoreError();  // only opened so far
    return OpenedTables();
  }
  opened.open_ = true;
  return opened;
}

xbase::Status CloseTables(Session& session, const xbase::Status& status) {
  const xbase::Status closed = session.tables().CloseAll();
  return status.ok() ? closed : status;
}

}  // namespace frame
