// Session: one workstation's login: its screen, its open tables and the login-wide variables
// that every screen reads. Nothing of it is global, so a test can run two sessions side by side.
#include "frame/session.h"

#include <algorithm>
#include <vector>

#include "console/message.h"
#include "frame/status_display.h"
#include "xbase/text_functions.h"

namespace frame {

CompanySetup::CompanySetup() {
  for (size_t i = 1; i < text.size(); ++i) text[i] = std::string(static_cast<size_t>(kWidths[i]), ' ');
}

Session::Session(console::Console& console, const ProcedureRegistry& registry, std::string workstation)
    : console_(console), registry_(registry), workstation_(std::move(workstation)) {}

void Session::SetSearchPath(std::string_view path) {
  std::vector<std::string> folders;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(';', start);
    if (end == std::string_view::npos) end = path.size();
    std::string folder(xbase::AllTrim(path.substr(start, end - start)));
    // Stored paths may use backslashes; on this system they are folder separators.
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty()) folders.push_back(std::move(folder));
    start = end + 1;
  }
  CloseTables();
  tables_.set_search_path(xbase::SearchPath(std::move(folders)));
}

void Session::CloseTables() {
  ShowFailure(*this, tables_.CloseAll());
}

}  // namespace frame
