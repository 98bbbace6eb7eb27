// The folders of transfer files that carry documents between sites: tables in a folder named by the
// user, each with an index file of its own name.
#ifndef PALUNDA_DOCUMENTS_TRANSFER_FOLDER_H_
#define PALUNDA_DOCUMENTS_TRANSFER_FOLDER_H_

#include <string>
#include <string_view>

#include "console/console.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// The folder of transfer files typed or stored (SETUP "TMPFILEEXP"), as this machine names it.
std::string TransferFolder(frame::Session& session, std::string_view typed);

// *folder := the stored transfer folder (SETUP "TMPFILEEXP" of the open `setup`, else `fallback`), 60
// wide for its entry field; or the failure of the read.
[[nodiscard]] xbase::Status StoredTransferFolder(frame::Session& session, std::string* folder,
                                                 std::string_view fallback = {});

// A box that asks for the folder of transfer files: its rows (columns 10 to 69), title, label and the
// picture of the folder's field.
struct FolderQuestion {
  int top;
  int bottom;
  const char* title;
  const char* label;
  const char* picture;
};
// Draws the box and reads the folder; false after Esc.
bool AskTransferFolder(console::Console& con, std::string_view colour, const FolderQuestion& question,
                       std::string* folder);

// Opens table `name` of `folder` under the alias `name` (exclusively when asked), with its index
// file `name` when `with_index`; retries while another workstation holds it, and names a missing or
// damaged file on row 24. A save left unfinished in the folder is undone first. True when open.
bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_TRANSFER_FOLDER_H_
