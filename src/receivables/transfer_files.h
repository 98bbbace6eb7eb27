// The transfer files that carry instruments between sites: tables in a folder named by the user, each
// with an index file of its own name.
#ifndef PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
#define PALUNDA_RECEIVABLES_TRANSFER_FILES_H_

#include <string>
#include <string_view>

#include "console/console.h"
#include "frame/session.h"
#include "xbase/work_area.h"

namespace receivables {

// The folder of transfer files typed or stored (SETUP "TMPFILEEXP"), as this machine names it.
std::string TransferFolder(const frame::Session& session, std::string_view typed);

// The stored transfer folder (SETUP "TMPFILEEXP" of the open `setup`, else `fallback`), 60 wide for
// its entry field.
std::string StoredTransferFolder(frame::Session& session, std::string_view fallback = {});

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
// damaged file on row 24. True when open.
bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area);

// The instrument revision files and the live table each mirrors field by field.
struct RevisionFile {
  const char* name;
  const char* live;
};
inline constexpr RevisionFile kRevisionFiles[] = {
    {"rlt_gr", "GIRODBT"}, {"rlt_gk", "GIROKDT"}, {"rlt_pi", "GIRO_PI"}, {"rlt_rl", "GIRO_RL"}};

// Opens the four revision files of `folder` exclusively, each with its index on NOMOR, under their
// names; false (those opened closed again) after a message naming the file that failed.
bool OpenRevisionFiles(frame::Session& session, const std::string& folder);
// Opens SETUP and the live tables the revision files mirror; false (all closed) when one cannot be opened.
bool OpenRevisionTargets(frame::Session& session);
// Closes the four revision files.
void CloseRevisionFiles(frame::Session& session);

// The transfer table of giros received for other branches, `kirimgr`, with its index of the same name
// on FORM + NOMOR + KDCB.
inline constexpr const char* kGiroTransfer = "kirimgr";
// The form mark of its rows.
inline constexpr const char* kGiroTransferForm = "GIROL";

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
