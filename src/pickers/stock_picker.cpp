// PickStock: the pick list of the stock rows of a warehouse, with the goods names.
#include <string>

#include "console/field_format.h"
#include "console/pick_list.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/lookups.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace pickers {

bool PickStock(frame::Session& session, std::string_view warehouse, std::string* code) {
  const size_t mark = code->find('?');
  if (mark == std::string::npos) return true;
  xbase::WorkArea* stock = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "stokbrg", &stock))) return false;
  frame::OrderScope scope(*stock);
  if (!frame::Checked(session, stock->SetOrder("STOKBRG2"))) return false;

  console::PickListOptions options;
  options.top = 9;
  options.left = 2;
  options.bottom = 20;
  options.right = 76;
  options.expressions = {"GUDANG", "KODE"};
  options.heads = {"GDG", "KODE"};
  options.computed = {
      {"NAMA", [&] { return GETFIELD(session, stock->Text("KODE"), "mastbrj", 20, "NAMA"); }},
      {"STOCK", [&] { return console::FormatValue(xbase::Value::Num(stock->Number("JUMLAH")), "999,999,999"); }}};
  options.result = 2;
  options.seek = std::string(xbase::RTrim(std::string_view(*code).substr(0, mark)));
  const std::string prefix = xbase::PadR(warehouse, 6);
  const auto seek = [&](std::string_view key) {
    return stock->Seek(prefix + std::string(key), true).ok() && stock->found();
  };
  xbase::Value chosen;
  if (!frame::Checked(session, console::BANTUAN(session.console(), *stock, options, seek, &chosen))) return false;
  *code = chosen.is_text() ? chosen.text() : std::string();
  return true;
}

}  // namespace pickers
