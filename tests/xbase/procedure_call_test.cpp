// Reading a stored procedure call: its name and literal arguments.
#include "xbase/procedure_call.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(ProcedureCallTest, ReadsNameAndLiteralArguments) {
  ProcedureCall call;
  ASSERT_TRUE(ParseProcedureCall("IJUAL()", &call).ok());
  EXPECT_EQ(call.name, "IJUAL");
  EXPECT_TRUE(call.args.empty());

  ASSERT_TRUE(ParseProcedureCall("  indek ", &call).ok());
  EXPECT_EQ(call.name, "INDEK");
  EXPECT_TRUE(call.args.empty());

  ASSERT_TRUE(ParseProcedureCall("lapbulan(\"A\", 2, -1.5, .T., 'b c', [x])", &call).ok());
  EXPECT_EQ(call.name, "LAPBULAN");
  ASSERT_EQ(call.args.size(), 6u);
  EXPECT_EQ(call.args[0].text(), "A");
  EXPECT_EQ(call.args[1].number(), 2);
  EXPECT_EQ(call.args[2].number(), -1.5);
  EXPECT_EQ(call.args[2].number_info().decimals, 1);
  EXPECT_TRUE(call.args[3].logical());
  EXPECT_EQ(call.args[4].text(), "b c");
  EXPECT_EQ(call.args[5].text(), "x");
}

TEST(ProcedureCallTest, RefusesAnythingButLiterals) {
  ProcedureCall call;
  const struct {
    const char* text;
    const char* message;
  } kCases[] = {
      {"", "syntax error at position 1: expected a procedure name, found end"},
      {"12", "syntax error at position 1: expected a procedure name, found \"12\""},
      {"IJUAL(", "syntax error at position 7: expected a literal argument, found end"},
      {"IJUAL(kode)", "syntax error at position 7: expected a literal argument, found \"kode\""},
      {"IJUAL(1 2)", "syntax error at position 9: expected \",\" or \")\", found \"2\""},
      {"IJUAL(1+2)", "syntax error at position 8: expected \",\" or \")\", found \"+\""},
      {"IJUAL() x", "syntax error at position 9: unexpected \"x\""},
      {"IJUAL(-\"a\")", "syntax error at position 8: expected a number after \"-\""},
      {"IJUAL(\"a)", "syntax error at position 7: text without its closing quote"},
  };
  for (const auto& c : kCases) {
    const Status s = ParseProcedureCall(c.text, &call);
    EXPECT_TRUE(s.IsInvalidArgument()) << c.text;
    EXPECT_EQ(s.message(), c.message) << c.text;
  }
}

}  // namespace
}  // namespace xbase
