// DARIEXCEL: stock-taking tags read from a workbook.
#include <filesystem>

#include "console/alert.h"
#include "console/message.h"
#include "frame/import_stop.h"
#include "frame/local_path.h"
#include "frame/question_box.h"
#include "stock/stock_screens.h"
#include "stock/tags.h"
#include "xbase/text_functions.h"

namespace stock {

xbase::Status DARIEXCEL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastbrj"}, {"opname"}});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  std::string name(100, ' ');
  while (frame::AskInBox(session, {" Tranfer TAG dari File Excell"}, {{"File :", &name, "@S40"}})) {
    const std::string typed(xbase::AllTrim(name));
    if (typed.empty()) continue;
    const std::string path = frame::LocalPath(session, typed);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      console::PESAN(con, typed + " tidak ketemu");
      continue;
    }
    if (console::Alert(con, "Tranfer TAG dari File Excell", {"Ya", "Tidak"}) != 1) continue;
    TagStop stop;
    const xbase::Status s = ImportTags(
        session, tables["opname"], path,
        [&](int row, const std::string& tag) {
          con.Say(23, 0, xbase::PadR("Baris : " + std::to_string(row), 79), con.Colour("W+/n"));
          con.Say(24, 0, xbase::PadR("Tag   : " + tag, 79), con.Colour("W+/n"));
        },
        &stop);
    // A workbook that cannot be read, or a tag that cannot be stored, ends the import with a message;
    // tags already stored stay.
    if (s.ok()) continue;
    if (stop.row != 0) {
      frame::ShowImportStop(session, s, std::filesystem::path(path).filename().string(), static_cast<uint32_t>(stop.row),
                            stop.tag, "tag ini tidak tersimpan");
    } else {
      console::PESAN(con, typed + " tidak bisa dibaca (" + s.message() + ")");
    }
  }
  return session.tables().CloseAll();
}

}  // namespace stock
