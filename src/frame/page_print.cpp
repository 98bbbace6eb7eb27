// Printing on a page printer of this machine (CUPS): the printer choice, the print form, and
// each page drawn in a monospace font on Legal paper, sent as a job of its own.
#include "frame/page_print.h"

#include <algorithm>

#include "console/alert.h"
#include "console/box.h"
#include "console/choice_list.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/report_print.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

constexpr double kMillimetresPerMargin = 10;
// A workstation without a margin row prints 1 cm from every edge, where every printer reaches.
constexpr double kDefaultMarginMm = 10;
constexpr double kFooterPoints = 7;
constexpr double kFormPoints = 12;
constexpr std::string_view kFontName = "DejaVu Sans Mono";
constexpr int kFieldColumn = 38;

void Message(Session& session, std::string_view text) {
  console::PESAN(session.console(), text, session.console().Pick("Gr+/r", "/w"));
}

// The chosen printer's name; empty after Esc or when there is none (then after the alert).
std::string ChoosePrinter(Session& session) {
  console::Console& con = session.console();
  platform::PrinterList list;
  const xbase::Status listed = session.services().printers().List(&list);
  if (!listed.ok() || list.names.empty()) {
    console::Alert(con, kNoPrinters);
    if (!listed.ok()) Message(session, listed.message());
    return "";
  }
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/br,Gr+/b", "W+/n,n/w");
  console::ISHADOW(con, 7, 15, 20, 65, colour);
  con.SetColour(colour);
  const auto preset = std::find(list.names.begin(), list.names.end(), list.default_name);
  const int initial = preset == list.names.end() ? 1 : static_cast<int>(preset - list.names.begin()) + 1;
  const int chosen = console::AChoice(con, 8, 16, 19, 64, list.names, initial);
  return chosen == 0 ? "" : list.names[static_cast<size_t>(chosen - 1)];
}

// Sends the pages; the place on row 24 when they arrived, the reason when not.
bool Deliver(Session& session, const std::string& printer, const std::string& title,
             const std::vector<platform::PrintPage>& pages, const platform::PageSetup& setup, int copies) {
  platform::Delivery delivery;
  const xbase::Status printed = session.services().printers().Print(printer, title, pages, setup, copies, &delivery);
  if (!printed.ok()) {
    Message(session, "StartDoc() failed: " + printed.message());
    return false;
  }
  ShowDelivery(session, delivery.Describe());
  return true;
}

}  // namespace

platform::PageSetup ReportPageSetup(const Session& session, int width) {
  platform::PageSetup setup;
  setup.columns = width;
  const PrinterMargins& margins = session.margins;
  if (!margins.stored) {
    setup.left_mm = setup.right_mm = setup.top_mm = setup.bottom_mm = kDefaultMarginMm;
    return setup;
  }
  setup.left_mm = (setup.landscape() ? margins.left_landscape : margins.left_portrait) * kMillimetresPerMargin;
  // There is no right margin to set: the page keeps the left one on its right as well.
  setup.right_mm = setup.left_mm;
  setup.top_mm = margins.top * kMillimetresPerMargin;
  setup.bottom_mm = margins.bottom * kMillimetresPerMargin;
  return setup;
}

bool ReportPrintPages(Session& session, const std::string& base, int first, int last, int pages, bool signature_box,
                      std::vector<platform::PrintPage>* printed) {
  for (int page = first; page <= last; ++page) {
    ReportPage lines;
    if (!ReadReportPage(session, base, page, &lines)) return false;
    platform::PrintPage sheet = {{"", 0}, {"", 0}};
    for (const ReportLine& line : lines) sheet.push_back({std::string(xbase::RTrim(line.text)), double(line.font)});
    if (page == pages && signature_box) {
      for (const std::string& line : PageSignatureBox()) sheet.push_back({line, 0});
    }
    sheet.push_back({PageFooter(page, pages, session.console().clock().Now()), kFooterPoints});
    printed->push_back(std::move(sheet));
  }
  return true;
}

bool PRINTWINDOWS(Session& session, const std::string& base, const ReportLayout& layout, int pages) {
  const std::string printer = ChoosePrinter(session);
  return !printer.empty() && PRNTEST(session, printer, base, layout, pages);
}

bool PRNTEST(Session& session, const std::string& printer, const std::string& base, const ReportLayout& layout,
             int pages) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  DrawPrintForm(session, "      CETAK KE PRINTER LASER     ", {"     Halaman :", "        Copy :", "        Font :"});
  con.Say(13, kFieldColumn, kFontName, con.Colour(PrintFormColour(session)));
  PrintChoice choice;
  choice.range = RangePreset(pages);
  console::GetList form;
  const std::string colour(PrintFormColour(session));
  form.Add(11, kFieldColumn, &choice.range, "@K").colour = colour;
  form.Add(12, kFieldColumn, &choice.copies, "999").colour = colour;
  if (form.Read(con).escaped || xbase::Val(choice.range).value == 0) return false;
  if (console::PESAN(con, "Tekan ENTER untuk Cetak", con.Pick("Gr+/r", "/w")) != console::key::kEnter) return false;
  const PageRange range = ParsePageRange(choice.range, pages);
  std::vector<platform::PrintPage> printed;
  if (range.empty() || !ReportPrintPages(session, base, range.first, range.last, pages, layout.signature_box, &printed)) {
    return false;
  }
  return Deliver(session, printer, layout.JobTitle(), printed, ReportPageSetup(session, layout.width),
                 std::max(1, static_cast<int>(choice.copies)));
}

bool DIRECTPRINT_(Session& session, const std::vector<std::string>& lines, bool landscape) {
  return DirectPrintPages(session, {lines}, landscape);
}

bool DirectPrintPages(Session& session, const std::vector<std::vector<std::string>>& pages, bool landscape) {
  const std::string printer = ChoosePrinter(session);
  if (printer.empty()) return false;
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  DrawPrintForm(session, xbase::PadR("CETAK KE " + printer, 33), {"     Copy    :", "     Font    :"});
  con.Say(12, kFieldColumn, kFontName, con.Colour(PrintFormColour(session)));
  double copies = 1;
  console::GetList form;
  form.Add(11, kFieldColumn, &copies, "999").colour = std::string(PrintFormColour(session));
  if (form.Read(con).escaped || console::Alert(con, "Yakin akan mencetak FORM", {"Ya", "Tidak"}) != 1) return false;
  std::vector<platform::PrintPage> printed;
  size_t widest = 1;
  for (const std::vector<std::string>& lines : pages) {
    platform::PrintPage page;
    for (const std::string& line : lines) {
      page.push_back({line, kFormPoints});
      widest = std::max(widest, line.size());
    }
    printed.push_back(std::move(page));
  }
  // Landscape pages are asked for with a width beyond the portrait limit.
  platform::PageSetup setup = ReportPageSetup(session, landscape ? std::max<int>(131, int(widest)) : int(widest));
  if (session.margins.stored) setup.left_mm = setup.right_mm = session.margins.left_landscape * kMillimetresPerMargin;
  return Deliver(session, printer, "FORM", printed, setup, std::max(1, static_cast<int>(copies)));
}

}  // namespace frame
