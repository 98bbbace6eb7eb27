// The alert: a centred box with a message (";" breaks lines) and a row of choices.
#include "console/alert.h"

#include <algorithm>
#include <cctype>

#include "console/box.h"
#include "console/keys.h"
#include "console/message.h"

namespace console {
namespace {

// The lines of the message, each wrapped to `width`.
std::vector<std::string> SplitLines(std::string_view message, size_t width) {
  std::vector<std::string> lines;
  for (;;) {
    const size_t semicolon = message.find(';');
    for (std::string& part : WrapText(message.substr(0, semicolon), width)) lines.push_back(std::move(part));
    if (semicolon == std::string_view::npos) return lines;
    message.remove_prefix(semicolon + 1);
  }
}

int Upper(int c) { return c >= 0 && c < 256 ? std::toupper(c) : c; }

}  // namespace

int Alert(Console& con, std::string_view message, const std::vector<std::string>& given, std::string_view colour) {
  const std::vector<std::string> choices = given.empty() ? std::vector<std::string>{"Ok"} : given;
  ScreenKeeper keeper(con);
  const ColourSet set = con.colours().With(colour);
  const std::vector<std::string> lines = SplitLines(message, kCols - 6);
  constexpr int kGap = 2;  // blanks between two choices
  int buttons = 0;
  for (const std::string& choice : choices) buttons += static_cast<int>(choice.size()) + 2;
  buttons += kGap * (static_cast<int>(choices.size()) - 1);
  int inner = buttons;
  for (const std::string& line : lines) inner = std::max(inner, static_cast<int>(line.size()));
  inner = std::min(inner, kCols - 6);
  const int height = std::min(static_cast<int>(lines.size()) + 4, kRows);
  const int width = inner + 4;
  const int top = std::max(0, (kRows - height) / 2);
  const int left = (kCols - width) / 2;
  const int bottom = top + height - 1;
  const int right = left + width - 1;

  con.Clear(top, left, bottom, right, set.standard);
  DrawFrame(con, top, left, bottom, right, Line::kSingle, set.standard);
  for (size_t i = 0; i < lines.size() && static_cast<int>(i) < height - 4; ++i) {
    const std::string& text = lines[i];
    con.Say(top + 1 + static_cast<int>(i), left + 2 + (inner - static_cast<int>(text.size())) / 2, text, set.standard);
  }
  const bool cursor = con.ShowCursor(false);
  const int button_row = bottom - 1;
  const int first_col = left + 2 + (inner - buttons) / 2;
  int current = 0;
  for (;;) {
    int col = first_col;
    for (size_t i = 0; i < choices.size(); ++i) {
      con.Say(button_row, col, " " + choices[i] + " ", static_cast<int>(i) == current ? set.enhanced : set.standard);
      col += static_cast<int>(choices[i].size()) + 2 + kGap;
    }
    const int key = con.WaitKey();
    if (key == key::kEsc) {
      current = -1;
      break;
    }
    if (key == key::kEnter) break;
    if (key == key::kLeft || key == key::kShiftTab) current = std::max(0, current - 1);
    if (key == key::kRight || key == key::kTab) current = std::min(static_cast<int>(choices.size()) - 1, current + 1);
    const auto hit = std::find_if(choices.begin(), choices.end(), [&](const std::string& choice) {
      return !choice.empty() && Upper(static_cast<unsigned char>(choice[0])) == Upper(key);
    });
    if (hit != choices.end()) {
      current = static_cast<int>(hit - choices.begin());
      break;
    }
  }
  con.ShowCursor(cursor);
  return current + 1;
}

}  // namespace console
