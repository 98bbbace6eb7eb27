// The report viewer: a report's pages on the screen, one at a time, with its head kept in place
// and the body scrolled up, down and sideways.
#include "frame/report_viewer.h"

#include <algorithm>
#include <filesystem>

#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/report_controls.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace key = console::key;

constexpr int kLastRow = 23;
constexpr int kPageStep = 20;
constexpr int kWideStep = 10;
constexpr std::string_view kFooter = " F1 -> Petunjuk, F10 -> Print Halaman ini ";

// The key help: key column and meaning; the first two lines are written whole.
constexpr std::pair<std::string_view, std::string_view> kHelp[] = {
    {"Ctrl+Panah Kanan   ", "Geser ke kanan sepuluh kolom  "},
    {"Ctrl+Panah Kiri    ", "Geser ke kiri  sepuluh kolom  "},
    {"Page Up            ", "Geser ke atas  duapuluh baris "},
    {"Page Down          ", "Geser ke bawah duapuluh baris "},
    {"Ctrl+Page Up       ", "Ke halaman sebelumnya         "},
    {"Ctrl+Page Down     ", "Ke halaman selanjutnya        "},
    {"Ctrl+Enter         ", "Menuju halaman ke N           "},
    {"F10                ", "Cetak ke printer              "},
    {"Esc                ", "Keluar                        "},
    {"", ""},
    {"+                  ", "Tambah batas kiri             "},
    {"-                  ", "Kurangi batas kiri            "},
    {"Ctrl +             ", "Tambah batas atas             "},
    {"Ctrl -             ", "Kurangi batas atas            "},
};

class Viewer {
 public:
  Viewer(Session& session, const std::string& base, int pages, const ReportLayout& layout)
      : session_(session), con_(session.console()), base_(base), pages_(pages), layout_(layout),
        frozen_(std::clamp(layout.frozen_columns, 0, 79)), body_row_(std::clamp(layout.first_body_row, 1, kLastRow)) {}

  void Run() {
    if (!Open(1)) return;
    con_.set_idle([this](console::Console&) { ShowTime(); });
    for (;;) {
      Draw();
      const int key = con_.WaitKey();
      if (key == key::kEsc) return;
      Handle(key);
    }
  }

 private:
  bool Open(int page) {
    ReportPage lines;
    if (!ReadReportPage(session_, base_, page, &lines)) return false;
    lines_ = std::move(lines);
    page_ = page;
    top_ = 1;
    return true;
  }

  int Shown() const { return std::min(console::kCols, std::max(layout_.width, 1)); }
  int LastOffset() const { return std::max(0, layout_.width - 79); }

  void ShowTime() {
    const console::Attr attr = con_.Colour(con_.Pick("W/b", "W/w"));
    con_.Say(0, 72, console::TimeText(con_.clock().Now()), attr);
  }

  void Draw() {
    con_.ClearScreen();
    const console::Attr head = con_.Colour(con_.Pick("W+/b", "W+/w"));
    con_.Clear(0, 0, 0, console::kCols - 1, head);
    const std::string counter = "Halaman : " + std::to_string(page_) + "/" + std::to_string(pages_);
    const int counter_column = console::CentreColumn(counter);
    con_.Say(0, 0, std::string(xbase::Left(Title(), std::max(counter_column - 1, 0))), head);
    con_.Say(0, counter_column, counter, head);
    ShowTime();
    const console::Attr white = con_.Colour("w/n");
    for (int row = 1; row < body_row_ && row <= kLastRow; ++row) {
      if (row <= static_cast<int>(lines_.size())) Say(row, lines_[static_cast<size_t>(row - 1)], white);
    }
    for (int row = body_row_, index = top_ + body_row_ - 1; row <= kLastRow; ++row, ++index) {
      if (index > static_cast<int>(lines_.size())) break;
      const ReportLine& line = lines_[static_cast<size_t>(index - 1)];
      Say(row, line, con_.Colour(LineColour(line.controls)));
    }
    const console::Attr foot = con_.Colour("W+/b");
    con_.Clear(console::kMessageRow, 0, console::kMessageRow, console::kCols - 1, foot);
    con_.Say(console::kMessageRow, console::CentreColumn(kFooter), kFooter, foot);
  }

  // The report's own title; a report without one is named by its page table.
  std::string Title() const {
    const std::string title(xbase::AllTrim(layout_.JobTitle()));
    if (!title.empty()) return title;
    return std::filesystem::path(PageTableName(base_, page_)).filename().string() + ".Dbf";
  }

  // The line's frozen columns, then the part from the horizontal offset on.
  void Say(int row, const ReportLine& line, console::Attr attr) {
    const int frozen = std::min(frozen_, Shown());
    std::string text(xbase::Left(line.text, frozen));
    text += xbase::SubStr(line.text, offset_ + frozen + 1, Shown() - frozen);
    con_.Say(row, 0, text, attr);
  }

  void Handle(int key) {
    const bool wide = layout_.width >= console::kCols;
    const int lines = std::max(1, static_cast<int>(lines_.size()));
    switch (key) {
      case key::kF1: Help(); break;
      case '+': frozen_ = std::min(frozen_ + 1, 79); break;
      case '-': frozen_ = std::max(frozen_ - 1, 0); break;
      case key::kKeypadCtrlPlus: body_row_ = std::min(body_row_ + 1, kLastRow); break;
      case key::kKeypadCtrlMinus: body_row_ = std::max(body_row_ - 1, 1); break;
      case key::kUp: top_ = std::max(top_ - 1, 1); break;
      case key::kDown: top_ = std::min(top_ + 1, lines); break;
      case key::kPgUp: top_ = std::max(top_ - kPageStep, 1); break;
      case key::kPgDn: top_ = std::min(top_ + kPageStep, lines); break;
      case key::kCtrlPgUp: if (page_ > 1) Open(page_ - 1); break;
      case key::kCtrlPgDn: if (page_ < pages_) Open(page_ + 1); break;
      case key::kCtrlEnter: GoToPage(); break;
      default:
        if (wide) Shift(key);
        break;
    }
  }

  void Shift(int key) {
    switch (key) {
      case key::kLeft: offset_ -= 1; break;
      case key::kRight: offset_ += 1; break;
      case key::kCtrlLeft: offset_ -= kWideStep; break;
      case key::kCtrlRight: offset_ += kWideStep; break;
      case key::kHome:
      case key::kCtrlHome: offset_ = 0; break;
      case key::kEnd:
      case key::kCtrlEnd: offset_ = LastOffset(); break;
      default: return;
    }
    offset_ = std::clamp(offset_, 0, LastOffset());
  }

  void GoToPage() {
    console::ScreenKeeper keep(con_);
    const std::string_view colour = con_.Pick("W+/br", "W+/n");
    console::ISHADOW(con_, 10, 28, 12, 50, colour);
    con_.Say(11, 30, "Halaman ke :", con_.Colour(colour));
    double page = page_;
    console::GetList form;
    form.Add(11, 43, &page, "9999").colour = std::string(PrintFormColour());
    if (form.Read(con_).escaped) return;
    const int wanted = static_cast<int>(page);
    if (wanted >= 1 && wanted <= pages_) Open(wanted);
  }

  std::string_view PrintFormColour() const { return con_.Pick("Gr+/br,Gr+/b", "W+/w,n/w"); }

  void Help() {
    const console::Attr text = con_.Colour(PrintFormColour());
    console::ISHADOW(con_, 2, 10, 22, 69, con_.Pick("W+/br", "W+/n"));
    con_.Say(3, 15, "Tombol             Keterangan                    ", text);
    con_.Say(4, 15, std::string(50, '-'), text);
    const std::string arrows = "\x18\x19\x1A\x1B";
    con_.Say(5, 15, xbase::PadR("Panah" + arrows, 19), text);
    con_.Say(5, 34, "Geser" + arrows, text);
    int row = 6;
    for (const auto& [keys, meaning] : kHelp) {
      con_.Say(row, 15, keys, text);
      con_.Say(row++, 34, meaning, text);
    }
    con_.Say(row + 1, 15, "    Tekan sembarang tombol, Kembali ke laporan   ", text);
    for (int key = con_.WaitKey(); key != key::kEnter && key != key::kEsc; key = con_.WaitKey()) {
    }
  }

  Session& session_;
  console::Console& con_;
  const std::string& base_;
  int pages_;
  const ReportLayout& layout_;
  ReportPage lines_;
  int page_ = 1;
  int top_ = 1;
  int offset_ = 0;
  int frozen_;
  int body_row_;
};

}  // namespace

void LAPORANTENAN(Session& session, const std::string& base, int pages, const ReportLayout& layout) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  Viewer(session, base, pages, layout).Run();
  con.set_idle(nullptr);
}

}  // namespace frame
