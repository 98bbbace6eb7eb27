// The palunda-setup program: its output, exit codes and refusals.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/fuse_mounts.h"
#include "support/programs.h"
#include "support/site_folder.h"
#include "support/temp_folder.h"

namespace frame {

using support::SeekField;
using support::Snapshot;
using support::TempFolder;

namespace {

struct ProgramRun {
  int code;
  std::string output;
};

ProgramRun RunProgram(const std::string& program, const std::string& args) {
  const std::string command = support::ProgramPath(program) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 512> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

ProgramRun RunSetup(const std::string& args) { return RunProgram("palunda-setup", args); }

TEST(SetupProgramTest, MakesTellsAndRefuses) {
  TempFolder scratch;
  const std::string dir = scratch.File("data");
  const ProgramRun made = RunSetup("--demo " + dir);
  EXPECT_EQ(made.code, 0) << made.output;
  EXPECT_NE(made.output.find("Administrator: NIK SYSADMIN, password admin"), std::string::npos) << made.output;
  EXPECT_NE(made.output.find("Demo user: NIK KASIR01, password kasir"), std::string::npos) << made.output;
  EXPECT_NE(made.output.find("MASTBRJ 30"), std::string::npos) << made.output;

  const ProgramRun check = RunProgram("dbtool", "check " + dir);
  EXPECT_EQ(check.code, 0) << check.output;
  const ProgramRun verified = RunProgram("dbtool", "verify " + dir);
  EXPECT_EQ(verified.code, 0) << verified.output;
  EXPECT_EQ(verified.output, dir + ": every derived value and index is sound\n");

  const auto before = Snapshot(dir);
  const ProgramRun again = RunSetup(dir);
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.output.find("is not empty"), std::string::npos) << again.output;
  EXPECT_EQ(Snapshot(dir), before);

  const std::string bandung = scratch.File("bandung");
  EXPECT_EQ(RunSetup("--demo --branch BDG01 --branch-name BANDUNG --customer-prefix B2 " + bandung).code, 0);
  EXPECT_EQ(SeekField(bandung, "SETUP", "SETUP", "NOTTBDG01 ", "KET").substr(0, 10), "0000000000");
  EXPECT_EQ(SeekField(bandung, "SETUP", "SETUP", "CABANGB2", "KET").substr(0, 14), "BDG01  BANDUNG");
  EXPECT_EQ(SeekField(bandung, "MASTCUS", "MASTCUS1", "B20003", "NAMA").substr(0, 20), "CV. MAJU JAYA GROSIR");

  EXPECT_EQ(RunSetup("--branch").code, 2);
  EXPECT_EQ(RunSetup("").code, 2);
  EXPECT_EQ(RunSetup("--colour " + scratch.File("x")).code, 2);
  EXPECT_FALSE(std::filesystem::exists(scratch.File("x")));
}

// Every table the demo writes, the transfer folder's included, has each of its records in its index.
TEST(SetupProgramTest, EveryFileOfTheDemoPassesTheCheck) {
  TempFolder scratch;
  const std::string dir = scratch.File("data");
  ASSERT_EQ(RunSetup("--demo " + dir).code, 0);
  const ProgramRun folder = RunProgram("dbtool", "check " + dir);
  EXPECT_EQ(folder.code, 0) << folder.output;
  int indexed = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch.File("data/transfer"))) {
    std::filesystem::path index = entry.path();
    if (index.extension() != ".dbf" || !std::filesystem::exists(index.replace_extension(".ntx"))) continue;
    const std::string table = index.replace_extension().string();
    const ProgramRun check = RunProgram("dbtool", "check " + table + " " + table);
    EXPECT_EQ(check.code, 0) << check.output;
    ++indexed;
  }
  EXPECT_GE(indexed, 3) << "dtsj1, dtsj2, dtsj3 at least";
}

// A new demo folder made on a file server reached through a mount that caches nothing, then checked
// through another workstation's mount.
TEST(SetupProgramTest, MakesTheDemoFolderOnAFileServer) {
  support::FuseMounts mounts;
  ASSERT_FUSE_MOUNTED(mounts);
  const ProgramRun made = RunSetup("--demo " + mounts.first() + "/data");
  EXPECT_EQ(made.code, 0) << made.output;
  EXPECT_NE(made.output.find("MASTBRJ 30"), std::string::npos) << made.output;
  const ProgramRun check = RunProgram("dbtool", "check " + mounts.second() + "/data");
  EXPECT_EQ(check.code, 0) << check.output;
  EXPECT_EQ(check.output, mounts.second() + "/data: every table and index is sound\n");
}

// Records appended without their index files, as when a workstation stops in the middle of a save:
// the check names the index file and the repair, and the rebuild it names makes the folder sound.
TEST(SetupProgramTest, CheckNamesTheRebuildThatRepairsMissingKeys) {
  TempFolder scratch;
  const std::string dir = scratch.File("data");
  ASSERT_EQ(RunSetup(dir).code, 0);
  ASSERT_EQ(RunProgram("dbtool", "append " + dir + "/mastcus 2").code, 0);
  const ProgramRun check = RunProgram("dbtool", "check " + dir);
  EXPECT_EQ(check.code, 1);
  EXPECT_NE(check.output.find("/MASTCUS1.ntx: holds 0 keys for 2 records; the first difference is at record 1\n"),
            std::string::npos)
      << check.output;
  EXPECT_NE(check.output.find("Index faults are repaired by rebuilding the index files while no one uses the folder: "
                              "dbtool reindex " + dir + "\n"),
            std::string::npos)
      << check.output;
  const ProgramRun rebuilt = RunProgram("dbtool", "reindex " + dir);
  EXPECT_EQ(rebuilt.code, 0) << rebuilt.output;
  EXPECT_NE(rebuilt.output.find(dir + ": index files rebuilt: "), std::string::npos) << rebuilt.output;
  const ProgramRun sound = RunProgram("dbtool", "check " + dir);
  EXPECT_EQ(sound.code, 0) << sound.output;
  EXPECT_EQ(sound.output, dir + ": every table and index is sound\n");
}

// The verification finds the same faults and more; its repair rebuilds them and sets the derived
// values, after which it is clean.
TEST(SetupProgramTest, VerifyNamesWhatDiffersAndItsRepairClearsIt) {
  TempFolder scratch;
  const std::string dir = scratch.File("data");
  ASSERT_EQ(RunSetup("--demo " + dir).code, 0);
  ASSERT_EQ(RunProgram("dbtool", "append " + dir + "/mastcus 2").code, 0);
  const ProgramRun found = RunProgram("dbtool", "verify " + dir);
  EXPECT_EQ(found.code, 1);
  EXPECT_NE(found.output.find("/MASTCUS1.ntx: holds 8 keys for 10 records; the first difference is at record 9\n"),
            std::string::npos)
      << found.output;
  EXPECT_NE(found.output.find(" differences; they are set right while no one uses the folder: dbtool verify " + dir +
                              " --repair\n"),
            std::string::npos)
      << found.output;
  const ProgramRun repaired = RunProgram("dbtool", "verify " + dir + " --repair");
  EXPECT_EQ(repaired.code, 0) << repaired.output;
  EXPECT_NE(repaired.output.find("repaired: " + dir), std::string::npos) << repaired.output;
  EXPECT_NE(repaired.output.find(dir + ": every derived value and index is sound\n"), std::string::npos)
      << repaired.output;
  EXPECT_EQ(RunProgram("dbtool", "verify " + dir + " --fix").code, 2);
}

}  // namespace
}  // namespace frame
