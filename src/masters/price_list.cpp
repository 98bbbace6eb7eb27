// The price list Price.dbf that the head office sends: its folder and opening it.
#include "masters/price_list.h"

#include "console/message.h"
#include "console/table_access.h"
#include "frame/import_folder.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/ntx_orders.h"

namespace masters {
namespace {

constexpr const char* kNoPriceList = "Daftar harga tidak ada";
constexpr const char* kPriceAlias = "price";

}  // namespace

std::string PresetFolder(frame::Session& session) {
  return frame::ImportFolder(session, std::string(frame::kPresetImportFolder) + "\\");
}

bool OpenPriceList(frame::Session& session, std::string_view folder, xbase::WorkArea** area) {
  console::Console& con = session.console();
  std::string path;
  if (!frame::FileInFolder(session, folder, "Price.dbf", &path).ok()) {
    console::PESAN(con, kNoPriceList);
    return false;
  }
  if (!console::BUKAFILE(con, session.tables(), path, false, frame::kOpenWait, kPriceAlias, area)) return false;
  std::string index;
  if (frame::FileInFolder(session, folder, "Price.ntx", &index).ok()) {
    if (xbase::Status s = (*area)->orders().Open(index); !s.ok()) {
      frame::ShowFailure(session, s);
      session.tables().Close(kPriceAlias).IgnoreError();
      return false;
    }
  }
  return true;
}

}  // namespace masters
