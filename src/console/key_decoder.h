// Turns the bytes a terminal sends into classic key codes.
#ifndef PALUNDA_CONSOLE_KEY_DECODER_H_
#define PALUNDA_CONSOLE_KEY_DECODER_H_

#include <cstddef>
#include <string_view>

namespace console {

struct DecodedKey {
  int key = 0;              // the key code; 0 when the bytes carry no key this program knows
  size_t length = 0;        // bytes taken from the input
  bool need_more = false;   // the bytes so far begin a longer sequence: wait for more
};

// Decode the first key of the input. When more_may_follow is false an unfinished
// sequence is taken as it stands (a lone Esc is the Esc key). Understands the
// sequences of xterm, tmux/screen, rxvt and the Linux console, and UTF-8 characters
// of the DOS code page. Esc followed by one character is Alt + that character only when
// the two bytes came alone: the input is everything read so far, and `after_keys` tells that
// it is what is left of a burst that began with other keys. Keys typed ahead around an Esc
// are kept as the Esc key and the keys that follow it.
DecodedKey DecodeKey(std::string_view input, bool more_may_follow, bool after_keys = false);

}  // namespace console

#endif  // PALUNDA_CONSOLE_KEY_DECODER_H_
