// Runs a small program inside tmux, a real terminal, and checks that colours, line
// characters and function keys come through the curses terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/programs.h"
#include "support/tmux_pane.h"

namespace console {
namespace {

TEST(RealTerminalTest, ColoursBoxCharactersAndFunctionKeysComeThrough) {
  if (!TmuxPane::Available()) GTEST_SKIP() << "tmux is not installed";
  const std::string probe = support::ProgramPath("terminal_probe");
  ASSERT_TRUE(std::filesystem::exists(probe));
  const std::string keys_file =
      (std::filesystem::temp_directory_path() / ("palunda-term-" + std::to_string(getpid()) + ".keys")).string();
  std::filesystem::remove(keys_file);
  TmuxPane pane("palunda-term");
  pane.Start(probe + " " + keys_file);
  const std::string screen = pane.WaitFor("READY", true);
  ASSERT_NE(screen.find("READY"), std::string::npos) << screen;
  EXPECT_NE(screen.find("╔═══"), std::string::npos) << screen;
  EXPECT_NE(screen.find("Palunda ─█░ café"), std::string::npos) << screen;
  // Blue background of the window and red background of the text.
  EXPECT_NE(screen.find("44m"), std::string::npos) << screen;
  EXPECT_NE(screen.find("41m"), std::string::npos) << screen;

  for (const char* key : {"F2", "F10", "C-PageUp", "Up", "Home", "DC", "M-x", "a", "Enter"}) pane.Send(key);
  pane.WaitFor("KEYS -1 -9 31 5 1 7 301 97 13");
  // Typed ahead in one burst, Esc and the letter behind it stay two keys (not Alt+b): the probe
  // ends at the Esc.
  pane.Send("z Escape b");
  for (int i = 0; i < 100 && !std::filesystem::exists(keys_file); ++i) TmuxPane::Pause(50);
  TmuxPane::Pause(100);
  std::stringstream codes;
  codes << std::ifstream(keys_file).rdbuf();
  EXPECT_EQ(codes.str(), "-1 -9 31 5 1 7 301 97 13 122 ");
  std::filesystem::remove(keys_file);
}

}  // namespace
}  // namespace console
