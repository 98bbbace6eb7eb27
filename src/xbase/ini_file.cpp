// IniFile: a settings file of sections holding key=value pairs, in the standard writer's layout.
#include "xbase/ini_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "xbase/file_lock.h"

namespace xbase {
namespace {

constexpr std::string_view kStartComment = "; Start comment";
constexpr std::string_view kEndComment = "; End comment";

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return Upper(x) == Upper(y); });
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  std::string section(kMainSection);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = TrimBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close != std::string_view::npos) {
        section = TrimBlanks(line.substr(1, close - 1));
        ini.SectionFor(section);
        continue;
      }
    }
    const std::size_t eq = line.find('=');
    // A line without a name, such as the tail of a value cut by a line feed, carries nothing.
    if (eq == std::string_view::npos) continue;
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    if (key.empty()) continue;
    ini.Put(section, key, TrimBlanks(line.substr(eq + 1)), false);
  }
  return ini;
}

Status IniFile::Load(const std::string& path, IniFile* ini) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotAFile(path, st.st_mode);
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return Status::NotFound(path);
    return Status::IOError(path, "cannot open for reading");
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return Status::IOError(path, "read failed");
  *ini = Parse(text.str());
  return Status::OK();
}

std::string IniFile::Format() const {
  std::string out(kStartComment);
  out += '\n';
  for (const Section& section : sections_) {
    // The main section is always first and takes no header.
    if (!SameName(section.name, kMainSection)) out += "\n[" + section.name + "]\n";
    for (const Entry& entry : section.entries) {
      out += entry.key + '=' + entry.value + '\n';
    }
  }
  out += kEndComment;
  out += '\n';
  return out;
}

Status IniFile::Save(const std::string& path) const {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return Status::IOError(temp, "cannot open for writing");
    const std::string text = Format();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return Status::IOError(temp, "write failed");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return Status::IOError(path, ec.message());
  }
  return Status::OK();
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Entry& entry : found->entries) {
    if (SameName(entry.key, key)) return entry.value;
  }
  return std::nullopt;
}

Status IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string what = std::string(section) + "." + std::string(key);
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    return Status::InvalidArgument(what, "a settings value cannot hold a line break");
  }
  if (TrimBlanks(key).empty() || key.find_first_of("=\r\n") != std::string_view::npos ||
      TrimBlanks(section).empty() || section.find_first_of("]\r\n") != std::string_view::npos) {
    return Status::InvalidArgument(what, "not a usable section or key name");
  }
  Put(section, key, value, true);
  return Status::OK();
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section)) {
    for (const Entry& entry : found->entries) names.push_back(entry.key);
  }
  return names;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  auto it = std::ranges::find_if(sections_, [&](const Section& s) { return SameName(s.name, name); });
  return it == sections_.end() ? nullptr : &*it;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindSection(name);
}

IniFile::Section& IniFile::SectionFor(std::string_view name) {
  if (Section* found = FindSection(name)) return *found;
  if (SameName(name, kMainSection)) {
    sections_.insert(sections_.begin(), Section{std::string(kMainSection), {}});
    return sections_.front();
  }
  sections_.push_back(Section{std::string(name), {}});
  return sections_.back();
}

void IniFile::Put(std::string_view section, std::string_view key, std::string_view value, bool replace) {
  Section& target = SectionFor(section);
  for (Entry& entry : target.entries) {
    if (SameName(entry.key, key)) {
      if (replace) entry.value = value;
      return;
    }
  }
  target.entries.push_back(Entry{std::string(key), std::string(value)});
}

}  // namespace xbase
