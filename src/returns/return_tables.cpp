// What the return and approval screens share: opening their tables, exact seeks, the exchange folder
// of the return requests and the request files kept there.
#include "returns/return_tables.h"

#include "console/message.h"
#include "console/table_access.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "xbase/keyed_read.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace returns {

void DrawEntryScreen(console::Console& con, std::string_view title, std::initializer_list<Label> labels) {
  con.SetColour(con.Pick("W+/b,N/W,,,W+/b", "W/n,N/W,,,W/n"));
  const console::Attr attr = con.colours().standard;
  con.Clear(0, 0, 23, 79, attr);
  con.Say(0, 0, xbase::PadC(title, 80), con.colours().enhanced);
  for (const Label& label : labels) con.Say(label.row, label.col, label.text, attr);
}

xbase::Status SeekExact(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view text,
                        bool* found) {
  return xbase::SeekFound(area, order, area.PadToField(field, xbase::RTrim(text)), found);
}

xbase::Status StoredExchangeFolder(frame::Session& session, std::string* folder) {
  std::string stored;
  bool found = false;
  const xbase::Status s = pickers::SetupRow(session, "DT-TAMPUNG", &found, nullptr, &stored);
  *folder = xbase::PadR(xbase::RTrim(stored), 60);
  return s;
}

bool RequestFilesThere(frame::Session& session, std::string_view folder) {
  std::string path;
  return xbase::FindInFolder(frame::FolderPath(session, folder), xbase::WithExtension(kRequestLines, "dbf"), &path).ok();
}

xbase::WorkArea* OpenExchangeTable(frame::Session& session, std::string_view folder, const char* name) {
  const std::string local = frame::FolderPath(session, folder);
  const auto index = [&](xbase::WorkArea* opened) {
    std::string path;
    xbase::Status s = xbase::FindInFolder(local, xbase::WithExtension(name, "ntx"), &path);
    return s.ok() ? opened->orders().Open(path) : s;
  };
  xbase::WorkArea* area = nullptr;
  if (!console::BUKAFILE(session.console(), session.tables(), local + "/" + name, false, frame::kOpenWait, name, &area,
                         index)) {
    return nullptr;
  }
  return area;
}

std::optional<RequestFiles> OpenRequestFiles(frame::Session& session, std::string_view folder) {
  xbase::WorkArea* headers = OpenExchangeTable(session, folder, kRequestHeaders);
  xbase::WorkArea* lines = headers != nullptr ? OpenExchangeTable(session, folder, kRequestLines) : nullptr;
  if (lines == nullptr) {
    CloseRequestFiles(session);
    return std::nullopt;
  }
  return RequestFiles{*headers, *lines};
}

void CloseRequestFiles(frame::Session& session) {
  for (const char* name : {kRequestHeaders, kRequestLines}) {
    if (session.tables().Area(name) == nullptr) continue;
    frame::ShowFailure(session, session.tables().Close(name));
  }
}

bool Confirmed(frame::Session& session, std::string_view question) {
  const int key = console::PESAN(session.console(), question);
  return key == 'Y' || key == 'y';
}

xbase::Status PutFields(xbase::WorkArea& area, const documents::FieldValues& fields) {
  for (const auto& [name, value] : fields) {
    if (xbase::Status s = area.Put(name, value); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status Rewrite(frame::Session& session, xbase::WorkArea& area, const documents::FieldValues& fields) {
  xbase::Status s = console::LOCK_REC(session.console(), area);
  return s.ok() ? documents::PutAndRelease(area, fields) : s;
}

}  // namespace returns
