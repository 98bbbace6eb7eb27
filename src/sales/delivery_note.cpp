// Writing one delivery note, the invoice of its customer: header, lines with their stock movements, and the receivable.
#include "sales/delivery_note.h"

#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/document_records.h"
#include "sales/sales.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

namespace {

xbase::Status WriteItem(frame::Session& session, xbase::WorkArea& lines, const NoteHead& head, const NoteItem& item,
                        size_t position, bool move_order) {
  xbase::Status s = NoteItemRecord().Append(
      session.console(), lines, item,
      {{"INVOICE", T(head.invoice)}, {"URUT", T(xbase::Str(static_cast<double>(position), 3))}});
  if (s.ok()) s = documents::UPMASTERBARANG(session, item.code, item.warehouse, 0, item.quantity);
  if (s.ok() && move_order) s = documents::UPSALESORDER(session, head.order, item.code, item.quantity, 0, item.order_line);
  return s;
}

// The note's BMONITOR row: *monitor stands on it when *held.
xbase::Status SeekMonitor(frame::Session& session, const NoteHead& head, xbase::WorkArea** monitor, bool* held) {
  *held = false;
  xbase::Status s = frame::RequireArea(session, "bmonitor", monitor);
  if (s.ok()) s = Holds(**monitor, "BMONITOR", (*monitor)->PadToField("INVOICE", head.invoice), held);
  return s;
}

}  // namespace

NoteHead NoteHeadOf(const OrderHeader& header, std::string_view invoice, xbase::Date tempo, double term) {
  NoteHead head;
  head.invoice = std::string(invoice);
  head.date = header.note_date;
  head.order = header.order;
  head.customer = header.customer;
  head.type = header.type;
  head.salesman = header.salesman;
  head.branch = header.branch;
  head.tempo = tempo;
  head.term = term;
  head.order_date = header.order_date;
  head.shipping_date = header.shipping_date;
  head.remark1 = header.remark1;
  head.remark2 = header.remark2;
  head.discount1 = header.discount1;
  head.discount2 = header.discount2;
  head.code_id = header.code_id;
  head.include = header.include;
  head.manager = header.manager;
  return head;
}

void TakeNoteHead(const NoteHead& head, OrderHeader* header) {
  header->order = xbase::PadR(head.order, 15);
  header->customer = head.customer;
  header->order_date = head.order_date;
  header->note_date = head.date;
  header->shipping_date = head.shipping_date;
  header->branch = head.branch;
  header->type = head.type;
  header->salesman = head.salesman;
  header->term = head.term;
  header->discount1 = head.discount1;
  header->discount2 = head.discount2;
  header->remark1 = head.remark1;
  header->remark2 = head.remark2;
  header->code_id = head.code_id;
  header->include = head.include;
}

xbase::Status CompleteItem(frame::Session& session, double head1, double head2, NoteItem* item) {
  xbase::WorkArea* goods = nullptr;
  xbase::Status s = frame::RequireArea(session, "mastbrj", &goods);
  if (s.ok()) s = goods->SetOrder("MASTBRJ1");
  if (s.ok()) s = goods->Seek(goods->PadToField("KODE", item->code));
  if (!s.ok()) return s;
  // A code missing from the master reads the blank record: no carton or pack size.
  item->split = documents::SplitCartons(item->quantity, goods->Number("DOS"), goods->Number("PAK"));
  item->value = documents::AfterDiscounts(documents::LineValue(item->quantity, item->price, item->disc1, item->disc2),
                                          head1, head2);
  return s;
}

double ItemsAmount(const std::vector<NoteItem>& items) {
  double amount = 0;
  for (const NoteItem& item : items) amount += item.value;
  return amount;
}

bool ItemsFit(frame::Session& session, const std::vector<NoteItem>& items) {
  xbase::WorkArea* lines = nullptr;
  xbase::WorkArea* receivables = nullptr;
  xbase::Status s = frame::RequireArea(session, "srtjln2", &lines);
  if (s.ok()) s = frame::RequireArea(session, "piutdbt", &receivables);
  if (!frame::Checked(session, s)) return false;
  for (size_t i = 0; i < items.size(); ++i) {
    if (const std::string_view field = NoteItemRecord().Misfit(*lines, items[i]); !field.empty()) {
      return pickers::Refuse(session, "Nilai " + std::string(field) + " baris " + std::to_string(i + 1) + " terlalu besar");
    }
  }
  if (!documents::FitsField(*receivables, "DEBET", ItemsAmount(items))) {
    return pickers::Refuse(session, "Nilai surat jalan terlalu besar");
  }
  return true;
}

xbase::Status WriteNote(frame::Session& session, const NoteHead& head, const std::vector<NoteItem>& items,
                        bool move_order) {
  xbase::WorkArea* notes = nullptr;
  xbase::WorkArea* lines = nullptr;
  xbase::Status s = frame::RequireArea(session, "srtjln1", &notes);
  if (s.ok()) s = frame::RequireArea(session, "srtjln2", &lines);
  if (!s.ok()) return s;
  s = NoteHeadRecord().Append(session.console(), *notes, head,
                              {{"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  for (size_t k = 0; k < items.size() && s.ok(); ++k) s = WriteItem(session, *lines, head, items[k], k + 1, move_order);
  const double amount = ItemsAmount(items);
  if (s.ok() && amount != 0) s = WriteReceivable(session, head, amount);
  if (s.ok()) s = WriteMonitor(session, head);
  return s;
}

xbase::Status WriteReceivable(frame::Session& session, const NoteHead& head, double amount) {
  xbase::WorkArea* receivables = nullptr;
  xbase::Status s = frame::RequireArea(session, "piutdbt", &receivables);
  if (!s.ok()) return s;
  s = documents::AppendRecord(session.console(), *receivables,
                              {{"NOTA", T(head.invoice)},       {"TANGGAL", D(head.date)},
                               {"KDCB", T(head.branch)},        {"RELASI", T(head.customer)},
                               {"TIPE", T(head.type)},          {"SALES", T(head.salesman)},
                               {"KTR", T(head.remark1)},        {"CODE_ID", T(head.code_id)},
                               {"DEBET", N(amount)},            {"TEMPO", D(head.tempo)},
                               {"TGINPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
  if (s.ok()) s = documents::UPSALDOMASTCUS(session, head.customer, amount, 0);
  return s;
}

xbase::Status WriteMonitor(frame::Session& session, const NoteHead& head) {
  if (xbase::IsBlank(head.manager)) return xbase::Status::OK();
  xbase::WorkArea* monitor = nullptr;
  bool held = false;
  xbase::Status s = SeekMonitor(session, head, &monitor, &held);
  if (!s.ok()) return s;
  const documents::FieldValues fields = {{"TANGGAL", D(head.date)}, {"KODEBM", T(head.manager)}};
  if (!held) {
    documents::FieldValues all = {{"INVOICE", T(head.invoice)}};
    all.insert(all.end(), fields.begin(), fields.end());
    return documents::AppendRecord(session.console(), *monitor, all);
  }
  if (s = console::LOCK_REC(session.console(), *monitor); !s.ok()) return s;
  return documents::PutAndRelease(*monitor, fields);
}

xbase::Status NameNote(documents::SaveScope& save, frame::Session& session, const NoteHead& head,
                       const std::vector<NoteItem>& items, bool move_order) {
  xbase::WorkArea* notes = nullptr;
  xbase::WorkArea* lines = nullptr;
  xbase::Status s = frame::RequireArea(session, "srtjln1", &notes);
  if (s.ok()) s = frame::RequireArea(session, "srtjln2", &lines);
  if (!s.ok()) return s;
  save.Append(*notes);
  save.Append(*lines);
  for (size_t k = 0; k < items.size() && s.ok(); ++k) {
    s = documents::NameStockMove(save, session, items[k].code, items[k].warehouse);
    if (s.ok() && move_order) s = documents::NameOrderLine(save, session, head.order, items[k].code, items[k].order_line);
  }
  if (s.ok() && ItemsAmount(items) != 0) {
    xbase::WorkArea* receivables = nullptr;
    s = frame::RequireArea(session, "piutdbt", &receivables);
    if (s.ok()) save.Append(*receivables);
    if (s.ok()) s = documents::NameBalance(save, session, head.customer);
  }
  if (s.ok()) s = NameMonitor(save, session, head);
  return s;
}

xbase::Status NameMonitor(documents::SaveScope& save, frame::Session& session, const NoteHead& head) {
  if (xbase::IsBlank(head.manager)) return xbase::Status::OK();
  xbase::WorkArea* monitor = nullptr;
  bool held = false;
  xbase::Status s = SeekMonitor(session, head, &monitor, &held);
  if (!s.ok()) return s;
  if (held) {
    save.Update(*monitor, monitor->recno());
  } else {
    save.Append(*monitor);
  }
  return s;
}

xbase::Status Holds(xbase::WorkArea& area, std::string_view order, const std::string& key, bool* held) {
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.Seek(key);
  *held = s.ok() && area.found();
  return s;
}

}  // namespace sales
