// dbtool subcommands over tables: dump, bump and append.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "dbtool_area.h"
#include "dbtool_command.h"
#include "xbase/dbf_table.h"
#include "xbase/number_text.h"

namespace {

using xbase::DbfTable;
using xbase::FieldHandle;
using xbase::Status;

// The most writes one bump or append makes.
constexpr uint64_t kMaxCount = 100000000;

int Fail(const Status& s) {
  std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
  return 1;
}

// Arguments after the subcommand: positional ones, and the index files named by --index options.
struct ToolArgs {
  std::vector<std::string> positional;
  std::vector<std::string> indexes;
};

bool ParseArgs(const std::vector<std::string>& args, size_t wanted, ToolArgs* out) {
  // Every argument after --index names an index file, up to the next option.
  bool in_indexes = false;
  for (const std::string& arg : args) {
    if (arg == "--index") {
      in_indexes = true;
    } else if (in_indexes && arg.rfind("--", 0) != 0) {
      out->indexes.push_back(arg);
    } else {
      in_indexes = false;
      out->positional.push_back(arg);
    }
  }
  return out->positional.size() == wanted;
}

// The table with the index files of --index open on it, so that every write keeps them current.
Status OpenTable(const ToolArgs& args, xbase::OpenMode mode, dbtool::ToolArea* tool, DbfTable** table) {
  Status s = tool->Open(args.positional[0], mode, true, args.indexes);
  *table = s.ok() ? &tool->table() : nullptr;
  return s;
}

// A count or record number written in decimal digits, from `min` to `max`; anything else (a sign,
// letters, a number out of range) is refused rather than read as some other number.
Status ParseWhole(const std::string& text, const char* what, uint64_t min, uint64_t max, uint64_t* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || *value < min || *value > max) {
    return Status::InvalidArgument(what, "\"" + text + "\" is not a whole number from " + std::to_string(min) +
                                             " to " + std::to_string(max));
  }
  return Status::OK();
}

// One field as the .records.txt files show it.
Status FieldText(const DbfTable& table, const FieldHandle& field, std::string* out) {
  switch (field.type) {
    case 'C': *out += table.Bytes(field); return Status::OK();
    case 'N': *out += xbase::Str(table.Number(field), field.length, field.decimals); return Status::OK();
    case 'D': {
      const xbase::Date date = table.DateOf(field);
      if (date.empty()) {
        *out += "  -  -    ";
      } else {
        char text[16];
        std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.day(), date.month(), date.year());
        *out += text;
      }
      return Status::OK();
    }
    case 'L': *out += table.Logical(field) ? ".T." : ".F."; return Status::OK();
    default: {
      std::string memo;
      Status s = table.Memo(field, &memo);
      if (!s.ok()) return s;
      std::string shown;
      for (size_t i = 0; i < memo.size() && shown.size() < 20; ++i) shown += memo[i] == '\n' ? std::string("\\n") : std::string(1, memo[i]);
      *out += std::to_string(memo.size()) + ":" + shown.substr(0, 20);
      return Status::OK();
    }
  }
}

int Dump(const std::vector<std::string>& raw) {
  ToolArgs args;
  if (!ParseArgs(raw, 1, &args)) return 2;
  dbtool::ToolArea tool;
  DbfTable* table = nullptr;
  Status s = OpenTable(args, xbase::OpenMode::kReadOnly, &tool, &table);
  if (!s.ok()) return Fail(s);
  std::string line;
  for (uint32_t recno = 1; recno <= table->record_count(); ++recno) {
    s = table->GoTo(recno);
    if (!s.ok()) return Fail(s);
    line = std::to_string(recno) + (table->deleted() ? "*" : " ");
    for (int i = 0; i < table->field_count(); ++i) {
      line += '|';
      s = FieldText(*table, table->Handle(i), &line);
      if (!s.ok()) return Fail(s);
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}

int Bump(const std::vector<std::string>& raw) {
  ToolArgs args;
  if (!ParseArgs(raw, 4, &args)) return 2;
  dbtool::ToolArea tool;
  DbfTable* table = nullptr;
  Status s = OpenTable(args, xbase::OpenMode::kShared, &tool, &table);
  if (!s.ok()) return Fail(s);
  const FieldHandle field = table->Handle(args.positional[1]);
  if (!field.valid() || field.type != 'N') return Fail(Status::InvalidArgument(args.positional[1], "no such numeric field"));
  uint64_t number = 0, count = 0;
  s = ParseWhole(args.positional[2], "RECNO", 1, table->record_count(), &number);
  if (s.ok()) s = ParseWhole(args.positional[3], "COUNT", 0, kMaxCount, &count);
  const uint32_t recno = static_cast<uint32_t>(number);
  if (s.ok()) s = table->GoTo(recno);
  for (uint64_t i = 0; s.ok() && i < count; ++i) {
    s = table->LockRecord(recno, xbase::LockWait::kWait);
    if (s.ok()) s = table->PutNumber(field, table->Number(field) + 1);
    if (s.ok()) s = table->UnlockRecord(recno);
  }
  if (s.ok()) s = table->Close();
  return s.ok() ? 0 : Fail(s);
}

int Append(const std::vector<std::string>& raw) {
  ToolArgs args;
  if (!ParseArgs(raw, 2, &args)) return 2;
  dbtool::ToolArea tool;
  DbfTable* table = nullptr;
  Status s = OpenTable(args, xbase::OpenMode::kShared, &tool, &table);
  if (!s.ok()) return Fail(s);
  FieldHandle text;
  for (int i = 0; i < table->field_count() && !text.valid(); ++i) {
    if (table->fields()[static_cast<size_t>(i)].type == 'C') text = table->Handle(i);
  }
  if (!text.valid()) return Fail(Status::InvalidArgument(table->path(), "no character field"));
  uint64_t count = 0;
  s = ParseWhole(args.positional[1], "COUNT", 0, kMaxCount, &count);
  const std::string prefix = "P" + std::to_string(::getpid()) + "-";
  for (uint64_t i = 1; s.ok() && i <= count; ++i) {
    s = table->AppendBlank();
    if (s.ok()) s = table->PutText(text, prefix + std::to_string(i));
    if (s.ok()) s = table->UnlockRecord(table->recno());
  }
  if (s.ok()) s = table->Close();
  return s.ok() ? 0 : Fail(s);
}

const dbtool::Registrar kDump("dump", "TABLE", &Dump);
const dbtool::Registrar kBump("bump", "TABLE FIELD RECNO COUNT [--index INDEXFILE...]", &Bump);
const dbtool::Registrar kAppend("append", "TABLE COUNT [--index INDEXFILE...]", &Append);

}  // namespace
