// What the benchmarks share: a stop on any failed status, and a workstation whose user answers every
// message at once.
#ifndef PALUNDA_BENCH_BENCH_SUPPORT_H_
#define PALUNDA_BENCH_BENCH_SUPPORT_H_

#include <cstdio>
#include <cstdlib>

#include "console/keys.h"
#include "console/terminal.h"
#include "xbase/status.h"

namespace bench {

// Stops the benchmark with the message of a failed status.
inline void Must(const xbase::Status& status) {
  if (status.ok()) return;
  std::fprintf(stderr, "%s\n", status.ToString().c_str());
  std::abort();
}

// A workstation whose user answers every message at once.
class AnsweringTerminal : public console::Terminal {
 public:
  void Present(const console::CellGrid&, const console::Cursor&) override {}
  int ReadKey(int) override { return console::key::kEnter; }
  void Tone(int, int) override {}
  bool IsColour() const override { return true; }
};

}  // namespace bench

#endif  // PALUNDA_BENCH_BENCH_SUPPORT_H_
