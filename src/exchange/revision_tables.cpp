// The transfer tables of delivery-note revisions, dtsj1 (headers), dtsj2 (lines) and dtsj3, with their index files.
#include "exchange/revision_tables.h"

#include <iterator>
#include <vector>

#include "console/message.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "frame/status_display.h"
#include "schema/create_table.h"
#include "schema/export_set.h"

namespace exchange {

namespace {

void CloseRevisionTables(frame::Session& session) {
  for (const char* opened : kRevisionTables) {
    if (session.tables().Area(opened) == nullptr) continue;
    frame::ShowFailure(session, session.tables().Close(opened));
  }
}

}  // namespace

frame::OpenedTables OpenRevisionTables(frame::Session& session, const std::string& folder, bool exclusive,
                                       const std::vector<frame::TableUse>& live) {
  for (const char* name : kRevisionTables) {
    if (!documents::OpenTransferTable(session, folder, name, exclusive, true, nullptr)) {
      CloseRevisionTables(session);
      return frame::OpenedTables();
    }
  }
  // Every table is open by now: the opener only hands them back, each on its first index.
  std::vector<frame::TableUse> all = live;
  all.insert(all.end(), std::begin(kRevisionTables), std::end(kRevisionTables));
  frame::OpenedTables opened = frame::OpenTables(session, all);
  if (!opened) CloseRevisionTables(session);
  return opened;
}

xbase::Status CreateRevisionTables(const std::string& folder) {
  const char* mirrored[] = {"exsjl1", "exsjl2", "exsjl3"};
  for (size_t t = 0; t < 3; ++t) {
    for (const schema::ExportTableDef& table : schema::ExportSet()) {
      if (std::string_view(table.file) != mirrored[t]) continue;
      const std::vector<schema::FieldDef> fields = schema::ExportLayout(table);
      const schema::IndexDef index[] = {{kRevisionTables[t], "invoice"}};
      if (xbase::Status s = schema::CreateTable({kRevisionTables[t], fields, index}, folder); !s.ok()) return s;
    }
  }
  return xbase::Status::OK();
}

}  // namespace exchange
