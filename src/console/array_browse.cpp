// The browse over a two-dimensional array that every line editor uses (BUATOBJECT and its
// siblings), with the navigation keys (KURSOR) and the key help of the line editors (ARRHLP).
#include "console/array_browse.h"

#include <algorithm>
#include <utility>

#include "console/box.h"
#include "console/field_format.h"
#include "console/get.h"
#include "console/keys.h"

namespace console {
namespace {

constexpr size_t kMaxColumns = 17;

std::string CellText(const ValueTable& rows, int row, int column, const std::string& picture) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return {};
  const ValueRow& values = rows[static_cast<size_t>(row)];
  if (column >= static_cast<int>(values.size()) || values[static_cast<size_t>(column)].is_nil()) return {};
  return FormatValue(values[static_cast<size_t>(column)], picture);
}

}  // namespace

ArrayBrowse::ArrayBrowse(ValueTable* rows, std::vector<std::string> heads, std::vector<std::string> pictures,
                         Window window, std::string colour, int frozen, int* row)
    : rows_(rows), window_(window), colour_(std::move(colour)), row_(row) {
  heads.resize(std::min(heads.size(), kMaxColumns));
  pictures.resize(heads.size());
  std::vector<ColumnView::Column> columns;
  for (size_t i = 0; i < heads.size(); ++i) {
    const size_t width = std::max(heads[i].size(), CellText(*rows_, 0, static_cast<int>(i), pictures[i]).size());
    columns.push_back({heads[i], static_cast<int>(width), false});
  }
  view_ = ColumnView(std::move(columns), frozen, window.left, window.right);
  pictures_ = std::move(pictures);
  read_only_.assign(heads.size(), false);
  *row_ = std::clamp(*row_, 1, std::max(1, static_cast<int>(rows_->size())));
}

int ArrayBrowse::Skip(int n) {
  const int count = std::max(1, static_cast<int>(rows_->size()));
  const int before = *row_;
  *row_ = std::clamp(*row_ + n, 1, count);
  return *row_ - before;
}

bool ArrayBrowse::Navigate(int key) {
  switch (key) {
    case key::kUp: Skip(-1); break;
    case key::kDown: Skip(1); break;
    case key::kPgUp: Skip(-page()); first_row_ -= page(); break;
    case key::kPgDn: Skip(page()); first_row_ += page(); break;
    case key::kCtrlPgUp: GoTop(); break;
    case key::kCtrlPgDn: GoBottom(); break;
    default: return view_.Navigate(key);
  }
  return true;
}

Attr ArrayBrowse::RowAttr(int row_index) const {
  if (row_colours_) return PaletteAttr(row_colours_(row_index + 1).first);
  return colours_.slot(row_slot_ ? row_slot_(row_index + 1) : 0);
}

Attr ArrayBrowse::HighlightAttr(int row_index) const {
  return row_colours_ ? PaletteAttr(row_colours_(row_index + 1).second) : colours_.enhanced;
}

Attr ArrayBrowse::PaletteAttr(int place) const {
  return place >= 1 && place <= static_cast<int>(palette_.size()) ? palette_[static_cast<size_t>(place - 1)]
                                                                  : colours_.standard;
}

void ArrayBrowse::DrawCell(Console& con, int row_index, int column, bool highlight) {
  const int line = window_.top + 2 + (row_index - first_row_);
  if (line < window_.top + 2 || line > window_.bottom) return;
  view_.DrawCell(con, line, column, CellText(*rows_, row_index, column, pictures_[column]),
                 highlight ? HighlightAttr(row_index) : RowAttr(row_index));
}

void ArrayBrowse::Stabilize(Console& con) {
  colours_ = con.colours().With(colour_);
  palette_.clear();
  for (std::string_view rest = colour_;;) {
    const size_t comma = rest.find(',');
    palette_.push_back(ParseColourPair(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  const int index = *row_ - 1;
  if (index < first_row_) first_row_ = index;
  if (index >= first_row_ + page()) first_row_ = index - page() + 1;
  first_row_ = std::max(0, first_row_);
  con.Clear(window_.top, window_.left, window_.bottom, window_.right, colours_.standard);
  view_.DrawHeads(con, window_.top, colours_.standard);
  const auto shown = view_.Layout();
  for (int r = 0; r < page(); ++r) {
    const int row_index = first_row_ + r;
    if (row_index >= static_cast<int>(rows_->size())) break;
    con.Clear(window_.top + 2 + r, window_.left, window_.top + 2 + r, window_.right, RowAttr(row_index));
    for (const auto& [i, x] : shown) DrawCell(con, row_index, i, false);
  }
}

bool ArrayBrowse::EditCell(Console& con, const ValueCheck& valid, bool* escaped) {
  if (escaped != nullptr) *escaped = false;
  const int index = *row_ - 1;
  const int column = view_.current();
  if (read_only_[column] || index < 0 || index >= static_cast<int>(rows_->size())) return false;
  const ValueRow& values = (*rows_)[static_cast<size_t>(index)];
  if (column >= static_cast<int>(values.size())) return false;
  const int line = window_.top + 2 + (index - first_row_);
  const int x = view_.ScreenColumn(column);
  if (x < 0) return false;
  // The edit works on a copy: the check may rebuild the row, or the whole table, under the cell.
  xbase::Value cell = values[static_cast<size_t>(column)];
  if (!EditValue(con, line, x, &cell, pictures_[column], RowAttr(index), HighlightAttr(index), valid, escaped)) {
    return false;
  }
  if (index >= static_cast<int>(rows_->size())) return false;
  ValueRow& now = (*rows_)[static_cast<size_t>(index)];
  if (column >= static_cast<int>(now.size())) return false;
  now[static_cast<size_t>(column)] = std::move(cell);
  return true;
}

ArrayBrowse BUATOBJECT(Console& con, ValueTable* rows, std::vector<std::string> heads,
                       std::vector<std::string> pictures, Window window, std::string colour, int help_row,
                       const KeyHelp& help, int* idx, int frozen) {
  DrawKeyHelp(con, help_row, help);
  return ArrayBrowse(rows, std::move(heads), std::move(pictures), window, std::move(colour), frozen, idx);
}

ArrayBrowse BUAT_OBJECT(Console& con, std::vector<ValueTable>* tables, std::vector<std::string> heads, int which,
                        std::vector<std::string> pictures, Window window, std::string colour, int help_row,
                        const KeyHelp& help, int* fdx, int frozen) {
  return BUATOBJECT(con, &(*tables)[static_cast<size_t>(which - 1)], std::move(heads), std::move(pictures), window,
                    std::move(colour), help_row, help, fdx, frozen);
}

void ARRHLP(Console& con) {
  struct HelpLine {
    const char* key1;
    const char* text1;
    const char* key2;
    const char* text2;
  };
  static constexpr HelpLine kLines[] = {
      {"Escape  ", ": Exit...............................................", "", ""},
      {"Pan-Atas", ": ke atas 1 baris.... ", "Pan-Bawah  ", ": ke bawah 1 baris.."},
      {"Pan-Kiri", ": ke kiri 1 field.... ", "Pan-Kanan  ", ": ke kanan 1 field.."},
      {"Pg-Up   ", ": ke atas 1 layar.... ", "Pg_Down    ", ": ke bawah 1 layar.."},
      {"Home    ", ": ke awal record..... ", "End        ", ": ke akhir record..."},
      {"Ctrl -> ", ": ke akhir field..... ", "Ctrl <-    ", ": ke awal field....."},
      {"Insert  ", ": sisipkan 1 record.. ", "Delete     ", ": hapus 1 record...."},
      {"Tab     ", ": isi data yg akan dicetak pada Form.................", "", ""},
      {"F2      ", ": On / Off data baranng .............................", "", ""},
      {"F10     ", ": Simpan data .......................................", "", ""},
  };
  ScreenKeeper keeper(con);
  const Attr text = con.Colour("n/w");
  const Attr key_attr = con.Colour("b+/w");
  con.Clear(8, 8, 20, 74, text);
  DrawFrame(con, 8, 8, 20, 74, Line::kSingle, text);
  int row = 9;
  for (const HelpLine& line : kLines) {
    con.Say(row, 9, line.key1, key_attr);
    con.Say(row, con.cursor().col, line.text1, text);
    con.Say(row, con.cursor().col, line.key2, key_attr);
    con.Say(row, con.cursor().col, line.text2, text);
    ++row;
  }
  con.Say(20, 30, "Press any key to exit", text);
  con.ShowCursor(false);
  con.WaitKey();
}

}  // namespace console
