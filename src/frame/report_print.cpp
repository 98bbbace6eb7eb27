// What the dot-matrix and the page printing of a report share: the page range typed as "3-",
// "2" or "1-5", the print form, the signature box and the footer of each page.
#include "frame/report_print.h"

#include "console/box.h"
#include "console/message.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

constexpr int kFormTop = 8;
constexpr int kFormBottom = 15;

}  // namespace

PageRange ParsePageRange(std::string_view text, int pages) {
  if (xbase::Val(text).value == 0) return {1, 0};
  const int dash = xbase::RAt("-", text);
  PageRange range;
  if (dash == 0) {
    range.first = static_cast<int>(xbase::Val(text).value);
    range.last = range.first;
  } else {
    range.first = static_cast<int>(xbase::Val(xbase::Left(text, dash - 1)).value);
    range.last = static_cast<int>(xbase::Val(xbase::SubStr(text, dash + 1)).value);
    if (range.last == 0) range.last = pages;
  }
  range.first = std::max(range.first, 1);
  range.last = std::min(range.last, pages);
  return range;
}

std::string RangePreset(int pages) { return "1-" + std::to_string(pages) + std::string(5, ' '); }

std::string_view PrintFormColour(Session& session) {
  return session.console().Pick("Gr+/br,Gr+/b", "W+/w,n/w");
}

void DrawPrintForm(Session& session, std::string_view title, const std::vector<std::string_view>& labels) {
  console::Console& con = session.console();
  const int width = static_cast<int>(title.size());
  const int left = console::CentreColumn(title);
  console::ISHADOW(con, kFormTop, left - 2, kFormBottom, left + width + 1, con.Pick("W+/br", "W+/n"));
  const console::Attr attr = con.Colour(PrintFormColour(session));
  con.Say(kFormTop + 1, left, title, attr);
  int row = kFormTop + 3;
  for (std::string_view label : labels) con.Say(row++, left, xbase::PadR(label, width), attr);
}

std::string PageFooter(int page, int pages, const console::ClockReading& now) {
  return "Halaman : " + std::to_string(page) + "/" + std::to_string(pages) + "  dicetak Tgl. " + xbase::Dtoc(now.date) +
         ", " + console::TimeText(now);
}

const std::vector<std::string>& DotMatrixSignatureBox() {
  static const std::vector<std::string> kBox = {
      "*-----------------------------------------------------------------*",
      "|     DIBUAT    |TGL. |   DIPERIKSA   |TGL. | MENGETAHUI    |TGL. |",
      "|---------------|-----|---------------|-----|---------------|-----|",
      "|               |     |               |     |               |     |",
      "|               |     |               |     |               |     |",
      "|               |     |               |     |               |     |",
      "*-----------------------------------------------------------------*"};
  return kBox;
}

const std::vector<std::string>& PageSignatureBox() {
  // The dot-matrix box with a second one for two more signatures beside it.
  static const std::vector<std::string> kBox = [] {
    std::vector<std::string> box = DotMatrixSignatureBox();
    for (std::string& line : box) {
      const std::string right = line.substr(0, 1) + line.substr(line.size() - 44);
      line += "  " + (line[0] == '*' ? "*" + std::string(43, '-') + "*" : right);
    }
    return box;
  }();
  return kBox;
}

void ShowDelivery(Session& session, const std::string& place) {
  console::PESAN(session.console(), "Laporan terkirim ke " + place, session.console().Pick("W+/b", "/w"));
}

}  // namespace frame
