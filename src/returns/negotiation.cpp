// A negotiation minute (BAC NEGO): loading one, the checks before a save, and the save.
#include "returns/negotiation.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "console/alert.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/negotiation_records.h"
#include "returns/return_tables.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::T;

namespace {

std::string Position(size_t k) { return xbase::Str(static_cast<double>(k + 1), 3); }

bool Blank(std::string_view text) { return xbase::IsBlank(text); }

// The live rows of a minute in `area` on its controlling order.
xbase::Status LiveRows(xbase::WorkArea& area, std::string_view number, std::vector<uint32_t>* rows) {
  return area.SeekAll(area.PadToField("NOMOR", xbase::RTrim(number)), rows);
}

// Hands each live row of `number` in `area` (its controlling order) to `take`; a row that cannot be
// read is named with its table and record.
xbase::Status ReadList(xbase::WorkArea& area, std::string_view number,
                       const std::function<xbase::Status(const xbase::WorkArea&)>& take) {
  std::vector<uint32_t> rows;
  xbase::Status s = LiveRows(area, number, &rows);
  if (!s.ok()) return xbase::Status::Corruption(area.alias(), s.message());
  for (uint32_t row : rows) {
    if (s = area.GoTo(row); !s.ok()) return xbase::Status::Corruption(area.alias() + " baris " + std::to_string(row), s.message());
    if (s = take(area); !s.ok()) return s;
  }
  return s;
}

// One list of the minute rewritten in place: the stored rows of the number (deleted ones too) on
// index `order` paired with `count` new rows, row k put by `write` with the number beside it.
xbase::Status RewriteList(frame::Session& session, xbase::WorkArea& area, std::string_view order, std::string_view number,
                          size_t count, const std::function<xbase::Status(size_t k, documents::FieldValues beside)>& write) {
  std::vector<uint32_t> stored;
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = documents::StoredRows(session.tables(), area, area.PadToField("NOMOR", xbase::RTrim(number)), &stored);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [](size_t) { return true; };
  how.write = [&](size_t k, bool) { return write(k, {{"NOMOR", T(number)}}); };
  return documents::RewriteLines(session.console(), area, stored, count, how);
}

// Every detail of the minute in product order, each with its product's position.
struct PlacedDetail {
  size_t product;
  const std::string* text;
};

std::vector<PlacedDetail> DetailsInOrder(const std::vector<MinuteProduct>& products) {
  std::vector<PlacedDetail> details;
  for (size_t p = 0; p < products.size(); ++p) {
    for (const std::string& detail : products[p].details) details.push_back({p, &detail});
  }
  return details;
}

// The rows of a bound list, row k with its position beside the number.
template <typename Row>
std::function<xbase::Status(size_t, documents::FieldValues)> BoundRows(xbase::WorkArea& area,
                                                                      const documents::RecordBinding<Row>& record,
                                                                      const std::vector<Row>& rows) {
  return [&area, &record, &rows](size_t k, documents::FieldValues beside) {
    beside.push_back({"URUTAN", T(Position(k))});
    return record.Write(area, rows[k], std::move(beside));
  };
}

xbase::Status WriteLists(frame::Session& session, const frame::OpenedTables& tables, const Minute& m) {
  xbase::WorkArea& products = tables[kMinuteProducts];
  xbase::Status s = RewriteList(session, products, "BAC_N22", m.number, m.products.size(),
                                BoundRows(products, MinuteProductRecord(), m.products));
  const std::vector<PlacedDetail> details = DetailsInOrder(m.products);
  if (s.ok()) {
    xbase::WorkArea& area = tables[kMinuteDetails];
    s = RewriteList(session, area, "BAC_N211", m.number, details.size(), [&](size_t k, documents::FieldValues beside) {
      beside.push_back({"URUTAN", T(Position(details[k].product))});
      beside.push_back({"SPECS", T(*details[k].text)});
      return PutFields(area, beside);
    });
  }
  if (s.ok()) {
    xbase::WorkArea& area = tables[kMinuteSchedule];
    s = RewriteList(session, area, "BAC_N221", m.number, m.schedule.size(),
                    BoundRows(area, ScheduledDeliveryRecord(), m.schedule));
  }
  if (s.ok()) {
    xbase::WorkArea& area = tables[kMinutePayments];
    s = RewriteList(session, area, "BAC_N32", m.number, m.payments.size(), BoundRows(area, MinutePaymentRecord(), m.payments));
  }
  if (s.ok()) {
    xbase::WorkArea& area = tables[kMinuteNotes];
    s = RewriteList(session, area, "BAC_N61", m.number, m.notes.size(), [&](size_t k, documents::FieldValues beside) {
      beside.push_back({"CATATAN", T(m.notes[k])});
      return PutFields(area, beside);
    });
  }
  return s;
}

// The lists as a save keeps them: rows that hold something, notes up to the last one written.
Minute Stored(const Minute& minute) {
  Minute kept = minute;
  std::erase_if(kept.products, [](const MinuteProduct& p) { return !p.Filled(); });
  for (MinuteProduct& product : kept.products) {
    std::erase_if(product.details, [](const std::string& detail) { return Blank(detail); });
  }
  std::erase_if(kept.schedule, [](const ScheduledDelivery& d) { return !d.Filled(); });
  std::erase_if(kept.payments, [](const MinutePayment& p) { return !p.Filled(); });
  while (!kept.notes.empty() && Blank(kept.notes.back())) kept.notes.pop_back();
  return kept;
}

}  // namespace

bool MinuteProduct::Filled() const { return !Blank(name) || quantity != 0 || price != 0; }

bool MinutePayment::Filled() const {
  return !date.empty() || percent != 0 || amount != 0 || !Blank(kind) || !Blank(proof) || !Blank(notes);
}

double Minute::OrderedQuantity() const {
  double sum = 0;
  for (const MinuteProduct& product : products) sum += product.quantity;
  return sum;
}

double Minute::OrderedValue() const {
  double sum = 0;
  for (const MinuteProduct& product : products) sum += product.Total();
  return sum;
}

double Minute::ScheduledQuantity() const {
  double sum = 0;
  for (const ScheduledDelivery& delivery : schedule) sum += delivery.quantity;
  return sum;
}

frame::OpenedTables OpenNegotiationTables(frame::Session& session) {
  return frame::OpenTables(session, {{"SETUP"},
                                     {"KARYAWAN"},
                                     {"MASTCUS"},
                                     {"PEC"},
                                     {"MASTBRJ"},
                                     {"MASTGOL"},
                                     {"JOS"},
                                     {kMinuteHeaders},
                                     {kMinuteProducts},
                                     {kMinuteDetails},
                                     {kMinuteSchedule},
                                     {kMinutePayments},
                                     {kMinuteNotes},
                                     {kMinuteApprovals},
                                     {kApprovedGoods},
                                     {kMinuteProducts, "eks1"},
                                     {kMinuteDetails, "eks2"}});
}

xbase::Status SeekMinute(const frame::OpenedTables& tables, std::string_view number, bool* found) {
  return SeekExact(tables[kMinuteHeaders], "BAC_N11", "NOMOR", number, found);
}

xbase::Status ReadMinute(const xbase::WorkArea& headers, const std::vector<xbase::WorkArea*>& lists, Minute* minute) {
  if (xbase::Status s = MinuteHeadRecord().Read(headers, minute); !s.ok()) return s;
  minute->products.clear();
  minute->schedule.clear();
  minute->payments.clear();
  minute->notes.clear();
  const std::string number = minute->number;
  xbase::Status s = ReadList(*lists[0], number, [&](const xbase::WorkArea& row) {
    return MinuteProductRecord().Read(row, &minute->products.emplace_back());
  });
  if (s.ok()) {
    s = ReadList(*lists[1], number, [&](const xbase::WorkArea& row) {
      const int product = std::atoi(std::string(xbase::AllTrim(row.Text("URUTAN"))).c_str());
      if (product < 1 || static_cast<size_t>(product) > minute->products.size()) {
        return xbase::Status::InvalidArgument(row.alias() + " baris " + std::to_string(row.recno()) +
                                              ": tidak ada produk urutan " + std::string(xbase::AllTrim(row.Text("URUTAN"))));
      }
      minute->products[static_cast<size_t>(product - 1)].details.push_back(row.Text("SPECS"));
      return xbase::Status::OK();
    });
  }
  if (s.ok()) {
    s = ReadList(*lists[2], number, [&](const xbase::WorkArea& row) {
      return ScheduledDeliveryRecord().Read(row, &minute->schedule.emplace_back());
    });
  }
  if (s.ok()) {
    s = ReadList(*lists[3], number, [&](const xbase::WorkArea& row) {
      return MinutePaymentRecord().Read(row, &minute->payments.emplace_back());
    });
  }
  if (s.ok()) {
    s = ReadList(*lists[4], number, [&](const xbase::WorkArea& row) {
      minute->notes.push_back(row.Text("CATATAN"));
      return xbase::Status::OK();
    });
  }
  minute->is_new = false;
  return s;
}

xbase::Status LoadMinute(const frame::OpenedTables& tables, std::string_view number, Minute* minute, bool* found) {
  xbase::Status s = SeekMinute(tables, number, found);
  if (!s.ok() || !*found) return s;
  const std::pair<const char*, const char*> lists[] = {{kMinuteProducts, "BAC_N22"}, {kMinuteDetails, "BAC_N211"},
                                                       {kMinuteSchedule, "BAC_N221"}, {kMinutePayments, "BAC_N32"},
                                                       {kMinuteNotes, "BAC_N61"}};
  std::vector<xbase::WorkArea*> areas;
  for (const auto& [table, order] : lists) {
    xbase::WorkArea& area = tables[table];
    if (s = area.SetOrder(order); !s.ok()) return s;
    areas.push_back(&area);
  }
  return ReadMinute(tables[kMinuteHeaders], areas, minute);
}

bool PickMinuteNumber(frame::Session& session, std::string* number) {
  frame::PickSpec pick;
  pick.alias = kMinuteHeaders;
  if (!frame::Checked(session, frame::PickCode(session, pick, number))) return false;
  *number = xbase::PadR(xbase::RTrim(*number), 10);
  return true;
}

bool TakeStoredMinute(frame::Session& session, const frame::OpenedTables& tables, std::string* number, Minute* minute) {
  if (!PickMinuteNumber(session, number)) return false;
  if (Blank(*number)) return true;
  bool found = false;
  if (!frame::Checked(session, LoadMinute(tables, *number, minute, &found))) return false;
  return found || pickers::Refuse(session, "Nomor " + std::string(xbase::RTrim(*number)) + " tidak ada");
}

bool GETNEGOSIASI(frame::Session& session, const frame::OpenedTables& tables, std::string* number, Minute* minute) {
  if (!PickMinuteNumber(session, number)) return false;
  *minute = Minute{};
  if (Blank(*number)) {
    minute->products.resize(1);
    minute->schedule.resize(1);
    minute->payments.resize(1);
    minute->notes.assign(kMinuteNoteLines, std::string(100, ' '));
    return true;
  }
  bool found = false;
  if (!frame::Checked(session, LoadMinute(tables, *number, minute, &found))) return false;
  if (!found) return pickers::Refuse(session, "BAC NEGO " + std::string(xbase::RTrim(*number)) + " tidak ada");
  if (minute->approved) return pickers::Refuse(session, "BAC NEGO Sudah diapproval");
  if (minute->products.empty()) minute->products.resize(1);
  if (minute->schedule.empty()) minute->schedule.resize(1);
  if (minute->payments.empty()) minute->payments.resize(1);
  minute->notes.resize(kMinuteNoteLines, std::string(100, ' '));
  return true;
}

xbase::Status CheckSchedule(const Minute& minute) {
  if (minute.ScheduledQuantity() > minute.OrderedQuantity()) {
    return xbase::Status::InvalidArgument(kScheduleOverOrder);
  }
  return xbase::Status::OK();
}

double PaymentAmount(const Minute& minute, double percent) { return percent * minute.OrderedValue() / 100; }

xbase::Status WriteMinute(frame::Session& session, const frame::OpenedTables& tables, const Minute& minute) {
  console::Console& con = session.console();
  xbase::WorkArea& head = tables[kMinuteHeaders];
  bool found = false;
  xbase::Status s;
  {
    xbase::ShowDeleted all_rows(&session.tables());
    s = SeekMinute(tables, minute.number, &found);
  }
  if (!s.ok()) return s;
  s = found ? console::LOCK_REC(con, head) : console::APP_REC(con, head);
  if (!s.ok()) return s;
  if (found && head.deleted()) s = head.Recall();
  if (s.ok()) s = MinuteHeadRecord().Write(head, minute);
  const xbase::Status released = head.Unlock();
  if (!s.ok()) return s;
  if (!released.ok()) return released;
  return WriteLists(session, tables, minute);
}

xbase::Status NameMinute(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                         const std::string& number) {
  constexpr std::pair<const char*, const char*> kLists[] = {{kMinuteProducts, "BAC_N22"}, {kMinuteDetails, "BAC_N211"},
                                                            {kMinuteSchedule, "BAC_N221"}, {kMinutePayments, "BAC_N32"},
                                                            {kMinuteNotes, "BAC_N61"}};
  xbase::WorkArea& head = tables[kMinuteHeaders];
  save.Append(head);
  xbase::Status s;
  if (!number.empty()) {
    xbase::ShowDeleted all_rows(&session.tables());
    s = documents::NameKeyedRecord(save, head, "BAC_N11", head.PadToField("NOMOR", xbase::RTrim(number)));
  }
  for (const auto& [table, order] : kLists) {
    xbase::WorkArea& area = tables[table];
    save.Append(area);
    if (s.ok() && !number.empty()) {
      s = documents::NameStoredRows(save, session.tables(), area, order, area.PadToField("NOMOR", xbase::RTrim(number)));
    }
  }
  return s;
}

Minute DuplicateOf(const Minute& old, xbase::Date today) {
  Minute copy = old;
  copy.number = std::string(10, ' ');
  copy.date = today;
  copy.approved = false;
  copy.is_new = true;
  return copy;
}

xbase::Status SaveMinute(frame::Session& session, const frame::OpenedTables& tables, Minute* minute,
                         bool* number_given) {
  if (number_given != nullptr) *number_given = false;
  if (xbase::Status s = CheckSchedule(*minute); !s.ok()) return s;
  Minute kept = Stored(*minute);
  documents::CounterKind kind;
  kind.prefix = "NEGO";
  kind.taken = documents::TakenNumber::kRefuse;
  kind.taken_alert = [](const std::string& number) { return "Berita Acara Negosiasi " + number + " Sudah terdaftar"; };
  kind.missing = documents::kMissingNomerator;
  documents::SaveScope save(session.console());
  xbase::Status s = minute->is_new ? documents::NameCounter(save, tables["SETUP"], kind, kept.branch)
                                   : xbase::Status::OK();
  if (s.ok()) s = NameMinute(save, session, tables, minute->is_new ? std::string() : kept.number);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::Locked("minute", "not saved");
  }
  s = save.BeginWrites();
  if (!minute->is_new) return save.CommitWrites(s.ok() ? WriteMinute(session, tables, kept) : s);
  kept.entered = session.Today();
  kept.entered_by = xbase::PadR(session.MMEMBER.nik, 10);
  kept.approved = false;
  std::string number;
  if (s.ok()) {
    s = documents::NumberDocument(
        session.console(), tables["SETUP"], kind, kept.branch,
        [&](const std::string& n, bool* taken) { return SeekMinute(tables, n, taken); },
        [&](const std::string& n) {
          kept.number = xbase::PadR(n, 10);
          return WriteMinute(session, tables, kept);
        },
        &number);
  }
  if (s = save.CommitWrites(s); !s.ok()) return s;
  minute->number = kept.number;
  minute->entered = kept.entered;
  minute->entered_by = kept.entered_by;
  minute->is_new = false;
  if (number_given != nullptr) *number_given = true;
  return s;
}

bool CopyEarlierProduct(frame::Session& session, const frame::OpenedTables& tables, std::string_view ex_number,
                        std::string_view urutan, MinuteProduct* product) {
  xbase::WorkArea& products = tables["eks1"];
  const std::string number = products.PadToField("NOMOR", xbase::RTrim(ex_number));
  xbase::Status s = products.SetOrder("BAC_N22");
  if (s.ok()) s = products.Seek(number + xbase::PadL(xbase::AllTrim(urutan), 3));
  MinuteProduct earlier;
  if (s.ok() && products.found()) s = MinuteProductRecord().Read(products, &earlier);
  if (!frame::Checked(session, s) || !products.found()) return false;
  product->name = earlier.name;
  product->brand = earlier.brand;
  product->unit = earlier.unit;
  product->price = earlier.price;
  product->margin = earlier.margin;
  product->margin2 = earlier.margin2;
  product->ex_bac = number;
  product->details.clear();
  xbase::WorkArea& details = tables["eks2"];
  std::vector<uint32_t> rows;
  s = details.SetOrder("BAC_N211");
  if (s.ok()) s = details.SeekAll(number + products.Text("URUTAN"), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = details.GoTo(rows[i]); s.ok()) product->details.push_back(details.Text("SPECS"));
  }
  return frame::Checked(session, s);
}

}  // namespace returns
