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
#include "frame/open_table.h"
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
const std::string kCustomer = "J0001";
const xbase::Date kDay = xbase::Date::FromYmd(2026, 12, 8);

using bench::AnsweringTerminal;
using bench::Must;

// A data folder with the receipt tables as a clerk's would hold them: the settlement codes (a giro
// code that names its instrument, a discount code that names none), a customer, the receipt counter,
// and for each receipt (`Bill`) 100 open invoices and a giro of the customer due on the receipt's day.
// The session has the receipt's tables open, shared. Every line passes the checks made again on save.
struct Folder {
  Folder() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    for (const char* table : {"SETUP", "MASTCUS", "MASTJNS", "GIRODBT", "PIUTDBT", "PIUTJBL", "PIUTKR1", "PIUTKR2",
                              "GIROKR1", "GIROKR2", "OTL_MBR", "GIRO_RL"}) {
      Must(schema::CreateTable(*schema::FindTable(table), path));
    }
    session.SetSearchPath(path);
    tables = receivables::OpenReceiptTables(session);
    if (!tables) std::abort();
    Add("Setup", {{"SETUP", Value::Text("NOTT" + kBranch)}, {"KET", Value::Text("0000000000")}});
    Add("Setup", {{"SETUP", Value::Text("ISINOMORBL")}});
    for (const char* code : {"BL", "DB"}) Add("mastjns", {{"KODE", Value::Text(code)}, {"NAMA", Value::Text(code)}});
    Add("mastcus", {{"RELASI", Value::Text(kCustomer)}, {"NAMA", Value::Text("TOKO BENCH")}});
  }
  ~Folder() {
    Must(session.tables().CloseAll());
    std::filesystem::remove_all(path);
  }

  static std::string Nota(int bill, int i) { return "INV" + std::to_string(bill) + "-" + std::to_string(100 + i); }
  static std::string Giro(int bill) { return "BCA " + std::to_string(bill); }

  // The invoices and the giro of receipt `bill`: a receipt settles invoices not settled before, and
  // a giro pays the lines of one receipt.
  void Bill(int bill) {
    Add("GIRODBT", {{"NOMOR", Value::Text(Giro(bill))}, {"KDCB", Value::Text(kBranch)}, {"KET", Value::Text("GIRO")},
                    {"RELASI", Value::Text(kCustomer)}, {"TANGGAL", Value::FromDate(kDay)},
                    {"TG_TERIMA", Value::FromDate(kDay)}, {"DEBET", Value::Num(1e9)},
                    {"REALISASI", Value::Logical(true)}});
    for (int i = 0; i < kLines; ++i) {
      Add("Piutdbt", {{"NOTA", Value::Text(Nota(bill, i))}, {"TANGGAL", Value::FromDate(kDay - 30)},
                      {"KDCB", Value::Text(kBranch)}, {"RELASI", Value::Text(kCustomer)}, {"TIPE", Value::Text("01")},
                      {"DEBET", Value::Num(1e6)}, {"TEMPO", Value::FromDate(kDay)}});
    }
  }

  void Add(const char* alias, const std::vector<std::pair<const char*, Value>>& fields) {
    xbase::WorkArea& area = tables[alias];
    Must(area.Append());
    for (const auto& [field, value] : fields) Must(area.Put(field, value));
    Must(area.Unlock());
  }

  // A receipt of 100 lines on the invoices of `bill`, alternately by its giro and by discount.
  receivables::Receipt Receipt(int bill, double amount) const {
    receivables::Receipt receipt;
    receipt.branch = kBranch;
    receipt.date = kDay;
    for (int i = 0; i < kLines; ++i) {
      console::ValueRow line = receivables::BlankLine(static_cast<size_t>(i + 1));
      line[receivables::kNota] = Value::Text(xbase::PadR(Nota(bill, i), 20));
      line[receivables::kCode] = Value::Text(i % 2 == 0 ? "BL" : "DB");
      line[receivables::kInstrument] = Value::Text(xbase::PadR(i % 2 == 0 ? Giro(bill) : "", 20));
      line[receivables::kAmount] = Value::Num(amount + i, 16, 2);
      receipt.lines.push_back(line);
    }
    return receipt;
  }

  const std::string path = (std::filesystem::temp_directory_path() / "palunda-receipt-bench").string();
  console::ManualClock clock{{kDay, 9 * 3600}};
  AnsweringTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "BENCH"};
  frame::OpenedTables tables;  // the receipt's tables
};

void BM_SaveNewReceiptOf100Lines(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  Folder folder;
  int bill = 0;
  for (auto _ : state) {
    state.PauseTiming();
    folder.Bill(++bill);
    state.ResumeTiming();
    receivables::Receipt receipt = folder.Receipt(bill, 10);
    bool saved = false;
    Must(receivables::SaveReceipt(folder.session, folder.tables, &receipt, &saved));
    if (!saved) std::abort();
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SaveNewReceiptOf100Lines)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CorrectReceiptOf100Lines(benchmark::State& state) {
  xbase::SetFlushing(state.range(0) != 0);
  Folder folder;
  folder.Bill(1);
  receivables::Receipt receipt = folder.Receipt(1, 10);
  bool saved = false;
  Must(receivables::SaveReceipt(folder.session, folder.tables, &receipt, &saved));
  double amount = 10;
  for (auto _ : state) {
    amount = amount == 10 ? 20 : 10;
    for (auto& line : receipt.lines) line[receivables::kAmount] = Value::Num(amount, 16, 2);
    Must(receivables::SaveReceipt(folder.session, folder.tables, &receipt, &saved));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_CorrectReceiptOf100Lines)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
