// The key-help line ("Esc) Selesai  F2) Tambah ...") and the one-letter choice prompt.
#include "console/key_help.h"

#include <cctype>

#include "console/message.h"

namespace console {

int DrawKeyHelp(Console& con, int row, const KeyHelp& help) {
  std::string line;
  for (size_t i = 0; i < help.labels.size(); ++i) line += help.labels[i] + (i < help.keys.size() ? help.keys[i] : "");
  const Attr label_attr = con.Colour(help.colour);
  const Attr key_attr = con.Colour(help.highlight);
  int col = CentreColumn(line);
  for (size_t i = 0; i < help.labels.size(); ++i) {
    con.Say(row, col, help.labels[i], label_attr);
    col += static_cast<int>(help.labels[i].size());
    if (i < help.keys.size()) {
      con.Say(row, col, help.keys[i], key_attr);
      col += static_cast<int>(help.keys[i].size());
    }
  }
  return col;
}

char PILIHAN(Console& con, const KeyHelp& help) {
  ScreenKeeper keeper(con);
  con.Clear(kMessageRow, 0, kMessageRow, kCols - 1, con.Colour(help.colour));
  const int end = DrawKeyHelp(con, kMessageRow, help);
  con.MoveCursor(kMessageRow, end + 1);
  con.ShowCursor(true);
  for (;;) {
    const int key = con.WaitKey();
    if (key >= 32 && key < 256) return static_cast<char>(std::toupper(key));
    if (key == 13 || key == 27) return ' ';
  }
}

}  // namespace console
