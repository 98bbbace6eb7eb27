// ScriptedTerminal: a terminal for tests. It replays a list of keys and keeps what the
// screen showed each time a key was asked for.
#ifndef PALUNDA_CONSOLE_SCRIPTED_TERMINAL_H_
#define PALUNDA_CONSOLE_SCRIPTED_TERMINAL_H_

#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/clock.h"
#include "console/terminal.h"

namespace console {

class ScriptedTerminal : public Terminal {
 public:
  // Keys to replay; key::kNone stands for a wait that ends without a key, which moves the
  // clock (when given) on by the wait. When the keys run out every read gives Esc.
  explicit ScriptedTerminal(std::vector<int> keys = {}, ManualClock* clock = nullptr, bool colour = true);

  void Present(const CellGrid& cells, const Cursor& cursor) override;
  int ReadKey(int timeout_ms) override;
  void Tone(int hertz, int milliseconds) override { tones_.emplace_back(hertz, milliseconds); }
  bool IsColour() const override { return colour_; }

  // Append keys to the script.
  void AddKeys(const std::vector<int>& keys) { keys_.insert(keys_.end(), keys.begin(), keys.end()); }
  // The keys of typed text, one per byte.
  static std::vector<int> Typed(std::string_view text);

  // What was shown last.
  const CellGrid& cells() const { return cells_; }
  const Cursor& cursor() const { return cursor_; }
  const Cell& At(int row, int col) const { return cells_[row * kCols + col]; }
  // The bytes shown on a row from a column, len cells long.
  std::string Text(int row, int col = 0, int len = kCols) const;
  // The screens shown at each key read, in order.
  const std::vector<CellGrid>& screens() const { return screens_; }
  // The cursor shown at each key read, in the order of screens().
  const std::vector<Cursor>& cursors() const { return cursors_; }
  // The bytes of a row of a screen from screens().
  static std::string Text(const CellGrid& grid, int row, int col = 0, int len = kCols);

  // A screen as 25 lines of UTF-8 text, for messages of failing tests.
  static std::string Dump(const CellGrid& grid);

  size_t keys_left() const { return keys_.size(); }
  // Reads made after the script ran out.
  int overruns() const { return overruns_; }
  const std::vector<std::pair<int, int>>& tones() const { return tones_; }

 private:
  std::deque<int> keys_;
  ManualClock* clock_;
  bool colour_;
  CellGrid cells_;
  Cursor cursor_;
  std::vector<CellGrid> screens_;
  std::vector<Cursor> cursors_;
  int overruns_ = 0;
  std::vector<std::pair<int, int>> tones_;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_SCRIPTED_TERMINAL_H_
