// Key codes: the classic values that every screen compares against.
#include "console/keys.h"

#include <cstring>

namespace console::key {
namespace {

// Keyboard scan codes in the order of the rows QWERTYUIOP, ASDFGHJKL, ZXCVBNM; the Alt
// code of a letter is 256 + its scan code.
constexpr const char kRow1[] = "QWERTYUIOP";
constexpr const char kRow2[] = "ASDFGHJKL";
constexpr const char kRow3[] = "ZXCVBNM";
constexpr int kRowStart[] = {272, 286, 300};
constexpr const char* kRows[] = {kRow1, kRow2, kRow3};
constexpr int kAltDigitOne = 376;  // Alt+1 .. Alt+9 are 376 .. 384, Alt+0 is 385

}  // namespace

int Alt(char c) {
  if (c >= '1' && c <= '9') return kAltDigitOne + (c - '1');
  if (c == '0') return kAltDigitOne + 9;
  const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  if (upper < 'A' || upper > 'Z') return 0;
  for (int row = 0; row < 3; ++row) {
    const char* found = std::strchr(kRows[row], upper);
    if (found != nullptr) return kRowStart[row] + static_cast<int>(found - kRows[row]);
  }
  return 0;
}

char AltChar(int key) {
  if (key >= kAltDigitOne && key <= kAltDigitOne + 9) {
    return key == kAltDigitOne + 9 ? '0' : static_cast<char>('1' + key - kAltDigitOne);
  }
  for (int row = 0; row < 3; ++row) {
    const int index = key - kRowStart[row];
    if (index >= 0 && index < static_cast<int>(std::strlen(kRows[row]))) return kRows[row][index];
  }
  return 0;
}

}  // namespace console::key
