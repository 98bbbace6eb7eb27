// GET/READ: a form of edit fields on the screen, read one field after the other.
#include "console/get.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "console/field_format.h"
#include "console/keys.h"
#include "console/message.h"

namespace console {
namespace {

enum class Kind { kText, kNumber, kDate, kLogical };

// Where the cursor goes when a field is left; kRefuse stays in the field with the bell (a
// character typed where the field has no room left).
enum class Move { kStay, kRefuse, kNext, kPrev, kFirst, kExit, kEscape };

constexpr char kDefaultNumberMask[] = "9999999999";
constexpr char kDateMask[] = "99-99-9999";
// The bell of a refused key or date.
constexpr int kBellHertz = 440;
constexpr int kBellMs = 55;

Kind KindOf(const GetField::Target& target) { return static_cast<Kind>(target.index()); }

xbase::Value ValueOf(const GetField::Target& target) {
  switch (KindOf(target)) {
    case Kind::kText: return xbase::Value::Text(*std::get<std::string*>(target));
    case Kind::kNumber: return xbase::Value::Num(*std::get<double*>(target));
    case Kind::kDate: return xbase::Value::FromDate(*std::get<xbase::Date*>(target));
    default: return xbase::Value::Logical(*std::get<bool*>(target));
  }
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The character a template slot takes for a typed key, or 0 when the slot refuses it.
char Accept(char slot, int key, Kind kind, bool upper) {
  if (key < 32 || key > 255) return 0;
  const char c = static_cast<char>(key);
  const auto u = static_cast<unsigned char>(c);
  const bool digit = std::isdigit(u) != 0;
  switch (Upper(slot)) {
    case '9': return digit || (kind == Kind::kNumber && (c == '-' || c == '+' || c == ' ')) ? c : 0;
    case '#': return digit || c == ' ' || c == '-' || c == '+' ? c : 0;
    case 'A': return std::isalpha(u) ? (upper ? Upper(c) : c) : 0;
    case 'N': return std::isalnum(u) ? (upper ? Upper(c) : c) : 0;
    case '!': return Upper(c);
    case 'Y': return std::strchr("YyNn", c) != nullptr ? Upper(c) : 0;
    case 'L': return std::strchr("YyNnTtFf", c) != nullptr ? Upper(c) : 0;
    default: return upper ? Upper(c) : c;  // 'X' and a field without a template
  }
}

bool IsSlot(char c, Kind kind) {
  if (kind == Kind::kNumber || kind == Kind::kDate) return c == '9' || c == '#';
  return std::strchr("9#ANXLY!anxly", c) != nullptr;
}

// The editing state of the field that has the cursor.
class FieldEditor {
 public:
  FieldEditor(GetField& field, bool* insert_mode)
      : field_(field), kind_(KindOf(field.target)), pic_(ParsePicture(field.picture)), insert_mode_(insert_mode) {
    if (kind_ == Kind::kNumber) mask_ = pic_.mask.empty() ? kDefaultNumberMask : pic_.mask;
    if (kind_ == Kind::kDate) mask_ = kDateMask;
    if (kind_ == Kind::kLogical) mask_ = (!pic_.mask.empty() && Upper(pic_.mask[0]) == 'Y') ? "Y" : "L";
    if (kind_ == Kind::kText) {
      mask_ = pic_.mask.empty() ? std::string(std::get<std::string*>(field.target)->size(), 'X') : pic_.mask;
    }
    for (size_t i = 0; i < mask_.size(); ++i) {
      if (IsSlot(mask_[i], kind_)) slots_.push_back(static_cast<int>(i));
    }
    Reload();
    original_ = buffer_;
    clear_pending_ = kind_ == Kind::kNumber || (kind_ == Kind::kText && pic_.clear_on_key);
  }

  // Show the buffer in the field's window and put the cursor on the current slot.
  void Draw(Console& con, Attr attr) {
    const int width = Shown();
    if (width == 0) {
      con.MoveCursor(field_.row, field_.col);
      return;
    }
    const int at = slots_.empty() ? 0 : slots_[std::min(slot_, static_cast<int>(slots_.size()) - 1)];
    if (at < offset_) offset_ = at;
    if (at >= offset_ + width) offset_ = at - width + 1;
    con.Say(field_.row, field_.col, buffer_.substr(static_cast<size_t>(offset_), static_cast<size_t>(width)), attr);
    con.MoveCursor(field_.row, field_.col + at - offset_);
  }

  Move HandleKey(int key) {
    switch (key) {
      case key::kEnter: case key::kDown: case key::kTab: return Move::kNext;
      case key::kUp: case key::kShiftTab: return Move::kPrev;
      case key::kPgDn: case key::kPgUp: case key::kCtrlW: return Move::kExit;
      case key::kCtrlHome: return Move::kFirst;
      case key::kEsc: return Move::kEscape;
      case key::kIns: *insert_mode_ = !*insert_mode_; return Move::kStay;
      default: break;
    }
    if (slots_.empty()) return Type(key);
    const int last = static_cast<int>(slots_.size()) - 1;
    if (full_ && (key < 32 || key > 255)) {
      // The cursor stands after the last character: Backspace takes that one back; any other
      // key works from the last slot.
      full_ = false;
      if (key == key::kBackspace) {
        DeleteAt(last);
        return Move::kStay;
      }
    }
    switch (key) {
      case key::kLeft: slot_ = std::max(0, slot_ - 1); break;
      case key::kRight: slot_ = std::min(last, slot_ + 1); break;
      case key::kHome: slot_ = 0; break;
      case key::kEnd: slot_ = std::min(last, LastFilled() + 1); break;
      case key::kCtrlLeft:  // to the start of the word before
        if (slot_ > 0) --slot_;
        while (slot_ > 0 && At(slot_) == ' ') --slot_;
        while (slot_ > 0 && At(slot_ - 1) != ' ') --slot_;
        break;
      case key::kCtrlRight:  // to the start of the next word
        while (slot_ < last && At(slot_) != ' ') ++slot_;
        while (slot_ < last && At(slot_) == ' ') ++slot_;
        break;
      case key::kBackspace:
        if (slot_ > 0) DeleteAt(--slot_);
        break;
      case key::kDel: DeleteAt(slot_); break;
      case 25:  // Ctrl+Y: blank to the end
        for (int k = slot_; k <= last; ++k) Set(k, ' ');
        break;
      case 21:  // Ctrl+U: back to the text the field had
        buffer_ = original_;
        break;
      default:
        return Type(key);
    }
    clear_pending_ = false;
    return Move::kStay;
  }

  // Why a date field's buffer holds no date.
  std::string DateFault() const {
    return "Tanggal " + buffer_ + (buffer_.find(' ') != std::string::npos ? " belum lengkap" : " tidak ada");
  }

  // Take the buffer into the variable; false when the buffer holds no valid value.
  bool Commit(bool* changed) {
    switch (kind_) {
      case Kind::kText: {
        std::string& text = *std::get<std::string*>(field_.target);
        *changed = text != buffer_;
        text = buffer_;
        break;
      }
      case Kind::kNumber: {
        std::string digits;
        const size_t point = mask_.find('.');
        for (size_t i = 0; i < buffer_.size(); ++i) {
          if (std::isdigit(static_cast<unsigned char>(buffer_[i]))) digits.push_back(buffer_[i]);
          if (i == point) digits.push_back('.');
        }
        double value = std::strtod(digits.c_str(), nullptr);
        if (buffer_.find('-') != std::string::npos) value = -value;
        double& number = *std::get<double*>(field_.target);
        *changed = number != value;
        number = value;
        break;
      }
      case Kind::kDate: {
        xbase::Date date;
        if (buffer_.find_first_of("0123456789") != std::string::npos) {
          if (buffer_.find(' ') != std::string::npos) return false;
          date = xbase::Date::FromYmd(std::atoi(buffer_.substr(6, 4).c_str()), std::atoi(buffer_.substr(3, 2).c_str()),
                                      std::atoi(buffer_.substr(0, 2).c_str()));
          if (date.empty()) return false;
        }
        xbase::Date& target = *std::get<xbase::Date*>(field_.target);
        *changed = target != date;
        target = date;
        break;
      }
      case Kind::kLogical: {
        const bool flag = buffer_[0] == 'Y' || buffer_[0] == 'T';
        bool& target = *std::get<bool*>(field_.target);
        *changed = target != flag;
        target = flag;
        break;
      }
    }
    return true;
  }

  // Show the variable's value again (after a check changed it).
  void Reload() {
    buffer_ = FormatValue(ValueOf(field_.target), kind_ == Kind::kDate ? std::string() : mask_);
    if (kind_ == Kind::kText && pic_.upper) {
      for (char& c : buffer_) c = Upper(c);
    }
    buffer_.resize(mask_.size(), ' ');
  }

 private:
  int Shown() const {
    const int width = static_cast<int>(mask_.size());
    return pic_.scroll > 0 ? std::min(pic_.scroll, width) : width;
  }
  char At(int slot) const { return slot < 0 ? ' ' : buffer_[static_cast<size_t>(slots_[slot])]; }
  void Set(int slot, char c) { buffer_[static_cast<size_t>(slots_[slot])] = c; }
  int LastFilled() const {
    for (int k = static_cast<int>(slots_.size()) - 1; k >= 0; --k) {
      if (At(k) != ' ') return k;
    }
    return -1;
  }

  void DeleteAt(int slot) {
    if (slot >= static_cast<int>(slots_.size())) return;
    if (kind_ == Kind::kDate) {
      Set(slot, ' ');
      return;
    }
    for (int k = slot; k + 1 < static_cast<int>(slots_.size()); ++k) Set(k, At(k + 1));
    Set(static_cast<int>(slots_.size()) - 1, ' ');
  }

  // A typed key; a full field takes nothing more and only the movement keys leave it.
  Move Type(int key) {
    if (key < 32 || key > 255) return Move::kStay;
    if (slots_.empty()) return Move::kRefuse;
    const size_t point = mask_.find('.');
    if (kind_ == Kind::kNumber && key == '.' && point != std::string::npos) {
      full_ = false;
      if (clear_pending_) Clear();
      RightJustifyInteger(point);
      slot_ = static_cast<int>(std::find_if(slots_.begin(), slots_.end(), [&](int i) { return i > static_cast<int>(point); }) - slots_.begin());
      slot_ = std::min(slot_, static_cast<int>(slots_.size()) - 1);
      return Move::kStay;
    }
    if (full_) return Move::kRefuse;
    const char c = Accept(mask_[static_cast<size_t>(slots_[slot_])], key, kind_, pic_.upper);
    if (c == 0) return Move::kStay;
    if (clear_pending_) Clear();
    const int last = static_cast<int>(slots_.size()) - 1;
    if (*insert_mode_ && kind_ == Kind::kText) {
      if (At(last) != ' ') return Move::kRefuse;  // the insert would push the last character out
      for (int k = last; k > slot_; --k) Set(k, At(k - 1));
    }
    Set(slot_, c);
    if (slot_ < last) {
      ++slot_;
    } else {
      full_ = true;
    }
    return Move::kStay;
  }

  void Clear() {
    for (size_t k = 0; k < slots_.size(); ++k) Set(static_cast<int>(k), ' ');
    for (size_t i = 0; i < mask_.size(); ++i) {
      if (mask_[i] == ',') buffer_[i] = ' ';
    }
    slot_ = 0;
    clear_pending_ = false;
  }

  // The digits before the decimal point move to the right end of the integer slots.
  void RightJustifyInteger(size_t point) {
    std::vector<int> integer;
    for (int k = 0; k < static_cast<int>(slots_.size()) && slots_[k] < static_cast<int>(point); ++k) integer.push_back(k);
    std::string chars;
    for (int k : integer) {
      if (At(k) != ' ') chars.push_back(At(k));
    }
    const size_t blanks = integer.size() - chars.size();
    for (size_t i = 0; i < integer.size(); ++i) Set(integer[i], i < blanks ? ' ' : chars[i - blanks]);
  }

  GetField& field_;
  Kind kind_;
  Picture pic_;
  bool* insert_mode_;
  std::string mask_;
  std::vector<int> slots_;  // buffer positions that take typing
  std::string buffer_;
  std::string original_;
  int slot_ = 0;
  int offset_ = 0;
  bool clear_pending_ = false;
  bool full_ = false;  // the last slot was typed: the cursor stands after it, on its cell
};

}  // namespace

bool EditValue(Console& con, int row, int col, xbase::Value* value, const std::string& picture, Attr unselected,
               Attr selected, const ValueCheck& valid, bool* escaped) {
  std::string text;
  double number = 0;
  xbase::Date date;
  bool flag = false;
  GetField::Target target = &text;
  switch (value->type()) {
    case xbase::Value::Type::kText: text = value->text(); break;
    case xbase::Value::Type::kNumber: number = value->number(); target = &number; break;
    case xbase::Value::Type::kDate: date = value->date(); target = &date; break;
    case xbase::Value::Type::kLogical: flag = value->logical(); target = &flag; break;
    default: return false;
  }
  auto edited = [&] {
    switch (value->type()) {
      case xbase::Value::Type::kNumber:
        return xbase::Value::Num(number, value->number_info().width, value->number_info().decimals);
      case xbase::Value::Type::kDate: return xbase::Value::FromDate(date);
      case xbase::Value::Type::kLogical: return xbase::Value::Logical(flag);
      default: return xbase::Value::Text(text);
    }
  };
  // The check's changes go back into the field's variable, which the field shows again.
  auto take_back = [&](const xbase::Value& checked) {
    switch (value->type()) {
      case xbase::Value::Type::kNumber: number = checked.number(); break;
      case xbase::Value::Type::kDate: date = checked.date(); break;
      case xbase::Value::Type::kLogical: flag = checked.logical(); break;
      default: text = checked.text(); break;
    }
  };
  GetList gets;
  GetField& field = gets.Add(row, col, target, picture);
  if (valid) {
    field.valid = [&] {
      xbase::Value checked = edited();
      const bool ok = valid(&checked);
      take_back(checked);
      return ok;
    };
  }
  const ColourSet before = con.colours();
  ColourSet inside = before;
  inside.unselected = unselected;
  inside.enhanced = selected;
  con.set_colours(inside);
  const ReadResult result = gets.Read(con);
  con.set_colours(before);
  if (escaped != nullptr) *escaped = result.escaped;
  if (result.escaped || !result.updated) return false;
  *value = edited();
  return true;
}

Attr FieldColour(const Console& con, const GetField& field, bool selected) {
  if (field.colour.empty()) return selected ? con.colours().enhanced : con.colours().unselected;
  const ColourSet own = ColourSet{con.colours().unselected, con.colours().enhanced}.With(field.colour);
  return selected ? own.enhanced : own.standard;
}

std::string FieldText(const GetField& field) {
  const Picture pic = ParsePicture(field.picture);
  std::string text = FormatValue(ValueOf(field.target), field.picture);
  if (pic.scroll > 0 && static_cast<int>(text.size()) > pic.scroll) text.resize(static_cast<size_t>(pic.scroll));
  return text;
}

GetField& GetList::Add(int row, int col, GetField::Target target, std::string picture) {
  GetField field;
  field.row = row;
  field.col = col;
  field.target = target;
  field.picture = std::move(picture);
  fields_.push_back(std::move(field));
  return fields_.back();
}

void GetList::Display(Console& con) const {
  for (const GetField& field : fields_) con.Say(field.row, field.col, FieldText(field), FieldColour(con, field, false));
}

void GetList::ShowChanged(Console& con, int current, std::vector<std::string>* shown) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (static_cast<int>(i) == current) continue;
    std::string text = FieldText(fields_[i]);
    if (text == (*shown)[i]) continue;
    con.Say(fields_[i].row, fields_[i].col, text, FieldColour(con, fields_[i], false));
    (*shown)[i] = std::move(text);
  }
}

ReadResult GetList::Read(Console& con, const ReadOptions& options) {
  ReadResult result;
  const int n = static_cast<int>(fields_.size());
  if (n == 0) return result;
  Display(con);
  std::vector<std::string> shown;
  for (const GetField& field : fields_) shown.push_back(FieldText(field));
  const bool cursor = con.ShowCursor(true);
  int pos = std::clamp(options.start, 0, n - 1);
  int direction = 1;
  // Row 24 under the message of a refused date, put back at the next key.
  std::optional<Region> under_message;
  while (pos < n) {
    GetField& field = fields_[pos];
    result.field = pos;
    if (field.when && !field.when()) {
      pos += direction;
      if (pos < 0) {
        pos = 0;
        direction = 1;
      }
      continue;
    }
    FieldEditor editor(field, &insert_mode_);
    Move move = Move::kStay;
    for (;;) {
      editor.Draw(con, FieldColour(con, field, true));
      const int key = con.WaitKey();
      if (under_message) {
        con.Restore(*under_message);
        under_message.reset();
      }
      result.exit_key = key;
      if (options.exit_on && options.exit_on(key)) {
        bool changed = false;
        if (editor.Commit(&changed)) result.updated |= changed;
        move = Move::kExit;
        break;
      }
      move = editor.HandleKey(key);
      if (move == Move::kEscape) break;
      if (move == Move::kRefuse) con.Tone(kBellHertz, kBellMs);
      if (move == Move::kStay || move == Move::kRefuse) continue;
      bool changed = false;
      if (!editor.Commit(&changed)) {
        con.Tone(kBellHertz, kBellMs);  // a date that does not exist
        under_message = con.Save(kMessageRow, 0, kMessageRow, kCols - 1);
        WARNING(con, editor.DateFault(), "Gr+/r");
        continue;
      }
      result.updated |= changed;
      if (field.valid) {
        const bool accepted = field.valid();
        ShowChanged(con, pos, &shown);
        if (!accepted) {
          editor.Reload();
          continue;
        }
      }
      break;
    }
    shown[static_cast<size_t>(pos)] = FieldText(field);
    con.Say(field.row, field.col, shown[static_cast<size_t>(pos)], FieldColour(con, field, false));
    if (move == Move::kEscape) {
      result.escaped = true;
      break;
    }
    if (move == Move::kExit) break;
    if (move == Move::kFirst) {
      pos = 0;
      direction = 1;
    } else if (move == Move::kPrev) {
      direction = pos > 0 ? -1 : 1;
      pos = std::max(0, pos - 1);
    } else {
      direction = 1;
      ++pos;
    }
  }
  con.ShowCursor(cursor);
  return result;
}

}  // namespace console
