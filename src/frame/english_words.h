// English number words, as the DOLLAR table holds them for amounts in English.
#ifndef PALUNDA_FRAME_ENGLISH_WORDS_H_
#define PALUNDA_FRAME_ENGLISH_WORDS_H_

#include <string>

namespace frame {

// The lower-case English words of `n` from 1 to 99 ("one", "twenty one"); empty outside that range.
std::string EnglishNumberWords(int n);

}  // namespace frame

#endif  // PALUNDA_FRAME_ENGLISH_WORDS_H_
