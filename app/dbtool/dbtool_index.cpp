// dbtool subcommands over indexes: order, index and seek; and the index check of one table.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dbtool_area.h"
#include "dbtool_command.h"
#include "xbase/new_index_file.h"
#include "xbase/ntx_orders.h"
#include "xbase/work_area.h"

namespace {

using xbase::Status;
using xbase::WorkArea;

int Fail(const Status& s) {
  std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
  return 1;
}

void PrintLine(const std::string& line) { std::printf("%s\n", line.c_str()); }

int Order(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  dbtool::ToolArea tool;
  Status s = tool.Open(args[0], xbase::OpenMode::kReadOnly, false, {args[1]});
  if (!s.ok()) return Fail(s);
  const xbase::NtxHeader& header = tool.area().orders().controlling()->index().header();
  PrintLine("KEY " + header.key_expression);
  PrintLine("FOR " + header.for_condition);
  for (s = tool.area().GoTop(); s.ok() && !tool.area().eof(); s = tool.area().Skip(1)) {
    std::printf("%u\n", tool.area().recno());
  }
  return s.ok() ? 0 : Fail(s);
}

int Index(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  xbase::NtxOrderSpec recipe;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--for" && i + 1 < args.size()) {
      recipe.for_condition = args[++i];
    } else if (args[i] == "--unique") {
      recipe.unique = true;
    } else if (args[i] == "--descend") {
      recipe.descending = true;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 3) return 2;
  recipe.key = positional[2];
  std::string path = positional[1];
  if (path.find('.', path.find_last_of('/') + 1) == std::string::npos) path += ".ntx";
  dbtool::ToolArea tool;
  Status s = tool.Open(positional[0], xbase::OpenMode::kShared, false, {});
  if (s.ok()) s = tool.area().orders().Create(path, recipe);
  return s.ok() ? 0 : Fail(s);
}

// The text of KEY as a value of the index's key type.
xbase::Value KeyValue(const xbase::NtxKeyExpression& key, const std::string& text) {
  switch (key.type()) {
    case 'N': return xbase::Value::Num(std::strtod(text.c_str(), nullptr));
    case 'D': return xbase::Value::FromDate(xbase::Date::FromDtos(text));
    case 'L': return xbase::Value::Logical(text == "T" || text == ".T.");
    default: return xbase::Value::Text(text);
  }
}

int Seek(const std::vector<std::string>& args) {
  if (args.size() != 3) return 2;
  dbtool::ToolArea tool;
  Status s = tool.Open(args[0], xbase::OpenMode::kReadOnly, true, {args[1]});
  if (!s.ok()) return Fail(s);
  xbase::NtxOrders& orders = tool.area().orders();
  const xbase::Value value = KeyValue(orders.controlling()->key(), args[2]);
  s = orders.Seek(value, true);
  if (!s.ok()) return Fail(s);
  if (!tool.area().found()) PrintLine("NOT FOUND");
  const uint32_t recno = tool.area().eof() ? tool.table().record_count() + 1 : tool.area().recno();
  std::printf("%u\n", recno);
  return 0;
}

}  // namespace

int dbtool::CheckIndexes(const std::vector<std::string>& args) {
  dbtool::ToolArea tool;
  Status s = tool.Open(args[0], xbase::OpenMode::kReadOnly, false, {args.begin() + 1, args.end()});
  std::vector<std::string> faults;
  if (s.ok()) s = tool.area().orders().Check(&faults);
  if (!s.ok()) return Fail(s);
  if (faults.empty()) PrintLine("OK");
  for (const std::string& fault : faults) PrintLine(fault);
  if (faults.empty()) return 0;
  std::string repair = "Index faults are repaired by rebuilding the index files while no one uses the table: dbtool reindex";
  for (const std::string& arg : args) repair += " " + arg;
  PrintLine(repair);
  return 1;
}

int dbtool::ReindexTable(const std::vector<std::string>& args) {
  dbtool::ToolArea tool;
  Status s = tool.Open(args[0], xbase::OpenMode::kExclusive, false, {args.begin() + 1, args.end()});
  if (!s.ok()) return Fail(s);
  // Each index is written whole to a new file; the old files give way only when every one is complete.
  xbase::NtxOrders& orders = tool.area().orders();
  std::vector<std::unique_ptr<xbase::NewIndexFile>> files;
  for (size_t i = 0; s.ok() && i < orders.size(); ++i) {
    std::vector<uint8_t> pages;
    s = orders.at(i).BuildPages(&pages);
    files.push_back(std::make_unique<xbase::NewIndexFile>(orders.at(i).index().path()));
    if (s.ok()) s = files.back()->Write(pages);
  }
  for (size_t i = 0; s.ok() && i < files.size(); ++i) s = files[i]->PutInPlace();
  if (!s.ok()) return Fail(s);
  std::printf("index files rebuilt: %zu\n", args.size() - 1);
  return 0;
}

namespace {

const dbtool::Registrar kOrder("order", "TABLE INDEX", &Order);
const dbtool::Registrar kIndex("index", "TABLE INDEXFILE EXPRESSION [--for CONDITION] [--unique] [--descend]", &Index);
const dbtool::Registrar kSeek("seek", "TABLE INDEX KEY", &Seek);

}  // namespace
