// The head office's approval of a negotiation minute and the goods the deal needs, taken into the goods master.
#include "returns/negotiation_approval.h"

#include <algorithm>
#include <cmath>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/grid_cells.h"
#include "returns/negotiation_records.h"
#include "returns/return_tables.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Trimmed;

using documents::D;
using documents::L;
using documents::N;
using documents::T;

namespace {

// True when the item the area stands on already holds every field as the approval gives it.
bool Unchanged(const xbase::WorkArea& item, const documents::FieldValues& fields) {
  for (const auto& [field, value] : fields) {
    if (value.is_text() ? item.Text(field) != item.PadToField(field, xbase::RTrim(value.text()))
                        : std::fabs(item.Number(field) - value.number()) > 0.0049) {
      return false;
    }
  }
  return true;
}

bool Written(const ApprovedGoods& goods) { return goods.Filled(); }

}  // namespace

xbase::Status FitsGoodsMaster(const xbase::WorkArea& items, const ApprovedGoods& g, size_t k) {
  const std::pair<const char*, double> numbers[] = {{"HARGA", g.price},   {"HARGA1", g.price1}, {"HARGA2", g.price2},
                                                    {"HARGA4", g.price4}, {"PAK", g.pak},       {"DOS", g.dos}};
  for (const auto& [field, value] : numbers) {
    if (!documents::FitsField(items, field, value)) {
      return xbase::Status::InvalidArgument(std::string(field) + " urutan ke " + std::to_string(k + 1) +
                                            " terlalu besar");
    }
  }
  return xbase::Status::OK();
}

bool ApprovedGoods::Filled() const { return !xbase::IsBlank(code); }

bool MayApprove(frame::Session& session) {
  if (session.MMEMBER.HasRight("EDP")) return true;
  console::PESAN(session.console(), kNotEntitled);
  return false;
}

MinuteApproval PrefillApproval(const Minute& minute, xbase::Date date) {
  MinuteApproval approval;
  approval.number = minute.number;
  approval.date = date;
  for (size_t k = 0; k < minute.products.size(); ++k) {
    const MinuteProduct& product = minute.products[k];
    ApprovedGoods goods;
    goods.product = xbase::PadR(xbase::PadL(std::to_string(k + 1), 2, '0'), 10);
    goods.name = std::string(xbase::Left(product.name, 20));
    goods.long_name = xbase::PadR(xbase::RTrim(product.name), 50);
    goods.unit = product.unit;
    goods.price = goods.price1 = goods.price2 = goods.price4 = product.price;
    goods.ordered = product.quantity;
    approval.goods.push_back(goods);
  }
  return approval;
}

xbase::Status LoadApproval(const frame::OpenedTables& tables, std::string_view number, MinuteApproval* approval,
                           bool* found) {
  xbase::WorkArea& head = tables[kMinuteApprovals];
  xbase::Status s = SeekExact(head, "BAC_NAP1", "NOMOR", number, found);
  if (!s.ok() || !*found) return s;
  if (s = MinuteApprovalRecord().Read(head, approval); !s.ok()) return s;
  approval->goods.clear();
  xbase::WorkArea& rows = tables[kApprovedGoods];
  std::vector<uint32_t> records;
  s = rows.SetOrder("BAC_NPP1");
  if (s.ok()) s = rows.SeekAll(rows.PadToField("NOMOR", xbase::RTrim(number)), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = rows.GoTo(records[i]); s.ok()) s = ApprovedGoodsRecord().Read(rows, &approval->goods.emplace_back());
  }
  return s;
}

xbase::Status CheckApprovedGoods(const frame::OpenedTables& tables, const MinuteApproval& approval, size_t k) {
  const ApprovedGoods& goods = approval.goods[k];
  if (!xbase::IsBlank(goods.jos)) {
    for (size_t i = 0; i < approval.goods.size(); ++i) {
      if (i != k && approval.goods[i].jos == goods.jos) {
        return xbase::Status::InvalidArgument("nomor JOS " + Trimmed(goods.jos) + " telah diisikan pada urutan ke " +
                                              std::to_string(i + 1));
      }
    }
    xbase::WorkArea& approved = tables[kApprovedGoods];
    std::vector<uint32_t> rows;
    xbase::Status s = approved.SetOrder("BAC_NPP2");
    if (s.ok()) s = approved.SeekAll(approved.PadToField("NO_JOS", xbase::RTrim(goods.jos)), &rows);
    bool elsewhere = false;
    for (size_t i = 0; s.ok() && !elsewhere && i < rows.size(); ++i) {
      if (s = approved.GoTo(rows[i]); s.ok()) elsewhere = approved.Text("NOMOR") != approval.number;
    }
    bool in_jos = false;
    if (s.ok() && !elsewhere) s = SeekExact(tables["JOS"], "JOS", "NOMOR", goods.jos, &in_jos);
    if (!s.ok()) return s;
    if (elsewhere || in_jos) return xbase::Status::InvalidArgument("nomor jos " + Trimmed(goods.jos) + " sudah terdaftar");
  }
  if (!xbase::IsBlank(goods.group)) {
    bool found = false;
    xbase::Status s = SeekExact(tables["MASTGOL"], "MASTGOL1", "KODE", goods.group, &found);
    if (!s.ok()) return s;
    if (!found) return xbase::Status::InvalidArgument("Golongan " + Trimmed(goods.group) + " tidak terdaftar");
  }
  return FitsGoodsMaster(tables["MASTBRJ"], goods, k);
}

xbase::Status UPPROPERTY(frame::Session& session, xbase::WorkArea& items, const ApprovedGoods& goods) {
  console::Console& con = session.console();
  bool found = false;
  xbase::Status s = SeekExact(items, "MASTBRJ1", "KODE", goods.code, &found);
  if (!s.ok()) return s;
  const documents::RecordBinding<ApprovedGoods>& item = ApprovedItemRecord();
  if (!found) {
    return item.Append(con, items, goods,
                       {{"KODE", T(goods.code)}, {"HRG_BELI", N(goods.price4)}, {"HRG_RATA", N(goods.price4)},
                        {"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  }
  if (Unchanged(items, item.Values(goods))) return xbase::Status::OK();
  documents::FieldValues fields;
  s = item.CheckedValues(items, goods, {{"TG_INPUT", D(session.Today())}, {"OPERATOR", T("APPBAC")}}, &fields);
  if (s.ok()) s = console::LOCK_REC(con, items);
  return s.ok() ? documents::PutAndRelease(items, fields) : s;
}

xbase::Status UPPROPERTY_(frame::Session& session, xbase::WorkArea& items, const xbase::WorkArea& row) {
  ApprovedGoods goods;
  xbase::Status s = ApprovedGoodsRecord().Read(row, &goods);
  return s.ok() ? UPPROPERTY(session, items, goods) : s;
}

xbase::Status WriteApproval(frame::Session& session, const frame::OpenedTables& tables,
                            const MinuteApproval& approval) {
  std::vector<const ApprovedGoods*> written;
  for (const ApprovedGoods& goods : approval.goods) {
    if (Written(goods)) written.push_back(&goods);
  }
  xbase::WorkArea& rows = tables[kApprovedGoods];
  std::vector<uint32_t> stored;
  xbase::Status s = rows.SetOrder("BAC_NPP1");
  if (s.ok()) s = documents::StoredRows(session.tables(), rows, rows.PadToField("NOMOR", xbase::RTrim(approval.number)), &stored);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [](size_t) { return true; };
  how.write = [&](size_t k, bool) { return ApprovedGoodsRecord().Write(rows, *written[k], {{"NOMOR", T(approval.number)}}); };
  how.apply = [&](size_t k) { return UPPROPERTY(session, tables["MASTBRJ"], *written[k]); };
  s = documents::RewriteLines(session.console(), rows, stored, written.size(), how);
  if (!s.ok()) return s;
  xbase::WorkArea& head = tables[kMinuteApprovals];
  bool found = false;
  if (s = SeekExact(head, "BAC_NAP1", "NOMOR", approval.number, &found); !s.ok()) return s;
  if (found) {
    documents::FieldValues fields;
    s = MinuteApprovalRecord().CheckedValues(head, approval, {}, &fields);
    if (s.ok()) s = Rewrite(session, head, fields);
  } else {
    s = MinuteApprovalRecord().Append(session.console(), head, approval);
  }
  if (!s.ok()) return s;
  if (s = SeekMinute(tables, approval.number, &found); !s.ok()) return s;
  if (!found) return xbase::Status::InvalidArgument("Nomor " + Trimmed(approval.number) + " tidak ada");
  return Rewrite(session, tables[kMinuteHeaders], {{"APPROVAL", L(true)}});
}

namespace {

// The approved goods rows of the minute, every goods row they put in the goods master, the approval's
// header and the minute's header, with the append locks of the tables that may grow.
xbase::Status NameApproval(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                           const MinuteApproval& approval) {
  xbase::WorkArea& rows = tables[kApprovedGoods];
  xbase::WorkArea& items = tables["MASTBRJ"];
  xbase::WorkArea& head = tables[kMinuteApprovals];
  xbase::WorkArea& minute = tables[kMinuteHeaders];
  const std::string number(xbase::RTrim(approval.number));
  xbase::Status s = documents::NameStoredRows(save, session.tables(), rows, "BAC_NPP1", rows.PadToField("NOMOR", number));
  for (size_t k = 0; s.ok() && k < approval.goods.size(); ++k) {
    if (Written(approval.goods[k])) {
      s = documents::NameKeyedRecord(save, items, "MASTBRJ1", items.PadToField("KODE", xbase::RTrim(approval.goods[k].code)));
    }
  }
  if (s.ok()) s = documents::NameKeyedRecord(save, head, "BAC_NAP1", head.PadToField("NOMOR", number));
  if (s.ok()) s = documents::NameKeyedRecord(save, minute, "BAC_N11", minute.PadToField("NOMOR", number));
  return s;
}

}  // namespace

xbase::Status SaveApproval(frame::Session& session, const frame::OpenedTables& tables, MinuteApproval approval) {
  approval.property = std::any_of(approval.goods.begin(), approval.goods.end(), Written);
  for (size_t k = 0; k < approval.goods.size(); ++k) {
    if (xbase::Status s = CheckApprovedGoods(tables, approval, k); !s.ok()) return s;
  }
  documents::SaveScope save(session.console());
  xbase::Status s = NameApproval(save, session, tables, approval);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::Locked("approval", "not saved");
  }
  bool found = false;
  s = SeekMinute(tables, approval.number, &found);
  if (s.ok() && !found) s = xbase::Status::InvalidArgument("Nomor " + Trimmed(approval.number) + " tidak ada");
  if (s.ok()) s = save.BeginWrites();
  if (s.ok()) s = WriteApproval(session, tables, approval);
  return save.CommitWrites(s);
}

}  // namespace returns
