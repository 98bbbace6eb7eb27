#include "frame/copro.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/local_path.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;

// Copies the file of the data folder into the folder; a failure is shown on row 24.
void CopyInto(Session& session, std::string_view file, std::string_view folder) {
  const fs::path source = LocalPath(session.DRVDATA_ + std::string(xbase::AllTrim(file)));
  std::error_code error;
  if (!fs::is_regular_file(source, error)) {
    console::PESAN(session.console(), "File " + std::string(xbase::AllTrim(file)) + " tidak ada");
    return;
  }
  const fs::path target = fs::path(LocalPath(folder)) / source.filename();
  if (!fs::is_directory(target.parent_path(), error) ||
      !fs::copy_file(source, target, fs::copy_options::overwrite_existing, error)) {
    console::PESAN(session.console(), "Gagal copy " + source.filename().string() + " ke " +
                                          std::string(xbase::AllTrim(folder)));
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
