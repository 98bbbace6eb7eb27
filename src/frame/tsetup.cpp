// "Tabel Setup": the editor of every setting of SETUP, its key and value.
#include "frame/tsetup.h"

#include <string>

#include "frame/table_screen.h"

namespace frame {

xbase::Status TSETUP(Session& session, const std::vector<xbase::Value>&) {
  EditorScreen screen;
  screen.title = "Tabel Setup";
  screen.columns = {{"SETUP", "SETUP", "@!"}, {"KETERANGAN", "KET", "@s70"}};
  screen.options.window = {5, 2, 21, 77};
  screen.add.fields = {{"Setup :", "SETUP", "@!", xbase::Value::Text(std::string(10, ' '))},
                       {" Ket. :", "KET", "", xbase::Value::Text(std::string(60, ' '))}};
  return EditTable(session, "Setup", screen);
}

}  // namespace frame
