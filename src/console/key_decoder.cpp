// Turns the bytes a terminal sends into classic key codes.
#include "console/key_decoder.h"

#include <cstdint>
#include <vector>

#include "xbase/cp437.h"
#include "console/keys.h"

namespace console {
namespace {

enum class Mod { kNone, kShift, kAlt, kCtrl };

// xterm modifier parameter: 1 + (shift 1, alt 2, ctrl 4); Ctrl wins over Alt over Shift.
Mod ModFromParam(int param) {
  const int bits = param > 1 ? param - 1 : 0;
  if (bits & 4) return Mod::kCtrl;
  if (bits & 2) return Mod::kAlt;
  if (bits & 1) return Mod::kShift;
  return Mod::kNone;
}

// Navigation keys with their plain, Ctrl and Alt codes.
struct NavKey {
  int plain, ctrl, alt;
};
constexpr NavKey kUpKeys{key::kUp, key::kCtrlUp, key::kAltUp};
constexpr NavKey kDownKeys{key::kDown, key::kCtrlDown, key::kAltDown};
constexpr NavKey kRightKeys{key::kRight, key::kCtrlRight, key::kAltRight};
constexpr NavKey kLeftKeys{key::kLeft, key::kCtrlLeft, key::kAltLeft};
constexpr NavKey kHomeKeys{key::kHome, key::kCtrlHome, key::kAltHome};
constexpr NavKey kEndKeys{key::kEnd, key::kCtrlEnd, key::kAltEnd};
constexpr NavKey kPgUpKeys{key::kPgUp, key::kCtrlPgUp, key::kAltPgUp};
constexpr NavKey kPgDnKeys{key::kPgDn, key::kCtrlPgDn, key::kAltPgDn};
constexpr NavKey kInsKeys{key::kIns, key::kCtrlIns, key::kAltIns};
constexpr NavKey kDelKeys{key::kDel, key::kCtrlDel, key::kAltDel};

int Nav(const NavKey& k, Mod mod) {
  switch (mod) {
    case Mod::kCtrl: return k.ctrl;
    case Mod::kAlt: return k.alt;
    default: return k.plain;
  }
}

int Function(int n, Mod mod) {
  switch (mod) {
    case Mod::kShift: return key::ShiftF(n);
    case Mod::kCtrl: return key::CtrlF(n);
    case Mod::kAlt: return key::AltF(n);
    default: return key::F(n);
  }
}

// The key of a final letter after CSI or SS3 (arrows, Home, End, F1-F4, keypad).
int LetterKey(char final, Mod mod, bool ss3) {
  switch (final) {
    case 'A': return Nav(kUpKeys, mod);
    case 'B': return Nav(kDownKeys, mod);
    case 'C': return Nav(kRightKeys, mod);
    case 'D': return Nav(kLeftKeys, mod);
    case 'H': return Nav(kHomeKeys, mod);
    case 'F': return Nav(kEndKeys, mod);
    case 'P': case 'Q': case 'R': case 'S': return Function(final - 'P' + 1, mod);
    case 'Z': return key::kShiftTab;
    default: break;
  }
  if (!ss3) return 0;
  switch (final) {  // application keypad and rxvt's Ctrl arrows
    case 'M': return mod == Mod::kCtrl ? key::kCtrlEnter : key::kEnter;
    case 'k': return mod == Mod::kCtrl ? key::kKeypadCtrlPlus : '+';
    case 'm': return mod == Mod::kCtrl ? key::kKeypadCtrlMinus : '-';
    case 'j': return '*';
    case 'o': return '/';
    case 'n': return '.';
    case 'l': return ',';
    case 'a': return key::kCtrlUp;
    case 'b': return key::kCtrlDown;
    case 'c': return key::kCtrlRight;
    case 'd': return key::kCtrlLeft;
    default: break;
  }
  if (final >= 'p' && final <= 'y') return '0' + (final - 'p');
  return 0;
}

// The key of "CSI n ~" (and rxvt's "^" / "$" finals).
int TildeKey(int n, Mod mod) {
  switch (n) {
    case 1: case 7: return Nav(kHomeKeys, mod);
    case 2: return Nav(kInsKeys, mod);
    case 3: return Nav(kDelKeys, mod);
    case 4: case 8: return Nav(kEndKeys, mod);
    case 5: return Nav(kPgUpKeys, mod);
    case 6: return Nav(kPgDnKeys, mod);
    default: break;
  }
  static constexpr int kFunctionCodes[] = {11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 23, 24};
  for (int i = 0; i < 12; ++i) {
    if (kFunctionCodes[i] == n) return Function(i + 1, mod);
  }
  if (n == 25 || n == 26) return Function(n - 22, Mod::kShift);  // rxvt Shift+F3, Shift+F4
  return 0;
}

// A key sent with modifyOtherKeys or the "CSI u" form: the character and its modifier.
int ModifiedCharacter(int code, Mod mod) {
  if (code == 13) return mod == Mod::kCtrl ? key::kCtrlEnter : key::kEnter;
  if (code == 9) return mod == Mod::kShift ? key::kShiftTab : key::kTab;
  if (code == 27) return key::kEsc;
  if (code == 127 || code == 8) return mod == Mod::kCtrl ? key::kCtrlBackspace : key::kBackspace;
  if (mod == Mod::kAlt) return key::Alt(static_cast<char>(code));
  if (mod == Mod::kCtrl && ((code | 0x20) >= 'a' && (code | 0x20) <= 'z')) return key::Ctrl(static_cast<char>(code));
  return code >= 32 && code < 127 ? code : 0;
}

// The key of a single byte or a UTF-8 character.
DecodedKey PlainKey(std::string_view in, bool more) {
  const auto lead = static_cast<uint8_t>(in[0]);
  if (lead == 0x7F || lead == 0x08) return {key::kBackspace, 1};
  if (lead < 0x80) return {lead, 1};
  const size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0) return {0, 1};
  if (in.size() < extra + 1) return more ? DecodedKey{0, 0, true} : DecodedKey{0, in.size()};
  const uint8_t byte = xbase::UnicodeToCp437([&] {
    char32_t cp = lead & (0x3F >> extra);
    for (size_t i = 1; i <= extra; ++i) cp = (cp << 6) | (static_cast<uint8_t>(in[i]) & 0x3F);
    return cp;
  }());
  return {byte, extra + 1};
}

// Esc followed by one character: Alt + that character, or the documented fallbacks.
int AltKey(char c) {
  if (c == '+' || c == '=') return key::kKeypadCtrlPlus;
  if (c == '-') return key::kKeypadCtrlMinus;
  return key::Alt(c);
}

}  // namespace

DecodedKey DecodeKey(std::string_view in, bool more, bool after_keys) {
  if (in.empty()) return {0, 0, more};
  if (in[0] != '\x1b') return PlainKey(in, more);
  if (in.size() == 1) return more ? DecodedKey{0, 0, true} : DecodedKey{key::kEsc, 1};

  const char intro = in[1];
  if (intro != '[' && intro != 'O') {
    if (intro == '\x1b') return {key::kEsc, 1};
    // A terminal sends Alt + a character as these two bytes alone; with other keys before or behind
    // them they were typed ahead, and the Esc is a key of its own.
    if (after_keys || in.size() > 2) return {key::kEsc, 1};
    const int alt = AltKey(intro);
    return alt != 0 ? DecodedKey{alt, 2} : DecodedKey{key::kEsc, 1};
  }
  // Linux console F1-F5: ESC [ [ A..E
  if (intro == '[' && in.size() >= 3 && in[2] == '[') {
    if (in.size() == 3) return more ? DecodedKey{0, 0, true} : DecodedKey{key::kEsc, 1};
    return {in[3] >= 'A' && in[3] <= 'E' ? key::F(in[3] - 'A' + 1) : 0, 4};
  }
  // Parameters (digits and ';') up to the final byte.
  std::vector<int> params;
  size_t i = 2;
  bool in_number = false;
  for (; i < in.size(); ++i) {
    const char c = in[i];
    if (c >= '0' && c <= '9') {
      if (!in_number) params.push_back(0);
      params.back() = params.back() * 10 + (c - '0');
      in_number = true;
    } else if (c == ';') {
      if (!in_number) params.push_back(0);
      in_number = false;
    } else {
      break;
    }
  }
  if (i == in.size()) return more ? DecodedKey{0, 0, true} : DecodedKey{key::kEsc, 1};
  const char final = in[i];
  const size_t length = i + 1;
  const bool ss3 = intro == 'O';
  if (final == '~' || final == '^' || final == '$' || final == '@') {
    if (params.empty()) return {0, length};
    if (params[0] == 27 && params.size() >= 3) return {ModifiedCharacter(params[2], ModFromParam(params[1])), length};
    Mod mod = params.size() >= 2 ? ModFromParam(params[1]) : Mod::kNone;
    if (final == '^' || final == '@') mod = Mod::kCtrl;
    if (final == '$') mod = Mod::kShift;
    return {TildeKey(params[0], mod), length};
  }
  if (final == 'u' && !ss3) {
    if (params.empty()) return {0, length};
    return {ModifiedCharacter(params[0], params.size() >= 2 ? ModFromParam(params[1]) : Mod::kNone), length};
  }
  // "CSI 1 ; m X" or "SS3 m X" carry the modifier last.
  const Mod mod = params.empty() ? Mod::kNone : ModFromParam(params.back());
  return {LetterKey(final, mod, ss3), length};
}

}  // namespace console
