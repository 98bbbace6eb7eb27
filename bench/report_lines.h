// The lines of the printing benchmarks' reports.
#ifndef PALUNDA_BENCH_REPORT_LINES_H_
#define PALUNDA_BENCH_REPORT_LINES_H_

#include <string>

namespace bench {

inline constexpr int kReportWidth = 136;

// One report line: a boxed row of codes, names and amounts, `kReportWidth` characters.
inline std::string ReportLine(int line) {
  std::string text = "\xb3 " + std::to_string(100000 + line) + " \xb3 TOKO SUMBER REJEKI CABANG " +
                     std::to_string(line % 97) + " \xb3 " + std::to_string(line * 1234.5) + " \xb3";
  text.resize(kReportWidth - 1, ' ');
  return text + "\xb3";
}

}  // namespace bench

#endif  // PALUNDA_BENCH_REPORT_LINES_H_
