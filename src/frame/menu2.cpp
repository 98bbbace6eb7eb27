// The main menu: a bar of top entries, their pull-downs and second-level boxes, built from the
// user's rights in one menu group; each leaf runs its PROSEDUR text through the registry.
#include "frame/menu2.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/row_clock.h"
#include "frame/login.h"
#include "frame/logo.h"
#include "frame/status_display.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

using console::Attr;
using console::Console;

constexpr int kBarRow = 2;
constexpr int kPullDownTop = 4;
constexpr int kLowestBoxRow = 23;  // boxes stay above the message row

// The colours of a menu text and of its hot letter.
struct TextColours {
  std::string_view text;
  std::string_view hot;
};
constexpr TextColours kBarColours{"w+/n", "6+/n"};
constexpr TextColours kBoxColours{"w+/g", "6+/g"};
constexpr TextColours kHighlight{"Gr+/b", "7+/B"};

int Width(std::string_view text) { return static_cast<int>(text.size()); }

int UpperKey(int key) { return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key; }

// The first of `texts` whose hot letter is the key's letter in either case; -1 when none.
int HotLetterHit(const std::vector<std::string>& texts, const std::vector<int>& hot, int key) {
  if (key < 32 || key > 126) return -1;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (hot[i] >= 0 && UpperKey(static_cast<unsigned char>(texts[i][static_cast<size_t>(hot[i])])) == UpperKey(key)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int Wrap(int index, int count) { return (index % count + count) % count; }

// What the key loop of a pull-down ended with.
struct Choice {
  int entry = -1;   // the pull-down entry chosen (from 0); -1 when the user moved to another top entry
  int item = -1;    // the sub-item chosen (from 0); -1 for a leaf
  bool quit = false;  // the user confirmed leaving the program
};

// A box of menu entries and the place of its first entry.
struct BoxPlace {
  int top = 0, left = 0, bottom = 0, right = 0;
  int width = 0;  // the widest text
};

class MainMenu {
 public:
  MainMenu(Session& session, const Menu& menu, std::string_view group)
      : session_(session), con_(session.console()), menu_(menu), group_(group) {
    int col = 2;
    for (const TopEntry& top : menu_.tops) {
      columns_.push_back(col);
      col += Width(top.text) + 2;
    }
  }

  MenuExit Run() {
    DrawFrame();
    console::Region saved = con_.SaveScreen();
    session_.OKEE = true;
    int entry = 0;
    while (session_.OKEE) {
      con_.Restore(saved);
      DrawStatus();
      saved = con_.SaveScreen();
      const int top_before = top_;
      const Choice choice = SUBMN(entry);
      if (choice.quit) return MenuExit::kEndProgram;
      entry = top_ == top_before && choice.entry >= 0 ? choice.entry : 0;
      if (choice.entry >= 0) RunEntry(choice, saved);
    }
    session_.CloseTables();
    return MenuExit::kLogOff;
  }

 private:
  // The frame drawn once: the background, the two boxes, the company lines and the bar.
  void DrawFrame() {
    con_.Clear(0, 0, console::kRows - 1, console::kCols - 1, con_.Colour("n/n"));
    con_.ShowCursor(false);
    LOGO1(con_, group_);
    session_.CloseTables();
    const Attr box = con_.Colour("n+/n");
    console::DrawFrame(con_, 1, 1, 3, 78, console::Line::kSingle, box);
    console::DrawFrame(con_, 18, 1, 22, 78, console::Line::kSingle, box);
    const auto& stp = session_.STP.text;
    const std::string address = std::string(xbase::AllTrim(stp[2])) + " " + std::string(xbase::AllTrim(stp[3]));
    console::TENGAH(con_, 19, xbase::AllTrim(stp[1]), "Gr+/n");
    console::TENGAH(con_, 20, address, "Gr+/n");
    console::TENGAH(con_, 21, xbase::AllTrim(stp[4]), "Gr+/n");
    HEAD(-1);
  }

  // Row 0 with the group and the process month, and the user, folder and workstation on the right.
  void DrawStatus() {
    const Attr bar = con_.Colour("w+/b");
    con_.Clear(0, 0, 0, console::kCols - 1, bar);
    console::TENGAH(con_, 0, "-= GRUP MENU " + std::string(xbase::AllTrim(group_)) + " =-", "r+/b");
    con_.Say(0, 0, "Bln Proses : " + text::CBULAN_(session_.ZTGPROSES) + " " + std::to_string(session_.ZTGPROSES.year()),
             bar);
    // The company setup's folder name, else (a new folder has none) the data folder's own name.
    std::string folder(xbase::AllTrim(session_.STP.text[13]));
    if (folder.empty()) folder = xbase::AllTrim(session_.DRVDATA_);
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    const size_t slash = folder.find_last_of("\\/");
    const std::pair<std::string_view, std::string> lines[] = {
        {"b/n", "Pemakai"},
        {"gr+/n", std::string(xbase::AllTrim(session_.MMEMBER.name))},
        {"b/n", "Directory"},
        {"gr+/n", slash == std::string::npos ? folder : folder.substr(slash + 1)},
        {"b/n", "Komputer"},
        {"gr+/n", session_.workstation()},
    };
    int row = 4;
    for (const auto& [colour, text] : lines) con_.Say(row++, console::kCols - Width(text), text, con_.Colour(colour));
  }

  // HEAD: the bar of top entries, `highlighted` (or none when -1) in the highlight colours.
  void HEAD(int highlighted) {
    for (size_t t = 0; t < menu_.tops.size(); ++t) {
      const std::string& text = menu_.tops[t].text;
      const size_t hot = text.find(menu_.tops[t].hot_letter());
      LOKAT(kBarRow, columns_[t], text, hot == std::string::npos ? -1 : static_cast<int>(hot),
            static_cast<int>(t) == highlighted ? kHighlight : kBarColours);
    }
  }

  // LOKAT: a text with its hot letter (at `hot`, none when -1).
  void LOKAT(int row, int col, std::string_view text, int hot, const TextColours& colours) {
    con_.Say(row, col, text, con_.Colour(colours.text));
    if (hot >= 0) con_.Put(row, col + hot, static_cast<uint8_t>(text[static_cast<size_t>(hot)]), con_.Colour(colours.hot));
  }

  // LOKAT1: an entry of a box: a blank, the text padded to the box's width, and its hot letter.
  void LOKAT1(int row, int col, std::string_view text, int width, int hot, const TextColours& colours) {
    LOKAT(row, col, " " + xbase::PadR(text, width + 1), hot >= 0 ? hot + 1 : -1, colours);
  }

  // Draws a box of entries; `current` (or none when -1) is highlighted.
  void DrawBox(const BoxPlace& box, int first_row, const std::vector<std::string>& texts, const std::vector<int>& hot,
               int current) {
    const Attr attr = con_.Colour(kBoxColours.text);
    con_.Clear(box.top, box.left, box.bottom, box.right, attr);
    console::DrawFrame(con_, box.top, box.left, box.bottom, box.right, console::Line::kSingle, attr);
    for (size_t i = 0; i < texts.size(); ++i) {
      LOKAT1(first_row + static_cast<int>(i), box.left + 1, texts[i], box.width, hot[i],
             static_cast<int>(i) == current ? kHighlight : kBoxColours);
    }
  }

  static int Widest(const std::vector<std::string>& texts) {
    int widest = 0;
    for (const std::string& text : texts) widest = std::max(widest, Width(text));
    return widest;
  }

  // The pull-down of the current top entry: below the bar, one column right of the entry's start,
  // moved left when it would leave the screen.
  BoxPlace PullDownPlace(const std::vector<std::string>& texts) const {
    BoxPlace box;
    box.width = Widest(texts);
    box.left = columns_[static_cast<size_t>(top_)] + 1;
    box.left = std::max(0, std::min(box.left, console::kCols - 1 - (box.width + 3)));
    box.right = box.left + box.width + 3;
    box.top = kPullDownTop;
    box.bottom = kPullDownTop + 1 + static_cast<int>(texts.size());
    return box;
  }

  // The second-level box of the entry on `entry_row`, right of the pull-down; where the screen ends
  // first, left of it when it fits there, so the pull-down stays in sight; kept on the screen.
  static BoxPlace SubBoxPlace(const BoxPlace& pull_down, int entry_row, const std::vector<std::string>& items) {
    BoxPlace box;
    box.width = Widest(items);
    const int span = box.width + 3;
    box.left = std::min(pull_down.right + 1, console::kCols - 1 - span);
    if (box.left <= pull_down.right && pull_down.left - 1 - span >= 0) box.left = pull_down.left - 1 - span;
    box.right = box.left + span;
    box.top = entry_row - 1;
    box.bottom = entry_row + static_cast<int>(items.size());
    const int overflow = std::max(0, box.bottom - kLowestBoxRow);
    box.top -= overflow;
    box.bottom -= overflow;
    return box;
  }

  // SUBMN: the key loop of the current top entry's pull-down, opened at `entry`.
  Choice SUBMN(int entry) {
    const std::vector<PullDownEntry>& entries = menu_.tops[static_cast<size_t>(top_)].entries;
    const int count = static_cast<int>(entries.size());
    std::vector<std::string> texts;
    for (const PullDownEntry& e : entries) texts.push_back(e.texts.front());
    const std::vector<int> hot = HotLetterPositions(texts, false);
    const BoxPlace pull_down = PullDownPlace(texts);
    const console::Region under = con_.SaveScreen();
    int current = count == 0 ? 0 : std::min(entry, count - 1);

    for (;;) {
      con_.Restore(under);
      HEAD(top_);
      DrawBox(pull_down, kPullDownTop + 1, texts, hot, level_ ? current : -1);
      std::vector<std::string> items;
      std::vector<int> item_hot;
      BoxPlace sub;
      const bool has_sub = count > 0 && entries[static_cast<size_t>(current)].has_sub_items();
      if (!has_sub) level_ = true;
      if (has_sub) {
        const std::vector<std::string>& all = entries[static_cast<size_t>(current)].texts;
        items.assign(all.begin() + 1, all.end());
        item_hot = HotLetterPositions(items, true);
        sub = SubBoxPlace(pull_down, kPullDownTop + 1 + current, items);
        DrawBox(sub, sub.top + 1, items, item_hot, level_ ? -1 : sub_);
        if (level_) console::Dim(con_, sub.top, sub.left, sub.bottom, sub.right);
      }
      const int key = WaitWithClock();

      // Alt + the hot letter of a top entry jumps there, after the hot letters of the boxes.
      const int hit = level_ ? HotLetterHit(texts, hot, key) : HotLetterHit(items, item_hot, key);
      if (hit < 0 && console::key::AltChar(key) != 0) {
        if (JumpToTop(console::key::AltChar(key))) return Choice{};
        continue;
      }
      if (level_) {
        if (hit >= 0) current = hit;
        if (hit >= 0 || key == console::key::kEnter) {
          if (count == 0) continue;
          if (entries[static_cast<size_t>(current)].has_sub_items()) {
            level_ = false;
            sub_ = 0;
            continue;
          }
          return Choice{current, -1, false};
        }
        switch (key) {
          case console::key::kDown:
            if (count > 0) current = Wrap(current + 1, count);
            break;
          case console::key::kUp:
            if (count > 0) current = Wrap(current - 1, count);
            break;
          case console::key::kRight:
            top_ = Wrap(top_ + 1, static_cast<int>(menu_.tops.size()));
            return Choice{};
          case console::key::kLeft:
            top_ = Wrap(top_ - 1, static_cast<int>(menu_.tops.size()));
            return Choice{};
          case console::key::kEsc:
            if (ConfirmQuit()) return Choice{-1, -1, true};
            break;
          default:
            break;
        }
      } else {
        const int sub_count = static_cast<int>(items.size());
        if (hit >= 0) sub_ = hit;
        if (hit >= 0 || key == console::key::kEnter) return Choice{current, sub_, false};
        if (key == console::key::kDown) sub_ = Wrap(sub_ + 1, sub_count);
        if (key == console::key::kUp) sub_ = Wrap(sub_ - 1, sub_count);
        if (key == console::key::kEsc) level_ = true;
      }
    }
  }

  // Moves to the first top entry whose hot letter is `letter`; false when none has it.
  bool JumpToTop(char letter) {
    for (size_t t = 0; t < menu_.tops.size(); ++t) {
      if (UpperKey(static_cast<unsigned char>(menu_.tops[t].hot_letter())) == letter) {
        top_ = static_cast<int>(t);
        level_ = true;
        return true;
      }
    }
    return false;
  }

  // Waits for a key with the time of day ticking at the right end of row 0.
  int WaitWithClock() {
    const console::RowClock clock(con_);
    return con_.WaitKey();
  }

  // Asks before the program ends; on "Ya" the screen is cleared and the tables closed.
  bool ConfirmQuit() {
    if (console::Alert(con_, kQuitQuestion, {"Ya", "Tidak"}) != 1) return false;
    con_.set_colours(console::ColourSet());
    con_.ClearScreen();
    session_.CloseTables();
    return true;
  }

  // Runs the call of the chosen entry; a call that fails or is unknown is told on row 24.
  void RunEntry(const Choice& choice, const console::Region& menu_screen) {
    const PullDownEntry& entry = menu_.tops[static_cast<size_t>(top_)].entries[static_cast<size_t>(choice.entry)];
    const std::string call = choice.item >= 0 ? entry.calls[static_cast<size_t>(choice.item)]
                                              : (entry.calls.empty() ? std::string() : entry.calls.front());
    const console::ColourSet colours = con_.colours();
    const xbase::Status status = session_.registry().Run(session_, call);
    // The menu holds no tables; whatever the entry left open is closed here.
    session_.CloseTables();
    con_.set_colours(colours);
    con_.ShowCursor(false);
    if (!status.ok()) {
      con_.Restore(menu_screen);
      ShowFailure(session_, status);
    }
  }

  Session& session_;
  Console& con_;
  const Menu& menu_;
  std::string group_;
  std::vector<int> columns_;  // start column of each top entry on the bar
  int top_ = 0;               // the current top entry
  bool level_ = true;         // true: the pull-down has the cursor; false: the second-level box
  int sub_ = 0;               // the current sub-item of the second-level box
};

}  // namespace

namespace {

// The menu of one group from the user's rights rows and the group's MENU rows.
xbase::Status ReadGroupMenu(xbase::WorkArea& userdat, xbase::WorkArea& menu_table, const std::string& nik_and_group,
                            std::string_view nik, Menu* menu) {
  std::vector<uint32_t> records;
  std::vector<MenuRight> rights;
  xbase::Status status = userdat.SetOrder(2);
  if (status.ok()) status = userdat.SeekAll(nik_and_group, &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = userdat.GoTo(records[i]);
    rights.push_back({userdat.Text("KODE"), userdat.Text("INDUK1"), userdat.Text("INDUK2")});
  }
  // The group's MENU rows by code; of two rows with one code the first in key order counts.
  const std::string grup = nik_and_group.substr(10);
  std::map<std::string, MenuRow> rows;
  if (status.ok()) status = menu_table.SetOrder(1);
  if (status.ok()) status = menu_table.SeekAll(grup, &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = menu_table.GoTo(records[i]);
    rows.emplace(menu_table.Text("KODE"), MenuRow{menu_table.Text("KETERANGAN"), menu_table.Text("PROSEDUR")});
  }
  if (!status.ok()) return status;
  *menu = BuildMenu(
      rights,
      [&](std::string_view kode) {
        const auto found = rows.find(xbase::PadR(kode, 10));
        return found == rows.end() ? MenuRow{} : found->second;
      },
      nik);
  return status;
}

}  // namespace

xbase::Status MenuGroups(xbase::WorkArea& area, int order, std::string_view prefix, std::vector<std::string>* groups) {
  std::vector<uint32_t> records;
  xbase::Status status = area.SetOrder(order);
  if (status.ok()) status = area.SeekAll(prefix, &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = area.GoTo(records[i]);
    std::string grup = area.Text("GRUP");
    if (groups->empty() || groups->back() != grup) groups->push_back(std::move(grup));
  }
  return status;
}

bool GETMENUUTAMA(Session& session, xbase::WorkArea& userdat, xbase::WorkArea& menu_table, Menu* menu,
                  std::string* group) {
  const std::string nik = xbase::PadR(session.MMEMBER.nik, 10);
  std::vector<std::string> groups;
  // The user's rows in the order of the second index: NIK + GRUP.
  xbase::Status status = MenuGroups(userdat, 2, nik, &groups);
  if (!frame::Checked(session, status)) return false;
  const std::optional<std::string> chosen = GETGRUP(session, groups);
  if (!chosen || xbase::IsBlank(*chosen)) return false;
  status = ReadGroupMenu(userdat, menu_table, nik + xbase::PadR(*chosen, 10), session.MMEMBER.nik, menu);
  if (!frame::Checked(session, status)) return false;
  *group = *chosen;
  return true;
}

MenuExit MENUUTAMA(Session& session, const Menu& menu, std::string_view group) {
  if (menu.tops.empty()) return MenuExit::kLogOff;
  return MainMenu(session, menu, group).Run();
}

}  // namespace frame
