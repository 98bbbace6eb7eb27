// Printing a report on the dot-matrix printer: the print form (page range, copies, stop after
// each page) and the ESC/P byte stream of each page, sent through the workstation's sink.
#include "frame/dot_matrix_print.h"

#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/report_controls.h"
#include "frame/report_print.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

constexpr std::string_view kFormTitle = " -= CETAK LAPORAN KE PRINTER =-  ";
constexpr std::string_view kNext = "Tekan sembarang tombol untuk lanjut, [Esc] batal";
constexpr int kFieldColumn = 38;

// The form's fields; false after Esc.
bool AskPrint(Session& session, int pages, PrintChoice* choice) {
  DrawPrintForm(session, kFormTitle, {"     Halaman :", "     Copy    :", "     Stop    :"});
  choice->range = RangePreset(pages);
  console::GetList form;
  const std::string colour(PrintFormColour(session));
  form.Add(11, kFieldColumn, &choice->range, "@K").colour = colour;
  form.Add(12, kFieldColumn, &choice->copies, "9999").colour = colour;
  form.Add(13, kFieldColumn, &choice->stop, "Y").colour = colour;
  return !form.Read(session.console()).escaped;
}

// Sends the bytes gathered so far as one job; false after a message when the sink refuses.
bool Send(Session& session, const std::string& title, std::string* job, std::string* place) {
  if (job->empty()) return true;
  platform::Delivery delivery;
  const xbase::Status sent = session.services().dot_matrix().Send(title, *job, &delivery);
  job->clear();
  if (!sent.ok()) {
    console::PESAN(session.console(), sent.message(), session.console().Pick("Gr+/r", "/w"));
    return false;
  }
  *place = delivery.Describe();
  return true;
}

}  // namespace

std::string DotMatrixPage(const ReportPage& lines, const ReportLayout& layout, int page, int pages,
                          const console::ClockReading& now) {
  const std::string margin(static_cast<size_t>(std::max(layout.left_margin, 0)), ' ');
  std::string bytes;
  const auto put = [&](std::string_view opening, std::string_view text, std::string_view closing) {
    bytes.append(margin).append(opening).append(text).append(closing).append("\r\n");
  };
  for (const ReportLine& line : lines) {
    const std::string_view text = layout.width > kDotMatrixColumns
                                      ? xbase::Left(line.text, kDotMatrixColumns - layout.left_margin)
                                      : xbase::RTrim(line.text);
    put(OpeningCodes(line.controls), text, ClosingCodes(line.controls));
  }
  const std::string on(1, kCondensedOn), off(1, kCondensedOff);
  if (page == pages && layout.signature_box) {
    for (const std::string& line : DotMatrixSignatureBox()) put(on, line, off);
  }
  put(on, PageFooter(page, pages, now), off);
  bytes += kFormFeed;
  return bytes;
}

bool CETAKPRINTER(Session& session, const std::string& base, int pages, const ReportLayout& layout) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  PrintChoice choice;
  if (!AskPrint(session, pages, &choice)) return false;
  const PageRange range = ParsePageRange(choice.range, pages);
  if (xbase::Val(choice.range).value == 0) return false;
  const int key = console::PESAN(con, "[Enter] Cetak " + layout.title + " kePrinter, lainnya batal",
                                 con.Pick("Gr+/r", "/w"));
  if (key != console::key::kEnter || range.empty()) return false;

  std::string job, place;
  const int copies = std::max(1, static_cast<int>(choice.copies));
  for (int copy = 1; copy <= copies; ++copy) {
    for (int page = range.first; page <= range.last; ++page) {
      ReportPage lines;
      if (!ReadReportPage(session, base, page, &lines)) return false;
      job += DotMatrixPage(lines, layout, page, pages, con.clock().Now());
      if (!choice.stop) continue;
      if (!Send(session, layout.JobTitle(), &job, &place)) return false;
      if (console::PESAN(con, kNext, con.Pick("Gr+/r", "/w")) == console::key::kEsc) {
        ShowDelivery(session, place);
        return true;
      }
    }
  }
  if (!Send(session, layout.JobTitle(), &job, &place)) return false;
  ShowDelivery(session, place);
  return true;
}

bool PrintRawForm(Session& session, const std::string& title, const std::string& bytes) {
  std::string job = bytes;
  std::string place;
  if (!Send(session, title, &job, &place)) return false;
  ShowDelivery(session, place);
  return true;
}

bool PrintRawPages(Session& session, const std::string& title, const std::vector<std::string>& pages) {
  std::string place;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) console::PESAN(session.console(), "tekan sembarang tombol u/ lanjut");
    std::string job = pages[i];
    if (!Send(session, title, &job, &place)) return false;
  }
  if (!place.empty()) ShowDelivery(session, place);
  return true;
}

}  // namespace frame
