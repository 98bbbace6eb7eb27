// Rows of transfer tables for the exchange tests, and live rows read back.
#ifndef PALUNDA_TESTS_EXCHANGE_EXCHANGE_TEST_HELPERS_H_
#define PALUNDA_TESTS_EXCHANGE_EXCHANGE_TEST_HELPERS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "support/data_folder.h"

namespace exchange::testing {

// Appends rows to the transfer table `name` of `folder`.
void AddSetRows(const std::string& folder, const std::string& name, const std::vector<support::Row>& rows);

// The rows of transfer table `name` in `folder`, each as its fields' trimmed texts joined by "|"
// (texts and numbers as STR gives them trimmed, dates as YYYYMMDD, logicals T/F); deleted rows begin with "-".
std::vector<std::string> SetRows(const std::string& folder, const std::string& name);

// The same of a live table, only the fields named.
std::vector<std::string> LiveRows(frame::Session& session, const std::string& table,
                                  const std::vector<std::string>& fields);

}  // namespace exchange::testing

#endif  // PALUNDA_TESTS_EXCHANGE_EXCHANGE_TEST_HELPERS_H_
