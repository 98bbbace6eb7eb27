// The folder that transfer files are taken from: the SETUP row "TMPFILEIMP", or a preset folder.
#ifndef PALUNDA_FRAME_IMPORT_FOLDER_H_
#define PALUNDA_FRAME_IMPORT_FOLDER_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/status.h"

namespace frame {

// The folder preset of the transfer-file screens when SETUP has no "TMPFILEIMP" folder.
inline constexpr std::string_view kPresetImportFolder = "d:\\data\\palunda";

// The trimmed KET of the SETUP row "TMPFILEIMP" of the open `setup` when it is set and not empty,
// otherwise `preset`.
std::string ImportFolder(Session& session, std::string_view preset = kPresetImportFolder);

// The local path of the file `name` in the stored or typed `folder` (see FolderPath), its name matched
// without regard to case; NotFound "FOLDER/NAME: tidak ada" (the local folder) when it is not there.
xbase::Status FileInFolder(Session& session, std::string_view folder, std::string_view name, std::string* path);

}  // namespace frame

#endif  // PALUNDA_FRAME_IMPORT_FOLDER_H_
