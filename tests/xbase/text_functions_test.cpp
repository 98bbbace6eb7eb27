// Padding, trimming, cutting and case of texts.
#include "xbase/text_functions.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(TextFunctionsTest, PadsAndCutsToWidth) {
  EXPECT_EQ(PadR("ab", 5), "ab   ");
  EXPECT_EQ(PadR("abcdef", 3), "abc");
  EXPECT_EQ(PadL("ab", 5, '0'), "000ab");
  EXPECT_EQ(PadL("abcdef", 3), "abc");
  EXPECT_EQ(PadC("ab", 5, '*'), "*ab**");
  EXPECT_EQ(PadC("abcdef", 4), "abcd");
  EXPECT_EQ(PadR("ab", 0), "");
  EXPECT_EQ(PadL("ab", -2), "");
}

TEST(TextFunctionsTest, TrimsBlanksOnly) {
  EXPECT_EQ(RTrim(" a b \t "), " a b \t");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(AllTrim("   "), "");
  EXPECT_EQ(AllTrim(" \xE0 "), "\xE0");
}

TEST(TextFunctionsTest, TakesPartsByPosition) {
  EXPECT_EQ(Left("hello", 2), "he");
  EXPECT_EQ(Left("hello", 9), "hello");
  EXPECT_EQ(Left("hello", -1), "");
  EXPECT_EQ(Right("hello", 3), "llo");
  EXPECT_EQ(Right("hello", 9), "hello");
  EXPECT_EQ(SubStr("hello", 2, 3), "ell");
  EXPECT_EQ(SubStr("hello", 2), "ello");
  EXPECT_EQ(SubStr("hello", 0, 2), "he");
  EXPECT_EQ(SubStr("hello", -3), "llo");
  EXPECT_EQ(SubStr("hello", -3, 2), "ll");
  EXPECT_EQ(SubStr("hello", 6), "");
  EXPECT_EQ(SubStr("hello", 4, 10), "lo");
  EXPECT_EQ(SubStr("hello", 2, 0), "");
}

TEST(TextFunctionsTest, ChangesCaseOfAsciiLettersOnly) {
  EXPECT_EQ(Upper("abz\xE0\x84{"), "ABZ\xE0\x84{");
  EXPECT_EQ(Lower("ABZ\x8E@"), "abz\x8E@");
}

TEST(TextFunctionsTest, FindsAndReplaces) {
  EXPECT_EQ(At("lo", "hello lo"), 4);
  EXPECT_EQ(RAt("lo", "hello lo"), 7);
  EXPECT_EQ(At("x", "hello"), 0);
  EXPECT_EQ(At("", "hello"), 0);
  EXPECT_EQ(StrTran("a-b-c-d", "-"), "abcd");
  EXPECT_EQ(StrTran("a-b-c-d", "-", "+", 2), "a-b+c+d");
  EXPECT_EQ(StrTran("a-b-c-d", "-", "+", 2, 1), "a-b+c-d");
  EXPECT_EQ(StrTran("aaa", "aa", "b"), "ba");
  EXPECT_EQ(StrTran("abc", "", "x"), "abc");
  EXPECT_EQ(Replicate("ab", 3), "ababab");
  EXPECT_EQ(Replicate("ab", 0), "");
}

TEST(TextFunctionsTest, BlankTextAndTheMinusOperator) {
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank(" \t\r\n"));
  EXPECT_FALSE(IsBlank(" x"));
  EXPECT_EQ(ConcatMoveBlanks("ab  ", "cd "), "abcd   ");
  EXPECT_EQ(ConcatMoveBlanks("   ", "x"), "x   ");
  EXPECT_EQ(ConcatMoveBlanks("a", ""), "a");
}

}  // namespace
}  // namespace xbase
