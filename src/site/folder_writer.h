// FolderWriter: appends rows to the tables of a new data folder and brings their index files up to date.
#ifndef PALUNDA_SITE_FOLDER_WRITER_H_
#define PALUNDA_SITE_FOLDER_WRITER_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/date.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace site {

// One field of a new row and its value; the value's type must be the field's.
struct RowField {
  RowField(const char* name, std::string_view text) : field(name), value(xbase::Value::Text(std::string(text))) {}
  RowField(const char* name, const char* text) : RowField(name, std::string_view(text)) {}
  RowField(const char* name, const std::string& text) : RowField(name, std::string_view(text)) {}
  RowField(const char* name, double number) : field(name), value(xbase::Value::Num(number)) {}
  RowField(const char* name, int number) : RowField(name, static_cast<double>(number)) {}
  RowField(const char* name, bool flag) : field(name), value(xbase::Value::Logical(flag)) {}
  RowField(const char* name, xbase::Date date) : field(name), value(xbase::Value::FromDate(date)) {}
  const char* field;
  xbase::Value value;
};

class FolderWriter {
 public:
  // Writes into the catalog tables already made in `folder`.
  explicit FolderWriter(const std::string& folder);
  FolderWriter(const FolderWriter&) = delete;
  FolderWriter& operator=(const FolderWriter&) = delete;

  // Appends a row to `table` (opened exclusively at its first row); fields not named stay blank.
  xbase::Status Add(std::string_view table, const std::vector<RowField>& cells);
  // Puts `cell` on every row written to `table` whose `key_field` holds `key` (trailing blanks aside).
  xbase::Status Update(std::string_view table, const char* key_field, std::string_view key, const RowField& cell);
  // Closes the tables written and rebuilds the index files of each over its rows.
  xbase::Status Finish();

  // The data folder written into.
  const std::string& folder() const { return folder_; }
  // The tables written and their rows, in the order they were first written.
  const std::vector<std::pair<std::string, int>>& rows() const { return rows_; }

 private:
  std::string folder_;
  xbase::Session session_;
  std::vector<std::pair<std::string, int>> rows_;
};

// Appends `rows` to the table `name` that is already in `folder` (a transfer file); its index file of
// the same name, when there is one, is kept up to date.
xbase::Status AddFolderRows(const std::string& folder, std::string_view name, const std::vector<std::vector<RowField>>& rows);

// Appends a SETUP row: key and value.
xbase::Status AddSetting(FolderWriter& writer, std::string_view key, std::string_view value);
// Sets the value of the SETUP row `key` written before.
xbase::Status SetSetting(FolderWriter& writer, std::string_view key, std::string_view value);

}  // namespace site

#endif  // PALUNDA_SITE_FOLDER_WRITER_H_
