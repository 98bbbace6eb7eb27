// Small text helpers shared by the catalog tests.
#ifndef PALUNDA_TESTS_SCHEMA_SCHEMA_TEST_HELPERS_H_
#define PALUNDA_TESTS_SCHEMA_SCHEMA_TEST_HELPERS_H_

#include <string>
#include <vector>

namespace schema_test {

// The text in upper case.
std::string Upper(std::string text);

// The text without leading and trailing blanks.
std::string Trim(const std::string& text);

// The parts of the text between separators, each trimmed.
std::vector<std::string> Split(const std::string& text, char separator);

// The non-empty lines of a block of text.
std::vector<std::string> Lines(const std::string& text);

}  // namespace schema_test

#endif  // PALUNDA_TESTS_SCHEMA_SCHEMA_TEST_HELPERS_H_
