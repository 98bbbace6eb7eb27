// The DOS code page 437: the bytes that the screen holds, and their Unicode forms.
#include "xbase/cp437.h"

#include <array>
#include <unordered_map>

namespace xbase {
namespace {

// Glyphs of the control bytes 0x00..0x1F (0x00 shows blank).
constexpr char32_t kLow[32] = {
    U' ', U'☺', U'☻', U'♥', U'♦', U'♣', U'♠', U'•', U'◘', U'○', U'◙', U'♂', U'♀', U'♪', U'♫', U'☼',
    U'►', U'◄', U'↕', U'‼', U'¶', U'§', U'▬', U'↨', U'↑', U'↓', U'→', U'←', U'∟', U'↔', U'▲', U'▼'};

// Bytes 0x7F..0xFF.
constexpr char32_t kHigh[129] = {
    U'⌂',
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'å', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ì', U'Ä', U'Å',
    U'É', U'æ', U'Æ', U'ô', U'ö', U'ò', U'û', U'ù', U'ÿ', U'Ö', U'Ü', U'¢', U'£', U'¥', U'₧', U'ƒ',
    U'á', U'í', U'ó', U'ú', U'ñ', U'Ñ', U'ª', U'º', U'¿', U'⌐', U'¬', U'½', U'¼', U'¡', U'«', U'»',
    U'░', U'▒', U'▓', U'│', U'┤', U'╡', U'╢', U'╖', U'╕', U'╣', U'║', U'╗', U'╝', U'╜', U'╛', U'┐',
    U'└', U'┴', U'┬', U'├', U'─', U'┼', U'╞', U'╟', U'╚', U'╔', U'╩', U'╦', U'╠', U'═', U'╬', U'╧',
    U'╨', U'╤', U'╥', U'╙', U'╘', U'╒', U'╓', U'╫', U'╪', U'┘', U'┌', U'█', U'▄', U'▌', U'▐', U'▀',
    U'α', U'ß', U'Γ', U'π', U'Σ', U'σ', U'µ', U'τ', U'Φ', U'Θ', U'Ω', U'δ', U'∞', U'φ', U'ε', U'∩',
    U'≡', U'±', U'≥', U'≤', U'⌠', U'⌡', U'÷', U'≈', U'°', U'∙', U'·', U'√', U'ⁿ', U'²', U'■', U'\u00A0'};

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

const std::unordered_map<char32_t, uint8_t>& ReverseTable() {
  static const auto* table = [] {
    auto* map = new std::unordered_map<char32_t, uint8_t>;
    for (int byte = 255; byte >= 1; --byte) (*map)[Cp437ToUnicode(static_cast<uint8_t>(byte))] = static_cast<uint8_t>(byte);
    return map;
  }();
  return *table;
}

}  // namespace

char32_t Cp437ToUnicode(uint8_t byte) {
  if (byte < 0x20) return kLow[byte];
  if (byte < 0x7F) return byte;
  return kHigh[byte - 0x7F];
}

uint8_t UnicodeToCp437(char32_t code_point) {
  if (code_point >= 0x20 && code_point < 0x7F) return static_cast<uint8_t>(code_point);
  const auto& table = ReverseTable();
  auto it = table.find(code_point);
  return it == table.end() ? 0 : it->second;
}

std::string Cp437ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(Cp437ToUnicode(static_cast<uint8_t>(c)), &out);
  return out;
}

std::string Utf8ToCp437(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<uint8_t>(text[i]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    size_t j = i + 1;
    for (; j < text.size() && j <= i + static_cast<size_t>(extra); ++j) cp = (cp << 6) | (static_cast<uint8_t>(text[j]) & 0x3F);
    const uint8_t byte = UnicodeToCp437(cp);
    out.push_back(byte == 0 ? '?' : static_cast<char>(byte));
    i = j;
  }
  return out;
}

}  // namespace xbase
