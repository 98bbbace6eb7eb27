// The chosen salesmen of the reports that split sales into columns per salesman and "SALES LAIN",
// and the lists of them kept in SETUP per customer prefix.
#ifndef PALUNDA_PERFORMANCE_CHOSEN_SALESMEN_H_
#define PALUNDA_PERFORMANCE_CHOSEN_SALESMEN_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"

namespace performance {

// The column (from 0) of the first chosen salesman whose code the document's salesman begins with;
// -1 for "SALES LAIN". Empty choices take nothing.
int ChosenColumn(const std::vector<std::string>& chosen, std::string_view salesman);

// SETDEFAULTSALES: the 14 codes kept in the SETUP row `key` + the trimmed prefix (4 characters
// each); blanks when there is none. A row that cannot be read is the error (with blank codes).
xbase::Status SETDEFAULTSALES(frame::Session& session, std::string_view prefix, std::string_view key,
                              std::vector<std::string>* codes);
// SIMPANSETDEFAULTSALES: keeps the codes in that row, appending it when missing.
xbase::Status SIMPANSETDEFAULTSALES(frame::Session& session, const std::vector<std::string>& codes,
                                    std::string_view prefix, std::string_view key);
// NAMASALES: code + " (" + name + ")" for a salesman of MASTSLS, else the code.
std::string NAMASALES(frame::Session& session, std::string_view code);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_CHOSEN_SALESMEN_H_
