// Stored Windows paths ("d:\data\palunda", "\\server\share\x") as paths of this machine.
#include "platform/drive_map.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "xbase/text_functions.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string WithSlashes(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

// A stored path cut into its drive ("D:") or share ("\\SERVER\SHARE"), empty for neither, and
// the rest with slashes.
struct StoredPath {
  std::string prefix;
  std::string rest;
};

xbase::Status Split(std::string_view stored, StoredPath* out) {
  const std::string path = WithSlashes(stored);
  if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    *out = {xbase::Upper(path.substr(0, 2)), path.substr(2)};
    return xbase::Status::OK();
  }
  if (path.starts_with("//")) {
    // "//server/share/rest": the first two parts name the share.
    const std::string_view after = std::string_view(path).substr(2);
    const std::size_t server_end = std::min(after.find('/'), after.size());
    const std::string_view server = after.substr(0, server_end);
    const std::string_view from_share = after.substr(std::min(server_end + 1, after.size()));
    const std::size_t share_end = std::min(from_share.find('/'), from_share.size());
    const std::string_view share = from_share.substr(0, share_end);
    if (server.empty() || share.empty()) {
      return xbase::Status::InvalidArgument(stored, "a network path needs a server and a share");
    }
    *out = {"\\\\" + xbase::Upper(server) + "\\" + xbase::Upper(share), std::string(from_share.substr(share_end))};
    return xbase::Status::OK();
  }
  *out = {"", path};
  return xbase::Status::OK();
}

// The entry of `folder` named like `part` without regard to case (the first in name order), or
// `part` itself when there is none.
fs::path MatchingEntry(const fs::path& folder, const fs::path& part) {
  std::error_code error;
  std::vector<fs::path> matches;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
    if (xbase::EqualsIgnoreCase(entry.path().filename().string(), part.string())) {
      matches.push_back(entry.path().filename());
    }
  }
  return matches.empty() ? part : *std::min_element(matches.begin(), matches.end());
}

// `base` followed by the parts of `relative`, each matched against what exists.
std::string MatchUnder(fs::path base, const fs::path& relative) {
  std::error_code error;
  for (const fs::path& part : relative) {
    if (part.empty()) continue;
    fs::path next = base / part;
    if (part != "." && part != ".." && !fs::exists(next, error)) next = base / MatchingEntry(base, part);
    base = std::move(next);
  }
  return base.string();
}

}  // namespace

std::string MatchLocalCase(std::string_view path) {
  const fs::path local(WithSlashes(path));
  return MatchUnder(local.root_path(), local.relative_path());
}

xbase::Status DriveMap::Add(std::string_view prefix, std::string_view folder) {
  std::string wanted(xbase::AllTrim(prefix));
  if (wanted.size() == 1) wanted += ':';
  StoredPath split;
  if (!Split(wanted, &split).ok() || split.prefix.empty() || !split.rest.empty()) {
    return xbase::Status::InvalidArgument("'" + std::string(prefix) + "'", "not a drive letter (such as D) nor a network share (such as \\\\server\\share)");
  }
  if (xbase::AllTrim(folder).empty()) return xbase::Status::InvalidArgument("'" + std::string(prefix) + "'", "no folder given");
  for (auto& [known, mapped] : entries_) {
    if (known == split.prefix) {
      mapped = std::string(xbase::AllTrim(folder));
      return xbase::Status::OK();
    }
  }
  entries_.emplace_back(split.prefix, std::string(xbase::AllTrim(folder)));
  return xbase::Status::OK();
}

xbase::Status DriveMap::Map(std::string_view stored, std::string* local) const {
  StoredPath split;
  const xbase::Status status = Split(xbase::AllTrim(stored), &split);
  if (!status.ok()) return status;
  if (split.prefix.empty()) {
    *local = MatchLocalCase(split.rest);
    return xbase::Status::OK();
  }
  for (const auto& [known, folder] : entries_) {
    if (known == split.prefix) {
      *local = MatchUnder(fs::path(folder), fs::path(split.rest).relative_path());
      return xbase::Status::OK();
    }
  }
  return xbase::Status::NotFound(stored, split.prefix + " is not mapped to a folder of this machine");
}

}  // namespace platform
