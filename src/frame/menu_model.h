// The menu of one group as the menu bar shows it, built from USERDAT rights and MENU rows.
#ifndef PALUNDA_FRAME_MENU_MODEL_H_
#define PALUNDA_FRAME_MENU_MODEL_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

// One USERDAT row of the user and group, in the order of nik+grup+kode.
struct MenuRight {
  std::string kode;
  std::string induk1;
  std::string induk2;
};

// The text and call of a MENU row (group + code); empty when the row is missing.
struct MenuRow {
  std::string keterangan;
  std::string prosedur;
};

// An entry of a pull-down: a leaf has one text and one call; an entry with sub-items has the
// title first and one call per sub-item (one fewer than the texts).
struct PullDownEntry {
  std::vector<std::string> texts;
  std::vector<std::string> calls;
  bool has_sub_items() const { return texts.size() > 1; }
};

struct TopEntry {
  std::string text;  // " " + trimmed KETERANGAN + " "
  std::vector<PullDownEntry> entries;
  // The hot letter: the first character of the trimmed text.
  char hot_letter() const;
};

struct Menu {
  std::vector<TopEntry> tops;
};

// Builds the menu from the user's rights rows of one group; `lookup` reads MENU by code.
// "Password Login" entries read "Tambah/Edit User" for a NIK beginning with "SYSADMIN",
// "Ganti Password" for everybody else.
Menu BuildMenu(const std::vector<MenuRight>& rights, const std::function<MenuRow(std::string_view kode)>& lookup,
               std::string_view nik);

// Hot letters of a pull-down: for each text, the position of its first letter A-Z (compared in
// upper case) not taken by an earlier text, or -1. With `case_sensitive_taken` a letter counts as
// taken only when the very same character was taken (the second-level box).
std::vector<int> HotLetterPositions(const std::vector<std::string>& texts, bool case_sensitive_taken);

}  // namespace frame

#endif  // PALUNDA_FRAME_MENU_MODEL_H_
