// The stock movements of an item in a warehouse as every document family stores them: the seven line
// tables, their headers, their ids and signs, and a reader that collects the lines of a code range.
#include "stock/movements.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "xbase/index_records.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

constexpr MovementSource kSources[] = {
    {"01", "JUSTMEN", "JUSTMEN2", "", "NOMOR", "", "", 1},
    {"02", "BPBELI2", "BPBELI22", "BPBELI1", "NO_BPB", "SUPLIER", "MASTSUP", 1},
    {"03", "RTBELI2", "RTBELI22", "RTBELI1", "NOMOR", "SUPLIER", "MASTSUP", -1},
    {"05", "SRTJLN2", "SRTJLN22", "SRTJLN1", "INVOICE", "RELASI", "MASTCUS", -1},
    {"06", "RTJUAL2", "RTJUAL22", "RTJUAL1", "NOMOR", "RELASI", "MASTCUS", 1},
    {"06", "MTSDBT2", "MTSDBT22", "MTSDBT1", "NOMOR", "", "", 1},
    {"06", "MTSKDT2", "MTSKDT22", "MTSKDT1", "NOMOR", "", "", -1},
};

double Off(double percent) { return (100 - percent) / 100; }

// What a line needs of its header; a missing header reads blank, as a failed relation does.
struct Header {
  xbase::Date date;
  std::string partner;
  double off = 1;
  bool with_vat = false;
};

bool InRange(const MovementFilter& filter, std::string_view code) {
  const std::string_view from = xbase::RTrim(filter.from);
  const std::string_view to = xbase::RTrim(filter.to);
  if (code < from) return false;
  return to.empty() || code.substr(0, to.size()) <= to;
}

}  // namespace

// The lines of one source: which codes it has, and the lines of one item.
class MovementReader::Source {
 public:
  Source(xbase::Session& tables, size_t index, const MovementFilter& filter)
      : tables_(tables), index_(index), source_(kSources[index]), filter_(filter) {}

  // Adds the codes of the filter's range that have lines here, stepping from code to code on the code
  // + warehouse index.
  xbase::Status Codes(std::set<std::string>* codes) {
    xbase::Status s = Open();
    if (s.ok()) s = lines_->SetOrder(source_.code_order);
    if (s.ok()) s = lines_->Seek(xbase::RTrim(filter_.from), true);
    while (s.ok() && !lines_->eof()) {
      const std::string code = lines_->Text("KODE");
      if (!InRange(filter_, code)) break;
      codes->insert(code);
      s = lines_->Seek(code + '\xff', true);
    }
    return s;
  }

  // Adds the lines of `code` in the filter's warehouses, in the table's order.
  xbase::Status Item(const std::string& code, std::vector<Movement>* out) {
    xbase::Status s = Open();
    if (s.ok()) s = lines_->SetOrder(source_.code_order);
    // Each line is read once: the index gives the records, and Line passes over hidden ones.
    if (s.ok()) {
      s = xbase::IndexRecords(*lines_, lines_->PadToField("KODE", code) + std::string(xbase::RTrim(filter_.warehouse)),
                              &records_);
    }
    std::sort(records_.begin(), records_.end());
    for (size_t i = 0; s.ok() && i < records_.size(); ++i) s = Line(records_[i], out);
    return s;
  }

 private:
  xbase::Status Open() {
    if (lines_ != nullptr) return xbase::Status::OK();
    lines_ = tables_.Area(source_.lines);
    if (lines_ == nullptr) return xbase::Status::NotFound(source_.lines, "table not open");
    if (!source_.header.empty()) {
      header_ = tables_.Area(source_.header);
      if (header_ == nullptr) return xbase::Status::NotFound(source_.header, "table not open");
    }
    if (filter_.texts && !source_.partner_table.empty()) partners_ = tables_.Area(source_.partner_table);
    return xbase::Status::OK();
  }

  xbase::Status Line(uint32_t recno, std::vector<Movement>* out) {
    xbase::Status s = lines_->GoTo(recno);
    if (!s.ok() || lines_->hidden()) return s;
    Movement m;
    m.warehouse = lines_->Text("GUDANG");
    m.code = lines_->Text("KODE");
    m.source = index_;
    m.recno = recno;
    m.number = lines_->Text(source_.number);
    const double quantity = lines_->Number("QUANTITY");
    (source_.sign > 0 ? m.in : m.out) = quantity;
    m.average = lines_->Number("HRG_RATA");
    m.price = lines_->Number("HARGA");
    if (header_ == nullptr) {
      m.date = lines_->DateOf("TANGGAL");
      if (filter_.texts) m.text = "Adjust";
    } else {
      Header header;
      s = HeaderOf(m.number, &header);
      if (!s.ok()) return s;
      m.date = header.date;
      m.partner = header.partner;
      if (source_.partner.empty()) {
        if (filter_.texts) m.text = lines_->Text("KTR");
      } else {
        double price = m.price * Off(lines_->Number("DISCOUNT")) * Off(lines_->Number("DISCOUNT2")) * header.off;
        if (index_ == kReceipts && header.with_vat) price /= 1.1;
        m.price = price;
        if (filter_.texts) s = PartnerName(header.partner, &m.text);
      }
    }
    out->push_back(std::move(m));
    return s;
  }

  xbase::Status HeaderOf(const std::string& number, Header* header) {
    if (const auto at = known_.find(number); at != known_.end()) {
      *header = at->second;
      return xbase::Status::OK();
    }
    xbase::Status s = header_->SetOrder(1);
    if (s.ok()) s = header_->Seek(number);
    if (!s.ok()) return s;
    if (header_->found()) {
      header->date = header_->DateOf("TANGGAL");
      if (!source_.partner.empty()) {
        header->partner = header_->Text(source_.partner);
        header->off = Off(header_->Number("DISCOUNT")) * Off(header_->Number("DISCOUNT2"));
        header->with_vat = header_->Text("CODE_ID") == kVatIncluded;
      }
    }
    known_.emplace(number, *header);
    return s;
  }

  xbase::Status PartnerName(const std::string& code, std::string* name) {
    if (partners_ == nullptr) return xbase::Status::OK();
    if (const auto at = names_.find(code); at != names_.end()) {
      *name = at->second;
      return xbase::Status::OK();
    }
    xbase::Status s = partners_->SetOrder(1);
    if (s.ok()) s = partners_->Seek(code);
    if (!s.ok()) return s;
    *name = partners_->found() ? partners_->Text("NAMA") : std::string();
    names_.emplace(code, *name);
    return s;
  }

  xbase::Session& tables_;
  size_t index_;
  const MovementSource& source_;
  const MovementFilter& filter_;
  xbase::WorkArea* lines_ = nullptr;
  xbase::WorkArea* header_ = nullptr;
  xbase::WorkArea* partners_ = nullptr;
  std::vector<uint32_t> records_;
  std::unordered_map<std::string, Header> known_;
  std::unordered_map<std::string, std::string> names_;
};

std::span<const MovementSource> MovementSources() { return kSources; }

std::vector<std::string_view> MovementTables() {
  std::vector<std::string_view> tables;
  for (const MovementSource& source : kSources) {
    tables.push_back(source.lines);
    if (!source.header.empty()) tables.push_back(source.header);
  }
  tables.push_back("MASTSUP");
  tables.push_back("MASTCUS");
  return tables;
}

double NetPurchasePrice(double price, double line1, double line2, double header1, double header2, bool with_vat) {
  return (with_vat ? price / 1.1 : price) * Off(line1) * Off(line2) * Off(header1) * Off(header2);
}

MovementReader::MovementReader(xbase::Session& tables, const MovementFilter& filter) : filter_(filter) {
  for (size_t i = 0; i < std::size(kSources); ++i) sources_.push_back(std::make_unique<Source>(tables, i, filter_));
}

MovementReader::~MovementReader() = default;

xbase::Status MovementReader::Codes(std::vector<std::string>* codes) {
  std::set<std::string> found;
  xbase::Status s;
  for (size_t i = 0; s.ok() && i < sources_.size(); ++i) s = sources_[i]->Codes(&found);
  codes->assign(found.begin(), found.end());
  return s;
}

xbase::Status MovementReader::Item(const std::string& code, std::vector<Movement>* out) {
  out->clear();
  xbase::Status s;
  for (size_t i = 0; s.ok() && i < sources_.size(); ++i) s = sources_[i]->Item(code, out);
  std::stable_sort(out->begin(), out->end(), [](const Movement& a, const Movement& b) {
    if (a.warehouse != b.warehouse) return a.warehouse < b.warehouse;
    if (a.date != b.date) return a.date < b.date;
    return kSources[a.source].id < kSources[b.source].id;
  });
  return s;
}

xbase::Status CollectMovements(xbase::Session& tables, const MovementFilter& filter, std::vector<Movement>* out) {
  out->clear();
  MovementReader reader(tables, filter);
  std::vector<std::string> codes;
  xbase::Status s = reader.Codes(&codes);
  std::vector<Movement> item;
  for (size_t i = 0; s.ok() && i < codes.size(); ++i) {
    s = reader.Item(codes[i], &item);
    out->insert(out->end(), std::make_move_iterator(item.begin()), std::make_move_iterator(item.end()));
  }
  return s;
}

}  // namespace stock
