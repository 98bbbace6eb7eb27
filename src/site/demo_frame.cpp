// The demo rows of the frame: the demo user and its menu.
#include <vector>

#include "site/demo_data.h"
#include "site/menu_rows.h"

namespace site {
namespace {

// The entries the demo user's menu offers, when the program has them.
constexpr const char* kCashierEntries[] = {"IJUAL", "JJUAL", "RSLSODR", "RSRTJLN", "CJUAL", "CSLSODR", "PASS", "KEMBALI"};

}  // namespace

xbase::Status AddFrameDemo(const DemoContext& demo) {
  std::vector<const frame::EntryInfo*> entries;
  for (const frame::EntryInfo& entry : demo.registry.entries()) {
    for (const char* name : kCashierEntries) {
      if (entry.name == name) entries.push_back(&entry);
    }
  }
  xbase::Status s = AddUser(demo.writer, {kDemoNik, kDemoName, kDemoPassword, "", kDemoWarehouse});
  if (s.ok()) s = AddMenuGroup(demo.writer, kDemoMenuGroup, entries, kDemoNik);
  return s;
}

}  // namespace site
