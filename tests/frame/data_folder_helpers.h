// A temporary data folder holding every table of the catalog, empty, for screen tests; removed at the end.
#ifndef PALUNDA_TESTS_FRAME_DATA_FOLDER_HELPERS_H_
#define PALUNDA_TESTS_FRAME_DATA_FOLDER_HELPERS_H_

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "frame/session.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace frame {

class TempDataFolder {
 public:
  // A fresh folder named after the running test, with the named tables of the catalog in it, empty.
  explicit TempDataFolder(const std::vector<std::string>& tables);
  ~TempDataFolder();
  TempDataFolder(const TempDataFolder&) = delete;
  TempDataFolder& operator=(const TempDataFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

using Row = std::vector<std::pair<std::string, xbase::Value>>;

// Opens `table` shared in the session under its name (once) and returns its area; fails the test otherwise.
xbase::WorkArea& Open(Session& session, const std::string& table);
// Appends rows to an open area.
void AddRows(xbase::WorkArea& area, const std::vector<Row>& rows);
// The text of a field of record `recno`, trailing blanks cut.
std::string FieldText(xbase::WorkArea& area, uint32_t recno, const std::string& field);

inline xbase::Value T(std::string text) { return xbase::Value::Text(std::move(text)); }
inline xbase::Value N(double value) { return xbase::Value::Num(value); }

}  // namespace frame

#endif  // PALUNDA_TESTS_FRAME_DATA_FOLDER_HELPERS_H_
