// The menu of one group as the menu bar shows it, built from USERDAT rights and MENU rows.
#include "frame/menu_model.h"

#include <cctype>

#include "frame/users.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

std::string EntryText(const MenuRow& row, std::string_view nik) {
  std::string text(xbase::AllTrim(row.keterangan));
  if (text.starts_with("Password Login")) {
    return IsAdministrator(nik) ? "Tambah/Edit User" : "Ganti Password";
  }
  return text;
}

}  // namespace

char TopEntry::hot_letter() const {
  const std::string_view trimmed = xbase::AllTrim(text);
  return trimmed.empty() ? ' ' : trimmed.front();
}

Menu BuildMenu(const std::vector<MenuRight>& rights, const std::function<MenuRow(std::string_view kode)>& lookup,
               std::string_view nik) {
  Menu menu;
  const MenuRight* previous = nullptr;
  for (const MenuRight& right : rights) {
    if (previous == nullptr || right.induk1 != previous->induk1) {
      menu.tops.push_back(TopEntry{" " + std::string(xbase::AllTrim(lookup(right.induk1).keterangan)) + " ", {}});
      previous = nullptr;
    }
    std::vector<PullDownEntry>& entries = menu.tops.back().entries;
    const MenuRow row = lookup(right.kode);
    if (right.induk2 == right.induk1) {
      entries.push_back(PullDownEntry{{EntryText(row, nik)}, {row.prosedur}});
    } else {
      // A run of rows with one INDUK2 is one entry with sub-items under the INDUK2 row's title.
      if (previous == nullptr || previous->induk2 != right.induk2) {
        entries.push_back(PullDownEntry{{EntryText(lookup(right.induk2), nik)}, {}});
      }
      entries.back().texts.push_back(EntryText(row, nik));
      entries.back().calls.push_back(row.prosedur);
    }
    previous = &right;
  }
  return menu;
}

std::vector<int> HotLetterPositions(const std::vector<std::string>& texts, bool case_sensitive_taken) {
  std::string taken;
  std::vector<int> positions;
  positions.reserve(texts.size());
  for (const std::string& text : texts) {
    int found = -1;
    for (size_t i = 0; i < text.size() && found < 0; ++i) {
      const unsigned char c = static_cast<unsigned char>(text[i]);
      const char upper = static_cast<char>(std::toupper(c));
      if (upper < 'A' || upper > 'Z' || c >= 0x80) continue;
      const char mark = case_sensitive_taken ? text[i] : upper;
      if (taken.find(mark) != std::string::npos) continue;
      taken.push_back(mark);
      found = static_cast<int>(i);
    }
    positions.push_back(found);
  }
  return positions;
}

}  // namespace frame
