// Runs the built dbtool on expressions given on standard input.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "support/programs.h"

namespace {

// The standard output of `dbtool eval` fed with `input`.
std::string RunEval(const std::string& input) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("dbtool_eval_" + std::to_string(::getpid()) + ".txt");
  std::ofstream(file, std::ios::binary) << input;
  const std::string command = support::ProgramPath("dbtool") + " eval < '" + file.string() + "'";
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    ::pclose(pipe);
  }
  std::filesystem::remove(file);
  return output;
}

TEST(DbtoolEvalTest, WritesOneResultLinePerExpression) {
  const std::string input =
      "\"ab  \" - \"cd \"\n"
      "str(1234.5, 10, 2)\n"
      "7 * 6\n"
      "10 / 4\n"
      "ctod(\"29-02-2024\") + 1\n"
      "\"abc\" = \"ab\"\n"
      "dtos(ctod(\"1-3-24\")) + \"X\"\n"
      "1 +\n"
      "\"a\" + 1\r\n"
      "transform(-1, \"@( 999,999.99\")\n";
  EXPECT_EQ(RunEval(input),
            "abcd   \n"
            "   1234.50\n"
            "        42\n"
            "         2.50\n"
            "01-03-2024\n"
            ".T.\n"
            "20240301X\n"
            "ERROR: syntax error at position 4: expected a value, found \"end\"\n"
            "ERROR: evaluation error at position 5: + cannot take types C and N\n"
            "(     1.00)\n");
}

}  // namespace
