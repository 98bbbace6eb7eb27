// The order behind a free-goods note: its delivery notes of the type typed, what they are worth and
// what they count, and the allowance they earn.
#include <cmath>
#include <string>

#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/free_goods.h"
#include "documents/line_value.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// LCNAILAISJ: the net value of the note SRTJLN1 stands on and its count of cartons or pieces; the
// note's first line gives the default line discounts.
bool NoteValue(frame::Session& session, xbase::WorkArea& note, std::string_view kind, double* value, double* count,
               double* d1, double* d2) {
  xbase::WorkArea* lines = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "srtjln2", &lines))) return false;
  std::vector<uint32_t> records;
  xbase::Status s = lines->SetOrder("SRTJLN21");
  if (s.ok()) s = lines->SeekAll(note.Text("INVOICE"), &records);
  double sum = 0;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    s = lines->GoTo(records[i]);
    if (!s.ok()) break;
    sum += documents::LineValue(lines->Number("QUANTITY"), lines->Number("HARGA"), lines->Number("DISCOUNT"),
                                lines->Number("DISCOUNT2"));
    if (kind == "BOX") *count += lines->Number("Q_BOX");
    if (kind == "QTY") *count += lines->Number("QUANTITY");
    if (i == 0) {
      *d1 = lines->Number("DISCOUNT");
      *d2 = lines->Number("DISCOUNT2");
    }
  }
  if (!frame::Checked(session, s)) return false;
  *value = documents::AfterDiscounts(sum, note.Number("DISCOUNT"), note.Number("DISCOUNT2"));
  return true;
}

// True when FGOODS already lists the note as granted.
bool Granted(frame::Session& session, std::string_view invoice, bool* granted) {
  xbase::WorkArea* fgoods = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "fgoods", &fgoods))) return false;
  frame::OrderScope scope(*fgoods);
  xbase::Status s = fgoods->SetOrder("FGOODS2");
  if (s.ok()) s = fgoods->Seek(fgoods->PadToField("INVOICE", xbase::RTrim(invoice)));
  *granted = s.ok() && fgoods->found();
  return frame::Checked(session, s);
}

// The customer's group and price level; a customer who cannot be read (or MASTCUS not open) is the
// error, never one without a group (whose threshold would be another).
xbase::Status CustomerOf(frame::Session& session, std::string_view customer, std::string* group, double* level) {
  xbase::WorkArea* customers = nullptr;
  bool found = false;
  xbase::Status s = frame::RequireArea(session, "mastcus", &customers);
  if (s.ok()) s = customers->SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(*customers, customers->PadToField("RELASI", customer), &found);
  if (s.ok() && found) {
    *group = customers->Text("KELOMPOK");
    *level = customers->Number("TERIMA");
  }
  return s;
}

}  // namespace

bool FreeGoodsOrder(frame::Session& session, FreeGoodsNote* note) {
  frame::PickSpec pick;
  pick.alias = "slsodr1";
  pick.expressions = {"NOMOR", "TANGGAL", "RELASI", "TIPE"};
  pick.heads = {"No. Order", "Tanggal", "Relasi", "Tipe"};
  if (!frame::Checked(session, frame::PickCode(session, pick, &note->order))) return false;
  note->order = xbase::PadR(note->order, 15);
  xbase::WorkArea* notes = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "srtjln1", &notes))) return false;
  std::vector<uint32_t> records;
  frame::OrderScope scope(*notes);
  xbase::Status s = notes->SetOrder("SRTJLN13");
  if (s.ok()) s = notes->SeekAll(notes->PadToField("NOMOR", note->order), &records);
  if (!frame::Checked(session, s)) return false;
  const std::string order(xbase::RTrim(note->order));
  if (records.empty()) return pickers::Refuse(session, "Surat Jalan untuk order " + order + " tidak ada");

  std::string kind;
  if (!frame::Checked(session, JENISFREEGOOD(session, note->type, &kind))) return false;
  note->notes.clear();
  note->total = 0;
  double count = 0;
  bool first_line = true;
  for (size_t i = 0; i < records.size(); ++i) {
    if (!frame::Checked(session, notes->GoTo(records[i]))) return false;
    if (i == 0) {
      note->customer = notes->Text("RELASI");
      note->salesman = notes->Text("SALES");
      note->tempo = notes->DateOf("TEMPO");
      note->branch = notes->Text("KDCB");
      note->code_id = notes->Text("CODE_ID");
    }
    if (notes->Text("TIPE") != xbase::PadR(note->type, 2)) continue;
    note->discount = notes->Number("DISCOUNT");
    if (!xbase::IsBlank(notes->Text("RET_ADM"))) continue;
    bool granted = false;
    if (!Granted(session, notes->Text("INVOICE"), &granted)) return false;
    if (granted) continue;
    QualifyingNote qualifying{notes->Text("INVOICE"), 0};
    double d1 = 0, d2 = 0;
    if (!NoteValue(session, *notes, kind, &qualifying.value, &count, &d1, &d2)) return false;
    if (first_line) {
      note->line_d1 = d1;
      note->line_d2 = d2;
      first_line = false;
    }
    note->total += qualifying.value;
    note->notes.push_back(qualifying);
  }
  std::string group;
  if (!frame::Checked(session, CustomerOf(session, note->customer, &group, &note->price_level))) return false;
  double percent = 0;
  s = PLAFONFREGOODS(session, group, note->type, &note->threshold);
  if (s.ok()) s = JATAHFREEGOODS(session, note->type, count, &percent);
  if (!frame::Checked(session, s)) return false;
  note->allowance = note->total * percent / 100;
  if (std::trunc(note->total) < std::trunc(note->threshold)) return pickers::Refuse(session, "Nilai SJ kurang dari plafon");
  if (note->threshold <= 0) {
    return pickers::Refuse(session, "Tidak Ada plafon FreeGoods untuk type " + std::string(note->type));
  }
  return frame::Checked(session, LAWANTIPE(session, note->type, &note->free_type));
}

bool FreeGoodsNumberFree(frame::Session& session, std::string_view number) {
  if (xbase::IsBlank(number)) return pickers::Refuse(session, "Nomor Surat Jalan harus diisi");
  xbase::WorkArea* notes = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "srtjln1", &notes))) return false;
  frame::OrderScope scope(*notes);
  xbase::Status s = notes->SetOrder("SRTJLN11");
  if (s.ok()) s = notes->Seek(notes->PadToField("INVOICE", xbase::RTrim(number)));
  if (!frame::Checked(session, s)) return false;
  return !notes->found() || pickers::Refuse(session, "Suarat Jalan sudah terdaftar (Invoice)");
}

}  // namespace sales
