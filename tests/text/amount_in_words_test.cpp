// Amounts read out in Indonesian words.
#include "text/amount_in_words.h"

#include <gtest/gtest.h>

namespace text {
namespace {

std::string Words(double amount, int decimals = 0) {
  const AmountLines lines = TERBILANG(amount, decimals, 200);
  EXPECT_EQ(lines.second, "");
  return lines.first;
}

TEST(TerbilangTest, ReadsWholeAmounts) {
  EXPECT_EQ(Words(125), "# seratus dua puluh lima rupiah#");
  EXPECT_EQ(Words(11), "# sebelas rupiah#");
  EXPECT_EQ(Words(10), "# sepuluh rupiah#");
  EXPECT_EQ(Words(19), "# sembilan belas rupiah#");
  EXPECT_EQ(Words(1000), "# seribu rupiah#");
  EXPECT_EQ(Words(1100), "# seribu seratus rupiah#");
  EXPECT_EQ(Words(2011), "# dua ribu sebelas rupiah#");
  EXPECT_EQ(Words(100000), "# seratus ribu rupiah#");
  EXPECT_EQ(Words(1000000), "# satu juta rupiah#");
  EXPECT_EQ(Words(1234567890), "# satu milyar dua ratus tiga puluh empat juta lima ratus enam puluh tujuh ribu"
                               " delapan ratus sembilan puluh rupiah#");
  EXPECT_EQ(Words(999999999999.0),
            "# sembilan ratus sembilan puluh sembilan milyar sembilan ratus sembilan puluh sembilan juta"
            " sembilan ratus sembilan puluh sembilan ribu sembilan ratus sembilan puluh sembilan rupiah#");
  // From 10^12 on there are no words for the whole part.
  EXPECT_EQ(Words(1e12), "# rupiah#");
}

TEST(TerbilangTest, ReadsEveryCarriedDecimalDigit) {
  EXPECT_EQ(Words(1.5, 1), "# satu koma  lima rupiah#");
  EXPECT_EQ(Words(1.5, 2), "# satu koma  lima nol rupiah#");
  EXPECT_EQ(Words(12.05, 2), "# dua belas koma  nol lima rupiah#");
  EXPECT_EQ(Words(7.00, 2), "# tujuh rupiah#");
  // The words follow the figure as shown with its decimals.
  EXPECT_EQ(Words(1.999, 2), "# dua rupiah#");
}

TEST(TerbilangTest, ReadsZeroAsNoWordsAndNegativeAmountsWithMinus) {
  EXPECT_EQ(Words(0), "# rupiah#");
  EXPECT_EQ(Words(0.25, 2), "# koma  dua lima rupiah#");
  EXPECT_EQ(Words(-125), "# minus seratus dua puluh lima rupiah#");
}

TEST(TerbilangTest, BreaksLongTextAtTheLastBlankWithinTheWidth) {
  // "# seratus dua puluh lima rupiah#": width 12 falls inside "dua", so the break moves back.
  AmountLines lines = TERBILANG(125, 0, 12);
  EXPECT_EQ(lines.first, "# seratus -");
  EXPECT_EQ(lines.second, "dua puluh lima rupiah#");
  lines = TERBILANG(125, 0, 10);
  EXPECT_EQ(lines.first, "# seratus -");
  EXPECT_EQ(lines.second, "dua puluh lima rupiah#");
  lines = TERBILANG(125, 0, 32);
  EXPECT_EQ(lines.first, "# seratus dua puluh lima rupiah#");
  EXPECT_EQ(lines.second, "");
  // Without any blank within the width the text is cut at the width.
  lines = TERBILANG(125, 0, 1);
  EXPECT_EQ(lines.first, "#-");
  EXPECT_EQ(lines.second, " seratus dua puluh lima rupiah#");
}
}  // namespace
}  // namespace text
