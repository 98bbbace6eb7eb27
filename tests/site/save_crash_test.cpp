// Saves cut short at every change they make on disk, and killed at random moments, in a child
// process: after recovery each table equals, byte for byte outside its header's date, the folder as
// it was before the save or as the whole save leaves it, and the derived values and indexes agree.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/scripted_terminal.h"
#include "exchange/exchange.h"
#include "exchange/revision_tables.h"
#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "frame/save_scope.h"
#include "frame/session.h"
#include "receivables/receipt.h"
#include "returns/realisation.h"
#include "sales/note_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "stock/mutation.h"
#include "support/files.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/verified_folder.h"
#include "xbase/file_access.h"
#include "xbase/journal_file.h"
#include "xbase/journal_recovery.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"
#include "xbase/write_faults.h"

namespace {

namespace fs = std::filesystem;
using xbase::Value;

const xbase::Date kToday = xbase::Date::FromYmd(2026, 12, 8);

// A workstation's console and session on a data folder, with no keys to type.
struct Workstation {
  explicit Workstation(const std::string& folder) {
    session.SetSearchPath(folder);
    session.MMEMBER.nik = site::kDemoNik;
    session.MMEMBER.rights = site::kAdminRights;  // a printed note may be corrected
  }
  console::ManualClock clock{{kToday, 9 * 3600}};
  console::ScriptedTerminal terminal{{}, &clock};
  console::Console con{terminal, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "CRASH"};
};

// A save: opening what it needs, then the save itself; each true when it worked.
struct Save {
  std::function<bool(frame::Session&)> open;
  std::function<bool(frame::Session&)> write;
  // A folder below the data folder whose files the save makes for its own use (an import's indexes
  // of the set it reads): not compared.
  std::string work;
};

// Every file under `folder` but the journals and those under `work`, by path below it; the date of
// last update in a table's header (bytes 1 to 3) left out.
using Snapshot = std::map<std::string, std::string>;
Snapshot Take(const std::string& folder, const std::string& work = "") {
  Snapshot files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    if (name.rfind(xbase::kJournalPrefix, 0) == 0) continue;
    const std::string relative = fs::relative(entry.path(), folder).string();
    if (!work.empty() && relative.rfind(work + "/", 0) == 0) continue;
    std::string bytes = support::ReadFile(entry.path().string());
    if (xbase::Upper(entry.path().extension().string()) == ".DBF" && bytes.size() > 4) bytes.replace(1, 3, "   ");
    files[relative] = std::move(bytes);
  }
  return files;
}

// Of the files `names` under `folder`, as Take reads them.
Snapshot TakeFiles(const std::string& folder, const std::vector<std::string>& names) {
  Snapshot files;
  for (const std::string& name : names) {
    std::string bytes = support::ReadFile(folder + "/" + name);
    if (xbase::Upper(fs::path(name).extension().string()) == ".DBF" && bytes.size() > 4) bytes.replace(1, 3, "   ");
    files[name] = std::move(bytes);
  }
  return files;
}

// The files in which two snapshots differ.
std::vector<std::string> DifferingFiles(const Snapshot& a, const Snapshot& b) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : a) {
    const auto it = b.find(name);
    if (it == b.end() || it->second != bytes) names.push_back(name);
  }
  for (const auto& [name, bytes] : b) {
    if (a.count(name) == 0) names.push_back(name);
  }
  return names;
}

std::string Differing(const Snapshot& a, const Snapshot& b) {
  std::string names;
  for (const std::string& name : DifferingFiles(a, b)) names += " " + name;
  return names;
}

// Runs `save` in a child process on `folder`, without flushes (a process that dies loses nothing the
// disk has), counting its changes on disk and the microseconds of the save into `count_file`; with
// `die_at`, the child ends itself at that change. `ready` (a pipe) hears a byte when the tables are
// open and the save starts. Gives the child's pid.
pid_t StartSave(const std::string& folder, const Save& save, int die_at, const std::string& count_file, int ready = -1) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  xbase::SetFlushing(false);
  Workstation station(folder);
  if (!save.open(station.session)) ::_exit(3);
  int changes = 0;
  xbase::SetWriteFault([&](const std::string&) {
    if (++changes == die_at) ::_exit(0);
    return xbase::Status::OK();
  });
  if (ready >= 0 && ::write(ready, "g", 1) != 1) ::_exit(3);
  const auto start = std::chrono::steady_clock::now();
  const bool saved = save.write(station.session);
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  xbase::SetWriteFault(nullptr);
  std::ofstream(count_file) << changes << " " << took.count();
  ::_exit(saved ? 2 : 1);
}

class SaveCrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = top_.File("base");
    site::DataFolderOptions options;
    options.demo = true;
    options.today = kToday;
    ASSERT_TRUE(site::MakeDataFolder(base_, options, nullptr).ok());
  }

  // A fresh copy of the folder as it was before the save. Only the files the whole save changes are
  // copied; the others are links to the originals, which the end of each test finds unchanged.
  std::string Copy(const std::string& name, bool links = true) {
    const std::string to = top_.File(name);
    fs::remove_all(to);
    if (changed_.empty() || !links) {
      fs::copy(base_, to, fs::copy_options::recursive);
      return to;
    }
    fs::copy(base_, to, fs::copy_options::recursive | fs::copy_options::create_hard_links);
    for (const std::string& file : changed_) {
      fs::remove(fs::path(to) / file);
      fs::copy_file(fs::path(base_) / file, fs::path(to) / file);
    }
    return to;
  }

  void TearDown() override { EXPECT_EQ(Differing(before_, Take(base_, work_)), "") << ": a save wrote through a link"; }

  // The whole save once, in a child: the folder as it leaves it, how many changes it makes on disk and
  // how long it takes.
  void SaveWhole(const Save& save) {
    work_ = save.work;
    before_ = Take(base_, work_);
    support::ExpectVerified(base_);
    const std::string folder = Copy("whole");
    ASSERT_EQ(support::WaitChild(StartSave(folder, save, 0, top_.File("count"))), 2) << "the save did not succeed";
    after_ = Take(folder, work_);
    changed_ = DifferingFiles(before_, after_);
    ASSERT_FALSE(changed_.empty());
    before_changed_ = TakeFiles(base_, changed_);
    after_changed_ = TakeFiles(folder, changed_);
    support::ExpectVerified(folder);
    std::ifstream(top_.File("count")) >> changes_ >> micros_;
    ASSERT_GT(changes_, 0);
  }

  // Recovers `folder` as the next workstation would, then checks it holds all of the save or none:
  // byte for byte the folder before or after, both of which `dbtool verify` finds sound (a folder
  // that differs from both is verified too, to name what is wrong).
  void ExpectAllOrNothing(const std::string& folder, const std::string& what) {
    for (const std::string& below : ChangedFolders()) {
      std::vector<xbase::RecoveredSave> recovered;
      const xbase::Status s = xbase::RecoverFolder(folder + below, xbase::RecoveryScope::kAll, &recovered);
      ASSERT_TRUE(s.ok()) << what << ": " << s.ToString();
    }
    const Snapshot now = TakeFiles(folder, changed_);
    if (now != before_changed_ && now != after_changed_) {
      ADD_FAILURE() << what << ": differs from before the save in" << Differing(before_changed_, now)
                    << " and from after it in" << Differing(after_changed_, now);
      support::ExpectVerified(folder);
    }
    for (const std::string& below : ChangedFolders()) {
      for (const fs::directory_entry& entry : fs::directory_iterator(folder + below)) {
        EXPECT_NE(entry.path().filename().string().rfind(xbase::kJournalPrefix, 0), 0u) << what << ": a journal stayed";
      }
    }
  }

  // The folders, below the data folder ("" for itself, else "/name"), of the files the save changes: a
  // save's journal goes beside its tables.
  std::vector<std::string> ChangedFolders() const {
    std::vector<std::string> folders;
    for (const std::string& file : changed_) {
      const std::string parent = fs::path(file).parent_path().string();
      const std::string below = parent.empty() ? "" : "/" + parent;
      if (std::find(folders.begin(), folders.end(), below) == folders.end()) folders.push_back(below);
    }
    return folders;
  }

  // The save ended at each of its changes on disk in turn, then killed at `kills` random moments
  // while it writes.
  void CrashEverywhere(const Save& save, int kills) {
    SaveWhole(save);
    if (HasFatalFailure()) return;
    for (int k = 1; k <= changes_; ++k) {
      const std::string folder = Copy("at");
      ASSERT_EQ(support::WaitChild(StartSave(folder, save, k, top_.File("count"))), 0);
      ExpectAllOrNothing(folder, "ended at change " + std::to_string(k) + " of " + std::to_string(changes_));
    }
    std::mt19937 random(20261208);
    for (int run = 0; run < kills; ++run) {
      const std::string folder = Copy("killed");
      int ready[2];
      ASSERT_EQ(::pipe(ready), 0);
      const pid_t pid = StartSave(folder, save, 0, top_.File("count"), ready[1]);
      ::close(ready[1]);
      char byte = 0;
      EXPECT_EQ(::read(ready[0], &byte, 1), 1);
      ::close(ready[0]);
      std::this_thread::sleep_for(std::chrono::microseconds(random() % static_cast<uint32_t>(micros_ + 1)));
      ::kill(pid, SIGKILL);
      support::WaitChild(pid);
      ExpectAllOrNothing(folder, "killed in run " + std::to_string(run));
    }
  }

  support::TempFolder top_;
  std::string base_;
  std::string work_;  // the save's own work files, not compared
  Snapshot before_;
  Snapshot after_;
  std::vector<std::string> changed_;  // the files the whole save changes
  Snapshot before_changed_;
  Snapshot after_changed_;
  int changes_ = 0;
  int64_t micros_ = 0;
};

// An order of two demonstration goods, both delivered on one note.
bool WriteSalesOrder(frame::Session& session) {
  sales::SalesOrder order;
  order.header.order = xbase::PadR("SO-CRASH", 15);
  order.header.customer = xbase::PadR("J0001", 10);
  order.header.type = "01";
  order.header.salesman = "S001";
  order.header.branch = "JKT001";
  order.header.order_date = order.header.note_date = order.header.shipping_date = kToday;
  for (size_t i = 0; i < 2; ++i) {
    const site::DemoGoods& goods = site::DemoGoodsList()[i];
    sales::ADD_REC(&order.lines, 0, 0, site::kDemoWarehouse);
    console::ValueRow& line = order.lines.back();
    line[sales::kCode - 1] = Value::Text(xbase::PadR(goods.kode, sales::kCodeWidth));
    line[sales::kName - 1] = Value::Text(xbase::PadR(goods.nama, sales::kNameWidth));
    for (sales::OrderColumn column : {sales::kPieces, sales::kQuantity, sales::kDelivered}) {
      sales::SetFigure(&line, column, 3);
    }
    sales::SetFigure(&line, sales::kPrice, goods.harga);
    sales::SetFigure(&line, sales::kAmount, 3 * goods.harga);
  }
  return sales::WriteSalesOrder(session, order, {xbase::PadR("SJ-CRASH", 20)});
}

// Three lines settling demonstration invoices: one by the registered giro, two by discounts. The
// receipt's tables are open already; the opener hands them back as they are.
bool WriteReceipt(frame::Session& session) {
  const frame::OpenedTables tables = receivables::OpenReceiptTables(session);
  if (!tables) return false;
  receivables::Receipt receipt;
  receipt.branch = "JKT001";
  receipt.date = kToday;
  const char* const notas[] = {"DEMO000004", "DEMO000001", "DEMO000002"};
  for (size_t i = 0; i < 3; ++i) {
    console::ValueRow line = receivables::BlankLine(i + 1);
    line[receivables::kNota] = Value::Text(xbase::PadR(notas[i], 20));
    line[receivables::kCode] = Value::Text(i == 0 ? "BL" : "DB");
    line[receivables::kInstrument] = Value::Text(xbase::PadR(i == 0 ? "BCA 7730012" : "", 20));
    line[receivables::kAmount] = Value::Num(100000.0 * static_cast<double>(i + 1), 16, 2);
    receipt.lines.push_back(line);
  }
  bool saved = false;
  return receivables::SaveReceipt(session, tables, &receipt, &saved).ok() && saved;
}

// Two lines from the main warehouse to the second: one good as it is, one changing its code.
bool WriteStockMutation(frame::Session& session) {
  const auto goods = site::DemoGoodsList();
  stock::Mutation mutation{std::string(10, ' '), kToday, "JKT001", xbase::PadR(site::kDemoWarehouse, 6),
                           xbase::PadR(site::kSecondWarehouse, 6), {}};
  for (int n = 1; n <= 2; ++n) {
    console::ValueRow line = stock::BlankMutationLine(n);
    line[stock::kMtCodeOut - 1] = Value::Text(xbase::PadR(goods[0].kode, 10));
    line[stock::kMtCodeIn - 1] = Value::Text(xbase::PadR(goods[static_cast<size_t>(n - 1)].kode, 10));
    line[stock::kMtQty - 1] = Value::Num(5);
    line[stock::kMtNote - 1] = Value::Text("PINDAH");
    line[stock::kMtPrice - 1] = Value::Num(500);
    line[stock::kMtAverage - 1] = Value::Num(450);
    mutation.lines.push_back(line);
  }
  bool saved = false;
  const frame::OpenedTables tables = frame::OpenTables(session, stock::MutationTables());  // as opened
  return tables && stock::SaveMutation(session, tables, &mutation, &saved).ok() && saved;
}

// The demonstration note SJ-0001 corrected: its first line one piece short.
bool WriteNoteRevision(frame::Session& session) {
  sales::NoteRevision revision;
  revision.doc.invoice = xbase::PadR("SJ-0001", 20);
  if (!sales::LCGERSURATJALAN(session, &revision)) return false;
  console::ValueRow& line = revision.doc.lines.front();
  const double pieces = sales::note::Figure(line, sales::note::kQuantity) - 1;
  sales::note::SetFigure(&line, sales::note::kCartons, 0);
  sales::note::SetFigure(&line, sales::note::kPacks, 0);
  sales::note::SetFigure(&line, sales::note::kPieces, pieces);
  sales::note::SetFigure(&line, sales::note::kQuantity, pieces);
  sales::RecomputeLine(&line);
  return sales::WriteNoteRevision(session, revision);
}

// The demonstration return request approved and realised into the main warehouse.
bool WriteReturnRealisation(frame::Session& session) {
  returns::Outcome outcome = returns::Outcome::kRefused;
  const returns::Approval approval{"RTD-0001", kToday, "R1", site::kDemoWarehouse};
  const frame::OpenedTables tables = returns::OpenRealisationTables(session);  // as opened
  return tables && returns::REALISASIRETURJUAL(session, tables, approval, &outcome).ok() &&
         outcome == returns::Outcome::kRealised;
}

// The set another branch sent, as the demonstration folder holds it under its transfer folder.
const std::string kBranchSet = std::string(site::kTransferFolder) + "/cabang";

// The head office takes in the branch's goods receipt (the set's delivery note left out, so that the
// import is one document): its two lines, one of goods new to the folder, with stock and cost.
bool WriteImport(frame::Session& session) {
  return exchange::PROSESIMPORDATA(session, session.tables().search_path().folders().front() + "/" + kBranchSet);
}

// The revision transfer tables the demonstration folder holds, emptied together as the clerk does once
// the branch's revisions are taken in.
bool ClearRevisionTables(frame::Session& session) {
  const std::string folder = session.tables().search_path().folders().front() + "/" + site::kTransferFolder;
  const frame::OpenedTables tables = exchange::OpenRevisionTables(session, folder, true);
  if (!tables) return false;
  std::vector<xbase::WorkArea*> areas;
  for (const char* name : exchange::kRevisionTables) areas.push_back(&tables[name]);
  const bool cleared = frame::ClearTables(session.console(), areas).ok();
  session.CloseTables();
  return cleared;
}

// A screen's opener as a save's first step: true when its tables opened.
template <auto kOpen>
bool Opens(frame::Session& session) {
  return static_cast<bool>(kOpen(session));
}

const Save kSalesOrder{Opens<sales::OPENDATA>, WriteSalesOrder};
const Save kNoteRevision{Opens<sales::OPENDATA>, WriteNoteRevision};
const Save kReturnRealisation{Opens<returns::OpenRealisationTables>, WriteReturnRealisation};
const Save kImport{[](frame::Session&) { return true; }, WriteImport, kBranchSet};
const Save kRevisionClear{[](frame::Session&) { return true; }, ClearRevisionTables};
const Save kReceipt{Opens<receivables::OpenReceiptTables>, WriteReceipt};
const Save kStockMutation{
    [](frame::Session& session) { return static_cast<bool>(frame::OpenTables(session, stock::MutationTables())); },
    WriteStockMutation};

TEST_F(SaveCrashTest, SalesOrderWithDelivery) { CrashEverywhere(kSalesOrder, 67); }

TEST_F(SaveCrashTest, PaymentReceiptOfThreeLines) { CrashEverywhere(kReceipt, 67); }

TEST_F(SaveCrashTest, StockMutationOfTwoLines) { CrashEverywhere(kStockMutation, 67); }

TEST_F(SaveCrashTest, DeliveryNoteRevision) { CrashEverywhere(kNoteRevision, 5); }

TEST_F(SaveCrashTest, ReturnRealisation) { CrashEverywhere(kReturnRealisation, 5); }

TEST_F(SaveCrashTest, ClearingTheRevisionTransferTables) {
  CrashEverywhere(kRevisionClear, 5);
  ASSERT_FALSE(HasFatalFailure());
  // Cut short half way, the clear is undone by the next workstation that opens the tables.
  const std::string folder = Copy("opened");
  ASSERT_EQ(support::WaitChild(StartSave(folder, kRevisionClear, changes_ / 2, top_.File("count"))), 0);
  Workstation next(folder);
  ASSERT_TRUE(exchange::OpenRevisionTables(next.session, folder + "/" + site::kTransferFolder, false));
  next.session.CloseTables();
  EXPECT_EQ(Differing(before_changed_, TakeFiles(folder, changed_)), "");
}

TEST_F(SaveCrashTest, OneDocumentOfTheHeadOfficeImport) {
  // The set's delivery note goes: its tables are put back empty.
  const std::string empty = top_.File("empty");
  fs::create_directories(empty);
  ASSERT_TRUE(exchange::CreateExportSet(empty).ok());
  for (const char* table : {"exsjl1", "exsjl2"}) {
    std::string file;
    ASSERT_TRUE(xbase::FindInFolder(empty, std::string(table) + ".dbf", &file).ok());
    fs::copy_file(file, fs::path(base_) / kBranchSet / fs::path(file).filename(), fs::copy_options::overwrite_existing);
  }
  CrashEverywhere(kImport, 5);
}

TEST_F(SaveCrashTest, ASaveCutShortAtOneWorkstationIsUndoneByTheNextSaveAtAnother) {
  SaveWhole(kSalesOrder);
  ASSERT_FALSE(HasFatalFailure());
  const std::string folder = Copy("shared", false);
  ASSERT_EQ(support::WaitChild(StartSave(folder, kSalesOrder, changes_ / 2, top_.File("count"))), 0);
  EXPECT_NE(Differing(before_, Take(folder)), "");  // half written

  // What the receipt alone changes.
  const std::string alone = Copy("receipt", false);
  {
    Workstation station(alone);
    ASSERT_TRUE(kReceipt.open(station.session) && kReceipt.write(station.session));
    station.session.CloseTables();
  }
  const std::vector<std::string> receipt_files = DifferingFiles(before_, Take(alone));

  Workstation next(folder);
  ASSERT_TRUE(kReceipt.open(next.session));
  ASSERT_TRUE(kReceipt.write(next.session));
  next.session.CloseTables();
  std::string told;
  for (const console::CellGrid& screen : next.terminal.screens()) {
    const std::string row = console::ScriptedTerminal::Text(screen, 24);
    if (row.find("Simpan yang terputus di ") != std::string::npos) told = row;
  }
  EXPECT_NE(told.find(") dibatalkan: "), std::string::npos) << "row 24 never said what was undone";
  // Of the order, nothing is left; the receipt is there.
  const Snapshot now = Take(folder);
  for (const std::string& name : DifferingFiles(before_, after_)) {
    if (std::find(receipt_files.begin(), receipt_files.end(), name) == receipt_files.end()) {
      EXPECT_EQ(now.at(name), before_.at(name)) << name;
    }
  }
  EXPECT_FALSE(receipt_files.empty());
  for (const std::string& name : receipt_files) EXPECT_NE(now.at(name), before_.at(name)) << name;
  support::ExpectVerified(folder);
}

}  // namespace
