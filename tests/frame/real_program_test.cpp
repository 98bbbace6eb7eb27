// Runs the palunda program inside tmux, a real terminal, on a demonstration data folder: the
// administrator logs in, sees the menu and leaves the program with Esc and "Ya".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frame/data_folder.h"
#include "frame/login.h"
#include "login_site_helpers.h"
#include "tmux_pane.h"

namespace frame {
namespace {

TEST(RealProgramTest, AdministratorLogsInSeesTheMenuAndLeaves) {
  if (!TmuxPane::Available()) GTEST_SKIP() << "tmux is not installed";
  const std::string setup_tool = std::string(PALUNDA_BIN) + "/palunda-setup";
  if (!std::filesystem::exists(setup_tool)) GTEST_SKIP() << "palunda-setup is not built";
  LoginSite site;  // only its temporary directory is used
  const std::string data = site.root() + "/demo";
  ASSERT_EQ(std::system((setup_tool + " --demo " + data + " >/dev/null").c_str()), 0);
  ASSERT_TRUE(WriteConnectionSettings({"localhost", "", "", data}, site.ini_path()).ok());

  TmuxPane pane("palunda-program");
  const std::string exit_file = site.root() + "/exit-code";
  pane.Start("cd " + site.root() + " && " + PALUNDA_BIN + "/palunda; echo \\$? > " + exit_file);
  std::string screen = pane.WaitFor("Password :");
  ASSERT_NE(screen.find("Login                    PALUNDA"), std::string::npos) << screen;

  pane.Send(std::string(kAdminNik) + " Enter", 150);
  pane.Send(std::string(kAdminPassword) + " Enter", 150);
  screen = pane.WaitFor("-= GRUP MENU ADMIN =-");
  ASSERT_NE(screen.find("-= GRUP MENU ADMIN =-"), std::string::npos) << screen;
  EXPECT_NE(screen.find(kAdminName), std::string::npos) << screen;
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
  LoginSite site;
  TmuxPane pane("palunda-small");
  const std::string exit_file = site.root() + "/exit-code";
  const std::string error_file = site.root() + "/errors";
  pane.Start("cd " + site.root() + " && " + PALUNDA_BIN + "/palunda 2> " + error_file + "; echo \\$? > " + exit_file,
             72, 20);
  ASSERT_TRUE(pane.WaitForEnd()) << pane.Capture();
  std::stringstream exit_code, errors;
  exit_code << std::ifstream(exit_file).rdbuf();
  errors << std::ifstream(error_file).rdbuf();
  EXPECT_EQ(exit_code.str(), "1\n");
  EXPECT_EQ(errors.str(), "palunda: Invalid argument: terminal: is 72 x 20; it must be at least 80 x 25\n");
  EXPECT_FALSE(std::filesystem::exists(site.ini_path()));
}

}  // namespace
}  // namespace frame
