// dbtool eval: evaluates one expression per line of standard input.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "dbtool_command.h"
#include "xbase/expression.h"
#include "xbase/value_text.h"

namespace {

int Eval(const std::vector<std::string>&) {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    xbase::Value result;
    const xbase::Status s = xbase::EvaluateText(line, &result);
    const std::string out = s.ok() ? xbase::ValueText(result) : "ERROR: " + s.message();
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
  }
  return 0;
}

dbtool::Registrar registrar("eval", "< expressions (one per line)", &Eval);

}  // namespace
