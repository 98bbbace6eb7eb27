// The message row (row 24), centred texts, values at a position and the tones.
#include "console/message.h"

#include <algorithm>
#include <string>

#include "console/box.h"
#include "console/field_format.h"
#include "xbase/text_functions.h"

namespace console {
namespace {

// One tick of the PC clock, in milliseconds.
constexpr int kTickMs = 55;

}  // namespace

std::vector<std::string> WrapText(std::string_view text, size_t width) {
  std::vector<std::string> lines;
  if (width == 0) return lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    std::string_view word = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.size() + 1 + word.size() <= width) {
      line += ' ';
      line += word;
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    for (; word.size() > width; word.remove_prefix(width)) lines.emplace_back(word.substr(0, width));
    line = std::string(word);
  }
  if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

int MessageBox(Console& con, std::string_view title, const std::vector<std::string>& lines, std::string_view colour) {
  constexpr size_t kInside = kCols - 6;
  std::vector<std::string> shown;
  for (const std::string& line : lines) {
    for (std::string& part : WrapText(line, kInside)) shown.push_back(std::move(part));
  }
  size_t inner = title.size();
  for (const std::string& line : shown) inner = std::max(inner, line.size());
  inner = std::min(inner, kInside);
  const int text_rows = std::min(static_cast<int>(shown.size()), kRows - 4 - (title.empty() ? 0 : 2));
  const int height = text_rows + 2 + (title.empty() ? 0 : 2);
  const int width = static_cast<int>(inner) + 4;
  const int top = (kRows - height) / 2;
  const int left = (kCols - width) / 2;
  ScreenKeeper keeper(con);
  const Attr attr = con.Colour(colour);
  con.Clear(top, left, top + height - 1, left + width - 1, attr);
  DrawFrame(con, top, left, top + height - 1, left + width - 1, Line::kSingle, attr);
  int row = top + 1;
  if (!title.empty()) {
    con.Say(row, left + 2 + (static_cast<int>(inner) - static_cast<int>(title.size())) / 2, title, attr);
    row += 2;
  }
  for (int i = 0; i < text_rows; ++i) con.Say(row + i, left + 2, shown[static_cast<size_t>(i)], attr);
  const bool cursor = con.ShowCursor(false);
  const int key = con.WaitKey();
  con.ShowCursor(cursor);
  return key;
}

int CentreColumn(std::string_view text) {
  const int column = 40 - static_cast<int>((text.size() + 1) / 2);
  return column < 0 ? 0 : column;
}

std::string FitMessage(std::string_view text, size_t width) {
  if (text.size() <= width) return std::string(text);
  constexpr std::string_view kCut = "...";
  if (width <= kCut.size()) return std::string(text.substr(0, width));
  const size_t excess = text.size() - width + kCut.size();
  // A path (a word that starts at the root or names a file in a folder) gives up its leading folders:
  // the file's name and whatever surrounds the path stay.
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find(' ', at), text.size());
    const size_t last_slash = text.find_last_of('/', end - 1);
    const bool path = last_slash != std::string_view::npos && last_slash >= at &&
                      (text[at] == '/' || text.find('.', last_slash) < end);
    if (path && last_slash > at + excess) {
      return std::string(text.substr(0, at)) + std::string(kCut) + std::string(text.substr(at + excess));
    }
    at = end + 1;
  }
  // Otherwise the middle goes: the start says what happened, the end why.
  const size_t head = (width - kCut.size()) / 2;
  return std::string(text.substr(0, head)) + std::string(kCut) + std::string(text.substr(head + excess));
}

int PESAN(Console& con, std::string_view text, std::string_view colour, bool show) {
  // A message longer than the row is shown whole, in a box.
  const std::string_view words = xbase::AllTrim(text);
  if (show && words.size() > static_cast<size_t>(kCols)) return MessageBox(con, "", {std::string(words)}, colour);
  const std::string trimmed = FitMessage(words, kCols);
  const Region row = con.Save(kMessageRow, 0, kMessageRow, kCols - 1);
  const ColourSet colours = con.colours();
  const Cursor cursor = con.cursor();
  con.ShowCursor(false);
  if (show) {
    const Attr attr = con.Colour(colour);
    con.Clear(kMessageRow, 0, kMessageRow, kCols - 1, attr);
    con.Say(kMessageRow, CentreColumn(trimmed), trimmed, attr);
  }
  const int key = con.WaitKey();
  con.Restore(row);
  con.set_colours(colours);
  con.MoveCursor(cursor.row, cursor.col);
  con.ShowCursor(cursor.visible);
  return key;
}

void WARNING(Console& con, std::string_view text, std::string_view colour) {
  const Attr attr = con.Colour(colour);
  const std::string fitted = FitMessage(text, kCols);
  con.Clear(kMessageRow, 0, kMessageRow, kCols - 1, attr);
  con.Say(kMessageRow, CentreColumn(fitted), fitted, attr);
}

bool TENGAH(Console& con, int row, std::string_view text, std::string_view colour) {
  con.Say(row, CentreColumn(text), text, con.Colour(colour));
  return true;
}

void JUDUL(Console& con, int width, std::string_view text) {
  int row = con.cursor().row + 1;
  if (row == kRows) {
    Region below = con.Save(1, 0, kRows - 1, kCols - 1);
    below.top = 0;
    below.bottom = kRows - 2;
    con.Restore(below);
    con.Clear(kRows - 1, 0, kRows - 1, kCols - 1, con.colours().standard);
    row = kRows - 1;
  }
  const int column = (width - static_cast<int>(text.size())) / 2;
  con.Say(row, column < 0 ? 0 : column, text);
  con.MoveCursor(row, 0);
}

void CETAK(Console& con, int row, int col, const xbase::Value& value, std::string_view colour,
           std::string_view picture) {
  const Attr attr = colour.empty() ? con.colours().standard : con.Colour(colour);
  con.Say(row, col, FormatValue(value, picture), attr);
}

void BUNYI(Console& con) {
  for (int hertz : {850, 1050, 1150}) con.Tone(hertz, kTickMs);
}

}  // namespace console
