// Small data folders for screen and routine tests: catalog tables made empty in a temporary folder,
// rows added to them, and fields read back.
#ifndef PALUNDA_TESTS_SUPPORT_DATA_FOLDER_H_
#define PALUNDA_TESTS_SUPPORT_DATA_FOLDER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "frame/session.h"
#include "support/temp_folder.h"
#include "xbase/dbf_field.h"
#include "xbase/session.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace support {

// Makes the named tables of the catalog, empty, with their index files, in `folder`.
void CreateTables(const std::string& folder, const std::vector<std::string>& tables);

// A temporary folder holding the named tables of the catalog, empty, with their index files.
class TempDataFolder {
 public:
  explicit TempDataFolder(const std::vector<std::string>& tables);
  const std::string& path() const { return folder_.path(); }
  // The path of `name` inside the folder.
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  TempFolder folder_;
};

// A new row: field names and values.
using Row = std::vector<std::pair<std::string, xbase::Value>>;

// Opens catalog table `table` shared in the session under its name (once), with its catalog index
// files, and returns its area; fails the test otherwise.
xbase::WorkArea& Open(frame::Session& session, const std::string& table);
// Appends rows to an open area, each under its own lock.
void AddRows(xbase::WorkArea& area, const std::vector<Row>& rows);
// The text of a field of record `recno`, trailing blanks cut.
std::string StoredText(xbase::WorkArea& area, uint32_t recno, const std::string& field);

// Creates table `name` with two character fields, opens it shared and appends the rows.
void MakeTable(xbase::Session& session, const char* name, xbase::DbfField first, xbase::DbfField second,
               const std::vector<std::pair<const char*, const char*>>& rows, xbase::WorkArea** area);

inline xbase::Value T(std::string text) { return xbase::Value::Text(std::move(text)); }
inline xbase::Value N(double value) { return xbase::Value::Num(value); }

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_DATA_FOLDER_H_
