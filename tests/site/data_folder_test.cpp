// A new data folder: its tables, indexes, settings, counters and the administrator's login.
#include "site/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "schema/catalog.h"
#include "schema/folder_check.h"
#include "site/demo_data.h"
#include "site/site_counters.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"
#include "xbase/password.h"
#include "xbase/search_path.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace site {

using support::SeekField;
using support::Snapshot;
using support::TempFolder;
using support::TestOptions;
using support::TestRegistry;

namespace {
namespace fs = std::filesystem;

const std::string kE0 = std::string(1, static_cast<char>(224));

class DataFolderTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }
  // The plain or the demo folder, made at its first use in the suite; the tests only read them.
  static std::string Made(bool demo) {
    if (shared_ == nullptr) shared_ = new Shared;
    const std::string dir = shared_->scratch.File(demo ? "demo" : "plain");
    if (!shared_->reports.contains(demo)) {
      const xbase::Status s = MakeDataFolder(dir, TestOptions(shared_->registry, demo), &shared_->reports[demo]);
      EXPECT_TRUE(s.ok()) << s.ToString();
    }
    return dir;
  }
  static const std::string& ReportOf(bool demo) { return shared_->reports[demo]; }

  TempFolder scratch_;
  frame::ProcedureRegistry registry_ = TestRegistry();

 private:
  struct Shared {
    TempFolder scratch;
    frame::ProcedureRegistry registry = TestRegistry();
    std::map<bool, std::string> reports;
  };
  static Shared* shared_;
};

DataFolderTest::Shared* DataFolderTest::shared_ = nullptr;

TEST_F(DataFolderTest, EveryTableOpensWithSoundIndexes) {
  EXPECT_EQ(schema::CheckFolder(Made(false)), std::vector<std::string>{});
  EXPECT_EQ(schema::CheckFolder(Made(true)), std::vector<std::string>{});
}

TEST_F(DataFolderTest, CheckFindsARowMissingFromItsIndex) {
  const std::string dir = scratch_.File("plain");
  ASSERT_TRUE(MakeDataFolder(dir, TestOptions(registry_, false), nullptr).ok());
  xbase::Session session(xbase::SearchPath({dir}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("TRANSAK", "", xbase::OpenMode::kExclusive, &area).ok());
  ASSERT_TRUE(area->Append().ok());
  ASSERT_TRUE(area->Put("USER_ID", xbase::Value::Text("GHOST")).ok());
  ASSERT_TRUE(session.CloseAll().ok());
  const std::vector<std::string> faults = schema::CheckFolder(dir);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("TRANSAK.ntx: holds 1 keys for 2 records; the first difference is at record 2"),
            std::string::npos)
      << faults[0];
}

TEST_F(DataFolderTest, SettingsCountersAndLoginRow) {
  const std::string dir = Made(false);
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", kE0 + "SET101", "KET")), "PT. PALUNDA SENTOSA");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", kE0 + "SET113", "KET")), "");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", kE0 + "SET214", "KET")), "31-12-2026");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "POTONGPPN", "KET")), "11");
  // Folders are stored relative to the data folder, so a moved folder keeps its own.
  const std::string reports = std::string(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "TMPFILELAP", "KET")));
  EXPECT_EQ(reports, "laporan");
  EXPECT_TRUE(fs::is_directory(fs::path(dir) / reports));
  for (const char* row : {"TMPFILEEXP", "DT-TAMPUNG", "TMPFILEIMP"}) {
    EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", row, "KET")), "transfer") << row;
  }
  // Its transfer folder holds the empty tables its sending entries write into.
  for (const char* table : {"kirimgr.dbf", "KirimJB.dbf", "rlt_gr.dbf", "App_rt1.dbf", "dtsj1.dbf", "PEB_HDR.dbf"}) {
    std::string found;
    EXPECT_TRUE(xbase::FindInFolder(dir + "/transfer", table, &found).ok()) << table;
  }
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "CABANGJ", "KET")), "JKT001 JAKARTA");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "JKT001", "KET")), "JAKARTA");
  for (const SiteCounter& kind : SiteCounters()) {
    EXPECT_EQ(SeekField(dir, "SETUP", "SETUP", SiteCounterKey(kind, "JKT001"), "KET").substr(0, 12),
              xbase::PadR(kind.start, 12))
        << kind.prefix;
  }
  EXPECT_EQ(SiteCounterKey(SiteCounters()[0], "JKT001"), "NOTTJKT001");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "NOTTJKT001", "KET")), "0000000000");

  xbase::Session session(xbase::SearchPath({dir}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("LOGSETUP", "", xbase::OpenMode::kShared, &area).ok());
  ASSERT_EQ(area->table().record_count(), 1u);
  xbase::Value value;
  ASSERT_TRUE(area->Get("BUDGET", &value).ok());
  EXPECT_EQ(value.text(), "08-12-202631-12-2026   10 10  0   0");
  ASSERT_TRUE(area->Get("DEFAULT", &value).ok());
  EXPECT_TRUE(value.logical());
  ASSERT_TRUE(area->Get("LOGEDPATH", &value).ok());
  EXPECT_EQ(xbase::AllTrim(value.text()), dir);
  ASSERT_TRUE(session.Use("DOLLAR", "", xbase::OpenMode::kShared, &area).ok());
  ASSERT_EQ(area->table().record_count(), 99u);
  const std::pair<uint32_t, const char*> words[] = {{1, "one"}, {13, "thirteen"}, {40, "forty"}, {99, "ninety nine"}};
  for (const auto& [recno, word] : words) {
    ASSERT_TRUE(area->GoTo(recno).ok());
    ASSERT_TRUE(area->Get("TERBILANG", &value).ok());
    EXPECT_EQ(xbase::AllTrim(value.text()), word);
  }
}

TEST_F(DataFolderTest, AdministratorWithStoredPasswordAndEveryRightsCode) {
  const std::string dir = Made(false);
  EXPECT_EQ(SeekField(dir, "TRANSAK", "TRANSAK", "SYSADMIN", "PASS_ID"),
            xbase::PadR(xbase::TransformPassword("admin"), 10));
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "TRANSAK", "TRANSAK", "SYSADMIN", "KODEPROG")), kAdminRights);
  EXPECT_NE(ReportOf(false).find("NIK SYSADMIN, password admin"), std::string::npos) << ReportOf(false);
}

TEST_F(DataFolderTest, DemoRowsSeekThroughTheirIndexes) {
  const std::string dir = Made(true);
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTBRJ", "MASTBRJ1", "SC0001", "NAMA")), "BUKU TULIS 38 LBR");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTBRJ", "MASTBRJ2", "PULPEN HITAM", "KODE")), "WR0001");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTBRJ", "MASTBRJ1", "OF0001", "HARGA4")), "43200.00");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH")), "4000");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "STOKBRG", "STOKBRG1", "SC0004    GDG02 ", "JUMLAH")), "0");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTBRJ", "MASTBRJ1", "SC0001", "JUMLAH")), "4600");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTCUS", "MASTCUS1", "J0005", "KELOMPOK")), "MODN");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTCUS", "MASTCUS1", "J0006", "TERIMA")), "4.00");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "RELASI_EXT", "RELASI_EXT1", "J0006", "CODE_ID")), "PL001");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "RELASI_EXT", "RELASI_EXT1", "J0006", "COA_PIUT")),
            "113110000-001-JKT1-0000-00");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "OUTLETMODN", "KET")), "060060000000 3PASAR MODERN");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "UNITCBJKT1", "KET")), "JAKARTA PUSAT");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "DTSALES", "DTSALES2", "S004", "JABATAN")), "BM");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SETUP", "SETUP", "TMPFILEIMP", "KET")), "transfer");
  EXPECT_TRUE(std::filesystem::exists(dir + "/transfer/Price.dbf"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/transfer/Dt_rls.dbf"));
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTGDG", "MASTGDG2", "JKT001GDG02", "NAMA")), "GUDANG TOKO");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "MASTSLS", "MASTSLS1", "S002", "NAMA")), "SITI RAHAYU");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "TIPE", "TIPE", "02", "PRICE")), "HARGA1");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "PERUSH", "PERUSH", "0", "NAMA")), "PT. PALUNDA SENTOSA");
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "KARYAWAN", "KARYAWAN", "KASIR01", "NAMA")), "DEWI LESTARI");
  EXPECT_EQ(SeekField(dir, "TRANSAK", "TRANSAK", "KASIR01", "PASS_ID"),
            xbase::PadR(xbase::TransformPassword("kasir"), 10));
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "TRANSAK", "TRANSAK", "SYSADMIN", "GUDANG")), kDemoWarehouse);
  EXPECT_NE(ReportOf(true).find("NIK KASIR01, password kasir"), std::string::npos) << ReportOf(true);
}

// The demo's delivery notes name their goods on every line, as a saved note does: the note's
// revision and prints show the name a line carries.
TEST_F(DataFolderTest, EveryDemoNoteLineCarriesItsGoodsName) {
  const std::string dir = Made(true);
  xbase::Session session(xbase::SearchPath({dir}));
  xbase::WorkArea* lines = nullptr;
  ASSERT_TRUE(session.Use("SRTJLN2", "", xbase::OpenMode::kShared, &lines).ok());
  ASSERT_GT(lines->table().record_count(), 0u);
  for (uint32_t recno = 1; recno <= lines->table().record_count(); ++recno) {
    ASSERT_TRUE(lines->GoTo(recno).ok());
    const std::string code(xbase::AllTrim(lines->Text("KODE")));
    EXPECT_EQ(xbase::AllTrim(lines->Text("KTR")), xbase::AllTrim(SeekField(dir, "MASTBRJ", "MASTBRJ1", code, "NAMA")))
        << "line " << recno << " of " << lines->Text("INVOICE");
  }
  ASSERT_TRUE(session.CloseAll().ok());
  EXPECT_EQ(xbase::AllTrim(SeekField(dir, "SRTJLN2", "SRTJLN21", "SJ-0004", "KTR")), "TISU WAJAH 250");
}

TEST_F(DataFolderTest, ExistingFolderIsNeverTouched) {
  const std::string dir = Made(true);
  const auto before = Snapshot(dir);
  std::string report;
  const xbase::Status again = MakeDataFolder(dir, TestOptions(registry_, false), &report);
  EXPECT_TRUE(again.IsInvalidArgument()) << again.ToString();
  EXPECT_NE(again.message().find("not empty"), std::string::npos);
  EXPECT_EQ(Snapshot(dir), before);

  const std::string other = scratch_.File("other");
  fs::create_directory(other);
  std::ofstream(other + "/notes.txt") << "keep me";
  EXPECT_FALSE(MakeDataFolder(other, TestOptions(registry_, false), nullptr).ok());
  EXPECT_EQ(Snapshot(other).size(), 1u);

  const std::string file = scratch_.File("file");
  std::ofstream(file) << "x";
  EXPECT_TRUE(MakeDataFolder(file, TestOptions(registry_, false), nullptr).IsInvalidArgument());
}

TEST_F(DataFolderTest, EmptyFolderIsUsedAndBadFoldersAreRefused) {
  const std::string empty = scratch_.File("empty");
  fs::create_directory(empty);
  EXPECT_TRUE(MakeDataFolder(empty, TestOptions(registry_, false), nullptr).ok());
  std::string setup;
  EXPECT_TRUE(xbase::FindInFolder(empty, "setup.dbf", &setup).ok());
  EXPECT_TRUE(MakeDataFolder(scratch_.File("site/data/"), TestOptions(registry_, false), nullptr).ok());
  EXPECT_TRUE(xbase::FindInFolder(scratch_.File("site/data"), "jurnal1.dbf", &setup).ok());

  DataFolderOptions long_branch = TestOptions(registry_, false);
  long_branch.branch = "JAKARTA1";
  EXPECT_TRUE(MakeDataFolder(scratch_.File("branch"), long_branch, nullptr).IsInvalidArgument());
  EXPECT_FALSE(fs::exists(scratch_.File("branch")));

  if (geteuid() != 0) {  // permissions do not bind the superuser
    const std::string locked = scratch_.File("locked");
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const xbase::Status s = MakeDataFolder(locked + "/data", TestOptions(registry_, false), nullptr);
    EXPECT_TRUE(s.IsIOError()) << s.ToString();
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_TRUE(fs::is_empty(locked));
  }
}

// A link that leads nowhere, such as a share that is not mounted, is refused and left alone, and so
// is a file in the way: each refusal says why and nothing is made.
TEST_F(DataFolderTest, ALinkLeadingNowhereIsLeftAloneAndRefusalsSayWhy) {
  const std::string link = scratch_.File("share");
  const std::string target = scratch_.File("not-mounted/data");
  fs::create_symlink(target, link);
  const std::string refusal = link + ": is a link to " + target +
                              ", which cannot be reached (a share not mounted?); nothing was changed";
  EXPECT_EQ(MakeDataFolder(link, TestOptions(registry_, false), nullptr).ToString(), "Not found: " + refusal);
  EXPECT_EQ(MakeDataFolder(link + "/site", TestOptions(registry_, false), nullptr).ToString(), "Not found: " + refusal);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_FALSE(fs::exists(scratch_.File("not-mounted")));

  const std::string plain = scratch_.File("plain");
  std::ofstream(plain) << "x";
  EXPECT_EQ(MakeDataFolder(plain + "/deeper/data", TestOptions(registry_, false), nullptr).ToString(),
            "Invalid argument: " + plain + ": is a file, not a folder");
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch_.path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"plain", "share"}));
}

}  // namespace
}  // namespace site
