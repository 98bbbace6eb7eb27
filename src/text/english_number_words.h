// English number words, as the DOLLAR table holds them for amounts in English.
#ifndef PALUNDA_TEXT_ENGLISH_NUMBER_WORDS_H_
#define PALUNDA_TEXT_ENGLISH_NUMBER_WORDS_H_

#include <string>

namespace text {

// The lower-case English words of `n` from 1 to 99 ("one", "twenty one"); empty outside that range.
std::string EnglishNumberWords(int n);

}  // namespace text

#endif  // PALUNDA_TEXT_ENGLISH_NUMBER_WORDS_H_
