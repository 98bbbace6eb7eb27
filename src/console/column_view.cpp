// The columns of a browse window: which are shown where, the current one, frozen columns on
// the left, hidden ones, and panning.
#include "console/column_view.h"

#include <algorithm>

#include "console/keys.h"

namespace console {
ColumnView::ColumnView(std::vector<Column> columns, int frozen, int window_left, int window_right)
    : columns_(std::move(columns)),
      frozen_(std::clamp(frozen, 0, static_cast<int>(columns_.size()))),
      window_left_(window_left),
      window_right_(window_right),
      left_(frozen_) {}

std::vector<std::pair<int, int>> ColumnView::Layout() const {
  std::vector<std::pair<int, int>> shown;
  int x = window_left_;
  bool scrolling_shown = false;
  // A column that does not fit is still shown, cut at the window's edge, when it is frozen or
  // the first scrolling one; otherwise the columns end there.
  auto place = [&](int i, bool frozen) {
    if (columns_[i].hidden || x > window_right_) return;
    if (x + columns_[i].width - 1 > window_right_ && !frozen && scrolling_shown) {
      x = window_right_ + 1;
      return;
    }
    shown.emplace_back(i, x);
    scrolling_shown = scrolling_shown || !frozen;
    x += columns_[i].width + 1;
  };
  for (int i = 0; i < frozen_; ++i) place(i, true);
  for (int i = left_; i < size(); ++i) place(i, false);
  return shown;
}

int ColumnView::ScreenColumn(int index) const {
  for (const auto& [i, x] : Layout()) {
    if (i == index) return x;
  }
  return -1;
}

void ColumnView::KeepCurrentVisible() {
  if (columns_.empty()) return;
  int step = 1;
  for (int tries = 0; columns_[current_].hidden && tries < 2 * size(); ++tries) {
    if (current_ + step >= size() || current_ + step < 0) step = -step;
    current_ += step;
  }
  if (current_ < frozen_) return;
  if (current_ < left_) left_ = current_;
  while (left_ < current_ && ScreenColumn(current_) < 0) ++left_;
}

void ColumnView::set_current(int index) {
  current_ = std::clamp(index, 0, std::max(0, size() - 1));
  KeepCurrentVisible();
}

void ColumnView::set_hidden(int index, bool hidden) {
  columns_[index].hidden = hidden;
  KeepCurrentVisible();
}

void ColumnView::Step(int step) {
  for (int c = current_ + step; c >= 0 && c < size(); c += step) {
    if (!columns_[c].hidden) {
      current_ = c;
      break;
    }
  }
  KeepCurrentVisible();
}

void ColumnView::PanLeft() {
  int next = left_ - 1;
  while (next >= frozen_ && columns_[next].hidden) --next;
  if (next < frozen_) return;
  left_ = next;
  const auto shown = Layout();
  if (current_ >= frozen_ && ScreenColumn(current_) < 0) current_ = shown.back().first;
}

void ColumnView::PanRight() {
  const auto shown = Layout();
  if (shown.empty() || shown.back().first >= size() - 1) return;
  ++left_;
  if (current_ >= frozen_ && current_ < left_) current_ = left_;
  KeepCurrentVisible();
}

bool ColumnView::Navigate(int key) {
  switch (key) {
    case key::kLeft: Step(-1); break;
    case key::kRight: Step(1); break;
    case key::kHome: case key::kEnd: {
      const auto shown = Layout();
      if (!shown.empty()) current_ = key == key::kHome ? shown.front().first : shown.back().first;
      break;
    }
    case key::kCtrlLeft: case key::kTab: PanLeft(); break;
    case key::kCtrlRight: case key::kShiftTab: PanRight(); break;
    case key::kCtrlHome:
      left_ = frozen_;
      set_current(0);
      break;
    case key::kCtrlEnd: set_current(size() - 1); break;
    default: return false;
  }
  return true;
}

namespace {

// The lines of a head, split at ";".
std::vector<std::string_view> HeadLines(std::string_view head) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = head.find(';', start);
    lines.push_back(head.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

int HeadWidth(std::string_view head) {
  size_t width = 0;
  for (std::string_view line : HeadLines(head)) width = std::max(width, line.size());
  return static_cast<int>(width);
}

int ColumnView::head_rows() const {
  size_t rows = 1;
  for (const Column& column : columns_) rows = std::max(rows, HeadLines(column.head).size());
  return static_cast<int>(rows);
}

void ColumnView::DrawHeads(Console& con, int row, Attr attr) const {
  const int rows = head_rows();
  for (int k = 0; k < rows; ++k) {
    for (const auto& [i, x] : Layout()) {
      const std::vector<std::string_view> lines = HeadLines(columns_[i].head);
      DrawCell(con, row + k, i, k < static_cast<int>(lines.size()) ? std::string(lines[static_cast<size_t>(k)]) : "", attr);
    }
    DrawColumnSeparators(con, row + k, attr);
  }
  con.Fill(row + rows, window_left_, row + rows, window_right_, head_separator_, attr);
}

void ColumnView::DrawColumnSeparators(Console& con, int row, Attr attr) const {
  if (column_separator_ == ' ') return;
  const auto shown = Layout();
  for (size_t k = 0; k + 1 < shown.size(); ++k) con.Put(row, shown[k + 1].second - 1, column_separator_, attr);
}

void ColumnView::DrawCell(Console& con, int row, int index, std::string text, Attr attr) const {
  const int x = ScreenColumn(index);
  if (x < 0) return;
  text.resize(static_cast<size_t>(std::min(columns_[index].width, window_right_ - x + 1)), ' ');
  con.Say(row, x, text, attr);
}

}  // namespace console
