// Runs the palunda program inside tmux, a real terminal, on a demonstration data folder: the
// administrator logs in, sees the menu and leaves the program with Esc and "Ya".
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "frame/login.h"

namespace frame {
namespace {

namespace fs = std::filesystem;

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

class RealProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("tmux -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is not installed";
    if (!fs::exists(setup_tool_)) GTEST_SKIP() << "palunda-setup is not built";
    socket_ = "palunda-program-" + std::to_string(getpid());
    root_ = (fs::temp_directory_path() / socket_).string();
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    if (socket_.empty()) return;
    Tmux("kill-server >/dev/null 2>&1");
    fs::remove_all(root_);
  }

  std::string Tmux(const std::string& args) { return RunCommand("tmux -u -L " + socket_ + " " + args); }
  std::string Screen() { return Tmux("capture-pane -p -t palunda 2>/dev/null"); }
  // Waits until the pane shows the text; returns the last capture.
  std::string WaitFor(const std::string& text) {
    std::string screen;
    for (int i = 0; i < 100; ++i) {
      screen = Screen();
      if (screen.find(text) != std::string::npos) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return screen;
  }
  void Send(const std::string& keys) {
    Tmux("send-keys -t palunda " + keys);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }

  const std::string setup_tool_ = std::string(PALUNDA_BIN) + "/palunda-setup";
  std::string socket_;
  std::string root_;
};

TEST_F(RealProgramTest, AdministratorLogsInSeesTheMenuAndLeaves) {
  const std::string data = root_ + "/data";
  ASSERT_EQ(std::system((setup_tool_ + " --demo " + data + " >/dev/null").c_str()), 0);
  ASSERT_TRUE(WriteConnectionSettings({"localhost", "", "", data}, root_ + "/" + kIniFileName).ok());

  const std::string program = std::string(PALUNDA_BIN) + "/palunda";
  Tmux("new-session -d -s palunda -x 80 -y 25 \"cd " + root_ + " && LANG=C.UTF-8 " + program + "\"");
  std::string screen = WaitFor("Password :");
  ASSERT_NE(screen.find("Login                    PALUNDA"), std::string::npos) << screen;

  Send("SYSADMIN Enter");
  Send("admin Enter");
  screen = WaitFor("-= GRUP MENU ADMIN =-");
  ASSERT_NE(screen.find("-= GRUP MENU ADMIN =-"), std::string::npos) << screen;
  EXPECT_NE(screen.find("ADMINISTRATOR"), std::string::npos) << screen;
  EXPECT_NE(screen.find("Bln Proses : "), std::string::npos) << screen;

  Send("Escape");
  screen = WaitFor("Yakin akan keluar dari program ini");
  ASSERT_NE(screen.find("Yakin akan keluar dari program ini"), std::string::npos) << screen;
  Send("Y");
  bool ended = false;
  for (int i = 0; i < 100 && !ended; ++i) {
    ended = std::system(("tmux -L " + socket_ + " has-session -t palunda 2>/dev/null").c_str()) != 0;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(ended) << Screen();
}

}  // namespace
}  // namespace frame
