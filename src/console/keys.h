// Key codes: the classic values that every screen compares against.
//
// A key is an int: a printable character is its code page byte (32..255), control keys
// and combinations have the classic codes below (Esc 27, Enter 13, F1 28, F2 -1 ... F10 -9).
//
// Some combinations share a code with a control character, as they always did: Ctrl+Left
// is 26 (Ctrl+Z), Ctrl+Right 2 (Ctrl+B), Ctrl+Home 29 (Ctrl+]), Ctrl+End 23 (Ctrl+W),
// Ctrl+PgUp 31 (Ctrl+_), Ctrl+PgDn 30 (Ctrl+^), Ctrl+Enter 10 (Ctrl+J). A terminal that
// cannot send the modified key itself (the Linux console, some emulators) therefore still
// reaches it through the control character. Fallbacks decoded by this program:
//   Ctrl+PgUp      Ctrl+_  (Ctrl+/ or Ctrl+7 on most keyboards)
//   Ctrl+PgDn      Ctrl+^  (Ctrl+6 or Ctrl+~)
//   Ctrl+Left      Ctrl+Z
//   Ctrl+Right     Ctrl+B
//   Ctrl+Home      Ctrl+]
//   Ctrl+End       Ctrl+W
//   Ctrl+Enter     Ctrl+J
//   keypad Ctrl+Plus   Alt+Plus or Alt+= (Esc then + or =)
//   keypad Ctrl+Minus  Alt+Minus (Esc then -)
//   F1             Ctrl+\ .
#ifndef PALUNDA_CONSOLE_KEYS_H_
#define PALUNDA_CONSOLE_KEYS_H_

namespace console::key {

constexpr int kNone = 0;  // no key within the wait
constexpr int kHome = 1;
constexpr int kCtrlRight = 2;
constexpr int kPgDn = 3;
constexpr int kRight = 4;
constexpr int kUp = 5;
constexpr int kEnd = 6;
constexpr int kDel = 7;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kCtrlEnter = 10;
constexpr int kEnter = 13;
constexpr int kCtrlP = 16;
constexpr int kPgUp = 18;
constexpr int kLeft = 19;
constexpr int kIns = 22;
constexpr int kCtrlEnd = 23;
constexpr int kCtrlW = 23;
constexpr int kDown = 24;
constexpr int kCtrlLeft = 26;
constexpr int kEsc = 27;
constexpr int kF1 = 28;
constexpr int kCtrlHome = 29;
constexpr int kCtrlPgDn = 30;
constexpr int kCtrlPgUp = 31;
constexpr int kCtrlBackspace = 127;
constexpr int kShiftTab = 271;
constexpr int kCtrlUp = 397;
constexpr int kKeypadCtrlMinus = 398;
constexpr int kKeypadCtrlPlus = 400;
constexpr int kCtrlDown = 401;
constexpr int kCtrlIns = 402;
constexpr int kCtrlDel = 403;
constexpr int kAltHome = 407;
constexpr int kAltUp = 408;
constexpr int kAltPgUp = 409;
constexpr int kAltLeft = 411;
constexpr int kAltRight = 413;
constexpr int kAltEnd = 415;
constexpr int kAltDown = 416;
constexpr int kAltPgDn = 417;
constexpr int kAltIns = 418;
constexpr int kAltDel = 419;

// F1 .. F12 (n = 1..12).
constexpr int F(int n) { return n == 1 ? kF1 : n <= 10 ? 1 - n : -29 - n; }
// Shift, Ctrl and Alt + F1 .. F12.
constexpr int ShiftF(int n) { return n <= 10 ? -9 - n : -31 - n; }
constexpr int CtrlF(int n) { return n <= 10 ? -19 - n : -33 - n; }
constexpr int AltF(int n) { return n <= 10 ? -29 - n : -35 - n; }

constexpr int kF2 = F(2);
constexpr int kF3 = F(3);
constexpr int kF4 = F(4);
constexpr int kF5 = F(5);
constexpr int kF10 = F(10);

// Ctrl + a letter (either case): 1 .. 26.
constexpr int Ctrl(char letter) { return (letter | 0x20) - 'a' + 1; }
// Alt + a letter (either case) or digit; 0 for any other character.
int Alt(char c);
// The letter (upper case) or digit of an Alt combination; 0 when the key is none.
char AltChar(int key);

}  // namespace console::key

#endif  // PALUNDA_CONSOLE_KEYS_H_
