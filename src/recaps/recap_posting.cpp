// The monthly and yearly recap posting: targets, delivery notes and sales returns of the period summed
// per branch, item, customer and salesman into the six recap tables.
#include "recaps/recap_posting.h"

#include <array>
#include <memory>
#include <vector>

#include "frame/status_display.h"
#include "performance/performance.h"
#include "recaps/recap_sums.h"
#include "recaps/recap_tables.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

struct RecapTable {
  std::string_view name;
  std::vector<std::string> keys;
  std::string_view period_order;
};
enum Recap { kBranch, kBranchItem, kCustomerItem, kCustomer, kSalesmanItem, kSalesmanCustomerItem };
const std::array<RecapTable, 6> kRecapTables = {{
    {"RKP_BRC", {"CABANG", "PERIODE"}, "RKP_BRC2"},
    {"RKP_CAB", {"CABANG", "PERIODE", "KODE"}, "RKP_CAB3"},
    {"RKP_CUS", {"RELASI", "PERIODE", "KODE"}, "RKP_CUS3"},
    {"RKP_RLS", {"RELASI", "PERIODE"}, "RKP_RLS3"},
    {"RKP_SAL", {"SALES", "PERIODE", "KODE"}, "RKP_SAL3"},
    {"RKP_SLR", {"SALES", "RELASI", "PERIODE", "KODE"}, "RKP_SLR3"},
}};
enum Figure : size_t { kTarget, kSales };

std::string Progress(uint32_t recno) { return "Rec. " + xbase::Transform(xbase::Value::Num(recno), "9999999"); }

// One run of the posting over its open tables.
class Posting {
 public:
  Posting(frame::Session& session, const frame::OpenedTables& tables, std::string_view key)
      : session_(session), tables_(tables), key_(key) {
    for (const RecapTable& table : kRecapTables) {
      sums_.push_back(std::make_unique<RecapSums>(tables[table.name], table.keys,
                                                  std::vector<std::string>{"TG_", "JL_"},
                                                  std::vector<std::string>{"TG_", "JL_", "TN_", "CD_"}));
    }
  }

  xbase::Status Run() {
    xbase::Status s = Targets();
    if (s.ok()) s = Documents("SRTJLN1", "SRTJLN12", "SRTJLN2", "SRTJLN21", "INVOICE", 1);
    if (s.ok()) s = Documents("RTJUAL1", "RTJUAL12", "RTJUAL2", "RTJUAL21", "NOMOR", -1);
    for (size_t i = 0; i < kRecapTables.size() && s.ok(); ++i) s = sums_[i]->Write(kRecapTables[i].period_order, key_);
    return s;
  }

 private:
  void Add(Recap recap, std::initializer_list<std::string_view> keys, Figure figure, double quantity, double cartons,
           double value) {
    sums_[recap]->Add(keys, figure, quantity, cartons, value);
  }

  // POSTARGET: each target of the period to its branch rows and, with a salesman, its salesman row.
  xbase::Status Targets() {
    xbase::WorkArea& target = tables_["TARGET"];
    xbase::Status s = target.SetOrder("TARGET2");
    if (s.ok()) s = target.Seek(key_, true);
    while (s.ok() && !target.eof() && target.DateOf("TANGGAL").Dtos().starts_with(key_)) {
      const std::string period = PeriodOf(target.DateOf("TANGGAL"));
      const std::string branch = target.Text("KDCB"), item = target.Text("KODE"), salesman = target.Text("SALES");
      const double quantity = target.Number("BGTQTY"), value = target.Number("BGTVAL");
      const double carton_size = cartons_.Number(item, &s);
      double cartons = 0;
      if (s.ok()) s = performance::KONVERSIBOX(session_, item, quantity, carton_size, value, &cartons);
      if (!s.ok()) break;
      Add(kBranch, {branch, period}, kTarget, quantity, cartons, value);
      Add(kBranchItem, {branch, period, item}, kTarget, quantity, cartons, value);
      if (!xbase::IsBlank(salesman)) Add(kSalesmanItem, {salesman, period, item}, kTarget, quantity, cartons, value);
      if (s.ok()) s = target.Skip();
    }
    return s;
  }

  // POSVIRNO: the lines of every uncancelled document of the period, added (sign 1) or taken off (-1).
  xbase::Status Documents(std::string_view header_table, std::string_view date_order, std::string_view line_table,
                          std::string_view number_order, std::string_view number_field, int sign) {
    xbase::WorkArea& header = tables_[header_table];
    xbase::WorkArea& lines = tables_[line_table];
    console::Console& con = session_.console();
    std::vector<uint32_t> records;
    xbase::Status s = header.SetOrder(date_order);
    if (s.ok()) s = lines.SetOrder(number_order);
    if (s.ok()) s = header.Seek(key_, true);
    while (s.ok() && !header.eof() && header.DateOf("TANGGAL").Dtos().starts_with(key_)) {
      con.Say(24, 0, Progress(header.recno()));
      if (!header.Logical("BATAL")) {
        const std::string period = PeriodOf(header.DateOf("TANGGAL"));
        const std::string customer = header.Text("RELASI"), salesman = header.Text("SALES");
        const std::string branch = Branch(customer, &s);
        const double header_off = Off(header.Number("DISCOUNT")) * Off(header.Number("DISCOUNT2"));
        if (s.ok()) s = lines.SeekAll(header.Text(number_field), &records);
        for (size_t i = 0; s.ok() && i < records.size(); ++i) {
          s = lines.GoTo(records[i]);
          if (!s.ok()) break;
          con.Say(24, 65, Progress(lines.recno()));
          const std::string item = lines.Text("KODE");
          const double quantity = lines.Number("QUANTITY");
          const double value = quantity * lines.Number("HARGA") * Off(lines.Number("DISCOUNT")) *
                               Off(lines.Number("DISCOUNT2")) * header_off;
          const double carton_size = cartons_.Number(item, &s);
          double cartons = 0;
          if (s.ok()) s = performance::KONVERSIBOX(session_, item, quantity, carton_size, value, &cartons);
          if (!s.ok()) break;
          const double q = sign * quantity, c = sign * cartons, v = sign * value / 1000;
          Add(kBranch, {branch, period}, kSales, q, c, v);
          Add(kBranchItem, {branch, period, item}, kSales, q, c, v);
          Add(kCustomerItem, {customer, period, item}, kSales, q, c, v);
          Add(kCustomer, {customer, period}, kSales, q, c, v);
          Add(kSalesmanItem, {salesman, period, item}, kSales, q, c, v);
          Add(kSalesmanCustomerItem, {salesman, customer, period, item}, kSales, q, c, v);
        }
      }
      if (s.ok()) s = header.Skip();
    }
    return s;
  }

  std::string Branch(const std::string& customer, xbase::Status* status) {
    if (const auto at = branches_.find(customer); at != branches_.end()) return at->second;
    std::string branch;
    *status = TENTUKANCABANG(tables_["setup"], customer, &branch);
    branches_.emplace(customer, branch);
    return branch;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  std::string key_;
  std::vector<std::unique_ptr<RecapSums>> sums_;
  MasterLookup cartons_{tables_["MASTBRJ"], "DOS"};
  std::unordered_map<std::string, std::string> branches_;
};

}  // namespace

std::string PeriodOf(xbase::Date date) { return date.Dtos().substr(0, 6); }

xbase::Status TENTUKANCABANG(xbase::WorkArea& setup, std::string_view customer, std::string* branch) {
  branch->clear();
  for (int length = 1; length <= 5; ++length) {
    // Only the row of exactly this prefix: a seek alone would also land on a longer one ("NMRSJAB"
    // for the prefix "A").
    const std::string key = "NMRSJ" + xbase::PadR(xbase::Left(customer, length), length);
    const xbase::Status s = setup.Seek(key);
    if (!s.ok()) return s;
    if (setup.found() && xbase::RTrim(setup.Text("SETUP")) == key) *branch = std::string(xbase::Left(setup.Text("KET"), 6));
  }
  return xbase::Status::OK();
}

bool PostRecaps(frame::Session& session, std::string_view key) {
  const frame::OpenedTables tables = OpenTables(
      session, {{"RKP_BRC", {}, true}, {"RKP_CAB", {}, true}, {"RKP_CUS", {}, true}, {"RKP_RLS", {}, true},
                {"RKP_SAL", {}, true}, {"RKP_SLR", {}, true}, {"KONVERT", "konvert"}, {"MASTBRJ"}, {"TARGET"},
                {"SETUP", "setup"}, {"SRTJLN1"}, {"SRTJLN2"}, {"RTJUAL1"}, {"RTJUAL2"}});
  if (!tables) return false;
  const xbase::Status status = Posting(session, tables, key).Run();
  const xbase::Status closed = session.tables().CloseAll();
  return frame::Checked(session, status) && frame::Checked(session, closed);
}

}  // namespace recaps
