// Cutting a text into lines at blanks.
#include "text/word_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace text {
namespace {

using Lines = std::vector<std::string>;

TEST(WordWrapTest, ShortTextsAreOneLine) {
  EXPECT_EQ(PENGGALANKATA("ABC", 5, 0), Lines{"ABC"});
  EXPECT_EQ(PENGGALANKATA("ABCDE", 5, 0), Lines{"ABCDE"});
  EXPECT_EQ(PENGGALANKATA("", 5, 0), Lines{});
}

TEST(WordWrapTest, LinesAreCutBackToTheirLastBlankAndNarrowAfterTheFirst) {
  EXPECT_EQ(PENGGALANKATA("KABEL NYM 3X2.5 MERK ETERNA", 10, 2), (Lines{"KABEL NYM ", "3X2.5 ", "MERK ", "ETERNA"}));
}

TEST(WordWrapTest, ABlankAfterTheWidthIsTakenAlong) {
  EXPECT_EQ(PENGGALANKATA("ABCDE FGH", 5, 0), (Lines{"ABCDE ", "FGH"}));
}

TEST(WordWrapTest, AWordLongerThanTheLineIsCutAtTheWidth) {
  EXPECT_EQ(PENGGALANKATA("ABCDEFGHIJ", 4, 0), (Lines{"ABCD", "EFGH", "IJ"}));
  // A narrowing past the width still makes lines one column wide.
  EXPECT_EQ(PENGGALANKATA("ABCD", 2, 5), (Lines{"AB", "C", "D"}));
}

}  // namespace
}  // namespace text
