// The main menu: a bar of top entries, their pull-downs and second-level boxes, built from the
// user's rights in one menu group; each leaf runs its PROSEDUR text through the registry.
#ifndef PALUNDA_FRAME_MENU2_H_
#define PALUNDA_FRAME_MENU2_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/menu_model.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// The question asked before the program ends from the menu.
inline constexpr std::string_view kQuitQuestion = "Yakin akan keluar dari program ini";

// The distinct GRUP values, in key order, of the rows of `area` (USERDAT or MENU) whose key in index `order`
// begins with `prefix`.
xbase::Status MenuGroups(xbase::WorkArea& area, int order, std::string_view prefix, std::vector<std::string>* groups);

// Lets the logged-in user choose one of the groups of their USERDAT rows and builds its menu
// from USERDAT and MENU; false when no group was chosen.
bool GETMENUUTAMA(Session& session, xbase::WorkArea& userdat, xbase::WorkArea& menu_table, Menu* menu,
                  std::string* group);

// How the menu was left.
enum class MenuExit {
  kLogOff,      // KEMBALI ended the menu: back to the login box
  kEndProgram,  // Esc and "Ya": the program ends
};

// The menu loop of a group's menu; runs until an entry ends it or the user leaves the program.
MenuExit MENUUTAMA(Session& session, const Menu& menu, std::string_view group);

}  // namespace frame

#endif  // PALUNDA_FRAME_MENU2_H_
