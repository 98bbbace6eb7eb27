// Runs the palunda program inside tmux, a real terminal, on a demonstration data folder: the
// administrator logs in, sees the menu and leaves the program with Esc and "Ya".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frame/login.h"
#include "site/data_folder.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/tmux_pane.h"

namespace frame {
namespace {

TEST(RealProgramTest, AdministratorLogsInSeesTheMenuAndLeaves) {
  if (!TmuxPane::Available()) GTEST_SKIP() << "tmux is not installed";
  support::TempFolder root;
  const std::string data = root.File("demo");
  int status = -1;
  support::RunProgram("palunda-setup", {"--demo", data}, &status);
  ASSERT_EQ(status, 0);
  ASSERT_TRUE(frame::WriteConnectionSettings({"localhost", "", "", data}, root.File("Palunda.ini")).ok());

  TmuxPane pane("palunda-program");
  const std::string exit_file = root.File("exit-code");
  pane.Start("cd " + root.path() + " && " + support::ProgramPath("palunda") + "; echo \\$? > " + exit_file);
  std::string screen = pane.WaitFor("Password :");
  ASSERT_NE(screen.find("Login                    PALUNDA"), std::string::npos) << screen;

  pane.Send(std::string(site::kAdminNik) + " Enter", 150);
  pane.Send(std::string(site::kAdminPassword) + " Enter", 150);
  // The administrator's entries fill more than one menu bar: the login asks which, ADMIN first.
  screen = pane.WaitFor("Grup Menu");
  ASSERT_NE(screen.find("ADMIN2"), std::string::npos) << screen;
  pane.Send("Enter", 150);
  screen = pane.WaitFor("-= GRUP MENU ADMIN =-");
  ASSERT_NE(screen.find("-= GRUP MENU ADMIN =-"), std::string::npos) << screen;
  EXPECT_NE(screen.find(site::kAdminName), std::string::npos) << screen;
  EXPECT_NE(screen.find("Bln Proses : "), std::string::npos) << screen;

  pane.Send("Escape", 150);
  screen = pane.WaitFor("Yakin akan keluar dari program ini");
  ASSERT_NE(screen.find("Yakin akan keluar dari program ini"), std::string::npos) << screen;
  pane.Send("Y");
  ASSERT_TRUE(pane.WaitForEnd()) << pane.Capture();
  std::stringstream exit_code;
  exit_code << std::ifstream(exit_file).rdbuf();
  EXPECT_EQ(exit_code.str(), "0\n");
}

// On a terminal smaller than 80 x 25 the program says what size it needs and ends, touching nothing.
TEST(RealProgramTest, ATerminalSmallerThanTheScreensIsRefused) {
  if (!TmuxPane::Available()) GTEST_SKIP() << "tmux is not installed";
  support::TempFolder root;
  TmuxPane pane("palunda-small");
  const std::string exit_file = root.File("exit-code");
  const std::string error_file = root.File("errors");
  pane.Start("cd " + root.path() + " && " + support::ProgramPath("palunda") + " 2> " + error_file + "; echo \\$? > " +
                 exit_file,
             72, 20);
  ASSERT_TRUE(pane.WaitForEnd()) << pane.Capture();
  std::stringstream exit_code, errors;
  exit_code << std::ifstream(exit_file).rdbuf();
  errors << std::ifstream(error_file).rdbuf();
  EXPECT_EQ(exit_code.str(), "1\n");
  EXPECT_EQ(errors.str(), "palunda: Invalid argument: terminal: is 72 x 20; it must be at least 80 x 25\n");
  EXPECT_FALSE(std::filesystem::exists(root.File("Palunda.ini")));
}

}  // namespace
}  // namespace frame
