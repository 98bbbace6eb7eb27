// The demo rows of the sales performance: the product line tree, targets, the supervisor's group, a focus list and the
// incentive settings.
#include <string>

#include "site/demo_data.h"
#include "text/date_helpers.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

// The product lines: a family code ("K1", "M43" ...) followed by the line's own digits, one line per
// goods group, under a head per family; each with its group of kinds and its Pareto class.
struct ProductLine {
  const char* kode;
  const char* nama;
  const char* goods_group;  // the demo goods of this MASTBRJ group belong to it
  const char* induk;
  const char* kel;
  const char* pareto;
};
constexpr ProductLine kProductLines[] = {{"K111", "BUKU & SEKOLAH", "SCHOOL", "K1", "01", "A"},
                                         {"K123", "ALAT TULIS", "WRITING", "K1", "03", "A"},
                                         {"K113", "KERTAS KADO", "GIFTWRAP", "K1", "05", "B"},
                                         {"K212", "AMPLOP", "ENVELOPE", "K2", "04", "B"},
                                         {"K221", "PERLENGKAPAN KANTOR", "OFFICE", "K2", "02", "A"},
                                         {"M431", "TISU", "TISSUE", "M43", "06", "B"}};
struct Head {
  const char* kode;
  const char* nama;
};
constexpr Head kHeads[] = {{"K1", "SEKOLAH & ALAT TULIS"}, {"K2", "KANTOR"}, {"M43", "RUMAH TANGGA"}};

// The area manager's group: the salesmen of the month's rotation (written with the masters) under him.
struct Member {
  const char* sales;
  const char* nama;
};
constexpr Member kGroupMembers[] = {{"S001", "BUDI SANTOSO"}, {"S002", "SITI RAHAYU"}, {"S003", "AGUS PRATAMA"}};
constexpr const char* kSupervisor = "S004";

constexpr const char* kTargetCode = "01";
constexpr const char* kFocusList = "LAPORFOKUS";

// The head and line tree in both its forms, the goods of each line, the Pareto classes and groups of
// kinds, a brand licence over the gift-wrap goods, and the monthly target list over the lines.
xbase::Status Groups(const DemoContext& demo) {
  FolderWriter& w = demo.writer;
  xbase::Status s;
  for (const Head& head : kHeads) {
    if (s.ok()) s = w.Add("PATRON", {{"KODE", head.kode}, {"NAMA", head.nama}, {"LEVEL", 1}, {"GRUP", "H"}});
    if (s.ok()) s = w.Add("PATRON4", {{"KODE", head.kode}, {"NAMA", head.nama}, {"LVL", 1}, {"GRUP", true}});
    for (const ProductLine& line : kProductLines) {
      if (!s.ok() || std::string_view(line.induk) != head.kode) continue;
      s = w.Add("PATRON", {{"KODE", line.kode}, {"NAMA", line.nama}, {"INDUK", line.induk}, {"LEVEL", 4},
                           {"GRUP", "D"}, {"KEL", line.kel}, {"PARETO", line.pareto}, {"PP", true}});
      if (s.ok()) {
        s = w.Add("PATRON4", {{"KODE", line.kode}, {"NAMA", line.nama}, {"INDUK", line.induk}, {"LVL", 2},
                              {"GRUP", false}, {"ITEM", line.kode}});
      }
      if (s.ok()) s = w.Add("MSTARGET2", {{"KDCB", demo.branch}, {"KDTG", kTargetCode}, {"PATRON", line.kode}});
      if (s.ok()) s = w.Add("KELOMPOK", {{"KODE", line.kel}, {"NAMA", line.nama}});
      for (const DemoGoods& goods : DemoGoodsList()) {
        if (s.ok() && std::string_view(goods.golongan) == line.goods_group) {
          // The writing goods are those of the branch's monthly forecast and D1 plan.
          const bool planned = std::string_view(line.goods_group) == kPlannedGroup;
          s = w.Add("PATRON2", {{"PATRON", line.kode},
                                {"KODE", goods.kode},
                                {"STAG", planned ? 1 : goods.dos >= 200 ? 5 : 0},
                                {"STKNAS", planned ? 1 : 0}});
        }
      }
    }
  }
  if (s.ok()) s = w.Add("PATRON", {{"KODE", "L449"}, {"NAMA", "BELUM MASUK GROUP"}, {"LEVEL", 1}, {"GRUP", "D"}});
  for (const auto& [kode, nama] : {std::pair{"A", "PARETO A"}, std::pair{"B", "PARETO B"}}) {
    if (s.ok()) s = w.Add("PARETO", {{"KODE", kode}, {"NAMA", nama}});
  }
  if (s.ok()) s = w.Add("LICENS1", {{"ID", "L01"}, {"NAMA", "LISENSI KARAKTER"}, {"NMFIELD", "L01"}});
  int order = 0;
  for (const DemoGoods& goods : DemoGoodsList()) {
    if (s.ok() && std::string_view(goods.golongan) == "GIFTWRAP") {
      s = w.Add("LICENS2", {{"ID", "L01"}, {"KODE", goods.kode}, {"URUTAN", xbase::StrZero(++order, 3)}});
    }
  }
  if (s.ok()) {
    s = w.Add("MSTARGET1", {{"KDCB", demo.branch}, {"KDTG", kTargetCode}, {"NOTES", "TARGET BULANAN"},
                            {"TG_UPDATE", demo.today}});
  }
  return s;
}

// The supervisor's group.
xbase::Status SupervisorGroup(const DemoContext& demo) {
  xbase::Status s = demo.writer.Add("SPV_SALES", {{"CABANG", demo.branch}, {"KODE", kSupervisor}, {"NAMA", "HENDRA WIJAYA"}});
  for (const Member& member : kGroupMembers) {
    if (s.ok()) s = demo.writer.Add("SALES_MEM", {{"SPVID", kSupervisor}, {"KODE", member.sales}, {"NAMA", member.nama}});
  }
  return s;
}

// Carton targets of two salesmen for each line, a focus list and the tour package.
xbase::Status Targets(const DemoContext& demo) {
  const xbase::Date month = text::TGLAWAL(demo.today);
  xbase::Status s;
  int step = 0;
  for (const char* sales : {"S001", "S002"}) {
    for (const ProductLine& product_line : kProductLines) {
      if (!s.ok()) break;
      const int cartons = 20 + 10 * (step++ % 4);
      s = demo.writer.Add("TGSALES", {{"KDCB", demo.branch}, {"SALES", sales}, {"TANGGAL", month}, {"KDTG", kTargetCode},
                                      {"PATRON", product_line.kode}, {"CARTON", cartons}, {"QUANTITY", cartons * 100},
                                      {"TG_UPDATE", demo.today}});
    }
  }
  int line = 0;
  for (const DemoGoods& goods : DemoGoodsList()) {
    if (s.ok() && line < 4 && std::string_view(goods.golongan) != "TISSUE") {
      s = demo.writer.Add("I_FOKUS", {{"NOMOR", kFocusList}, {"URUT", xbase::Str(++line, 3)}, {"KODE", goods.kode},
                                      {"NAMA", goods.nama}, {"GOLONGAN", goods.golongan}, {"BOX", goods.dos}});
      if (s.ok()) s = demo.writer.Add("PK_TOUR", {{"KODE", goods.kode}, {"GOL", line <= 2 ? "K1" : "K2"}});
    }
  }
  return s;
}

// The PP/PA minimums of the year and the daily targets and incentives.
xbase::Status Settings(const DemoContext& demo) {
  const std::string year = std::to_string(demo.today.year());
  xbase::Status s;
  for (const auto& [kind, sales, supervisor] :
       {std::tuple{"KPP", 1000000, 5000000}, {"KPA", 500000, 2000000}, {"KK3", 250000, 1000000}}) {
    if (s.ok()) s = AddSetting(demo.writer, std::string(kind) + year + "SLS", xbase::Str(sales, 10));
    if (s.ok()) s = AddSetting(demo.writer, std::string(kind) + year + "SPV", xbase::Str(supervisor, 10));
  }
  if (s.ok()) {
    s = AddSetting(demo.writer, "TARGETHARI",
                   xbase::Str(6000000, 10) + xbase::Str(30000000, 10) + xbase::Str(25000, 10) + xbase::Str(150000, 10));
  }
  return s;
}

}  // namespace

xbase::Status AddPerformanceDemo(const DemoContext& demo) {
  xbase::Status s = Groups(demo);
  if (s.ok()) s = SupervisorGroup(demo);
  if (s.ok()) s = Targets(demo);
  if (s.ok()) s = Settings(demo);
  return s;
}

}  // namespace site
