// The choice list: a vertical list of texts in a window, one of them highlighted.
#include "console/choice_list.h"

#include <algorithm>
#include <cctype>

#include "console/keys.h"

namespace console {
namespace {

// The next item after current (wrapping) that begins with the letter; current when none.
int NextWithLetter(const std::vector<std::string>& items, int current, int key) {
  const int n = static_cast<int>(items.size());
  for (int step = 1; step <= n; ++step) {
    const int i = (current + step) % n;
    const std::string& item = items[i];
    const size_t first = item.find_first_not_of(' ');
    if (first != std::string::npos && std::toupper(static_cast<unsigned char>(item[first])) == std::toupper(key)) return i;
  }
  return current;
}

}  // namespace

int AChoice(Console& con, int top, int left, int bottom, int right, const std::vector<std::string>& items,
            int initial) {
  if (items.empty()) return 0;
  const int n = static_cast<int>(items.size());
  const int rows = bottom - top + 1;
  const int width = right - left + 1;
  int current = std::clamp(initial - 1, 0, n - 1);
  int first = std::max(0, current - rows + 1);
  const bool cursor = con.ShowCursor(false);
  for (;;) {
    first = std::clamp(first, std::max(0, current - rows + 1), current);
    for (int r = 0; r < rows; ++r) {
      const int i = first + r;
      std::string text = i < n ? items[i] : std::string();
      text.resize(static_cast<size_t>(width), ' ');
      con.Say(top + r, left, text, i == current ? con.colours().enhanced : con.colours().standard);
    }
    const int key = con.WaitKey();
    if (key == key::kEnter || key == key::kEsc) {
      con.ShowCursor(cursor);
      return key == key::kEnter ? current + 1 : 0;
    }
    switch (key) {
      case key::kUp: current = std::max(0, current - 1); break;
      case key::kDown: current = std::min(n - 1, current + 1); break;
      case key::kPgUp: current = std::max(0, current - rows); first -= rows; break;
      case key::kPgDn: current = std::min(n - 1, current + rows); first += rows; break;
      case key::kHome: current = first; break;
      case key::kEnd: current = std::min(n - 1, first + rows - 1); break;
      case key::kCtrlPgUp: current = 0; break;
      case key::kCtrlPgDn: current = n - 1; break;
      default:
        if (key > 32 && key < 256) current = NextWithLetter(items, current, key);
        break;
    }
  }
}

}  // namespace console
