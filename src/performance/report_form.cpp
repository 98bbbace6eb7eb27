// The boxed entry forms of the sales-performance reports: a title, labels one a row and the
// fields after them, read with GET/READ; and the fields every report form shares.
#include "performance/report_form.h"

#include <algorithm>

#include "console/alert.h"
#include "console/box.h"
#include "console/message.h"
#include "pickers/pickers.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr std::string_view kColour = "W+/b,Gr+/r";
constexpr std::string_view kMono = "W+/n,n/w";

}  // namespace

ReportForm::ReportForm(frame::Session& session, std::string title, std::vector<std::string> labels, int width)
    : session_(session), title_(std::move(title)), labels_(std::move(labels)) {
  const int height = static_cast<int>(labels_.size()) + 4;
  top_ = std::max(1, (24 - height) / 2);
  bottom_ = top_ + height - 1;
  left_ = (80 - width) / 2;
  right_ = left_ + width - 1;
  size_t longest = 0;
  for (const std::string& label : labels_) longest = std::max(longest, label.size());
  field_column_ = left_ + 3 + static_cast<int>(longest);
}

void ReportForm::Draw() {
  console::Console& con = session_.console();
  const std::string_view colour = con.Pick(kColour, kMono);
  console::ISHADOW(con, top_, left_, bottom_, right_, colour);
  console::TENGAH(con, top_ + 1, title_, colour);
  for (size_t i = 0; i < labels_.size(); ++i) con.Say(RowOf(static_cast<int>(i)), left_ + 2, labels_[i], con.Colour(colour));
  list_.Display(con);
}

console::GetField& ReportForm::Field(int index, console::GetField::Target target, std::string picture) {
  return list_.Add(RowOf(index), field_column_, target, std::move(picture));
}

void ReportForm::Period(int from_label, int to_label, xbase::Date* from, xbase::Date* to, bool month_end) {
  console::GetField& start = Field(from_label, from);
  if (month_end) {
    start.valid = [from, to] {
      if (!from->empty()) *to = text::TGLAKHIR(*from);
      return true;
    };
  }
  Field(to_label, to).valid = [from, to] { return !to->empty() && *to >= *from; };
}

console::GetField& ReportForm::Salesman(int index, std::string* code) {
  console::GetField& field = Field(index, code, "@!");
  field.valid = [this, code] { return xbase::IsBlank(*code) || pickers::CSALES(session_, code); };
  return field;
}

bool ReportForm::Read() {
  Draw();
  return !list_.Read(session_.console()).escaped;
}

BusyNotice::BusyNotice(frame::Session& session)
    : con_(session.console()), row_(con_.Save(console::kMessageRow, 0, console::kMessageRow, console::kCols - 1)) {
  console::WARNING(con_, "Tunggu sedang Proses pengumpulan data", con_.Pick("W+/r", "/w"));
}

BusyNotice::~BusyNotice() { con_.Restore(row_); }

int ChooseOutput(frame::Session& session, std::string_view question, const std::vector<std::string>& choices) {
  return console::Alert(session.console(), question, choices);
}

xbase::Date ProcessMonthStart(frame::Session& session) {
  return text::TGLAWAL(session.ZTGPROSES.empty() ? session.Today() : session.ZTGPROSES);
}

std::string Blank(int width) { return std::string(static_cast<size_t>(width), ' '); }

}  // namespace performance
