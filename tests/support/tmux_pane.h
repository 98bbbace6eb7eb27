// A program run in a tmux pane (80 x 25 unless asked otherwise), a real terminal, for tests that drive it by keys and read
// what it shows.
#ifndef PALUNDA_TESTS_SUPPORT_TMUX_PANE_H_
#define PALUNDA_TESTS_SUPPORT_TMUX_PANE_H_

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

class TmuxPane {
 public:
  // True when tmux can be run.
  static bool Available() { return std::system("tmux -V >/dev/null 2>&1") == 0; }

  // A pane on a tmux server of its own, named after `name` and this process.
  explicit TmuxPane(const std::string& name) : socket_(name + "-" + std::to_string(getpid())) {}
  ~TmuxPane() { Tmux("kill-server >/dev/null 2>&1"); }
  TmuxPane(const TmuxPane&) = delete;
  TmuxPane& operator=(const TmuxPane&) = delete;

  // Starts `command` (run by the shell in a UTF-8 locale; no double quotes in it) in the pane, 80 x 25
  // unless another size is given.
  void Start(const std::string& command, int columns = 80, int rows = 25) {
    Tmux("new-session -d -s pane -x " + std::to_string(columns) + " -y " + std::to_string(rows) +
         " \"export LANG=C.UTF-8; " + command + "\"");
  }
  // The text the pane shows, with its colour sequences when asked.
  std::string Capture(bool colours = false) {
    return Tmux(std::string("capture-pane -p ") + (colours ? "-e " : "") + "-t pane 2>/dev/null");
  }
  // Waits up to five seconds until the pane shows `text`; returns the last capture.
  std::string WaitFor(const std::string& text, bool colours = false) {
    std::string screen;
    for (int i = 0; i < 100; ++i) {
      screen = Capture(colours);
      if (screen.find(text) != std::string::npos) break;
      Pause(50);
    }
    return screen;
  }
  // Sends keys by their tmux names ("Enter", "F2", "M-x", or text), then gives the program a moment.
  void Send(const std::string& keys, int milliseconds = 60) {
    Tmux("send-keys -t pane " + keys);
    Pause(milliseconds);
  }
  // Waits up to five seconds for the pane's program to end; true when it did.
  bool WaitForEnd() {
    for (int i = 0; i < 100; ++i) {
      if (std::system(("tmux -L " + socket_ + " has-session -t pane 2>/dev/null").c_str()) != 0) return true;
      Pause(50);
    }
    return false;
  }

  static void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

 private:
  std::string Tmux(const std::string& args) {
    std::string output;
    FILE* pipe = popen(("tmux -u -L " + socket_ + " " + args).c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
    return output;
  }

  std::string socket_;
};

#endif  // PALUNDA_TESTS_SUPPORT_TMUX_PANE_H_
