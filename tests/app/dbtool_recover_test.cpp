// dbtool recover: the unfinished saves of a folder undone, each told with the files it put back.
#include <gtest/gtest.h>

#include <string>

#include "support/files.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/journal_file.h"

namespace {

using support::ReadFile;
using support::RunProgram;
using support::WriteFile;

TEST(DbtoolRecoverTest, UndoesADeadSaveKeepsWhatOthersAppendedAndDropsATornJournal) {
  support::TempFolder dir;
  // A dead save overwrote "abc" with "XYZ" in STOK.DBF and appended "++"; someone appended "!!" after.
  WriteFile(dir.File("STOK.DBF"), "XYZdefgh++!!");
  WriteFile(dir.File("STOK.NTX"), "1234QQ");
  xbase::JournalContents contents;
  contents.host = "kasir2";
  contents.pid = 3131;
  contents.files.push_back(xbase::JournaledFile{"STOK.DBF", 8, 10, {xbase::BeforeImage{0, "abc"}}});
  contents.files.push_back(xbase::JournaledFile{"STOK.NTX", 4, 6, {xbase::BeforeImage{2, "34"}}});
  WriteFile(dir.File(std::string(xbase::kJournalPrefix) + "kasir2-3131-0"), xbase::EncodeJournal(contents));
  WriteFile(dir.File(std::string(xbase::kJournalPrefix) + "kasir2-3131-1"), "PALUNDA-JOURNAL");

  int status = -1;
  EXPECT_EQ(RunProgram("dbtool", {"recover", dir.path()}, &status),
            std::string(xbase::kJournalPrefix) + "kasir2-3131-0: the unfinished save of kasir2 (process 3131) undone\n"
            "  restored: STOK.DBF\n"
            "  restored: STOK.NTX\n"
            "  STOK.DBF was appended to after the save: left at its length, the save's records stay in it\n" +
                std::string(xbase::kJournalPrefix) + "kasir2-3131-1: cut short before the save wrote anything; removed\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(dir.File("STOK.DBF")), "abcdefgh++!!");
  EXPECT_EQ(ReadFile(dir.File("STOK.NTX")), "1234");

  EXPECT_EQ(RunProgram("dbtool", {"recover", dir.path()}, &status), dir.path() + ": no unfinished save\n");
  EXPECT_EQ(RunProgram("dbtool", {"recover", dir.File("nowhere")}, &status, true),
            "dbtool: " + dir.File("nowhere") + ": no such folder\n");
  EXPECT_EQ(status, 1);
}

}  // namespace
