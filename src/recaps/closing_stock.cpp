// The closing-stock posting: the quantity of every item rebuilt from its whole movement history up to
// a date, valued at the moving average cost, into the ST_ figures of RKP_BRC and RKP_CAB.
#include <string>
#include <unordered_map>
#include <vector>

#include "frame/status_display.h"
#include "performance/performance.h"
#include "recaps/recap_posting.h"
#include "recaps/recap_sums.h"
#include "recaps/recap_tables.h"

namespace recaps {
namespace {

// What a movement line needs of its document header.
struct Header {
  xbase::Date date;
  double off = 1;          // both header discounts as one factor
  bool with_vat = false;   // CODE_ID "0   ": prices include VAT
};

// The lines of one kind of movement, found by item code, with their headers.
class Movements {
 public:
  Movements(const frame::OpenedTables& tables, std::string_view lines, std::string_view line_order,
            std::string_view header, std::string_view number_field)
      : lines_(tables[lines]), header_(tables[header]), line_order_(line_order), number_field_(number_field) {}

  // Calls visit(line area, header) for each line of `item` whose document is dated on or before `date`.
  template <typename Visit>
  xbase::Status ForEach(const std::string& item, xbase::Date date, Visit visit) {
    xbase::Status s = lines_.SetOrder(line_order_);
    if (s.ok()) s = lines_.SeekAll(item, &records_);
    for (size_t i = 0; s.ok() && i < records_.size(); ++i) {
      s = lines_.GoTo(records_[i]);
      Header header;
      if (s.ok()) s = HeaderOf(lines_.Text(number_field_), &header);
      if (s.ok() && header.date <= date) visit(lines_, header);
    }
    return s;
  }

 private:
  xbase::Status HeaderOf(const std::string& number, Header* header) {
    if (const auto at = known_.find(number); at != known_.end()) {
      *header = at->second;
      return xbase::Status::OK();
    }
    xbase::Status s = header_.SetOrder(1);
    if (s.ok()) s = header_.Seek(number);
    if (!s.ok()) return s;
    // A line without its header reads the blank header, as a relation does: no date, no discounts.
    if (header_.found()) {
      header->date = header_.DateOf("TANGGAL");
      if (header_.Field("DISCOUNT").valid()) {
        header->off = Off(header_.Number("DISCOUNT")) * Off(header_.Number("DISCOUNT2"));
        header->with_vat = header_.Text("CODE_ID") == "0   ";
      }
    }
    known_.emplace(number, *header);
    return s;
  }

  xbase::WorkArea& lines_;
  xbase::WorkArea& header_;
  std::string line_order_;
  std::string number_field_;
  std::vector<uint32_t> records_;
  std::unordered_map<std::string, Header> known_;
};

class ClosingStock {
 public:
  ClosingStock(frame::Session& session, const frame::OpenedTables& tables, xbase::Date date)
      : session_(session),
        tables_(tables),
        date_(date),
        period_(PeriodOf(date)),
        branch_sums_(tables["RKP_BRC"], {"CABANG", "PERIODE"}, {"ST_"}, {"ST_"}),
        item_sums_(tables["RKP_CAB"], {"CABANG", "PERIODE", "KODE"}, {"ST_"}, {"ST_"}) {}

  xbase::Status Run() {
    xbase::WorkArea& stock = tables_["STOKBRG"];
    xbase::WorkArea& goods = tables_["MASTBRJ"];
    xbase::Status s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.GoTop();
    std::string last_item;
    while (s.ok() && !stock.eof()) {
      const std::string item = stock.Text("KODE");
      // Rows of the other warehouses of an item add nothing: its movements count once.
      if (item != last_item) {
        s = goods.Seek(item);
        if (s.ok()) s = Item(item, goods.found() ? &goods : nullptr);
        last_item = item;
      }
      if (s.ok()) s = stock.Skip();
    }
    if (s.ok()) s = branch_sums_.Write("RKP_BRC2", period_);
    if (s.ok()) s = item_sums_.Write("RKP_CAB3", period_);
    return s;
  }

 private:
  xbase::Status Item(const std::string& item, const xbase::WorkArea* goods) {
    double average = 0, quantity = 0, carton_size = 0;
    if (goods != nullptr) {
      average = goods->Number("HRG_RATA") == 0 ? goods->Number("HARGA4") : goods->Number("HRG_RATA");
      carton_size = goods->Number("DOS");
    }
    const auto enter = [&](double added, double price) {
      average = quantity + added == 0 ? 0 : (quantity * average + added * price) / (quantity + added);
    };
    xbase::Status s = Adjustments(item, [&](double added, double price) {
      if (added > 0) enter(added, price);
      quantity += added;
    });
    if (s.ok()) {
      s = receipts_.ForEach(item, date_, [&](const xbase::WorkArea& line, const Header& header) {
        const double price = (header.with_vat ? line.Number("HARGA") / 1.1 : line.Number("HARGA")) *
                             Off(line.Number("DISCOUNT")) * Off(line.Number("DISCOUNT2")) * header.off;
        enter(line.Number("QUANTITY"), price);
        quantity += line.Number("QUANTITY");
      });
    }
    const auto move = [&](int sign) {
      return [&quantity, sign](const xbase::WorkArea& line, const Header&) { quantity += sign * line.Number("QUANTITY"); };
    };
    if (s.ok()) s = purchase_returns_.ForEach(item, date_, move(-1));
    if (s.ok()) s = deliveries_.ForEach(item, date_, move(-1));
    if (s.ok()) s = sales_returns_.ForEach(item, date_, move(1));
    if (s.ok()) s = transfers_in_.ForEach(item, date_, move(1));
    if (s.ok()) s = transfers_out_.ForEach(item, date_, move(-1));
    if (!s.ok() || quantity == 0) return s;
    const double value = quantity * average;
    double cartons = 0;
    if (s = performance::KONVERSIBOX(session_, item, quantity, carton_size, value, &cartons); !s.ok()) return s;
    const std::string branch(kStockBranch);
    branch_sums_.Add({branch, period_}, 0, quantity, cartons, value / 1000);
    item_sums_.Add({branch, period_, item}, 0, quantity, cartons, value / 1000);
    return s;
  }

  // The adjustments of the item dated on or before the date: enter(quantity, average price).
  template <typename Enter>
  xbase::Status Adjustments(const std::string& item, Enter enter) {
    xbase::WorkArea& adjustments = tables_["JUSTMEN"];
    xbase::Status s = adjustments.SetOrder("JUSTMEN2");
    if (s.ok()) s = adjustments.SeekAll(item, &records_);
    for (size_t i = 0; s.ok() && i < records_.size(); ++i) {
      s = adjustments.GoTo(records_[i]);
      if (s.ok() && adjustments.DateOf("TANGGAL") <= date_) {
        enter(adjustments.Number("QUANTITY"), adjustments.Number("HRG_RATA"));
      }
    }
    return s;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  xbase::Date date_;
  std::string period_;
  RecapSums branch_sums_;
  RecapSums item_sums_;
  std::vector<uint32_t> records_;
  Movements receipts_{tables_, "BPBELI2", "BPBELI22", "BPBELI1", "NO_BPB"};
  Movements purchase_returns_{tables_, "RTBELI2", "RTBELI22", "RTBELI1", "NOMOR"};
  Movements deliveries_{tables_, "SRTJLN2", "SRTJLN22", "SRTJLN1", "INVOICE"};
  Movements sales_returns_{tables_, "RTJUAL2", "RTJUAL22", "RTJUAL1", "NOMOR"};
  Movements transfers_in_{tables_, "MTSDBT2", "MTSDBT22", "MTSDBT1", "NOMOR"};
  Movements transfers_out_{tables_, "MTSKDT2", "MTSKDT22", "MTSKDT1", "NOMOR"};
};

}  // namespace

bool PostClosingStock(frame::Session& session, xbase::Date date) {
  const frame::OpenedTables tables = OpenTables(session, {{"RKP_BRC", {}, true},
                                                          {"RKP_CAB", {}, true},
                                                          {"KONVERT", "konvert"},
                                                          {"MASTBRJ"},
                                                          {"STOKBRG"},
                                                          {"JUSTMEN"},
                                                          {"BPBELI1"},
                                                          {"BPBELI2"},
                                                          {"RTBELI1"},
                                                          {"RTBELI2"},
                                                          {"SRTJLN1"},
                                                          {"SRTJLN2"},
                                                          {"RTJUAL1"},
                                                          {"RTJUAL2"},
                                                          {"MTSDBT1"},
                                                          {"MTSDBT2"},
                                                          {"MTSKDT1"},
                                                          {"MTSKDT2"}});
  if (!tables) return false;
  const xbase::Status status = ClosingStock(session, tables, date).Run();
  const xbase::Status closed = session.tables().CloseAll();
  return frame::Checked(session, status) && frame::Checked(session, closed);
}

}  // namespace recaps
