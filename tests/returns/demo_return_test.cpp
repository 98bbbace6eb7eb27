// The demo company's return draft travels from a branch to a head office and back, each a data folder
// made as palunda-setup makes it: sent, approved and realised into stock and an instrument.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "returns/return_procedures.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"

namespace returns {
namespace {

namespace fs = std::filesystem;
namespace key = console::key;
using support::Keys;
using support::Line;
using support::Open;

// A demo folder made for `rig`'s session.
std::string MakeSite(const support::TempFolder& scratch, const std::string& name, const frame::ProcedureRegistry& registry,
                     support::SessionRig* rig) {
  const std::string dir = scratch.File(name);
  const xbase::Status made = site::MakeDataFolder(dir, support::TestOptions(registry, true), nullptr);
  EXPECT_TRUE(made.ok()) << made.ToString();
  rig->session.SetSearchPath(dir);
  rig->session.MMEMBER.nik = site::kAdminNik;
  rig->session.MMEMBER.rights = site::kAdminRights;
  return dir;
}

// Copies the request files, with their index files, from one site's transfer folder to the other's.
void Carry(const std::string& from, const std::string& to) {
  for (const char* file : {"App_rt1.dbf", "App_rt1.ntx", "App_rt2.dbf", "App_rt2.ntx"}) {
    fs::copy_file(fs::path(from) / site::kTransferFolder / file, fs::path(to) / site::kTransferFolder / file,
                  fs::copy_options::overwrite_existing);
  }
}

double Number(support::SessionRig& rig, const std::string& table, const std::string& key, const std::string& field) {
  xbase::WorkArea& area = Open(rig.session, table);
  EXPECT_TRUE(area.SetOrder(1).ok());
  EXPECT_TRUE(area.Seek(area.PadToField(area.table().fields()[0].name, key)).ok());
  return area.found() ? area.Number(field) : -1;
}

TEST(DemoReturnTest, TheDraftGoesFromTheBranchToHeadOfficeAndBackIntoStock) {
  const frame::ProcedureRegistry registry = support::TestRegistry();
  support::TempFolder scratch;
  support::SessionRig branch;
  support::SessionRig head;
  const std::string branch_dir = MakeSite(scratch, "branch", registry, &branch);
  const std::string head_dir = MakeSite(scratch, "head", registry, &head);
  const site::DemoGoods& goods = site::DemoGoodsList().front();
  const std::string stock_key = std::string(goods.kode) + std::string(10 - std::string(goods.kode).size(), ' ') + "GDG01";
  const double stock = Number(branch, "STOKBRG", stock_key, "JUMLAH");
  branch.session.CloseTables();

  // The branch sends every draft of today into its transfer folder.
  branch.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter}, {'Y'}, {key::kEnter}}));
  ASSERT_TRUE(AJUKANR1(branch.session, {}).ok());
  EXPECT_TRUE(support::Shown(branch.term, "Terkirim 1 pengajuan"));
  Carry(branch_dir, head_dir);

  // Head office approves it, keeping the date and the return code.
  head.term.AddKeys(Keys({Line(head_dir + "/" + site::kTransferFolder), {key::kEnter, key::kEnter}, {'A'}}));
  ASSERT_TRUE(APPRT1(head.session, {}).ok());
  EXPECT_TRUE(support::Shown(head.term, "NOMOR RETUR [RTD-0001]"));
  EXPECT_EQ(head.term.keys_left(), 0u);
  Carry(head_dir, branch_dir);

  // The branch realises it into its own warehouse.
  branch.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}, {'Y'}}));
  ASSERT_TRUE(REALR1(branch.session, {}).ok());
  EXPECT_TRUE(support::Shown(branch.term, "REALISASI RETUR PENJUALAN, NOMOR [RTD-0001], GUDANG [GDG01"));
  EXPECT_EQ(branch.term.keys_left(), 0u);
  EXPECT_DOUBLE_EQ(Number(branch, "STOKBRG", stock_key, "JUMLAH"), stock + goods.dos);
  EXPECT_DOUBLE_EQ(Number(branch, "GIRODBT", "RTD-0001", "DEBET"), goods.dos * goods.harga);
  EXPECT_EQ(support::StoredText(Open(branch.session, "GIRODBT"), Open(branch.session, "GIRODBT").recno(), "KET"), "RTR1");
  EXPECT_DOUBLE_EQ(Number(branch, "RTJUAL2", "RTD-0001", "QUANTITY"), goods.dos);
}

// A copied data folder sends into its own transfer folder, not into the one of the folder it was
// copied from.
TEST(DemoReturnTest, ACopiedFolderSendsIntoItsOwnTransferFolder) {
  const frame::ProcedureRegistry registry = support::TestRegistry();
  support::TempFolder scratch;
  support::SessionRig rig;
  const std::string original = MakeSite(scratch, "branch", registry, &rig);
  const std::string copy = scratch.File("copy");
  fs::copy(original, copy, fs::copy_options::recursive);
  rig.session.SetSearchPath(copy);
  rig.term.AddKeys(Keys({{key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter}, {'Y'}, {key::kEnter}}));
  ASSERT_TRUE(AJUKANR1(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Terkirim 1 pengajuan"));
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  const auto requests = [](const std::string& dir) {
    xbase::Session check(xbase::SearchPath({dir + "/" + site::kTransferFolder}));
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(check.Use("App_rt1", "", xbase::OpenMode::kShared, &area).ok());
    return area == nullptr ? -1 : static_cast<int>(area->table().record_count());
  };
  EXPECT_EQ(requests(copy), 1);
  EXPECT_EQ(requests(original), 0);
}

// A new return draft takes its lines from a delivery note: the note's number typed into the line
// editor is checked and kept, and the draft is saved with its line.
TEST(DemoReturnTest, ANewDraftTakesALineFromADeliveryNote) {
  const frame::ProcedureRegistry registry = support::TestRegistry();
  support::TempFolder scratch;
  support::SessionRig rig;
  MakeSite(scratch, "branch", registry, &rig);
  rig.session.ZTGLBATAS = rig.session.Today();
  rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
  const site::DemoGoods& goods = site::DemoGoodsList().front();
  rig.term.AddKeys(Keys({Line("RTD-0009"), Line("J0001"), {key::kEnter}, Line("01"), {key::kEnter, key::kEnter},
                         Line("S001"), {key::kEnter, key::kEnter},
                         Line("SJ-0001"), Line(goods.kode), Line("1"), {key::kF10, 'Y'}, {key::kEsc}}));
  ASSERT_TRUE(DRAFTR1(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "SJ-0001"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_DOUBLE_EQ(Number(rig, "DRAFTR2", "RTD-0009", "QUANTITY"), goods.dos);
  EXPECT_EQ(support::StoredText(Open(rig.session, "DRAFTR2"), Open(rig.session, "DRAFTR2").recno(), "INVOICE"),
            "SJ-0001");
}

}  // namespace
}  // namespace returns
