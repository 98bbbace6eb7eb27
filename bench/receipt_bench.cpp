// Saving a payment receipt of 100 lines in a shared data folder: the header, the lines, and for each
// line the settled totals of its invoice and its instrument, every row under its own record lock.
// A new receipt appends its rows; a correction takes each stored line back and writes it again. Each with
// the save journal and the files flushed to the disk (flush:1) or not (flush:0).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "console/clock.h"
#include "console/console.h"
#include "console/keys.h"
#include "console/terminal.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "receivables/receipt.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/file_access.h"
#include "xbase/text_functions.h"

namespace {

using xbase::Value;

constexpr int kLines = 100;
const std::string kBranch = "JKT001";

using bench::AnsweringTerminal;
using bench::Must;

// A data folder with the receipt tables, 100 invoices, a giro large enough for every save and the
// receipt counter; the session has the receipt's tables open, shared.
struct Folder {
  Folder() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    for (const char* table : {"SETUP", "MASTCUS", "MASTJNS", "GIRODBT", "PIUTDBT", "PIUTJBL", "PIUTKR1", "PIUTKR2",
                              "GIROKR1", "GIROKR2", "OTL_MBR", "GIRO_RL"}) {
      Must(schema::CreateTable(*schema::FindTable(table), path));
    }
    session.SetSearchPath(path);
    if (!receivables::OpenReceiptTables(session)) std::abort();
    Add("Setup", {{"SETUP", Value::Text("NOTT" + kBranch)}, {"KET", Value::Text("0000000000")}});
    Add("Setup", {{"SETUP", Value::Text("ISINOMORBL")}});
    Add("GIRODBT", {{"NOMOR", Value::Text("BCA 1")}, {"KET", Value::Text("GIRO")}, {"DEBET", Value::Num(1e12)},
                    {"REALISASI", Value::Logical(true)}});
    for (int i = 0; i < kLines; ++i) {
      Add("Piutdbt", {{"NOTA", Value::Text(Nota(i))}, {"KDCB", Value::Text(kBranch)}, {"DEBET", Value::Num(1e9)}});
    }
  }
  ~Folder() {
    Must(session.tables().CloseAll());
    std::filesystem::remove_all(path);
  }

  static std::string Nota(int i) { return "INV" + std::to_string(100000 + i); }

  void Add(const char* alias, const std::vector<std::pair<const char*, Value>>& fields) {
    xbase::WorkArea& area = *session.tables().Area(alias);
    Must(area.Append());
    for (const auto& [field, value] : fields) Must(area.Put(field, value));
    Must(area.Unlock());
  }

  // A receipt of 100 lines, alternately by giro and by discount.
  receivables::Receipt Receipt(double amount) const {
    receivables::Receipt receipt;
    receipt.branch = kBranch;
    for (int i = 0; i < kLines; ++i) {
      console::ValueRow line = receivables::BlankLine(static_cast<size_t>(i + 1));
      line[receivables::kNota] = Value::Text(xbase::PadR(Nota(i), 20));
      line[receivables::kCode] = Value::Text(i % 2 == 0 ? "BL" : "DB");
      line[receivables::kInstrument] = Value::Text(xbase::PadR(i % 2 == 0 ? "BCA 1" : "", 20));
      line[receivables::kAmount] = Value::Num(amount + i, 16, 2);
      receipt.lines.push_back(line);
    }
    return receipt;
  }

  const std::string path = (std::filesystem::temp_directory_path() / "palunda-receipt-bench").string();
  console::ManualClock clock{{xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}};
  AnsweringTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "BENCH"};
};

void BM_SaveNewReceiptOf100Lines(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  Folder folder;
  for (auto _ : state) {
    receivables::Receipt receipt = folder.Receipt(10);
    bool saved = false;
    Must(receivables::SaveReceipt(folder.session, &receipt, &saved));
    if (!saved) std::abort();
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SaveNewReceiptOf100Lines)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CorrectReceiptOf100Lines(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  Folder folder;
  receivables::Receipt receipt = folder.Receipt(10);
  bool saved = false;
  Must(receivables::SaveReceipt(folder.session, &receipt, &saved));
  double amount = 10;
  for (auto _ : state) {
    amount = amount == 10 ? 20 : 10;
    for (auto& line : receipt.lines) line[receivables::kAmount] = Value::Num(amount, 16, 2);
    Must(receivables::SaveReceipt(folder.session, &receipt, &saved));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_CorrectReceiptOf100Lines)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
