// An additional D1 order ("D1 TAMBAHAN"): one per branch and day, its lines typed in cartons.
#include "purchasing/additional_d1.h"

#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "purchasing/plan_save.h"
#include "purchasing/plan_screens.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

xbase::Value& Cell(console::ValueRow& line, int column) { return line[static_cast<size_t>(column - 1)]; }

}  // namespace

console::ValueRow BlankAdditionalLine(int number) {
  return {xbase::Value::Num(number, 3, 0),        xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(20, ' ')), xbase::Value::Num(0, 7, 0),
          xbase::Value::Num(0, 9, 0),              xbase::Value::Num(0, 10, 0)};
}

bool LoadAdditionalD1(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                      AdditionalD1* order) {
  std::string prefix;
  if (!PlanNumberPrefix(session, branch, &prefix)) return false;
  order->branch = branch;
  order->date = session.Today();
  order->ship = AdditionalShipDate(order->date);
  order->number = prefix + order->date.Dtos();
  order->lines.clear();
  xbase::WorkArea& lines = tables["D1CBNG2"];
  xbase::WorkArea& goods = tables["MASTBRJ"];
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", order->number), &records);
  for (const uint32_t record : records) {
    if (s = lines.GoTo(record); !s.ok()) break;
    console::ValueRow line = BlankAdditionalLine(static_cast<int>(order->lines.size()) + 1);
    const std::string code = lines.Text("KODE");
    Cell(line, kAddCode) = xbase::Value::Text(code);
    if (s = goods.Seek(code); !s.ok()) break;
    Cell(line, kAddName) = xbase::Value::Text(goods.found() ? goods.Text("NAMA") : std::string(20, ' '));
    Cell(line, kAddPerBox) = xbase::Value::Num(goods.Number("DOS"), 7, 0);
    Cell(line, kAddOrder) = xbase::Value::Num(lines.Number("CARTON"), 9, 0);
    Cell(line, kAddQuantity) = xbase::Value::Num(lines.Number("QUANTITY"), 10, 0);
    order->lines.push_back(std::move(line));
  }
  if (order->lines.empty()) order->lines.push_back(BlankAdditionalLine(1));
  return frame::Checked(session, s);
}

bool CheckAdditionalCell(frame::Session& session, const frame::OpenedTables& tables, AdditionalD1* order, int row,
                         int column, xbase::Value* value) {
  console::ValueRow& line = order->lines[static_cast<size_t>(row - 1)];
  if (column == kAddOrder) {
    Cell(line, kAddQuantity) = xbase::Value::Num(value->number() * Cell(line, kAddPerBox).number(), 10, 0);
    return true;
  }
  if (column != kAddCode) return true;
  std::string code = value->text();
  const bool known = pickers::GETKODEBRG(session, &code, true);
  const xbase::WorkArea& goods = tables["MASTBRJ"];  // left on the code by the lookup
  if (xbase::IsBlank(code)) {
    *value = xbase::Value::Text(std::string(10, ' '));
    return true;
  }
  if (!known || !goods.found()) {
    return pickers::Refuse(session, "Kode barang " + std::string(xbase::AllTrim(code)) + " tidak terdaftar");
  }
  code = xbase::PadR(xbase::AllTrim(code), 10);
  for (size_t k = 0; k < order->lines.size(); ++k) {
    if (static_cast<int>(k) + 1 != row && order->lines[k][kAddCode - 1].text() == code) {
      return pickers::Refuse(session, "Kode ini telah diisikan pada urutan ke " + std::to_string(k + 1));
    }
  }
  *value = xbase::Value::Text(code);
  Cell(line, kAddName) = xbase::Value::Text(goods.Text("NAMA"));
  Cell(line, kAddPerBox) = xbase::Value::Num(goods.Number("DOS"), 7, 0);
  Cell(line, kAddQuantity) = xbase::Value::Num(Cell(line, kAddOrder).number() * goods.Number("DOS"), 10, 0);
  return true;
}

bool SaveAdditionalD1(frame::Session& session, const AdditionalD1& order) {
  PlanDocument document{"D1CBNG1", "D1CBNG2", order.number, {}, {}};
  const xbase::Value date = xbase::Value::FromDate(order.date);
  document.header = {{"KD_CB", xbase::Value::Text(order.branch)},
                     {"TANGGAL", date},
                     {"TGKIRIM", xbase::Value::FromDate(order.ship)},
                     {"TGINPUT", date},
                     {"OPERATOR", xbase::Value::Text(session.MMEMBER.nik)}};
  for (const console::ValueRow& line : order.lines) {
    if (xbase::IsBlank(line[kAddCode - 1].text())) continue;
    const double position = static_cast<double>(document.lines.size() + 1);
    document.lines.push_back({{"KODE", line[kAddCode - 1]},
                              {"URUTAN", xbase::Value::Text(xbase::Str(position, 3))},
                              {"CARTON", xbase::Value::Num(line[kAddOrder - 1].number())},
                              {"QUANTITY", xbase::Value::Num(line[kAddQuantity - 1].number())}});
  }
  return SavePlanDocument(session, document);
}

}  // namespace purchasing
