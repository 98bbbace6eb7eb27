// Amounts in English words, as printed on export invoices; the words of 1 to 99 come from the
// records of the Dollar table.
#include "text/amount_in_english.h"

#include <cctype>
#include <cmath>
#include <string>

#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace text {
namespace {

class DollarWords {
 public:
  explicit DollarWords(xbase::WorkArea& dollar) : dollar_(dollar) {}

  // Record k of the table, trimmed.
  xbase::Status Word(int k, std::string* word) {
    xbase::Status s = dollar_.GoTo(static_cast<uint32_t>(k));
    if (s.ok()) *word = std::string(xbase::AllTrim(dollar_.Text("TERBILANG")));
    return s;
  }

  // A hundreds digit: word + " hundred " (or `one_hundred` for 1) or " hundreds ".
  xbase::Status Hundreds(int digit, const char* one_hundred, std::string* out) {
    if (digit < 1) return xbase::Status::OK();
    std::string word;
    xbase::Status s = Word(digit, &word);
    *out += word + (digit == 1 ? one_hundred : " hundreds ");
    return s;
  }

  // A two-digit pair: `before` + word + " ".
  xbase::Status Pair(int pair, const char* before, std::string* out) {
    if (pair < 1) return xbase::Status::OK();
    std::string word;
    xbase::Status s = Word(pair, &word);
    *out += before + word + " ";
    return s;
  }

 private:
  xbase::WorkArea& dollar_;
};

int Digits(const std::string& text, int start, int count) {
  return static_cast<int>(xbase::Val(xbase::SubStr(text, start, count)).value);
}

}  // namespace

xbase::Status LONDO(xbase::WorkArea& dollar, double amount, AmountLines* lines, int width) {
  DollarWords words(dollar);
  const double whole = std::floor(std::fabs(amount));
  const std::string n = xbase::Str(whole, 10, 0);
  std::string text;
  xbase::Status s;
  if (const int billions = Digits(n, 1, 1); billions >= 1) {
    std::string word;
    s = words.Word(billions, &word);
    text += word + (billions == 1 ? " billion " : " billions ");
  }
  std::string group;
  if (s.ok()) s = words.Hundreds(Digits(n, 2, 1), " hundrer ", &group);
  if (s.ok()) s = words.Pair(Digits(n, 3, 2), "", &group);
  if (!group.empty()) text += group + "millions ";
  group.clear();
  if (s.ok()) s = words.Hundreds(Digits(n, 5, 1), " hundred ", &group);
  if (s.ok()) s = words.Pair(Digits(n, 6, 2), "", &group);
  if (!group.empty()) text += group + "thausands ";
  if (s.ok()) s = words.Hundreds(Digits(n, 8, 1), " hundred ", &text);
  if (s.ok()) s = words.Pair(Digits(n, 9, 2), "and ", &text);
  if (!s.ok()) return s;
  // Cents from the amount rounded to whole cents, so that 0.29 reads 29 and a negative amount keeps them.
  const int cents = static_cast<int>(std::llround(std::fabs(amount) * 100) % 100);
  if (!text.empty()) {
    std::string ending = ".";
    if (cents > 0) {
      std::string word;
      if (s = words.Word(cents, &word); !s.ok()) return s;
      ending = "point " + word;
    }
    text += ending;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  }
  text = (amount < 0 ? "#(MINUS) " : "#") + text + "#";
  *lines = SplitAmountText(text, width);
  if (lines->second.empty()) lines->second = std::string(lines->first.size(), '-');
  return xbase::Status::OK();
}

}  // namespace text
