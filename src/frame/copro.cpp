// " COPY DATA": copying one file of the data folder into another folder.
#include "frame/copro.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/local_path.h"
#include "xbase/file_lock.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;

// True when `path` lies inside `folder` once links and ".." are resolved.
bool Inside(const fs::path& path, const fs::path& folder) {
  std::error_code error;
  const fs::path real = fs::weakly_canonical(path, error);
  const fs::path base = fs::weakly_canonical(folder, error);
  const auto [end, rest] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
  return !error && end == base.end() && rest != real.end();
}

// Copies the file of the data folder into the folder; a failure is shown on row 24. A file of the
// same name there is overwritten only when the user agrees, and never while a workstation has it open.
void CopyInto(Session& session, std::string_view file, std::string_view folder) {
  console::Console& con = session.console();
  const std::string name(xbase::AllTrim(file));
  const fs::path source = LocalPath(session, session.DRVDATA_ + name);
  std::error_code error;
  if (!Inside(source, LocalPath(session, session.DRVDATA_))) {
    console::PESAN(con, "File " + name + " tidak ada di folder data");
    return;
  }
  if (!fs::is_regular_file(source, error)) {
    console::PESAN(con, "File " + name + " tidak ada");
    return;
  }
  const fs::path target = fs::path(LocalPath(session, folder)) / source.filename();
  std::unique_ptr<xbase::LockedFile> held;
  if (fs::exists(target, error)) {
    const std::string question = "File " + target.filename().string() + " sudah ada di " +
                                 std::string(xbase::AllTrim(folder)) + ";Ditimpa?";
    if (console::Alert(con, question, {"Ya", "Tidak"}) != 1) return;
    // Held exclusively while it is written: no workstation has it open, and none opens it meanwhile.
    const xbase::Status status = xbase::LockedFile::Open(target.string(), xbase::OpenMode::kExclusive, &held);
    if (status.IsInUse()) {
      console::PESAN(con, "File " + target.filename().string() + " sedang dipakai, tidak dicopy");
      return;
    }
  }
  if (!fs::is_directory(target.parent_path(), error) ||
      !fs::copy_file(source, target, fs::copy_options::overwrite_existing, error)) {
    console::PESAN(con, "Gagal copy " + source.filename().string() + " ke " + std::string(xbase::AllTrim(folder)));
  }
}

}  // namespace

xbase::Status COPRO(Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  constexpr std::string_view kColour = "Gr+/b";
  console::ISHADOW(con, 4, 10, 11, 70, kColour, true, true);
  console::TENGAH(con, 5, " COPY DATA", kColour);
  con.Say(7, 19, "File:", con.Colour(kColour));
  con.Say(8, 19, "Ke :", con.Colour(kColour));
  std::string file(30, ' ');
  std::string folder = xbase::PadR("d:\\data\\palunda", 50);
  console::GetList form;
  form.Add(7, 25, &file);
  form.Add(8, 24, &folder, "@S45");
  const bool escaped = form.Read(con).escaped;
  if (!escaped && !xbase::IsBlank(file) && !xbase::IsBlank(folder)) CopyInto(session, file, folder);
  return session.tables().CloseAll();
}

}  // namespace frame
