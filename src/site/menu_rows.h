// The MENU rows and USERDAT rights that a new data folder gives a menu group over the entry procedures.
#ifndef PALUNDA_SITE_MENU_ROWS_H_
#define PALUNDA_SITE_MENU_ROWS_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/menu_model.h"
#include "frame/procedure_registry.h"
#include "site/folder_writer.h"

namespace site {

// The most entries a pull-down or a second-level box holds; a longer group is cut into sub-menus.
inline constexpr size_t kMaxMenuEntries = 15;
// The width a menu bar must keep within: its top entries start at column 2, each shown as " TITLE "
// with two blanks before the next.
inline constexpr int kMenuBarEnd = 78;

// One MENU row: LVL 1 a top entry, 2 an entry under it, 3 an entry of a sub-menu.
struct MenuRowDef {
  std::string grup;
  std::string kode;
  std::string induk;   // the parent's KODE
  std::string induk1;  // the top entry's KODE
  std::string induk2;  // the parent's KODE for an entry, blank for a top entry
  int lvl = 0;
  std::string keterangan;
  std::string prosedur;  // the entry's MenuCall() for an entry, blank for a top entry or sub-menu title
  bool grantable() const { return !prosedur.empty(); }
};

// The MENU rows of menu group `grup` reaching `entries` (in their order): one top entry per entry group, in
// order of first appearance, with the group's entries as leaves, or in sub-menus of at most
// kMaxMenuEntries when there are more. Codes sort in menu order: "01", "0101", "010101".
std::vector<MenuRowDef> PlanMenu(std::string_view grup, const std::vector<const frame::EntryInfo*>& entries);

// The rights row of a grantable MENU row: KODE, INDUK1 the top entry, INDUK2 the parent.
frame::MenuRight RightTo(const MenuRowDef& row);

// The column just past the last title of a bar of these top-entry titles.
int MenuBarWidth(const std::vector<std::string>& titles);

// The entries split into menu bars that each end by kMenuBarEnd: the entry groups in order of first
// appearance, a group that would pass the end starting the next bar.
std::vector<std::vector<const frame::EntryInfo*>> SplitIntoBars(const std::vector<const frame::EntryInfo*>& entries);

// The menu group of bar `n` (from 0) of group `grup`: `grup`, then `grup` + "2", "3", ...
std::string BarGroup(std::string_view grup, size_t n);

// Writes the MENU rows of group `grup` over `entries` (PlanMenu) and gives `nik` the USERDAT right to each
// grantable one.
xbase::Status AddMenuGroup(FolderWriter& writer, std::string_view grup, const std::vector<const frame::EntryInfo*>& entries,
                           std::string_view nik);

// Writes the menu groups of `grup` over `entries`, one per bar (SplitIntoBars, BarGroup), each with its
// USERDAT rights for `nik`.
xbase::Status AddMenuBars(FolderWriter& writer, std::string_view grup, const std::vector<const frame::EntryInfo*>& entries,
                          std::string_view nik);

}  // namespace site

#endif  // PALUNDA_SITE_MENU_ROWS_H_
