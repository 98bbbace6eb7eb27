// One-line entries of secrets: the password (no echo) and the clear-text setting entry.
#include "console/secret_entry.h"

#include "console/keys.h"

namespace console {
namespace {

constexpr size_t kPasswordLength = 10;

std::string ReadSecret(Console& con, int row, int col, std::string_view colour, bool echo) {
  const Attr attr = con.Colour(colour);
  con.Say(row, col, "-         ", attr);
  const bool cursor = con.ShowCursor(echo);
  std::string text;
  for (;;) {
    if (echo) con.MoveCursor(row, col + static_cast<int>(text.size()));
    const int key = con.WaitKey();
    if (key == key::kEnter) break;
    if (key == key::kEsc) {
      text.clear();
      break;
    }
    if (key == key::kBackspace) {
      if (!text.empty()) text.pop_back();
    } else if (key >= 32 && key <= 126) {
      text.push_back(static_cast<char>(key));
    } else {
      continue;
    }
    if (echo) {
      con.Say(row, col, text + " ", attr);
    } else if (text.size() >= kPasswordLength) {
      break;
    }
  }
  con.ShowCursor(cursor);
  return text;
}

}  // namespace

std::string GETPASS(Console& con, int row, int col, std::string_view colour) {
  return ReadSecret(con, row, col, colour, false);
}

std::string ENTERPASWORD(Console& con, int row, int col, std::string_view colour) {
  return ReadSecret(con, row, col, colour, true);
}

}  // namespace console
