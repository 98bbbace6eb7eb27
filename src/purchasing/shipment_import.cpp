// A shipment document of the logistics department (peb_hdr, peb_dtl, peb_mst in the import folder)
// turned into a goods receipt: its check, its purchase-order and receipt numbers, and its save.
#include "purchasing/shipment_import.h"

#include <filesystem>
#include <iterator>
#include <string_view>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/record_writes.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/import_folder.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "xbase/date_functions.h"
#include "xbase/ntx_orders.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace purchasing {

using documents::D;
using documents::L;
using documents::N;
using documents::T;
using frame::Pictured;

namespace {

constexpr std::string_view kShipmentFiles[] = {"peb_hdr", "peb_dtl", "peb_mst"};
constexpr std::string_view kPoCounter = "NO_PO_PEB";
constexpr std::string_view kReceiptCounter = "NO_BPB_PEB";
const documents::CounterKind kTenDigits{};

// A refusal shown to the user, handed on as a status that says it was shown.
constexpr std::string_view kShown = "ditolak";
xbase::Status Refused(frame::Session& session, const std::string& text) {
  console::PESAN(session.console(), text);
  return xbase::Status::InvalidArgument(kShown, text);
}
bool AlreadyShown(const xbase::Status& s) { return s.IsInvalidArgument() && s.message().starts_with(kShown); }

bool OpenShipmentFile(frame::Session& session, const std::string& folder, std::string_view name) {
  std::string path;
  if (!frame::Checked(session, frame::FileInFolder(session, folder, xbase::WithExtension(name, "dbf"), &path))) return false;
  const std::string dir = std::filesystem::path(path).parent_path().string();
  return console::BUKAFILE(session.console(), session.tables(), path, false, frame::kOpenWait, name, nullptr,
                           [&](xbase::WorkArea* opened) {
                             std::string index;
                             xbase::Status s = xbase::FindInFolder(dir, xbase::WithExtension(name, "ntx"), &index);
                             return s.ok() ? opened->orders().Open(index) : s;
                           });
}

// The number after the counter row's KET that `order` of DTA_PEB does not hold yet.
xbase::Status FreeNumber(xbase::WorkArea& setup, xbase::WorkArea& taken, std::string_view order, std::string_view field,
                         std::string* number) {
  *number = documents::NextNumber(kTenDigits, setup.Text("KET"));
  xbase::Status s = taken.SetOrder(order);
  while (s.ok()) {
    if (s = taken.Seek(taken.PadToField(field, *number)); !s.ok() || !taken.found()) break;
    *number = documents::NextNumber(kTenDigits, *number);
  }
  return s;
}

// Stands `setup` on the counter row `key`; false when it is missing.
xbase::Status SeekCounter(xbase::WorkArea& setup, std::string_view key, bool* found) {
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(setup.PadToField("SETUP", key));
  *found = s.ok() && setup.found();
  return s;
}

// Both numbers the counters give now; a missing counter row is refused with its words.
xbase::Status DrawNumbers(const frame::OpenedTables& tables, Shipment* shipment) {
  xbase::WorkArea& setup = tables["setup"];
  xbase::WorkArea& done = tables["dta_peb"];
  bool found = false;
  xbase::Status s = SeekCounter(setup, kPoCounter, &found);
  if (s.ok() && !found) return xbase::Status::InvalidArgument("Setup " + std::string(kPoCounter) + " belum ada");
  if (s.ok()) s = FreeNumber(setup, done, "DTA_PEB2", "NO_PO", &shipment->po);
  if (s.ok()) s = SeekCounter(setup, kReceiptCounter, &found);
  if (s.ok() && !found) return xbase::Status::InvalidArgument("Setup " + std::string(kReceiptCounter) + " belum ada");
  if (s.ok()) s = FreeNumber(setup, done, "DTA_PEB3", "NO_BPB", &shipment->receipt);
  return s;
}

// Why line `row` (from 1) of the document cannot be taken in; empty when it can.
std::string LineFault(const ShipmentLine& line) {
  if (xbase::IsBlank(line.code)) return "kode barang kosong";
  if (line.quantity < 0) return "jumlah negatif";
  if (line.price < 0) return "harga negatif";
  if (line.disc1 < 0 || line.disc1 > 100 || line.disc2 < 0 || line.disc2 > 100) return "discount di luar 0-100";
  return {};
}

// The lines of the document the header area stands on, in index order, checked one by one.
xbase::Status ReadLines(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment) {
  xbase::WorkArea& lines = tables["peb_dtl"];
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NO_BPB", xbase::RTrim(shipment->number)), &records);
  shipment->lines.clear();
  for (size_t k = 0; s.ok() && k < records.size(); ++k) {
    if (s = lines.GoTo(records[k]); !s.ok()) break;
    ShipmentLine line;
    if (s = ShipmentLineRecord().Read(lines, &line); !s.ok()) break;
    line.value = LineValue(lines);
    line.name = MasterText(session, "peb_mst", line.code, "NAMA", 20);
    if (const std::string fault = LineFault(line); !fault.empty()) {
      return Refused(session, "PEB " + std::string(xbase::AllTrim(shipment->number)) + " baris " +
                                  std::to_string(k + 1) + ": " + fault + ", tidak diimpor");
    }
    shipment->lines.push_back(line);
  }
  return s;
}

xbase::Status SeekIn(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view key) {
  xbase::Status s = area.SetOrder(order);
  return s.ok() ? area.Seek(area.PadToField(field, xbase::RTrim(key))) : s;
}

// Fills the new header row: the shipment header by position, then the receipt's own fields.
xbase::Status WriteHeader(frame::Session& session, const frame::OpenedTables& tables, const Shipment& shipment) {
  xbase::WorkArea& source = tables["peb_hdr"];
  xbase::WorkArea& header = tables["bpbeli1"];
  const xbase::Date today = session.Today();
  xbase::Status s = console::APP_REC(session.console(), header);
  if (!s.ok()) return s;
  s = documents::CopyFieldsByPosition(source, header);
  if (!s.ok()) {
    header.Unlock().IgnoreError();  // the copy's failure is the one reported
    return s;
  }
  documents::FieldValues values;
  s = ReceiptHeadRecord().CheckedValues(header, shipment,
                                        {{"CETAK", L(true)}, {"TG_INPUT", D(today)}, {"OPERATOR", T(session.MMEMBER.nik)}},
                                        &values);
  if (!s.ok()) {
    header.Unlock().IgnoreError();  // the refusal is the one reported
    return s;
  }
  return documents::PutAndRelease(header, values);
}

// Stores the lines under the number, rows already there reused: each old row's stock is taken back,
// each new line posted with the average it leaves. *written counts the lines done.
xbase::Status WriteLines(frame::Session& session, const frame::OpenedTables& tables, const Shipment& shipment,
                         size_t* written) {
  xbase::WorkArea& rows = tables["bpbeli2"];
  xbase::WorkArea& source = tables["peb_dtl"];
  std::vector<uint32_t> stored, incoming;
  const std::string key = rows.PadToField("NO_BPB", xbase::RTrim(shipment.number));
  xbase::Status s = rows.SetOrder("BPBELI21");
  if (s.ok()) s = documents::StoredRows(session.tables(), rows, key, &stored);
  if (s.ok()) s = source.SetOrder(1);
  if (s.ok()) s = source.SeekAll(key, &incoming);
  if (!s.ok()) return s;
  xbase::ShowDeleted show(&session.tables());
  documents::LineRewrite how;
  how.keep = [](size_t) { return true; };
  how.reverse = [&] {
    double average = 0;
    return UPSTOCK(session, rows.Text("GUDANG"), rows.Text("KODE"), 0, rows.Number("QUANTITY"), rows.Number("HARGA"),
                   rows.Number("DISCOUNT"), rows.Number("DISCOUNT2"), shipment.cash1, shipment.cash2, &average);
  };
  how.write = [&](size_t k, bool) {
    ShipmentLine line;
    xbase::Status w = source.GoTo(incoming[k]);
    if (w.ok()) w = ShipmentLineRecord().Read(source, &line);
    double average = 0;
    if (w.ok()) {
      w = UPSTOCK(session, shipment.warehouse, line.code, line.quantity, 0, line.price, line.disc1, line.disc2,
                  shipment.cash1, shipment.cash2, &average);
    }
    if (w.ok()) w = ShipmentLineRecord().Write(rows, line, {{"GUDANG", T(shipment.warehouse)}, {"HRG_RATA", N(average)}});
    if (w.ok()) *written = k + 1;
    return w;
  };
  return documents::RewriteLines(session.console(), rows, stored, incoming.size(), how);
}

xbase::Status WriteRecord(frame::Session& session, xbase::WorkArea& done, const Shipment& shipment) {
  xbase::Status s = SeekIn(done, "DTA_PEB1", "NOMOR", shipment.number);
  if (!s.ok() || done.found()) return s;
  return ShipmentRecord().Append(session.console(), done, shipment);
}

// KET of the counter row := number, when it is below it.
xbase::Status RaiseCounter(xbase::WorkArea& setup, std::string_view key, const std::string& number) {
  bool found = false;
  xbase::Status s = SeekCounter(setup, key, &found);
  if (!s.ok() || !found) return s;
  if (xbase::Val(xbase::AllTrim(setup.Text("KET"))).value >= xbase::Val(number).value) return s;
  return setup.Put("KET", xbase::Value::Text(number));
}

// What the save changes: both counter rows, the receipt's header and stored rows, the stock of every
// stored row and of every incoming line, and the record of the shipment taken in.
xbase::Status NameShipment(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                           const Shipment& shipment) {
  xbase::WorkArea& setup = tables["setup"];
  xbase::WorkArea& rows = tables["bpbeli2"];
  xbase::WorkArea& source = tables["peb_dtl"];
  save.Append(tables["bpbeli1"]);
  save.Append(tables["dta_peb"]);
  xbase::Status s;
  for (const std::string_view counter : {kPoCounter, kReceiptCounter}) {
    bool found = false;
    if (s = SeekCounter(setup, counter, &found); s.ok() && found) save.Update(setup, setup.recno());
    if (!s.ok()) return s;
  }
  const std::string key = rows.PadToField("NO_BPB", xbase::RTrim(shipment.number));
  std::vector<uint32_t> stored, incoming;
  s = documents::NameStoredRows(save, session.tables(), rows, "BPBELI21", key, &stored);
  xbase::ShowDeleted show(&session.tables());
  for (size_t i = 0; s.ok() && i < stored.size(); ++i) {
    if (s = rows.GoTo(stored[i]); s.ok() && !rows.deleted()) {
      s = NameStockPost(save, session, rows.Text("GUDANG"), rows.Text("KODE"));
    }
  }
  if (s.ok()) s = source.SetOrder(1);
  if (s.ok()) s = source.SeekAll(key, &incoming);
  for (size_t k = 0; s.ok() && k < incoming.size(); ++k) {
    if (s = source.GoTo(incoming[k]); s.ok()) s = NameStockPost(save, session, shipment.warehouse, source.Text("KODE"));
  }
  return s;
}

// Under the locks, with no message: the shipment not taken in yet, still offered, and both numbers.
xbase::Status CheckUnderLocks(const frame::OpenedTables& tables, Shipment* shipment) {
  const std::string shown(xbase::AllTrim(shipment->number));
  xbase::WorkArea& header = tables["bpbeli1"];
  xbase::WorkArea& source = tables["peb_hdr"];
  xbase::Status s = SeekIn(header, "BPBELI11", "NO_BPB", shipment->number);
  if (s.ok() && header.found()) {
    return xbase::Status::InvalidArgument("PEB " + shown + " sudah diimpor, tidak ada yang ditulis");
  }
  if (s.ok()) s = SeekIn(source, "PEB_HDR", "NO_BPB", shipment->number);
  if (s.ok() && !source.found()) return xbase::Status::InvalidArgument("PEB " + shown + " tidak terdaftar");
  return s.ok() ? DrawNumbers(tables, shipment) : s;
}

// The writes of the save, every record locked by the caller.
xbase::Status WriteShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment) {
  const std::string shown(xbase::AllTrim(shipment->number));
  xbase::Status s;
  shipment->po_date = PurchaseOrderDate(session.Today());
  shipment->receipt_date = session.Today();
  if (s = WriteHeader(session, tables, *shipment); !s.ok()) {
    return Refused(session, "PEB " + shown + " tidak diimpor: " + s.message());
  }
  size_t written = 0;
  if (s = WriteLines(session, tables, *shipment, &written); !s.ok()) {
    return Refused(session, "PEB " + shown + " terhenti pada baris " + std::to_string(written + 1) + ": " +
                                s.message() + "; BPB tersimpan sebagian");
  }
  xbase::WorkArea& setup = tables["setup"];
  if (s.ok()) s = WriteRecord(session, tables["dta_peb"], *shipment);
  if (s.ok()) s = RaiseCounter(setup, kPoCounter, shipment->po);
  if (s.ok()) s = RaiseCounter(setup, kReceiptCounter, shipment->receipt);
  if (!s.ok()) {
    return Refused(session, "PEB " + shown + " tersimpan tanpa catatan nomor PO/BPB: " + s.message());
  }
  return s;
}

}  // namespace

const documents::RecordBinding<ShipmentLine>& ShipmentLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<ShipmentLine> kRecord = {
      Bind("NO_BPB", &ShipmentLine::number),  Bind("KODE", &ShipmentLine::code),         Bind("Q_BOX", &ShipmentLine::cartons),
      Bind("Q_PAK", &ShipmentLine::packs),    Bind("Q_PCS", &ShipmentLine::pieces),      Bind("QUANTITY", &ShipmentLine::quantity),
      Bind("HARGA", &ShipmentLine::price),    Bind("DISCOUNT", &ShipmentLine::disc1),    Bind("DISCOUNT2", &ShipmentLine::disc2),
      Bind("KTR", &ShipmentLine::remark),     Bind("URUTAN", &ShipmentLine::position)};
  return kRecord;
}

const documents::RecordBinding<Shipment>& ReceiptHeadRecord() {
  using documents::Bind;
  static const documents::RecordBinding<Shipment> kRecord = {
      Bind("KDCB", &Shipment::branch), Bind("GUDANG", &Shipment::warehouse), Bind("TANGGAL", &Shipment::receipt_date),
      Bind("NOTES", &Shipment::notes)};
  return kRecord;
}

const documents::RecordBinding<Shipment>& ShipmentRecord() {
  using documents::Bind;
  static const documents::RecordBinding<Shipment> kRecord = {
      Bind("NOMOR", &Shipment::number),  Bind("SUPLIER", &Shipment::supplier), Bind("NO_PO", &Shipment::po),
      Bind("TG_PO", &Shipment::po_date), Bind("NO_BPB", &Shipment::receipt),   Bind("TG_BPB", &Shipment::receipt_date)};
  return kRecord;
}

frame::OpenedTables OpenShipmentTables(frame::Session& session) {
  std::vector<frame::TableUse> tables = {"MASTGDG", "MASTBRJ", "STOKBRG", "BPBELI1", "BPBELI2", "DTA_PEB", "SETUP"};
  if (!frame::OpenTables(session, tables)) return frame::OpenedTables();
  const std::string folder = frame::ImportFolder(session);
  for (const std::string_view name : kShipmentFiles) {
    if (!OpenShipmentFile(session, folder, name)) {
      session.tables().CloseAll().IgnoreError();  // the failure has been shown
      return frame::OpenedTables();
    }
  }
  // Every table is open by now: the opener only hands them back, each on its first index.
  tables.insert(tables.end(), std::begin(kShipmentFiles), std::end(kShipmentFiles));
  frame::OpenedTables opened = frame::OpenTables(session, tables);
  if (!opened) session.tables().CloseAll().IgnoreError();  // the failure has been shown
  return opened;
}

xbase::Date PurchaseOrderDate(xbase::Date today) {
  const xbase::Date week = today - 7;
  return week.day() == 1 ? today - 8 : week;
}

bool CheckShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment) {
  frame::PickSpec pick;
  pick.alias = "peb_hdr";
  pick.expressions = {"NO_BPB", "TANGGAL", "SUPLIER"};
  pick.heads = {"No. PEB", "Tanggal", "Suplier"};
  bool found = false;
  xbase::WorkArea* source = nullptr;
  if (xbase::IsBlank(shipment->number)) return false;
  xbase::Status s = frame::PickAndSeek(session, pick, &shipment->number, &found, &source);
  const std::string shown(xbase::AllTrim(shipment->number));
  if (s.ok() && !found) s = Refused(session, "PEB " + shown + " tidak terdaftar");
  if (!s.ok()) return false;
  shipment->supplier = source->Text("SUPLIER");
  shipment->cash1 = source->Number("DISCOUNT");
  shipment->cash2 = source->Number("DISCOUNT2");
  xbase::WorkArea& header = tables["bpbeli1"];
  if (s = SeekIn(header, "BPBELI11", "NO_BPB", shipment->number); s.ok() && header.found()) {
    s = Refused(session, "PEB " + shown + " sudah diimpor");
  }
  if (s.ok()) s = DrawNumbers(tables, shipment);
  if (s.ok()) s = ReadLines(session, tables, shipment);
  if (!s.ok()) {
    if (!AlreadyShown(s)) frame::ShowFailure(session, s);
    return false;
  }
  shipment->po_date = PurchaseOrderDate(session.Today());
  shipment->receipt_date = session.Today();
  return true;
}

std::vector<std::string> ShipmentPreview(const Shipment& shipment) {
  const auto total = [](std::string_view label, double amount) {
    return xbase::PadL(label, 64) + " " + Pictured(amount, "999,999,999.99");
  };
  std::vector<std::string> rows = {
      "No.BPB : " + shipment.receipt + "   Tg. BPB   : " + xbase::Dtoc(shipment.receipt_date),
      "Relasi : " + shipment.supplier + "             No. PO    : " + shipment.po + "  Tg. PO " +
          xbase::Dtoc(shipment.po_date),
      "C.Disc : " + Pictured(shipment.cash1, "99.99") + "+" + Pictured(shipment.cash2, "99.99"),
      "",
      "Kode        Nama                     Qty       Harga     Discount          Nilai"};
  double sum = 0;
  for (const ShipmentLine& line : shipment.lines) {
    rows.push_back(xbase::PadR(line.code, 12) + xbase::PadR(line.name, 20) + Pictured(line.quantity, "99999999") +
                   Pictured(line.price, "  999,999.99") + Pictured(line.disc1, "  99.99") + "+" + Pictured(line.disc2, "99.99") +
                   Pictured(line.value, " 99,999,999.99"));
    sum += line.value;
  }
  rows.push_back(total("JUMLAH BRUTO", sum));
  if (shipment.cash1 != 0 || shipment.cash2 != 0) {
    const double d1 = sum * shipment.cash1 / 100;
    const double d2 = (sum - d1) * shipment.cash2 / 100;
    rows.push_back(total("CASH DISCOUNT", d1 + d2));
    rows.push_back(total("JUMLAH NETTO", sum - d1 - d2));
  }
  return rows;
}

xbase::Status SaveShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment) {
  documents::SaveScope save(session.console());
  xbase::Status s = NameShipment(save, session, tables, *shipment);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = CheckUnderLocks(tables, shipment);
  if (!s.ok()) {
    save.Release().IgnoreError();  // the refusal is what is shown
    documents::NothingSaved(session, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteShipment(session, tables, shipment);
  s = save.CommitWrites(s);
  if (!AlreadyShown(s)) frame::ShowFailure(session, s);
  return s;
}

}  // namespace purchasing
