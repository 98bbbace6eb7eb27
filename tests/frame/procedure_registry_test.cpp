// Running a menu entry by its stored text through the procedure registry.
#include "frame/procedure_registry.h"

#include <gtest/gtest.h>

#include "support/scripted_session.h"

namespace frame {

using support::SessionRig;

namespace {

TEST(ProcedureRegistryTest, RunsAnEntryByItsTextWithLiteralArguments) {
  SessionRig rig;
  std::vector<xbase::Value> seen;
  rig.registry.Register({"lapbulan", "Laporan Bulanan", "LAPORAN",
                         [&](Session&, const std::vector<xbase::Value>& args) {
                           seen = args;
                           return xbase::Status::OK();
                         }});
  ASSERT_TRUE(rig.registry.Run(rig.session, "  LapBulan(\"A\", 2) ").ok());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text(), "A");
  EXPECT_EQ(seen[1].number(), 2);
  EXPECT_EQ(rig.registry.Find("LAPBULAN")->title, "Laporan Bulanan");
}

TEST(ProcedureRegistryTest, OneProcedureKeepsAMenuEntryPerArgument) {
  ProcedureRegistry registry;
  const EntryProcedure run = [](Session&, const std::vector<xbase::Value>&) { return xbase::Status::OK(); };
  registry.Register({"BRSIKI", "Per barang", "MEMO", run, "\"D\""});
  registry.Register({"BRSIKI", "Per SJ", "MEMO", run, "\"S\""});
  registry.Register({"BRSIKI", "Per SJ, lagi", "MEMO", run, "\"S\""});
  ASSERT_EQ(registry.entries().size(), 2u);
  EXPECT_EQ(registry.entries()[0].MenuCall(), "BRSIKI(\"D\")");
  EXPECT_EQ(registry.entries()[1].title, "Per SJ, lagi");
  EXPECT_EQ(registry.Find("brsiki")->title, "Per barang");
}

// Earlier folders' MENU rows call "_SISAMEMO" as "SISAMEMO_()"; both reach the entry.
TEST(ProcedureRegistryTest, ATrailingUnderscoreFindsTheEntryOfALeadingOne) {
  SessionRig rig;
  int runs = 0;
  rig.registry.Register({"_SISAMEMO", "SJ Belum Kirim", "MEMO", [&](Session&, const std::vector<xbase::Value>&) {
                           ++runs;
                           return xbase::Status::OK();
                         }});
  ASSERT_TRUE(rig.registry.Run(rig.session, "_SISAMEMO()").ok());
  ASSERT_TRUE(rig.registry.Run(rig.session, "sisamemo_()").ok());
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(rig.registry.entries().front().MenuCall(), "_SISAMEMO()");
  EXPECT_EQ(rig.registry.Find("SISAMEMO"), nullptr);
}

TEST(ProcedureRegistryTest, UnknownOrBrokenTextsGiveAStatusInsteadOfRunning) {
  SessionRig rig;
  const xbase::Status unknown = rig.registry.Run(rig.session, "NOSUCH()");
  EXPECT_TRUE(unknown.IsNotFound());
  EXPECT_EQ(unknown.message(), "Prosedur NOSUCH: tidak dikenal");
  EXPECT_FALSE(rig.registry.Run(rig.session, "IJUAL(").ok());
}

TEST(SessionTest, SearchPathTakesStoredBackslashFoldersAndSkipsEmptyOnes) {
  SessionRig rig;
  rig.session.SetSearchPath("/srv/data\\;  ;/srv/data/2026 ;");
  EXPECT_EQ(rig.session.tables().search_path().folders(),
            (std::vector<std::string>{"/srv/data/", "/srv/data/2026"}));
  EXPECT_EQ(rig.session.STP.text[1].size(), 60u);
  EXPECT_TRUE(rig.session.STP.date.empty());
}

}  // namespace
}  // namespace frame
