// IniFile: a settings file of sections holding key=value pairs, in the standard writer's layout.
#ifndef PALUNDA_XBASE_INI_FILE_H_
#define PALUNDA_XBASE_INI_FILE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace xbase {

class IniFile {
 public:
  // The section of the keys written before any header; a "[MAIN]" header reads into it too.
  static constexpr std::string_view kMainSection = "MAIN";

  // An empty file.
  IniFile() = default;

  // Reads settings text: ';' comment lines and lines without '=' are skipped, blanks around names
  // and values are trimmed, and the first of two equal keys in a section counts.
  static IniFile Parse(std::string_view text);
  // Reads the file at `path`; NotFound when there is none, InvalidArgument when a folder, pipe or
  // device is there.
  static Status Load(const std::string& path, IniFile* ini);

  // The text as the standard writer lays it out: "; Start comment", the main keys, a blank line,
  // each further section under its "[Name]" header, "; End comment"; lines end in LF.
  std::string Format() const;
  // Writes Format() to `path` through a temporary file, so a failed write leaves the old file.
  Status Save(const std::string& path) const;

  // The value of a key; names match without regard to case.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Sets a key, adding the section and key when new; a value holding CR or LF is refused.
  Status Set(std::string_view section, std::string_view key, std::string_view value);

  // Section names in file order, the main section first when it has keys or was set.
  std::vector<std::string> SectionNames() const;
  // The key names of a section in file order (empty when there is no such section).
  std::vector<std::string> KeyNames(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  Section& SectionFor(std::string_view name);
  void Put(std::string_view section, std::string_view key, std::string_view value, bool replace);

  std::vector<Section> sections_;  // the main section, when present, is always first
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_INI_FILE_H_
