// English number words, as the DOLLAR table holds them for amounts in English.
#include "text/english_number_words.h"

namespace text {

std::string EnglishNumberWords(int n) {
  static constexpr const char* kUnder20[] = {"",        "one",     "two",       "three",    "four",
                                             "five",    "six",     "seven",     "eight",    "nine",
                                             "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                             "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
  static constexpr const char* kTens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty",
                                          "ninety"};
  if (n < 1 || n > 99) return "";
  if (n < 20) return kUnder20[n];
  std::string words = kTens[n / 10];
  if (n % 10 != 0) words += std::string(" ") + kUnder20[n % 10];
  return words;
}

}  // namespace text
