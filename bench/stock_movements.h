// A data folder of stock movements for the stock benchmarks: every movement table with its headers,
// filled without indexes and indexed in bulk afterwards, as an index rebuild leaves a folder.
#ifndef PALUNDA_BENCH_STOCK_MOVEMENTS_H_
#define PALUNDA_BENCH_STOCK_MOVEMENTS_H_

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "console/clock.h"
#include "console/console.h"
#include "bench_support.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "schema/rebuild_indexes.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace bench {

// The line tables in the order of their movement ids, with their headers and number fields.
struct Family {
  const char* lines;
  const char* header;
  const char* number;
};
inline const std::vector<Family> kFamilies = {{"BPBELI2", "BPBELI1", "NO_BPB"}, {"RTBELI2", "RTBELI1", "NOMOR"},
                                              {"SRTJLN2", "SRTJLN1", "INVOICE"}, {"RTJUAL2", "RTJUAL1", "NOMOR"},
                                              {"MTSDBT2", "MTSDBT1", "NOMOR"},   {"MTSKDT2", "MTSKDT1", "NOMOR"}};

class StockFolder {
 public:
  explicit StockFolder(const std::string& name)
      : path_((std::filesystem::temp_directory_path() / name).string()) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    for (const char* table : {"MASTBRJ", "MASTGDG", "STOKBRG", "MASTSUP", "MASTCUS", "JUSTMEN", "BPBELI1", "BPBELI2",
                              "RTBELI1", "RTBELI2", "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "MTSDBT1", "MTSDBT2",
                              "MTSKDT1", "MTSKDT2"}) {
      Must(schema::CreateTable(*schema::FindTable(table), path_));
      tables_.push_back(table);
    }
    session.SetSearchPath(path_);
  }
  ~StockFolder() {
    Must(session.tables().CloseAll());
    std::filesystem::remove_all(path_);
  }

  static std::string Code(int item) { return Text("K%d", 100000 + item); }

  // `lines` movement lines of each of `items` items in `warehouses` warehouses, spread over the line
  // tables (half of them delivery notes) and dated over a year, ten lines to a document; then every
  // index built.
  void Fill(int items, int warehouses, int lines) {
    std::vector<xbase::WorkArea*> areas;
    for (const std::string& table : tables_) {
      xbase::WorkArea* area = nullptr;
      Must(session.tables().Use(table, table, xbase::OpenMode::kExclusive, &area));
      areas.push_back(area);
    }
    for (int item = 0; item < items; ++item) {
      Add("MASTBRJ", {{"KODE", xbase::Value::Text(Code(item))}, {"NAMA", xbase::Value::Text(Text("BARANG K%d", 100000 + item))}});
    }
    // Per line table: the documents made and the lines of the last one.
    std::vector<long> documents(kFamilies.size(), 0), in_document(kFamilies.size(), 0);
    for (int item = 0; item < items; ++item) {
      for (int w = 0; w < warehouses; ++w) {
        const std::string warehouse = Text("G%d", w + 1);
        for (int n = 0; n < lines; ++n) {
          // Of ten lines: two receipts, a purchase return, five delivery notes, a sales return, a mutation half.
          static constexpr size_t kOfTen[] = {0, 2, 1, 2, 2, 3, 2, 0, 2, 4};
          const size_t family = n % 10 == 9 ? 4 + static_cast<size_t>(n / 10 % 2) : kOfTen[n % 10];
          const Family& f = kFamilies[family];
          if (in_document[family]++ % 10 == 0) {
            ++documents[family];
            Add(f.header, {{f.number, xbase::Value::Text(Number(family, documents[family]))},
                           {"TANGGAL", xbase::Value::FromDate(xbase::Date::FromYmd(2026, 1, 1) + n * 365 / lines)}});
          }
          Add(f.lines, {{f.number, xbase::Value::Text(Number(family, documents[family]))},
                        {"KODE", xbase::Value::Text(Code(item))}, {"GUDANG", xbase::Value::Text(warehouse)},
                        {"QUANTITY", xbase::Value::Num(10 + n % 7)}, {"HARGA", xbase::Value::Num(1000 + n)}});
          ++movements_;
        }
      }
    }
    Must(session.tables().CloseAll());
    for (const std::string& table : tables_) Must(schema::RebuildIndexes(*schema::FindTable(table), path_));
  }

  long movements() const { return movements_; }

  // printf into a string.
  template <typename... Args>
  static std::string Text(const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
  }

  static std::string Number(size_t family, long document) {
    return Text("%.2s%ld", kFamilies[family].lines, document);
  }

  console::ManualClock clock{{xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}};
  AnsweringTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "BENCH"};

 private:
  void Add(const std::string& alias, const std::vector<std::pair<const char*, xbase::Value>>& fields) {
    xbase::WorkArea& area = *session.tables().Area(alias);
    Must(area.Append());
    for (const auto& [field, value] : fields) Must(area.Put(field, value));
  }

  std::string path_;
  std::vector<std::string> tables_;
  long movements_ = 0;
};

}  // namespace bench

#endif  // PALUNDA_BENCH_STOCK_MOVEMENTS_H_
