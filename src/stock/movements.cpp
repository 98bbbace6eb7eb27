// The stock movements of an item in a warehouse as every document family stores them: the seven line
// tables, their headers, their ids and signs, and a reader that collects the lines of a code range.
#include "stock/movements.h"

#include <algorithm>
#include <unordered_map>

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

class SourceReader {
 public:
  SourceReader(xbase::Session& tables, const MovementSource& source, const MovementFilter& filter)
      : tables_(tables), source_(source), filter_(filter) {}

  xbase::Status Read(size_t index, std::vector<Movement>* out) {
    xbase::WorkArea* lines = tables_.Area(source_.lines);
    if (lines == nullptr) return xbase::Status::NotFound(source_.lines, "table not open");
    if (!source_.header.empty()) {
      header_ = tables_.Area(source_.header);
      if (header_ == nullptr) return xbase::Status::NotFound(source_.header, "table not open");
    }
    if (filter_.texts && !source_.partner_table.empty()) partners_ = tables_.Area(source_.partner_table);
    std::vector<uint32_t> records;
    xbase::Status s = Records(*lines, &records);
    const std::string warehouse(xbase::RTrim(filter_.warehouse));
    for (size_t i = 0; s.ok() && i < records.size(); ++i) {
      s = lines->GoTo(records[i]);
      if (!s.ok()) break;
      if (lines->hidden()) continue;
      Movement m;
      m.warehouse = lines->Text("GUDANG");
      if (m.warehouse.compare(0, warehouse.size(), warehouse) != 0) continue;
      m.code = lines->Text("KODE");
      if (!InRange(m.code)) continue;
      m.source = index;
      m.recno = records[i];
      m.number = lines->Text(source_.number);
      const double quantity = lines->Number("QUANTITY");
      (source_.sign > 0 ? m.in : m.out) = quantity;
      m.average = lines->Number("HRG_RATA");
      m.price = lines->Number("HARGA");
      if (header_ == nullptr) {
        m.date = lines->DateOf("TANGGAL");
        if (filter_.texts) m.text = "Adjust";
      } else {
        Header header;
        s = HeaderOf(m.number, &header);
        if (!s.ok()) break;
        m.date = header.date;
        m.partner = header.partner;
        if (source_.partner.empty()) {
          if (filter_.texts) m.text = lines->Text("KTR");
        } else {
          double price = m.price * Off(lines->Number("DISCOUNT")) * Off(lines->Number("DISCOUNT2")) * header.off;
          if (index == kReceipts && header.with_vat) price /= 1.1;
          m.price = price;
          if (filter_.texts) s = PartnerName(header.partner, &m.text);
        }
      }
      out->push_back(std::move(m));
    }
    return s;
  }

 private:
  // Every record of the table when no code is asked for; else the records of the code range on the
  // code + warehouse index.
  xbase::Status Records(xbase::WorkArea& lines, std::vector<uint32_t>* records) {
    const std::string from(xbase::RTrim(filter_.from));
    const std::string to(xbase::RTrim(filter_.to));
    if (from.empty() && to.empty()) {
      xbase::Status s = lines.table().RefreshCount();
      for (uint32_t r = 1; s.ok() && r <= lines.table().record_count(); ++r) records->push_back(r);
      return s;
    }
    if (from == to) {
      xbase::Status s = lines.SetOrder(source_.code_order);
      return s.ok() ? lines.SeekAll(from, records) : s;
    }
    xbase::Status s = lines.SetOrder(source_.code_order);
    if (s.ok()) s = lines.Seek(from, true);
    while (s.ok() && !lines.eof() && InRange(lines.Text("KODE"))) {
      records->push_back(lines.recno());
      s = lines.Skip();
    }
    return s;
  }

  bool InRange(const std::string& code) const {
    const std::string_view from = xbase::RTrim(filter_.from);
    const std::string_view to = xbase::RTrim(filter_.to);
    if (std::string_view(code) < from) return false;
    return to.empty() || std::string_view(code).substr(0, to.size()) <= to;
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
  const MovementSource& source_;
  const MovementFilter& filter_;
  xbase::WorkArea* header_ = nullptr;
  xbase::WorkArea* partners_ = nullptr;
  std::unordered_map<std::string, Header> known_;
  std::unordered_map<std::string, std::string> names_;
};

}  // namespace

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

xbase::Status CollectMovements(xbase::Session& tables, const MovementFilter& filter, std::vector<Movement>* out) {
  out->clear();
  for (size_t i = 0; i < std::size(kSources); ++i) {
    SourceReader reader(tables, kSources[i], filter);
    if (xbase::Status s = reader.Read(i, out); !s.ok()) return s;
  }
  std::stable_sort(out->begin(), out->end(), [](const Movement& a, const Movement& b) {
    if (a.code != b.code) return a.code < b.code;
    if (a.warehouse != b.warehouse) return a.warehouse < b.warehouse;
    if (a.date != b.date) return a.date < b.date;
    return kSources[a.source].id < kSources[b.source].id;
  });
  return xbase::Status::OK();
}

}  // namespace stock
