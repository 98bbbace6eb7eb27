// The generator of a busy branch's two years: goods, customers and their documents written through the runtime.
#include "busy_branch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "site/data_folder.h"
#include "site/demo_data.h"
#include "site/folder_writer.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace bench {
namespace {

constexpr uint64_t kSeed = 20261208;
constexpr int kDays = 730;
constexpr int kPurchaseLinesPerReceipt = 20;
// Picks concentrate on the first goods and customers: index n * u^k of a uniform u.
constexpr double kGoodsSkew = 2.1;
constexpr double kCustomerSkew = 2.0;
// Of a hundred lines, this many leave the main warehouse; the rest the shop's.
constexpr int kMainWarehouseShare = 85;

int AtLeastOne(double count) { return std::max(1, static_cast<int>(std::lround(count))); }

// splitmix64: the same numbers from the seed on every platform and library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  // Uniform in [0, 1).
  double Uniform() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }
  // Uniform in [0, n).
  int Below(int n) { return std::min(n - 1, static_cast<int>(Uniform() * n)); }
  // In [0, n), index 0 the likeliest.
  int Skewed(int n, double skew) { return std::min(n - 1, static_cast<int>(n * std::pow(Uniform(), skew))); }

 private:
  uint64_t state_;
};

double Cents(double value) { return std::round(value * 100) / 100; }

std::string Numbered(const char* prefix, int number, int width) { return prefix + xbase::StrZero(number, width); }

struct Item {
  std::string code;
  std::string name;
  std::string group;
  double price = 0;
  double cost = 0;
  int carton = 12;
  std::map<std::string, double> stock;  // per warehouse
  std::map<std::string, int> movements;
};

struct Customer {
  std::string code;
  std::string salesman;
  double open = 0;
  int notes = 0;
};

class Generator {
 public:
  Generator(const std::string& dir, double scale, BusyBranchFacts* facts)
      : writer_(dir), shape_(BusyBranchShape().Scaled(scale)), facts_(*facts) {
    facts_.scale = scale;
  }

  xbase::Status Run() {
    Masters();
    xbase::Status s = Purchases();
    if (s.ok()) s = Notes();
    if (s.ok()) s = Receipts();
    if (s.ok()) s = Targets();
    if (s.ok()) s = Goods();
    if (s.ok()) s = Customers();
    if (s.ok()) s = writer_.Finish();
    return s;
  }

 private:
  xbase::Date Day(int n, int of) const {
    return facts_.today - kDays + static_cast<int>(static_cast<int64_t>(n) * kDays / std::max(1, of));
  }

  std::string Warehouse() {
    return random_.Below(100) < kMainWarehouseShare ? site::kDemoWarehouse : site::kSecondWarehouse;
  }

  void Masters() {
    const auto demo_goods = site::DemoGoodsList();
    for (int i = 0; i < shape_.goods; ++i) {
      Item item;
      item.code = Numbered("BB", i, 5);
      item.name = "BARANG " + xbase::StrZero(i, 5);
      item.group = demo_goods[static_cast<size_t>(i) % demo_goods.size()].golongan;
      item.price = 2500 + 500 * random_.Below(200);
      item.cost = Cents(item.price * 0.8);
      item.carton = 6 * (1 + random_.Below(4));
      items_.push_back(std::move(item));
    }
    static const char* const kSalesmen[] = {"S001", "S002", "S003"};
    for (int i = 0; i < shape_.customers; ++i) {
      customers_.push_back({Numbered("JB", i, 5), kSalesmen[random_.Below(3)], 0, 0});
    }
  }

  xbase::Status Purchases() {
    xbase::Status s;
    const int receipts = (shape_.purchase_lines + kPurchaseLinesPerReceipt - 1) / kPurchaseLinesPerReceipt;
    int line = 0;
    for (int r = 0; r < receipts && s.ok(); ++r) {
      const std::string number = Numbered("BPB", r + 1, 7);
      const std::string warehouse = Warehouse();
      const xbase::Date date = Day(r, receipts);
      s = writer_.Add("BPBELI1", {{"NO_BPB", number},
                                  {"SUPLIER", site::kDemoSupplier},
                                  {"KDCB", kBranch},
                                  {"GUDANG", warehouse},
                                  {"TANGGAL", date},
                                  {"CODE_ID", "0"},
                                  {"CETAK", true},
                                  {"TG_INPUT", date},
                                  {"OPERATOR", site::kDemoNik}});
      for (int l = 0; l < kPurchaseLinesPerReceipt && line < shape_.purchase_lines && s.ok(); ++l, ++line) {
        Item& item = items_[static_cast<size_t>(random_.Skewed(shape_.goods, kGoodsSkew))];
        const int quantity = item.carton * (5 + random_.Below(14));
        s = writer_.Add("BPBELI2", {{"NO_BPB", number},
                                    {"KODE", item.code},
                                    {"GUDANG", warehouse},
                                    {"Q_PCS", quantity},
                                    {"QUANTITY", quantity},
                                    {"HARGA", item.cost},
                                    {"KTR", item.name},
                                    {"URUTAN", xbase::Str(l + 1, 3)},
                                    {"HRG_RATA", item.cost}});
        item.stock[warehouse] += quantity;
        ++item.movements[warehouse];
      }
      ++facts_.purchases;
    }
    facts_.purchase_lines = line;
    return s;
  }

  // The notes paid by the receipts: the oldest ones, one or two to a receipt.
  int PaidNotes() const {
    const int lines = shape_.receipts / 2 * 3 + shape_.receipts % 2;
    return std::min(lines, shape_.notes);
  }

  xbase::Status Notes() {
    xbase::Status s;
    // From one line to twice the average less one, so that the lines average out to the shape's.
    const double spread = 2.0 * shape_.note_lines / shape_.notes - 1;
    const int paid = PaidNotes();
    for (int n = 0; n < shape_.notes && s.ok(); ++n) {
      Customer& customer = customers_[static_cast<size_t>(random_.Skewed(shape_.customers, kCustomerSkew))];
      const std::string invoice = Numbered("SJ", n + 1, 8);
      const xbase::Date date = Day(n, shape_.notes);
      const int lines = 1 + static_cast<int>(random_.Uniform() * spread);
      double value = 0;
      for (int l = 0; l < lines && s.ok(); ++l) {
        Item& item = items_[static_cast<size_t>(random_.Skewed(shape_.goods, kGoodsSkew))];
        const std::string warehouse = Warehouse();
        const int quantity = 1 + random_.Below(24);
        const double discount = random_.Below(10) < 3 ? 2.5 : 0;
        value += Cents(quantity * item.price * (100 - discount) / 100);
        s = writer_.Add("SRTJLN2", {{"INVOICE", invoice},
                                    {"KODE", item.code},
                                    {"GUDANG", warehouse},
                                    {"Q_PCS", quantity},
                                    {"QUANTITY", quantity},
                                    {"HARGA", item.price},
                                    {"DISCOUNT", discount},
                                    {"KTR", item.name},
                                    {"URUTAN", xbase::Str(l + 1, 3)},
                                    {"URUT", xbase::Str(l + 1, 3)},
                                    {"HRG_RATA", item.cost}});
        item.stock[warehouse] -= quantity;
        ++item.movements[warehouse];
        ++facts_.note_lines;
      }
      if (s.ok()) {
        s = writer_.Add("SRTJLN1", {{"INVOICE", invoice},
                                    {"TANGGAL", date},
                                    {"RELASI", customer.code},
                                    {"TIPE", "01"},
                                    {"SALES", customer.salesman},
                                    {"KDCB", kBranch},
                                    {"TEMPO", date + 30},
                                    {"TERM", 30},
                                    {"PESAN", date},
                                    {"KIRIM", date},
                                    {"CODE_ID", "0"},
                                    {"INCLUDE", true},
                                    {"CETAK", true},
                                    {"TG_INPUT", date},
                                    {"OPERATOR", site::kDemoNik}});
      }
      const double credit = n < paid ? value : 0;
      if (s.ok()) {
        s = writer_.Add("PIUTDBT", {{"NOTA", invoice},
                                    {"TANGGAL", date},
                                    {"KDCB", kBranch},
                                    {"RELASI", customer.code},
                                    {"TIPE", "01"},
                                    {"SALES", customer.salesman},
                                    {"CODE_ID", "0"},
                                    {"DEBET", value},
                                    {"KREDIT", credit},
                                    {"TEMPO", date + 30},
                                    {"APPROVAL", true},
                                    {"TGINPUT", date},
                                    {"OPERATOR", site::kDemoNik}});
      }
      note_values_.push_back(value);
      customer.open += value - credit;
      ++customer.notes;
      ++facts_.notes;
      ++facts_.receivables;
    }
    return s;
  }

  // Receipt r pays the next one note (r even) or two (r odd), dated a month after the last of them.
  xbase::Status Receipts() {
    xbase::Status s;
    int note = 0;
    for (int r = 0; r < shape_.receipts && note < shape_.notes && s.ok(); ++r) {
      const std::string number = Numbered("B", r + 1, 9);
      const int lines = std::min(1 + r % 2, shape_.notes - note);
      const xbase::Date date = std::min(Day(note + lines - 1, shape_.notes) + 30, facts_.today - 1);
      s = writer_.Add("PIUTKR1", {{"KDCB", kBranch},
                                  {"NOMOR", number},
                                  {"TANGGAL", date},
                                  {"CETAK", true},
                                  {"KIRIMAN", false},
                                  {"TGINPUT", date},
                                  {"OPERATOR", site::kDemoNik}});
      for (int l = 0; l < lines && s.ok(); ++l, ++note) {
        s = writer_.Add("PIUTKR2", {{"KDCB", kBranch},
                                    {"NOMOR", number},
                                    {"NOTA", Numbered("SJ", note + 1, 8)},
                                    {"KD_TT", r % 3 == 0 ? "BT" : "CS"},
                                    {"KREDIT", note_values_[static_cast<size_t>(note)]},
                                    {"URUT", xbase::Str(l + 1, 3)}});
        ++facts_.receipt_lines;
      }
      ++facts_.receipts;
    }
    return s;
  }

  // A monthly target per salesman for the busiest goods.
  xbase::Status Targets() {
    xbase::Status s;
    static const char* const kSalesmen[] = {"S001", "S002", "S003"};
    const int per_month = std::max(1, shape_.targets / 24);
    for (int t = 0; t < shape_.targets && s.ok(); ++t) {
      const int month = t / per_month % 24;
      const xbase::Date date = xbase::Date::FromYmd(facts_.today.year() - 1 + month / 12, 1 + month % 12, 1);
      const Item& item = items_[static_cast<size_t>(t % per_month % shape_.goods)];
      s = writer_.Add("TARGET", {{"NOMOR", Numbered("T", t + 1, 9)},
                                 {"TANGGAL", date},
                                 {"KDCB", kBranch},
                                 {"SALES", kSalesmen[t % 3]},
                                 {"KODE", item.code},
                                 {"BGTQTY", 100},
                                 {"BGTVAL", 100 * item.price}});
      ++facts_.targets;
    }
    return s;
  }

  // The goods with their stock in each warehouse they moved in.
  xbase::Status Goods() {
    xbase::Status s;
    for (const Item& item : items_) {
      double total = 0;
      int movements = 0;
      for (const auto& [warehouse, quantity] : item.stock) {
        if (s.ok()) {
          s = writer_.Add("STOKBRG", {{"KODE", item.code},
                                      {"GUDANG", warehouse},
                                      {"JUMLAH", quantity},
                                      {"HRG_BELI", item.cost},
                                      {"HRG_RATA", item.cost}});
        }
        total += quantity;
        const int here = item.movements.at(warehouse);
        movements += here;
        if (here > facts_.busiest_item_movements_there) {
          facts_.busiest_item_movements_there = here;
          facts_.busiest_warehouse = warehouse;
        }
      }
      if (movements > facts_.busiest_item_movements) {
        facts_.busiest_item_movements = movements;
        facts_.busiest_item = item.code;
      }
      if (!s.ok()) break;
      s = writer_.Add("MASTBRJ", {{"KODE", item.code},
                                  {"GOLONGAN", item.group},
                                  {"NAMA", item.name},
                                  {"NAMA2", item.name},
                                  {"SATUAN", "PCS"},
                                  {"JUMLAH", total},
                                  {"HARGA", item.price},
                                  {"HARGA1", item.price},
                                  {"HARGA2", item.price},
                                  {"PAK", item.carton / 6},
                                  {"DOS", item.carton},
                                  {"HPP", item.cost},
                                  {"HARGA4", item.cost},
                                  {"HRG_BELI", item.cost},
                                  {"HRG_RATA", item.cost},
                                  {"TG_INPUT", facts_.today - kDays},
                                  {"OPERATOR", site::kAdminNik}});
      ++facts_.goods;
    }
    return s;
  }

  xbase::Status Customers() {
    xbase::Status s;
    for (const Customer& customer : customers_) {
      if (!s.ok()) break;
      s = writer_.Add("MASTCUS", {{"RELASI", customer.code},
                                  {"NAMA", "TOKO " + customer.code},
                                  {"ALAMAT", "JL. PASAR BARU NO. " + std::to_string(customer.notes % 200 + 1)},
                                  {"KOTA", "JAKARTA"},
                                  {"KELOMPOK", "RETL"},
                                  {"TEMPO", 30},
                                  {"TEMPO2", 30},
                                  {"KDSALES", customer.salesman},
                                  {"SALES", 500000000.0},
                                  {"SALDO", Cents(customer.open)},
                                  {"PKP", false},
                                  {"CODE_ID", "0"},
                                  {"TG_INPUT", facts_.today - kDays},
                                  {"OPERATOR", site::kAdminNik}});
      if (customer.notes > facts_.biggest_customer_notes) {
        facts_.biggest_customer_notes = customer.notes;
        facts_.biggest_customer = customer.code;
      }
      ++facts_.customers;
    }
    return s;
  }

  static constexpr const char* kBranch = "JKT001";

  site::FolderWriter writer_;
  BusyBranchShape shape_;
  BusyBranchFacts& facts_;
  Random random_{kSeed};
  std::vector<Item> items_;
  std::vector<Customer> customers_;
  std::vector<double> note_values_;
};

}  // namespace

BusyBranchShape BusyBranchShape::Scaled(double scale) const {
  return {AtLeastOne(goods * scale),     AtLeastOne(customers * scale), AtLeastOne(notes * scale),
          AtLeastOne(note_lines * scale), AtLeastOne(receipts * scale), AtLeastOne(purchase_lines * scale),
          AtLeastOne(targets * scale)};
}

xbase::Status MakeBusyBranch(const std::string& dir, double scale, BusyBranchFacts* facts) {
  *facts = BusyBranchFacts();
  facts->today = xbase::Date::FromYmd(2026, 12, 8);
  site::DataFolderOptions options;
  options.demo = true;
  options.today = facts->today;
  xbase::Status s = site::MakeDataFolder(dir, options, nullptr);
  if (s.ok()) s = Generator(dir, scale, facts).Run();
  if (!s.ok()) return s;
  std::ofstream out(std::filesystem::path(dir) / kFactsFile);
  out << FactsText(*facts);
  out.close();
  return out ? xbase::Status::OK() : xbase::Status::IOError(dir, "cannot write the facts file");
}

xbase::Status BusyBranchAt(double scale, std::string* dir, BusyBranchFacts* facts) {
  const char* root = std::getenv("PALUNDA_BENCH_FOLDER");
  const std::filesystem::path parent = root != nullptr ? root : std::filesystem::temp_directory_path();
  const std::filesystem::path folder = parent / ("busy-branch-" + std::to_string(std::lround(scale * 100)));
  *dir = folder.string();
  std::ifstream in(folder / kFactsFile);
  std::stringstream text;
  text << in.rdbuf();
  if (in && ParseFacts(text.str(), facts) && facts->scale == scale) return xbase::Status::OK();
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::fprintf(stderr, "making %s\n", dir->c_str());
  return MakeBusyBranch(*dir, scale, facts);
}

std::string FactsText(const BusyBranchFacts& f) {
  std::ostringstream out;
  out << "scale " << f.scale << "\ntoday " << f.today.Dtos() << "\ngoods " << f.goods << "\ncustomers "
      << f.customers << "\nnotes " << f.notes << "\nnote_lines " << f.note_lines << "\nreceivables "
      << f.receivables << "\nreceipts " << f.receipts << "\nreceipt_lines " << f.receipt_lines << "\npurchases "
      << f.purchases << "\npurchase_lines " << f.purchase_lines << "\ntargets " << f.targets << "\nbusiest_item "
      << f.busiest_item << "\nbusiest_item_movements " << f.busiest_item_movements << "\nbusiest_warehouse "
      << f.busiest_warehouse << "\nbusiest_item_movements_there " << f.busiest_item_movements_there
      << "\nbiggest_customer " << f.biggest_customer << "\nbiggest_customer_notes " << f.biggest_customer_notes
      << "\n";
  return out.str();
}

bool ParseFacts(const std::string& text, BusyBranchFacts* f) {
  std::istringstream in(text);
  std::map<std::string, std::string> values;
  for (std::string key, value; in >> key >> value;) values[key] = value;
  const auto number = [&](const char* key, int* out) {
    if (values.count(key) == 0) return false;
    *out = std::atoi(values[key].c_str());
    return true;
  };
  bool ok = values.count("scale") > 0 && values.count("today") > 0 && values.count("busiest_item") > 0 &&
            values.count("biggest_customer") > 0 && values.count("busiest_warehouse") > 0;
  if (!ok) return false;
  f->scale = std::atof(values["scale"].c_str());
  f->today = xbase::Date::FromDtos(values["today"]);
  f->busiest_item = values["busiest_item"];
  f->busiest_warehouse = values["busiest_warehouse"];
  f->biggest_customer = values["biggest_customer"];
  return number("goods", &f->goods) && number("customers", &f->customers) && number("notes", &f->notes) &&
         number("note_lines", &f->note_lines) && number("receivables", &f->receivables) &&
         number("receipts", &f->receipts) && number("receipt_lines", &f->receipt_lines) &&
         number("purchases", &f->purchases) && number("purchase_lines", &f->purchase_lines) &&
         number("targets", &f->targets) && number("busiest_item_movements", &f->busiest_item_movements) &&
         number("busiest_item_movements_there", &f->busiest_item_movements_there) &&
         number("biggest_customer_notes", &f->biggest_customer_notes);
}

}  // namespace bench
