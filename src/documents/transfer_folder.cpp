// The folders of transfer files that carry documents between sites: tables in a folder named by the
// user, each with an index file of its own name.
#include "documents/transfer_folder.h"

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "console/unfinished_saves.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace documents {

std::string TransferFolder(frame::Session& session, std::string_view typed) {
  return frame::FolderPath(session, typed);
}

xbase::Status StoredTransferFolder(frame::Session& session, std::string* folder, std::string_view fallback) {
  std::string stored;
  bool found = false;
  const xbase::Status s = pickers::SetupRow(session, "TMPFILEEXP", &found, nullptr, &stored);
  *folder = xbase::PadR(xbase::RTrim(found ? stored : std::string(fallback)), 60);
  return s;
}

bool AskTransferFolder(console::Console& con, std::string_view colour, const FolderQuestion& question,
                       std::string* folder) {
  console::SHADOW(con, question.top, 10, question.bottom, 69, colour);
  console::TENGAH(con, question.top + 1, question.title, colour);
  const std::string label(question.label);
  con.Say(question.top + 3, 12, label, con.Colour(colour));
  console::GetList ask;
  ask.Add(question.top + 3, 13 + static_cast<int>(label.size()), folder, question.picture);
  return !ask.Read(con).escaped;
}

bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area) {
  // A save a workstation left unfinished in the folder (a clear cut short) is undone before anyone reads it.
  const xbase::Status recovered = console::RecoverUnfinishedSaves(session.console(), folder, xbase::RecoveryScope::kChanged);
  if (!recovered.ok()) {
    frame::ShowFailure(session, recovered);
    return false;
  }
  const std::string table = folder + "/" + std::string(name);
  const auto index = [&](xbase::WorkArea* opened) {
    if (!with_index) return xbase::Status::OK();
    std::string path;
    xbase::Status s = xbase::FindInFolder(folder, xbase::WithExtension(name, "ntx"), &path);
    return s.ok() ? opened->orders().Open(path) : s;
  };
  return console::BUKAFILE(session.console(), session.tables(), table, exclusive, frame::kOpenWait, name, area, index);
}

}  // namespace documents
