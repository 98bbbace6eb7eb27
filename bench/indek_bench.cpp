// The index rebuild over a data folder whose tables hold one million records in all (PIUTDBT 400,000 with four
// index files, SRTJLN2 500,000 with three, MASTCUS 100,000 with two): INDEK's pack and rebuild with its progress
// box, against building the same index files alone. Nothing is deleted, so every run finds the same tables.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "console/scripted_terminal.h"
#include "frame/indek.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "schema/rebuild_indexes.h"
#include "xbase/session.h"

namespace {

struct BenchTable {
  const char* name;
  int records;
};
constexpr BenchTable kTables[] = {{"PIUTDBT", 400000}, {"SRTJLN2", 500000}, {"MASTCUS", 100000}};

std::string Digits(std::mt19937& random, int count) {
  std::string text(static_cast<size_t>(count), '0');
  for (char& c : text) c = static_cast<char>('0' + random() % 10);
  return text;
}

xbase::Status Fill(const std::string& folder, const BenchTable& bench, std::mt19937& random) {
  const schema::TableDef& table = *schema::FindTable(bench.name);
  xbase::Status s = schema::CreateTable(table, folder);
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  if (s.ok()) s = session.Use(table.name, "", xbase::OpenMode::kExclusive, &area);
  for (int i = 0; s.ok() && i < bench.records; ++i) {
    s = area->Append();
    const auto put = [&](const char* field, const std::string& text) {
      if (s.ok()) s = area->Put(field, xbase::Value::Text(text));
    };
    put(table.fields[0].name, "J" + Digits(random, 9));
    if (std::string(bench.name) == "PIUTDBT") {
      if (s.ok()) s = area->Put("TANGGAL", xbase::Value::FromDate(xbase::Date::FromYmd(2026, 1, 1) + i % 365));
      put("RELASI", "J" + Digits(random, 5));
      put("TIPE", Digits(random, 2));
    } else if (std::string(bench.name) == "SRTJLN2") {
      put("KODE", Digits(random, 6));
      put("GUDANG", "GDG0" + Digits(random, 1));
      put("URUT", Digits(random, 3));
    } else {
      put("NAMA", "TOKO " + Digits(random, 12));
    }
  }
  const xbase::Status closed = session.CloseAll();
  return s.ok() ? closed : s;
}

// The folder with the three tables, made once.
const std::string& Folder() {
  static const std::string folder = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("palunda-indek-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::mt19937 random(17);
    for (const BenchTable& bench : kTables) {
      const xbase::Status s = Fill(dir.string(), bench, random);
      if (!s.ok()) std::fprintf(stderr, "%s\n", s.ToString().c_str());
    }
    return dir.string();
  }();
  return folder;
}

void Check(const xbase::Status& s, benchmark::State& state) {
  if (!s.ok()) state.SkipWithError(s.ToString().c_str());
}

void BM_BuildIndexesAlone(benchmark::State& state) {
  const std::string& folder = Folder();
  for (auto _ : state) {
    for (const BenchTable& bench : kTables)
      Check(schema::RebuildIndexes(*schema::FindTable(bench.name), folder), state);
  }
}
BENCHMARK(BM_BuildIndexesAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Indek(benchmark::State& state) {
  const std::string& folder = Folder();
  for (auto _ : state) {
    console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
    console::ScriptedTerminal terminal({}, &clock);
    console::Console con(terminal, clock);
    frame::ProcedureRegistry registry;
    frame::Session session(con, registry, "BENCH");
    session.DRVDATA_ = folder + "/";
    session.SetSearchPath(folder);
    std::vector<frame::RebuildChoice> choices = frame::RebuildChoices(session);
    for (frame::RebuildChoice& choice : choices) {
      choice.selected = false;
      for (const BenchTable& bench : kTables)
        choice.selected = choice.selected || choice.file == std::string(bench.name) + ".DBF";
    }
    if (!frame::REINDEKS(session, choices)) state.SkipWithError("the rebuild did not finish");
  }
}
BENCHMARK(BM_Indek)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
