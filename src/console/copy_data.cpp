// Copying tables (and optionally their indexes) from one folder to another, with the
// progress shown on row 24.
#include "console/copy_data.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "console/message.h"
#include "xbase/text_functions.h"

namespace console {
namespace {

namespace fs = std::filesystem;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The file of a folder whose name matches without regard to case; empty when none.
fs::path FindFile(const fs::path& folder, const std::string& name) {
  std::error_code error;
  const fs::path exact = folder / name;
  if (fs::is_regular_file(exact, error)) return exact;
  const std::string wanted = Upper(name);
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (Upper(entry.path().filename().string()) == wanted && entry.is_regular_file(error)) return entry.path();
  }
  return {};
}

}  // namespace

bool COPYDATA(Console& con, std::string_view source, std::string_view target, const std::vector<std::string>& names,
              std::string_view with_indexes) {
  const Region row = con.Save(kMessageRow, 0, kMessageRow, kCols - 1);
  const std::string from(xbase::AllTrim(source));
  const std::string to(xbase::AllTrim(target));
  bool all_copied = true;
  for (const std::string& name : names) {
    const std::string upper = Upper(name);
    const bool wanted = EndsWith(upper, ".DBF") || (EndsWith(upper, ".NTX") && with_indexes == "Y");
    if (!wanted) continue;
    const fs::path file = FindFile(from, name);
    if (file.empty()) continue;
    WARNING(con, "Sedang Copy file " + name + " dari " + from + " ke " + to, "gr+/b");
    std::error_code error;
    fs::copy_file(file, fs::path(to) / name, fs::copy_options::overwrite_existing, error);
    all_copied = all_copied && !error;
  }
  con.Restore(row);
  return all_copied;
}

}  // namespace console
