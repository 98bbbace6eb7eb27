// Amounts in Indonesian words, as printed on invoices, receipts and vouchers.
#include "text/amount_in_words.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "xbase/number_text.h"

namespace text {
namespace {

constexpr std::array<std::string_view, 12> kUnits = {"",     "satu",  "dua",   "tiga",    "empat",    "lima",
                                                     "enam", "tujuh", "delapan", "sembilan", "sepuluh", "sebelas"};

// The words of a whole number, each word after a blank; empty below 1 and from 10^12 on.
std::string Words(int64_t n) {
  constexpr int64_t kThousand = 1000, kMillion = 1000000, kBillion = 1000000000, kTrillion = 1000000000000;
  if (n < 1) return {};
  if (n < 12) return " " + std::string(kUnits[n]);
  if (n < 20) return Words(n - 10) + " belas";
  if (n < 100) return Words(n / 10) + " puluh" + Words(n % 10);
  if (n < 200) return " seratus" + Words(n - 100);
  if (n < kThousand) return Words(n / 100) + " ratus" + Words(n % 100);
  if (n < 2 * kThousand) return " seribu" + Words(n - kThousand);
  if (n < kMillion) return Words(n / kThousand) + " ribu" + Words(n % kThousand);
  if (n < kBillion) return Words(n / kMillion) + " juta" + Words(n % kMillion);
  if (n < kTrillion) return Words(n / kBillion) + " milyar" + Words(n % kBillion);
  return {};
}

}  // namespace

AmountLines SplitAmountText(std::string text, int width) {
  if (width < 1) width = 1;
  if (text.size() <= static_cast<std::size_t>(width)) return {std::move(text), {}};
  std::size_t n = static_cast<std::size_t>(width);
  while (n > 0 && text[n - 1] != ' ') --n;
  if (n == 0) n = static_cast<std::size_t>(width);
  return {text.substr(0, n) + "-", text.substr(n)};
}

AmountLines TERBILANG(double amount, int decimals, int width) {
  // Whole part and decimal digits both come from the figure as the runtime shows it,
  // so the words always match the printed amount.
  const std::string shown = xbase::Str(amount, 40, decimals < 0 ? 0 : decimals);
  const std::size_t first = shown.find_first_not_of(' ');
  const std::size_t point = shown.find('.');
  std::string_view whole(shown.data() + first, (point == std::string::npos ? shown.size() : point) - first);
  const bool negative = whole.starts_with('-');
  if (negative) whole.remove_prefix(1);
  // A figure beyond int64 (or not a figure at all) gets no words, like any amount from 10^12 on.
  int64_t units = -1;
  std::from_chars(whole.data(), whole.data() + whole.size(), units);

  std::string fraction;
  if (point != std::string::npos && shown.find_first_not_of('0', point + 1) != std::string::npos) {
    fraction = " koma ";
    for (std::size_t i = point + 1; i < shown.size(); ++i) {
      fraction += shown[i] == '0' ? std::string(" nol") : Words(shown[i] - '0');
    }
  }
  std::string words = Words(units);
  if (negative) words = " minus" + words;
  return SplitAmountText("#" + words + fraction + " rupiah#", width);
}

}  // namespace text
