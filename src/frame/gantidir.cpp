// The change of data folder for the rest of the login: a folder holding "jurnal1.dbf", typed or
// picked from the folders in LOGSETUP.
#include "frame/gantidir.h"

#include <algorithm>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/local_path.h"
#include "schema/open_table.h"
#include "xbase/keyed_read.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

bool HoldsJournal(const Session& session, std::string_view folder) {
  std::string path;
  return !xbase::AllTrim(folder).empty() && xbase::FindInFolder(LocalPath(session, folder), "jurnal1.dbf", &path).ok();
}

}  // namespace

bool CARIDIR2(Session& session, std::string* folder, xbase::Date* date) {
  if (xbase::IsBlank(*folder)) return false;
  PickSpec pick;
  pick.alias = "logsetup";
  pick.top = 4;
  pick.left = 25;
  pick.bottom = 20;
  pick.right = 76;
  pick.expressions = {"logedpath", "logeddate"};
  pick.heads = {"Directory", "Tg. Proses"};
  pick.colour = "W+/br";
  pick.mono = "W+/n";
  xbase::WorkArea* log = nullptr;
  if (!PickerArea(session, pick, &log).ok()) return false;
  const size_t width = folder->size();
  bool picked = false, escaped = false;
  if (!PickCode(session, pick, folder, &picked, &escaped).ok() || (picked && (escaped || xbase::IsBlank(*folder)))) {
    return false;
  }
  if (log->SetOrder(1).ok() && xbase::LookUp(*log, xbase::AllTrim(*folder))) *date = log->DateOf("LOGEDDATE");
  *folder = xbase::PadR(*folder, static_cast<int>(std::max(width, folder->size())));
  if (HoldsJournal(session, *folder)) return true;
  console::PESAN(session.console(), "Direktori salah....", session.console().Pick("Gr+/r", "/w"));
  return false;
}

xbase::Status GANTIDIR(Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  xbase::WorkArea* log = nullptr;
  if (xbase::Status s = schema::UseWithIndexes(session.tables(), "logsetup", "", xbase::OpenMode::kShared, &log); !s.ok()) return s;
  console::ScreenKeeper keep(con);
  console::ISHADOW(con, 10, 19, 17, 59, "W+/b");
  console::ISHADOW(con, 11, 21, 13, 57, "W+/b", false, true);
  console::TENGAH(con, 12, " GANTI DIREKTORI ", "W+/b");
  console::ISHADOW(con, 14, 21, 16, 57, "W+/b", false, true);
  std::string folder = xbase::PadR(session.STP.text[13], 50);
  xbase::Date date = session.STP.date;
  console::GetList form;
  form.Add(15, 22, &folder, "@S35!K").valid = [&] { return CARIDIR2(session, &folder, &date); };
  const bool escaped = form.Read(con).escaped;
  session.CloseTables();
  if (escaped) return xbase::Status::OK();
  session.STP.text[13] = folder;
  session.STP.date = date;
  session.SetSearchPath(LocalPath(session, folder));
  return xbase::Status::OK();
}

}  // namespace frame
