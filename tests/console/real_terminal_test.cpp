// Runs a small program inside tmux, a real terminal, and checks that colours, line
// characters and function keys come through the curses terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace console {
namespace {

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

class RealTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("tmux -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is not installed";
    socket_ = "palunda-term-" + std::to_string(getpid());
    keys_file_ = (std::filesystem::temp_directory_path() / (socket_ + ".keys")).string();
    std::filesystem::remove(keys_file_);
  }
  void TearDown() override {
    if (!socket_.empty()) Tmux("kill-server >/dev/null 2>&1");
    std::filesystem::remove(keys_file_);
  }

  std::string Tmux(const std::string& args) { return RunCommand("tmux -u -L " + socket_ + " " + args); }

  // Wait until the pane shows the text; returns the last capture (with colour sequences).
  std::string WaitFor(const std::string& text) {
    std::string screen;
    for (int i = 0; i < 100; ++i) {
      screen = Tmux("capture-pane -p -e -t probe 2>/dev/null");
      if (screen.find(text) != std::string::npos) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return screen;
  }

  std::string socket_;
  std::string keys_file_;
};

TEST_F(RealTerminalTest, ColoursBoxCharactersAndFunctionKeysComeThrough) {
  const std::string probe = std::string(PALUNDA_BIN) + "/terminal_probe";
  ASSERT_TRUE(std::filesystem::exists(probe));
  Tmux("new-session -d -s probe -x 80 -y 25 \"LANG=C.UTF-8 " + probe + " " + keys_file_ + "\"");
  const std::string screen = WaitFor("READY");
  ASSERT_NE(screen.find("READY"), std::string::npos) << screen;
  EXPECT_NE(screen.find("╔═══"), std::string::npos) << screen;
  EXPECT_NE(screen.find("Palunda ─█░ café"), std::string::npos) << screen;
  // Blue background of the window and red background of the text.
  EXPECT_NE(screen.find("44m"), std::string::npos) << screen;
  EXPECT_NE(screen.find("41m"), std::string::npos) << screen;

  for (const char* key : {"F2", "F10", "C-PageUp", "Up", "Home", "DC", "M-x", "a", "Enter"}) {
    Tmux(std::string("send-keys -t probe ") + key);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  WaitFor("KEYS -1 -9 31 5 1 7 301 97 13");
  Tmux("send-keys -t probe Escape");
  for (int i = 0; i < 100 && !std::filesystem::exists(keys_file_); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::stringstream codes;
  codes << std::ifstream(keys_file_).rdbuf();
  EXPECT_EQ(codes.str(), "-1 -9 31 5 1 7 301 97 13 ");
}

}  // namespace
}  // namespace console
