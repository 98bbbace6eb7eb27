// The "?" pick list over the current table, with incremental search on its search line.
#include "console/pick_list.h"

#include <cctype>
#include <memory>

#include "console/area_source.h"
#include "console/box.h"
#include "console/expression_columns.h"
#include "console/keys.h"
#include "console/record_browse.h"
#include "xbase/expression.h"

namespace console {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

xbase::Status BANTUAN(Console& con, xbase::WorkArea& area, const PickListOptions& options, const Seeker& seek,
                      xbase::Value* chosen, std::string* search) {
  std::vector<std::unique_ptr<xbase::Expression>> expressions;
  std::vector<RecordColumn> columns;
  xbase::Status status = ExpressionColumns(area, options.expressions, options.heads, &expressions, &columns);
  if (!status.ok()) return status;
  columns.insert(columns.end(), options.computed.begin(), options.computed.end());
  const size_t result = static_cast<size_t>(options.result - 1);
  if (result >= expressions.size()) return xbase::Status::InvalidArgument("BANTUAN", "no such column to return");

  ScreenKeeper keeper(con);
  const std::string colour(con.Pick(options.colour, options.mono));
  const int search_row = options.bottom + 1;
  const int search_col = options.left;
  ISHADOW(con, options.top - 1, options.left - 1, options.bottom + 2, options.right + 2, colour);
  const Attr attr = con.Colour(colour);

  std::string text = options.seek;
  xbase::Status fault;
  auto find = [&](const std::string& key) {
    if (!seek(key) && fault.ok()) fault = area.GoBottom();
  };
  find(text);
  RecordBrowse browse(AreaSource(area, &fault), std::move(columns),
                      {options.top, options.left, options.bottom, options.right}, colour);
  for (;;) {
    browse.Stabilize(con);
    if (!fault.ok()) return fault;
    con.Say(search_row, search_col, "Dicari :" + Upper(text), attr);
    const int key = con.WaitKey();
    con.Say(search_row, search_col, "Dicari :" + std::string(text.size(), ' '), attr);
    if (browse.Navigate(key)) continue;
    if (key == key::kEnter || key == key::kEsc) break;
    if (key >= 32 && key <= 126) {
      text.push_back(static_cast<char>(key));
    } else if (key == key::kBackspace && !text.empty()) {
      text.pop_back();
    } else {
      continue;
    }
    find(Upper(text));
    browse.ResetLine();
  }
  if (search != nullptr) *search = text;
  return expressions[result]->Evaluate(area, chosen);
}

}  // namespace console
