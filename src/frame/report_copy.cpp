// Copying a report into a text file.
#include "frame/report_copy.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/report_engine.h"
#include "xbase/cp437.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;

// The longest file name a Linux file system takes.
constexpr size_t kNameLength = 255;

void Message(Session& session, std::string_view text) {
  console::PESAN(session.console(), text, session.console().Pick("Gr+/r", "/w"));
}

// The report's text: every line of every page, without trailing blanks; false after a message.
bool ReportText(Session& session, const std::string& base, int pages, std::string* text) {
  for (int page = 1; page <= pages; ++page) {
    ReportPage lines;
    if (!ReadReportPage(session, base, page, &lines)) return false;
    for (const ReportLine& line : lines) *text += xbase::Cp437ToUtf8(xbase::RTrim(line.text)) + "\n";
  }
  return true;
}

}  // namespace

bool COPYKE(Session& session, const std::string& base, int pages) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/br,Gr+/b", "W+/n,n/w");
  console::ISHADOW(con, 8, 20, 14, 59, colour);
  const console::Attr attr = con.Colour(colour);
  console::TENGAH(con, 8, "COPY LAPORAN KE FILE", colour);
  con.Say(10, 22, "Jumlah Halaman : " + std::to_string(pages), attr);
  con.Say(11, 22, "Nama File      :", attr);
  con.Say(12, 22, "Nama Direktori :", attr);
  // A full Linux file name and a long folder, each scrolled within the box.
  std::string name(kNameLength, ' '), folder(kNameLength, ' ');
  console::GetList form;
  form.Add(11, 39, &name, "@S20");
  form.Add(13, 21, &folder, "@S38");
  if (form.Read(con).escaped || xbase::IsBlank(name)) return false;
  const int answer = console::PESAN(con, "File tersebut akan dicopy (Y/T)", "gr+/r");
  if (answer != 'Y' && answer != 'y') return false;

  std::string place = fs::current_path().string();
  if (!xbase::IsBlank(folder)) {
    const xbase::Status mapped = session.services().MapPath(folder, &place);
    if (!mapped.ok()) {
      Message(session, mapped.message());
      return false;
    }
  }
  std::error_code error;
  fs::create_directories(place, error);
  if (error) {
    Message(session, "Direktori " + place + " tidak bisa dibuat: " + error.message());
    return false;
  }
  std::string text;
  if (!ReportText(session, base, pages, &text)) return false;
  const fs::path file = fs::path(place) / std::string(xbase::RTrim(name));
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) out << text;
  if (out) out.close();
  if (!out) {
    Message(session, "File " + file.string() + " tidak bisa dibuat");
    return false;
  }
  return true;
}

}  // namespace frame
