// The index rebuild: the administrator chooses tables of the data folder, and each chosen table is packed
// and every index file of the catalog's rebuild list is built anew, with the progress of each index shown.
#include "frame/indek.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <system_error>

#include "console/alert.h"
#include "console/box.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "schema/rebuild_indexes.h"
#include "schema/rebuild_list.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
using console::Console;

constexpr std::string_view kAskRebuild = "Proses ini akan mengindex kembali database, Proses (Y/T)";
constexpr std::string_view kNotFinished = "Index ulang tidak selesai";

// The list: rows 9 to 20 show twelve tables.
constexpr int kFirstRow = 9;
constexpr int kShownRows = 12;
constexpr int kMarkCol = 17;
constexpr int kBarBlocks = 50;
constexpr uint8_t kCheckMark = 0xFB;
constexpr uint8_t kFullBlock = 0xDB;
constexpr uint8_t kDoubleLine = 0xCD;

// A table file as the folder listing gives it.
struct ListedFile {
  uintmax_t size = 0;
  xbase::Date date;
  std::string time;
  std::string folder;
};

// The ".dbf" files of `folder` by upper-case name; a name already listed keeps its earlier entry.
void ListTables(const std::string& folder, std::map<std::string, ListedFile>* files) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = xbase::Upper(entry.path().filename().string());
    if (!name.ends_with(".DBF") || !entry.is_regular_file(error) || files->contains(name)) continue;
    ListedFile listed;
    listed.size = entry.file_size(error);
    const auto changed = std::chrono::file_clock::to_sys(entry.last_write_time(error));
    const time_t seconds = std::chrono::system_clock::to_time_t(changed);
    struct tm local {};
    localtime_r(&seconds, &local);
    listed.date = xbase::Date::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    listed.time = time;
    listed.folder = folder;
    files->emplace(name, std::move(listed));
  }
}

// The table list: rows of twelve, the current one marked, Space, F2 and F3 to choose.
class TableList {
 public:
  TableList(Console& con, std::vector<RebuildChoice>* choices) : con_(con), choices_(*choices) {}

  // The frame, the head and the first rows; then the keys until Enter (true) or Esc (false).
  bool Choose() {
    const std::string_view colour = "W/w";
    console::ISHADOW(con_, 4, 14, 22, 65, colour, false);
    console::ISHADOW(con_, 5, 15, 7, 64, colour);
    con_.Say(6, 16, "Ind Nama File           Byte Tg. Update Jam", con_.Colour(colour));
    console::ISHADOW(con_, 8, 15, 21, 64, colour, false, true);
    DrawRows();
    for (;;) {
      const int key = con_.WaitKey();
      if (key == console::key::kEsc) return false;
      if (key == console::key::kEnter) return true;
      if (key == ' ') {
        choices_[current_].selected = !choices_[current_].selected;
        DrawRow(current_ - top_);
      } else if (key == console::key::kDown || key == console::key::kUp) {
        Move(key == console::key::kDown ? 1 : -1);
      } else if (key == console::key::kF2 || key == console::key::kF3) {
        for (RebuildChoice& choice : choices_) choice.selected = key == console::key::kF2;
        top_ = current_ = 0;
        DrawRows();
      }
    }
  }

 private:
  void Move(int step) {
    const int next = current_ + step;
    if (next < 0 || next >= static_cast<int>(choices_.size())) return;
    current_ = next;
    if (current_ < top_ || current_ >= top_ + kShownRows) {
      top_ += step;
      DrawRows();
      return;
    }
    DrawRow(current_ - step - top_);
    DrawRow(current_ - top_);
  }

  void DrawRows() {
    for (int line = 0; line < kShownRows; ++line) DrawRow(line);
  }

  // Screen line `line` (0 to 11) of the list.
  void DrawRow(int line) {
    const int index = top_ + line;
    const int row = kFirstRow + line;
    if (index >= static_cast<int>(choices_.size())) {
      con_.Clear(row, 16, row, 63, con_.Colour("W/w"));
      return;
    }
    const RebuildChoice& choice = choices_[index];
    const console::Attr attr = con_.Colour(choice.selected ? "Gr+/bg,W+/r+" : "W/w");
    std::string text = "[ ] " + xbase::PadR(choice.file, 12) +
                       xbase::Transform(xbase::Value::Num(static_cast<double>(choice.size)), " 999,999,999 ") +
                       xbase::Dtoc(choice.date) + " " + xbase::PadR(choice.time, 8);
    con_.Say(row, 16, text, attr);
    con_.Put(row, kMarkCol, choice.selected ? kCheckMark : ' ', index == current_ ? con_.Colour("Gr+/r") : attr);
  }

  Console& con_;
  std::vector<RebuildChoice>& choices_;
  int top_ = 0;
  int current_ = 0;
};

// The progress box of each index as the rebuild goes on.
class ProgressBox : public schema::RebuildProgress {
 public:
  explicit ProgressBox(Console& con) : con_(con) {}
  void IndexStarted(const schema::IndexDef& index, uint32_t records) override {
    JINDEX(con_, index.file, records, &progress_);
  }
  void RecordDone() override { FINDEX(con_, &progress_); }

 private:
  Console& con_;
  IndexProgress progress_;
};

}  // namespace

std::vector<RebuildChoice> RebuildChoices(Session& session) {
  std::map<std::string, ListedFile> files;
  ListTables(LocalPath(session, session.DRVDATA_), &files);
  const std::string sub_folder(xbase::AllTrim(session.STP.text[13]));
  if (!sub_folder.empty()) ListTables(LocalPath(session, sub_folder), &files);
  std::vector<RebuildChoice> choices;
  for (const schema::RebuildEntry& entry : schema::RebuildList()) {
    RebuildChoice choice;
    choice.table = schema::FindTable(entry.table);
    choice.selected = entry.selected;
    choice.file = std::string(entry.table) + ".DBF";
    if (const auto listed = files.find(choice.file); listed != files.end()) {
      choice.size = listed->second.size;
      choice.date = listed->second.date;
      choice.time = listed->second.time;
      choice.folder = listed->second.folder;
    }
    choices.push_back(std::move(choice));
  }
  return choices;
}

xbase::Status INDEK(Session& session, const std::vector<xbase::Value>&) {
  Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::vector<RebuildChoice> choices = RebuildChoices(session);
  if (!TableList(con, &choices).Choose()) return xbase::Status::OK();
  if (!AnsweredYes(con, kAskRebuild, "Gr+/R")) return xbase::Status::OK();
  REINDEKS(session, choices);
  return xbase::Status::OK();
}

bool REINDEKS(Session& session, const std::vector<RebuildChoice>& choices) {
  Console& con = session.console();
  for (const RebuildChoice& choice : choices) {
    if (!choice.selected || choice.table == nullptr) continue;
    xbase::WorkArea* area = nullptr;
    if (!console::BUKAFILE(con, session.tables(), choice.table->name, true, kOpenWait, {}, &area)) continue;
    ProgressBox box(con);
    xbase::Status status = schema::PackAndRebuild(*choice.table, *area, &box);
    const xbase::Status closed = session.tables().CloseAll();
    if (status.ok()) status = closed;
    if (!status.ok()) {
      console::Alert(con, std::string(kNotFinished) + ";" + AlertLines(status.message(), console::kCols - 6));
      return false;
    }
  }
  return true;
}

void JINDEX(Console& con, std::string_view name, uint32_t records, IndexProgress* progress) {
  *progress = IndexProgress{records};
  const std::string_view colour = con.Pick("W+/br", "W+/n");
  const console::Attr attr = con.Colour(colour);
  console::SHADOW(con, 8, 15, 14, 66, colour);
  console::TENGAH(con, 9, "File Index: " + std::string(name), colour);
  con.Fill(10, 16, 10, 16 + kBarBlocks - 1, kDoubleLine, attr);
  con.Say(11, 20, "Jumlah record : ", attr);
  con.Say(12, 20, "Proses        : ", attr);
  con.Say(13, 20, "Persen        : ", attr);
  console::SHADOW(con, 16, 15, 18, 66, colour);
  con.Say(16, 17, " 0 % ", attr);
  con.Say(16, 37, " 50 %", attr);
  con.Say(16, 58, " 100 %", attr);
  con.Show();
}

bool FINDEX(Console& con, IndexProgress* progress) {
  ++progress->JC;
  if (progress->records == 0) return true;
  const int blocks = static_cast<int>(uint64_t{progress->JC} * kBarBlocks / progress->records);
  if (blocks == progress->blocks_shown && progress->JC < progress->records) return true;
  progress->blocks_shown = blocks;
  const console::Attr attr = con.Colour(con.Pick("W+/br", "W+/n"));
  const auto count = [](double n) { return xbase::Transform(xbase::Value::Num(n), "9,999,999 record"); };
  con.Say(11, 38, count(progress->records), attr);
  con.Say(12, 38, count(progress->JC), attr);
  con.Say(13, 38, xbase::Transform(xbase::Value::Num(100.0 * progress->JC / progress->records), "      999 %"), attr);
  con.Fill(17, 16, 17, 16 + std::min(blocks, kBarBlocks) - 1, kFullBlock, attr);
  con.Show();
  return true;
}

}  // namespace frame
