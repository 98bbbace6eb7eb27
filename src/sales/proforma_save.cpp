// Loading a proforma for correction, and the saves of a new and a corrected proforma.
#include <cctype>
#include <string>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stored_lines.h"
#include "documents/trade_discount.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/goods_lookup.h"
#include "sales/proforma.h"
#include "sales/sales.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

namespace {

bool Kept(const console::ValueRow& line) { return !xbase::IsBlank(PfWord(line, kPfCode)) && PfFigure(line, kPfQuantity) != 0; }

// The target check and the confirmation both saves begin with.
bool TargetAndConfirm(frame::Session& session, const Proforma& proforma) {
  std::vector<TargetLine> lines;
  for (const console::ValueRow& line : proforma.lines) lines.push_back({PfWord(line, kPfCode), PfFigure(line, kPfValue)});
  if (!SYARATOK(session, lines, proforma.group, proforma.type, ProformaNet(proforma), proforma.discount1,
                proforma.discount2)) {
    return false;
  }
  return std::toupper(console::PESAN(session.console(), "Yakin data akan disimpan (Y/T)")) == 'Y';
}

documents::FieldValues HeaderFields(frame::Session& session, const Proforma& proforma) {
  return ProformaHeadRecord().Values(proforma, {{"AUDIT", D(session.Today())},
                                                {"OPERATOR", T(session.MMEMBER.nik)},
                                                {"NILAI_PI", N(ProformaNet(proforma))}});
}

documents::FieldValues LineFields(const Proforma& proforma, size_t k) {
  return ProformaLineRecord().Values(proforma.lines[k], {{"NOMOR", T(proforma.number)},
                                                         {"URUT", T(xbase::Str(static_cast<double>(k + 1), 3))},
                                                         {"REALISASI", N(0)}});
}

struct ProformaTables {
  xbase::WorkArea* headers = nullptr;  // PRO_IN1
  xbase::WorkArea* lines = nullptr;    // PRO_IN2
  xbase::WorkArea* setup = nullptr;

  xbase::Status Find(frame::Session& session) {
    xbase::Status s = frame::RequireArea(session, "pro_in1", &headers);
    if (s.ok()) s = frame::RequireArea(session, "pro_in2", &lines);
    if (s.ok()) s = frame::RequireArea(session, "setup", &setup);
    return s;
  }
};

xbase::Status Known(xbase::WorkArea& headers, std::string_view number, bool* known) {
  xbase::Status s = headers.SetOrder("PRO_IN11");
  if (s.ok()) s = headers.Seek(headers.PadToField("NOMOR", xbase::RTrim(number)));
  *known = s.ok() && headers.found();
  return s;
}

// The customer's group, price level and discount ceilings. A customer missing from MASTCUS has no
// group and level 0; one whose record cannot be read is an error, since the prices follow from it.
xbase::Status CustomerTerms(frame::Session& session, Proforma* proforma) {
  xbase::WorkArea* customers = nullptr;
  bool found = false;
  xbase::Status s = frame::RequireArea(session, "mastcus", &customers);
  if (s.ok()) s = customers->SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(*customers, customers->PadToField("RELASI", proforma->customer), &found);
  if (!s.ok()) return s;
  if (found) {
    proforma->group = customers->Text("KELOMPOK");
    proforma->price_level = customers->Number("TERIMA");
  }
  std::array<double, 4>& c = proforma->ceilings;
  documents::TRADEDISCOUNT(session, proforma->customer, &c[0], &c[1], &c[2], &c[3]).IgnoreError();  // ceilings stay 0
  return s;
}

}  // namespace

bool LoadProforma(frame::Session& session, Proforma* proforma) {
  bool found = false;
  xbase::WorkArea* header = nullptr;
  if (!frame::Checked(session, PickProforma(session, &proforma->number, &found, &header))) return false;
  if (!found) return pickers::Refuse(session, "Nomor belum terdaftar");
  if (header->Logical("CETAK")) {
    return pickers::Refuse(session, "proforma ini sudah dicetak, tidak boleh dikoreksi lagi ");
  }
  xbase::WorkArea* notes = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "pro_ot1", &notes))) return false;
  {
    frame::OrderScope scope(*notes);
    xbase::Status s = notes->SetOrder("PRO_OT12");
    if (s.ok()) s = notes->Seek(notes->PadToField("NO_REFF", xbase::RTrim(header->Text("NOMOR"))), true);
    if (!frame::Checked(session, s)) return false;
    if (!notes->eof() && notes->Text("NO_REFF") == header->Text("NOMOR")) {
      return pickers::Refuse(session, "Proforma ini sudah ada realisasinya tidak boleh diralat lagi");
    }
  }
  if (!frame::Checked(session, ProformaHeadRecord().Read(*header, proforma))) return false;
  if (!frame::Checked(session, CustomerTerms(session, proforma))) return false;
  xbase::WorkArea* lines = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "pro_in2", &lines))) return false;
  std::vector<uint32_t> records;
  xbase::Status s = lines->SetOrder("PRO_IN21");
  if (s.ok()) s = lines->SeekAll(proforma->number, &records);
  proforma->lines.clear();
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines->GoTo(records[i]); !s.ok()) break;
    AddProformaLine(&proforma->lines, 0, 0);
    console::ValueRow& line = proforma->lines.back();
    if (s = ProformaLineRecord().Read(*lines, &line); !s.ok()) break;
    Goods goods;
    xbase::WorkArea* master = SeekGoods(session, PfWord(line, kPfCode), &goods);
    line[kPfName - 1] = T(xbase::PadR(master != nullptr && goods.found ? master->Text("NAMA") : "", 20).substr(0, 20));
    line[kPfValue - 1] = N(PfFigure(line, kPfQuantity) * PfFigure(line, kPfPrice) * (100 - PfFigure(line, kPfDisc1)) / 100 *
                           (100 - PfFigure(line, kPfDisc2)) / 100);
  }
  if (proforma->lines.empty()) AddProformaLine(&proforma->lines, proforma->ceilings[0], proforma->ceilings[1]);
  proforma->seen.Clear();
  if (s.ok()) s = proforma->seen.Take(session.tables(), *header, "PRO_IN11", header->Text("NOMOR"));
  if (s.ok()) s = proforma->seen.Take(session.tables(), *lines, "PRO_IN21", header->Text("NOMOR"));
  return frame::Checked(session, s);
}

bool SaveNewProforma(frame::Session& session, Proforma* proforma) {
  if (!TargetAndConfirm(session, *proforma)) return false;
  ProformaTables tables;
  if (!frame::Checked(session, tables.Find(session))) return false;
  const std::string branch = xbase::PadR(xbase::RTrim(proforma->branch), 6);
  std::string ket;
  bool found = false;
  if (!frame::Checked(session, pickers::SetupRow(session, "PROI" + branch, &found, nullptr, &ket))) return false;
  if (!found) return pickers::Refuse(session, "Setup Nomerator Proforma belum Ada, minta ke Finance");
  documents::CounterKind counter;
  counter.prefix = "PROI";
  counter.digits = 6;
  counter.number_prefix = xbase::PadR(ket, 2).substr(0, 2);
  counter.taken = documents::TakenNumber::kRefuse;
  counter.taken_message = "Nomor Proforma sudah terdaftar";
  const auto taken = [&](const std::string& number, bool* held) { return Known(*tables.headers, number, held); };
  const auto write = [&](const std::string& number) {
    proforma->number = xbase::PadR(number, 20);
    xbase::Status s = documents::AppendRecord(session.console(), *tables.headers, HeaderFields(session, *proforma));
    for (size_t k = 0; s.ok() && k < proforma->lines.size(); ++k) {
      if (Kept(proforma->lines[k])) s = documents::AppendRecord(session.console(), *tables.lines, LineFields(*proforma, k));
    }
    return s;
  };
  documents::SaveScope save(session.console());
  xbase::Status s = documents::NameCounter(save, *tables.setup, counter, branch);
  save.Append(*tables.headers);
  save.Append(*tables.lines);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  std::string number;
  s = save.BeginWrites();
  if (s.ok()) s = documents::NumberDocument(session.console(), *tables.setup, counter, branch, taken, write, &number);
  s = save.CommitWrites(s);
  if (!s.ok()) {
    if (!s.IsNotFound() && !s.IsInUse()) pickers::Refuse(session, "Gagal menyimpan: " + s.message());
    return false;
  }
  console::Alert(session.console(), "Nomor Proforma ini adalah " + number);
  return true;
}

bool SaveCorrectedProforma(frame::Session& session, const Proforma& proforma) {
  if (!TargetAndConfirm(session, proforma)) return false;
  ProformaTables tables;
  if (!frame::Checked(session, tables.Find(session))) return false;
  bool known = false;
  if (!frame::Checked(session, Known(*tables.headers, proforma.number, &known))) return false;
  if (!known) return pickers::Refuse(session, "Nomor belum terdaftar");
  console::Console& con = session.console();
  // The header and every stored line row are locked before the first write.
  documents::SaveScope save(con);
  save.Update(*tables.headers, tables.headers->recno());
  xbase::Status s = documents::NameStoredRows(save, session.tables(), *tables.lines, "PRO_IN21",
                                              tables.lines->PadToField("NOMOR", proforma.number));
  if (s.ok()) s = save.Lock();
  if (s.ok()) {
    s = proforma.seen.Unchanged(session.tables(), "Proforma " + std::string(xbase::AllTrim(proforma.number)) +
                                                      " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) return documents::NothingSaved(session, save, s);
  s = save.BeginWrites();
  if (s.ok()) s = Known(*tables.headers, proforma.number, &known);
  if (s.ok()) s = console::LOCK_REC(con, *tables.headers);
  if (s.ok()) s = documents::PutAndRelease(*tables.headers, HeaderFields(session, proforma));
  std::vector<uint32_t> rows;
  if (s.ok()) s = tables.lines->SetOrder("PRO_IN21");
  if (s.ok()) s = documents::StoredRows(session.tables(), *tables.lines, tables.lines->PadToField("NOMOR", proforma.number), &rows);
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return Kept(proforma.lines[k]); };
  how.write = [&](size_t k, bool) {
    for (const auto& [field, value] : LineFields(proforma, k)) {
      if (xbase::Status put = tables.lines->Put(field, value); !put.ok()) return put;
    }
    return xbase::Status::OK();
  };
  if (s.ok()) s = documents::RewriteLines(con, *tables.lines, rows, proforma.lines.size(), how);
  if (s = save.CommitWrites(s); s.ok()) return true;
  return pickers::Refuse(session, "Gagal menyimpan: " + s.message());
}

}  // namespace sales
