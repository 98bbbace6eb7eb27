// The folder that transfer files are taken from: the SETUP row "TMPFILEIMP", or a preset folder.
#include "frame/import_folder.h"

#include "frame/local_path.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace frame {

std::string ImportFolder(Session& session, std::string_view preset) {
  xbase::WorkArea* setup = session.tables().Area("setup");
  if (setup != nullptr && setup->SetOrder(1).ok() && setup->Seek(setup->PadToField("SETUP", "TMPFILEIMP")).ok() &&
      setup->found() && !xbase::IsBlank(setup->Text("KET"))) {
    return std::string(xbase::AllTrim(setup->Text("KET")));
  }
  return std::string(preset);
}

xbase::Status FileInFolder(Session& session, std::string_view folder, std::string_view name, std::string* path) {
  std::string local;
  // A drive the map does not know is named as such.
  if (xbase::Status s = session.services().MapPath(folder, &local); !s.ok()) return s;
  local = FolderPath(session, folder);
  if (xbase::FindInFolder(local, name, path).ok()) return xbase::Status::OK();
  if (!local.empty() && local.back() != '/') local += '/';
  return xbase::Status::NotFound(local + std::string(name), "tidak ada");
}

}  // namespace frame
