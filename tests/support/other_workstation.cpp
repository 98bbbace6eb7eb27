// A second workstation that holds tables, records and appends while a test saves.
#include "support/other_workstation.h"

#include <gtest/gtest.h>

#include "schema/open_table.h"
#include "xbase/search_path.h"

namespace support {

OtherWorkstation::OtherWorkstation(const std::string& folder) : session_(xbase::SearchPath({folder})) {}

xbase::WorkArea& OtherWorkstation::Opened(const std::string& table) {
  xbase::WorkArea* area = session_.Area(table);
  if (area == nullptr) {
    const xbase::Status s = schema::UseWithIndexes(session_, table, "", xbase::OpenMode::kShared, &area);
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
  return *area;
}

xbase::WorkArea& OtherWorkstation::Hold(const std::string& table, uint32_t recno) {
  xbase::WorkArea& area = Opened(table);
  xbase::Status s = area.GoTo(recno);
  if (s.ok()) s = area.Lock();
  EXPECT_TRUE(s.ok()) << table << " record " << recno << ": " << s.ToString();
  return area;
}

xbase::WorkArea& OtherWorkstation::HoldKey(const std::string& table, const std::string& key) {
  xbase::WorkArea& area = Opened(table);
  xbase::Status s = area.SetOrder(1);
  if (s.ok()) s = area.Seek(key);
  EXPECT_TRUE(s.ok() && area.found()) << table << " has no " << key;
  if (s.ok()) s = area.Lock();
  EXPECT_TRUE(s.ok()) << s.ToString();
  return area;
}

void OtherWorkstation::HoldAppend(const std::string& table) {
  const xbase::Status s = Opened(table).table().LockAppend(xbase::LockWait::kTry);
  EXPECT_TRUE(s.ok()) << s.ToString();
}

void OtherWorkstation::Release() {
  const xbase::Status s = session_.CloseAll();
  EXPECT_TRUE(s.ok()) << s.ToString();
}

}  // namespace support
