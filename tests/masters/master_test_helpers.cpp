// A data folder for the master-table tests and ways to seed and reread its tables.
#include "master_test_helpers.h"

#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "support/damaged_tables.h"
#include "platform/workstation_settings.h"
#include "xbase/ini_file.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace masters {

MasterTest::MasterTest(const std::vector<std::string>& tables) : folder(tables) {
  rig.session.SetSearchPath(folder.path());
  rig.session.MMEMBER.nik = "ADMIN01";
}

void MasterTest::Workstation(const std::string& ini, const std::string& home) {
  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile::Parse(ini), home, &settings).ok());
  rig.session.services().Configure(std::move(settings));
}

void MasterTest::Seed(const std::string& table, const std::vector<support::Row>& rows) {
  support::AddRows(Reopen(table), rows);
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
}

xbase::WorkArea& MasterTest::Reopen(const std::string& table) {
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  return support::Open(rig.session, table);
}

std::vector<std::string> MasterTest::Column(const std::string& table, const std::string& field) {
  xbase::WorkArea& area = Reopen(table);
  std::vector<std::string> values;
  for (uint32_t recno = 1; recno <= area.table().record_count(); ++recno) {
    std::string value = support::StoredText(area, recno, field);
    if (area.deleted()) value += " (deleted)";
    values.push_back(value);
  }
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  return values;
}

std::string MasterTest::OtherWorkstationRuns(const std::function<xbase::Status(frame::Session&)>& screen,
                                             const std::vector<int>& keys, const std::string& rights, size_t before,
                                             const std::function<void()>& meanwhile) {
  console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
  support::DamagingTerminal term(keys, &clock, meanwhile, before);
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-TWO");
  session.SetSearchPath(folder.path());
  session.MMEMBER.nik = "ADMIN02";
  session.MMEMBER.rights = rights;
  EXPECT_TRUE(screen(session).ok());
  EXPECT_EQ(term.keys_left(), 0u);
  std::string shown;
  for (const console::CellGrid& grid : term.screens()) shown += console::ScriptedTerminal::Dump(grid);
  return shown;
}

std::vector<int> Typed(std::string_view text) { return console::ScriptedTerminal::Typed(text); }

}  // namespace masters
