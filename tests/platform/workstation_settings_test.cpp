// The workstation's Palunda.ini sections: printer sinks, the reports folder and their errors.
#include "platform/workstation_settings.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/program_start.h"
#include "support/temp_folder.h"

namespace platform {
namespace {

using Kind = DotMatrixSink::Kind;

xbase::Status Read(const std::string& text, WorkstationSettings* settings) {
  return ReadWorkstationSettings(xbase::IniFile::Parse(text), "/home/kasir", settings);
}

std::string ReadError(const std::string& text) {
  WorkstationSettings settings;
  const xbase::Status status = Read(text, &settings);
  return status.IsInvalidArgument() ? status.message() : "<" + status.ToString() + ">";
}

TEST(WorkstationSettingsTest, WithoutSectionsEverythingStaysBesideTheSettingsFile) {
  WorkstationSettings settings;
  ASSERT_TRUE(Read("[SourceData]\nDatabase=/srv/data\n", &settings).ok());
  EXPECT_EQ(settings.dot_matrix.kind, Kind::kSpool);
  EXPECT_EQ(settings.dot_matrix.target, "/home/kasir/spool");
  EXPECT_EQ(settings.reports_folder, "/home/kasir/reports");
  EXPECT_TRUE(settings.viewer.empty());
  EXPECT_TRUE(settings.drives.entries().empty());
}

TEST(WorkstationSettingsTest, ReadsEachKindOfSinkAndTheReportsSection) {
  WorkstationSettings settings;
  ASSERT_TRUE(Read("[DotMatrix]\nDevice=/dev/usb/lp0\n", &settings).ok());
  EXPECT_EQ(settings.dot_matrix.kind, Kind::kDevice);
  EXPECT_EQ(settings.dot_matrix.target, "/dev/usb/lp0");

  ASSERT_TRUE(Read("[dotmatrix]\nqueue=LX300_Gudang\n", &settings).ok());
  EXPECT_EQ(settings.dot_matrix.kind, Kind::kQueue);
  EXPECT_EQ(settings.dot_matrix.target, "LX300_Gudang");

  ASSERT_TRUE(Read("[DotMatrix]\nSpool=cetak/../antrian\nDevice=\n[Reports]\nFolder=/data/laporan\n"
                   "Viewer=libreoffice --calc \"--infilter=Calc MS Excel 2007 XML\"\n",
                   &settings)
                  .ok());
  EXPECT_EQ(settings.dot_matrix.kind, Kind::kSpool);
  EXPECT_EQ(settings.dot_matrix.target, "/home/kasir/antrian");
  EXPECT_EQ(settings.reports_folder, "/data/laporan");
  EXPECT_EQ(settings.viewer,
            (std::vector<std::string>{"libreoffice", "--calc", "--infilter=Calc MS Excel 2007 XML"}));
}

TEST(WorkstationSettingsTest, WrongValuesNameTheirSectionAndKey) {
  EXPECT_EQ(ReadError("[DotMatrix]\nDevice=/dev/usb/lp0\nQueue=LX300\n"),
            "[DotMatrix]: set only one of Device, Queue and Spool");
  EXPECT_EQ(ReadError("[DotMatrix]\nDevice=lpt1\n"),
            "[DotMatrix] Device: 'lpt1' is not a full device path such as /dev/usb/lp0");
  EXPECT_EQ(ReadError("[DotMatrix]\nQueue=Epson LX300\n"),
            "[DotMatrix] Queue: 'Epson LX300' is not a print queue name (no blanks, /, \\, #, ? or quotes)");
  EXPECT_EQ(ReadError("[DotMatrix]\nPrinter=/dev/lp0\n"),
            "[DotMatrix] Printer: unknown key; the keys here are Device, Queue, Spool");
  EXPECT_EQ(ReadError("[Reports]\nViewer=gnumeric 'my file\n"),
            "[Reports] Viewer: gnumeric 'my file: the quote ' is not closed");
  EXPECT_EQ(ReadError("[Drives]\nD=data\n"), "[Drives] D: 'data' is not a full folder path");
  EXPECT_EQ(ReadError("[Storage]\nAccess=nfs\n"),
            "[Storage] Access: 'nfs' is not one of automatic, mapped and direct");
  EXPECT_EQ(ReadError("[Storage]\nMode=direct\n"), "[Storage] Mode: unknown key; the keys here are Access, Flush");
  EXPECT_EQ(ReadError("[Storage]\nFlush=sometimes\n"), "[Storage] Flush: 'sometimes' is neither on nor off");
  EXPECT_EQ(ReadError("[Drives]\nDD=/srv\n"),
            "[Drives]: 'DD': not a drive letter (such as D) nor a network share (such as \\\\server\\share)");
}

TEST(WorkstationSettingsTest, ReadsHowDataFilesAreReached) {
  WorkstationSettings settings;
  ASSERT_TRUE(Read("", &settings).ok());
  EXPECT_EQ(settings.file_access, xbase::FileAccess::kAutomatic);
  ASSERT_TRUE(Read("[Storage]\nAccess=Direct\n", &settings).ok());
  EXPECT_EQ(settings.file_access, xbase::FileAccess::kDirect);
  ASSERT_TRUE(Read("[Storage]\nAccess=mapped\n", &settings).ok());
  EXPECT_EQ(settings.file_access, xbase::FileAccess::kMapped);
  EXPECT_TRUE(settings.flush);
  ASSERT_TRUE(Read("[Storage]\nFlush=OFF\n", &settings).ok());
  EXPECT_FALSE(settings.flush);
  ASSERT_TRUE(Read("[Storage]\nFlush=yes\n", &settings).ok());
  EXPECT_TRUE(settings.flush);
}

TEST(WorkstationSettingsTest, ReadsTheDriveMap) {
  WorkstationSettings settings;
  ASSERT_TRUE(Read("[Drives]\nd=/srv/palunda\nF:=/mnt/f\n\\\\kantor\\Data=/mnt/kantor\n", &settings).ok());
  EXPECT_EQ(settings.drives.entries(),
            (std::vector<std::pair<std::string, std::string>>{
                {"D:", "/srv/palunda"}, {"F:", "/mnt/f"}, {"\\\\KANTOR\\DATA", "/mnt/kantor"}}));
}

TEST(WorkstationSettingsTest, LoadTakesRelativeFoldersUnderTheFilesFolder) {
  support::TempFolder folder;
  const std::string ini = (std::filesystem::path(folder.path()) / "Palunda.ini").string();
  std::ofstream(ini) << "[Reports]\nFolder=laporan\n[DotMatrix]\nQueue=bad name\n";
  WorkstationSettings settings;
  const xbase::Status status = LoadWorkstationSettings(ini, &settings);
  EXPECT_EQ(status.message(), ini + ": [DotMatrix] Queue: 'bad name' is not a print queue name (no blanks, /, \\, #, ? "
                                    "or quotes)");
  std::ofstream(ini) << "[Reports]\nFolder=laporan\n";
  ASSERT_TRUE(LoadWorkstationSettings(ini, &settings).ok());
  EXPECT_EQ(settings.reports_folder, (std::filesystem::path(folder.path()) / "laporan").string());
  EXPECT_EQ(settings.dot_matrix.target, (std::filesystem::path(folder.path()) / "spool").string());
  EXPECT_TRUE(LoadWorkstationSettings((std::filesystem::path(folder.path()) / "none.ini").string(), &settings).IsNotFound());
}

TEST(CommandLineTest, SplitsAtBlanksKeepingQuotedWords) {
  std::vector<std::string> words;
  ASSERT_TRUE(SplitCommandLine("  xdg-open  ", &words).ok());
  EXPECT_EQ(words, std::vector<std::string>{"xdg-open"});
  ASSERT_TRUE(SplitCommandLine("a 'b c'd \"\" e\t\"f'g\"", &words).ok());
  EXPECT_EQ(words, (std::vector<std::string>{"a", "b cd", "", "e", "f'g"}));
  ASSERT_TRUE(SplitCommandLine("", &words).ok());
  EXPECT_TRUE(words.empty());
  EXPECT_TRUE(SplitCommandLine("a \"b", &words).IsInvalidArgument());
}

TEST(StartProgramTest, AStartedProgramReadsNoneOfTheKeysTypedHere) {
  support::TempFolder folder;
  const std::string file = folder.File("read");
  // Our standard input holds typed keys; the program started copies what it can read into the file.
  int keys[2];
  ASSERT_EQ(pipe(keys), 0);
  ASSERT_EQ(write(keys[1], "J0001\r", 6), 6);
  close(keys[1]);
  const int kept = dup(STDIN_FILENO);
  dup2(keys[0], STDIN_FILENO);
  close(keys[0]);
  const xbase::Status started = StartProgram({"sh", "-c", "cat > \"$0.tmp\"; mv \"$0.tmp\" \"$0\""}, file);
  dup2(kept, STDIN_FILENO);
  close(kept);
  ASSERT_TRUE(started.ok()) << started.ToString();
  for (int i = 0; i < 200 && !std::filesystem::exists(file); ++i) usleep(25000);
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

}  // namespace
}  // namespace platform
