// Stock documents written for the stock tests and their rows read back as text.
#include "stock/stock_rows_helpers.h"

#include "platform/workstation_settings.h"
#include "support/files.h"
#include "xbase/ini_file.h"
#include "xbase/text_functions.h"

namespace stock::testing {

using support::N;
using support::T;

xbase::Value Day(int year, int month, int day) { return xbase::Value::FromDate(xbase::Date::FromYmd(year, month, day)); }

StockTest::StockTest()
    : data({"MASTBRJ", "MASTGDG", "STOKBRG", "MASTSUP", "MASTCUS", "SETUP", "JUSTMEN", "BPBELI1", "BPBELI2",
            "RTBELI1", "RTBELI2", "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "MTSDBT1", "MTSDBT2", "MTSKDT1",
            "MTSKDT2", "OPNAME", "MASTGOL", "BREPACK", "HREPACK", "KD_GL11", "KD_GL12", "KD_GL21", "KD_GL22",
            "KD_GL31", "KD_GL32", "TRANSAK"}) {
  rig.session.SetSearchPath(data.path());
  rig.session.TMPFILELAP_ = reports.path();
  platform::WorkstationSettings settings;
  EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
  rig.session.services().Configure(std::move(settings));
}

void StockTest::Document(const std::string& table, const std::string& number, xbase::Value date,
                         const std::vector<Line>& lines, support::Row header) {
  const std::string number_field = table == "BPBELI" ? "NO_BPB" : table == "SRTJLN" ? "INVOICE" : "NOMOR";
  header.insert(header.begin(), {{number_field, T(number)}, {"TANGGAL", date}});
  support::AddRows(support::Open(rig.session, table + "1"), {header});
  for (const Line& line : lines) {
    support::Row row = {{number_field, T(number)}, {"KODE", T(line.item)},       {"GUDANG", T(line.warehouse)},
                        {"QUANTITY", N(line.quantity)}, {"HARGA", N(line.price)}, {"HRG_RATA", N(line.average)}};
    if (line.discount != 0) row.push_back({"DISCOUNT", N(line.discount)});
    if (!line.note.empty()) row.push_back({"KTR", T(line.note)});
    support::AddRows(support::Open(rig.session, table + "2"), {row});
  }
}

void StockTest::Adjustment(const std::string& number, xbase::Value date, const Line& line) {
  support::AddRows(support::Open(rig.session, "JUSTMEN"),
                   {{{"NOMOR", T(number)}, {"TANGGAL", date}, {"KODE", T(line.item)}, {"GUDANG", T(line.warehouse)},
                     {"QUANTITY", N(line.quantity)}, {"HARGA", N(line.price)}, {"HRG_RATA", N(line.average)}}});
}

std::vector<std::string> StockTest::Rows(const std::string& table, const std::vector<std::string>& fields) {
  xbase::WorkArea* area = rig.session.tables().Area(table);
  if (area == nullptr) area = &support::Open(rig.session, table);
  std::vector<std::string> rows;
  EXPECT_TRUE(area->table().RefreshCount().ok());
  for (uint32_t recno = 1; recno <= area->table().record_count(); ++recno) {
    EXPECT_TRUE(area->GoTo(recno).ok());
    std::string row = area->deleted() ? "*" : "";
    for (const std::string& field : fields) {
      if (!row.empty() && row != "*") row += ' ';
      row += field + "=" + std::string(xbase::AllTrim(area->table().Bytes(area->Field(field))));
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::string text = support::ReadFile(path), line;
  for (const char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  return lines;
}

}  // namespace stock::testing
