// busy-branch FOLDER [SCALE]: makes the folder of two years of a busy branch at SCALE (1 when left
// out; 0.5 and 2 are the benchmarks' other sizes) and prints what it holds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "busy_branch.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: busy-branch FOLDER [SCALE]\n");
    return 2;
  }
  const double scale = argc == 3 ? std::atof(argv[2]) : 1;
  if (!(scale > 0)) {
    std::fprintf(stderr, "busy-branch: the scale must be a number above 0\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  bench::BusyBranchFacts facts;
  const xbase::Status s = bench::MakeBusyBranch(argv[1], scale, &facts);
  if (!s.ok()) {
    std::fprintf(stderr, "busy-branch: %s\n", s.ToString().c_str());
    return 1;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%s", bench::FactsText(facts).c_str());
  std::fprintf(stderr, "busy-branch: %s made in %.1f s\n", argv[1], took.count());
  return 0;
}
