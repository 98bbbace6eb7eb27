// The instrument revision files that carry instruments between sites.
#ifndef PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
#define PALUNDA_RECEIVABLES_TRANSFER_FILES_H_

#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "documents/transfer_folder.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/work_area.h"

namespace receivables {

using documents::AskTransferFolder;
using documents::OpenTransferTable;
using documents::StoredTransferFolder;
using documents::TransferFolder;

// The instrument revision files and the live table each mirrors field by field.
struct RevisionFile {
  const char* name;
  const char* live;
};
inline constexpr RevisionFile kRevisionFiles[] = {
    {"rlt_gr", "GIRODBT"}, {"rlt_gk", "GIROKDT"}, {"rlt_pi", "GIRO_PI"}, {"rlt_rl", "GIRO_RL"}};

// The four revision files as OpenRevisionFiles opened them.
class RevisionAreas {
 public:
  // The area of revision file `name` (one of kRevisionFiles). Asking for another name is a fault of
  // the program: it ends with a message naming it.
  xbase::WorkArea& operator[](std::string_view name) const;

 private:
  friend bool OpenRevisionFiles(frame::Session& session, const std::string& folder, RevisionAreas* areas);

  std::array<xbase::WorkArea*, std::size(kRevisionFiles)> areas_{};
};

// Opens the four revision files of `folder` exclusively, each with its index on NOMOR, under their
// names, into *areas; false (those opened closed again) after a message naming the file that failed.
bool OpenRevisionFiles(frame::Session& session, const std::string& folder, RevisionAreas* areas);
// Opens SETUP (as `setup`) and the live tables the revision files mirror, under their names.
frame::OpenedTables OpenRevisionTargets(frame::Session& session);
// Closes the four revision files.
void CloseRevisionFiles(frame::Session& session);

// The transfer table of giros received for other branches, `kirimgr`, with its index of the same name
// on FORM + NOMOR + KDCB.
inline constexpr const char* kGiroTransfer = "kirimgr";
// The form mark of its rows.
inline constexpr const char* kGiroTransferForm = "GIROL";

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
