// The negotiation minute entry (BAC NEGO): the header with the customer, the products with their
// details, the terms, the delivery schedule, the payments, the notes and the signatories, then
// the save.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/item_list.h"
#include "returns/negotiation.h"
#include "returns/negotiation_screens.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Trimmed;

namespace {

namespace key = console::key;
using xbase::Value;

// The product list's columns (from 1).
enum ProductColumn { kNo = 1, kExBac, kName, kBrand, kQty, kUnit, kPrice, kMargin, kTotal };
// The product details list's columns.
enum SpecColumn { kDetailLabel = 2, kDetailText };
// The schedule's and the payments' columns.
enum ScheduleColumn { kDeliveryDate = 2, kDeliveryQty };
enum PaymentColumn { kPayDate = 2, kPercent, kKind, kProof, kAmount, kPayNotes };

const console::KeyHelp kProductHelp{{"Esc", " F10", " Del", " Enter"},
                                    {") Keluar,", ") Lanjut,", ") Hapus,", ") pd Margin: Spesifikasi"},
                                    "W+/b",
                                    "Gr+/b"};

Value Number(size_t n) { return Value::Num(static_cast<double>(n + 1)); }

void DrawScreen(console::Console& con) {
  DrawEntryScreen(con, "BERITA ACARA NEGOSIASI (BAC NEGO)",
                  {{1, 1, "Nomor BAC     :"}, {1, 30, "Cabang :"}, {1, 48, "Tanggal :"}, {2, 1, "No. PEC       :"},
                   {2, 40, "No. Kalkulasi    :"}, {3, 1, "Penawaran Pusat:"}, {3, 40, "Penawaran Cabang :"},
                   {4, 1, "Kode Customer :"}, {5, 1, "Perusahaan    :"}, {5, 40, "Kontak :"}, {6, 1, "Alamat        :"},
                   {7, 1, "Kota          :"}, {7, 40, "Telpon :"}});
}

void ShowTotals(console::Console& con, const Minute& minute) {
  const console::Attr attr = con.colours().enhanced;
  con.Say(22, 1, "Total Qty : " + xbase::Transform(Value::Num(minute.OrderedQuantity()), "99,999,999,999"), attr);
  con.Say(22, 40, "Total Nilai : " + xbase::Transform(Value::Num(minute.OrderedValue()), "999,999,999,999,999"), attr);
}

// LCGETRELASI: the customer must be one. A customer other than `*filled_for`, the one whose data the
// form holds, takes its name, contact, address, town and telephone into the form; so what was typed
// for a stored minute stays when its customer does.
bool TakeCustomer(frame::Session& session, Minute* minute, std::string* filled_for) {
  frame::PickSpec pick;
  pick.alias = "MASTCUS";
  pick.by_name = true;
  pick.expressions = {"relasi", "nama", "kota"};
  bool found = false;
  xbase::WorkArea* customers = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &minute->customer, &found, &customers))) return false;
  minute->customer = xbase::PadR(xbase::RTrim(minute->customer), 10);
  if (!found || xbase::IsBlank(minute->customer)) return pickers::Refuse(session, "relasi/customer belum terdaftar");
  if (minute->customer == *filled_for) return true;
  *filled_for = minute->customer;
  minute->company = xbase::PadR(xbase::RTrim(customers->Text("NAMA")), 50);
  minute->contact = xbase::PadR(xbase::RTrim(customers->Text("KONTAK1")), 50);
  minute->address = xbase::PadR(Trimmed(customers->Text("ALAMAT")) + " " + Trimmed(customers->Text("ALAMAT2")), 100);
  minute->town = xbase::PadR(xbase::RTrim(customers->Text("KOTA")), 15);
  minute->phone = xbase::PadR(xbase::RTrim(customers->Text("TELP")), 50);
  return true;
}

// The header: false after Esc or an empty form.
bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, Minute* minute) {
  console::Console& con = session.console();
  std::string number(10, ' ');
  console::GetList first;
  first.Add(1, 17, &number, "@!").valid = [&] {
    if (!GETNEGOSIASI(session, tables, &number, minute)) return false;
    if (minute->is_new) minute->date = session.Today();
    return true;
  };
  if (first.Read(con).escaped) return false;
  console::GetList head;
  head.Add(1, 39, &minute->branch, "@!").valid = [&] {
    bool known = false;
    if (!xbase::IsBlank(minute->branch) &&
        !frame::Checked(session, pickers::SetupRow(session, xbase::AllTrim(minute->branch), &known))) {
      return false;
    }
    if (known) return true;
    return pickers::Refuse(session, "Kode cabang " + Trimmed(minute->branch) + " tidak terdaftar");
  };
  head.Add(1, 58, &minute->date);
  head.Add(2, 17, &minute->pec, "@!").valid = [&] { return TakePec(session, &minute->pec); };
  head.Add(2, 59, &minute->calculation, "@!");
  head.Add(3, 17, &minute->offer_head, "@!");
  head.Add(3, 59, &minute->offer_branch, "@!");
  std::string filled_for = minute->is_new ? std::string() : minute->customer;
  head.Add(4, 17, &minute->customer, "@!").valid = [&] {
    if (!TakeCustomer(session, minute, &filled_for)) return false;
    head.Display(con);
    return true;
  };
  head.Add(5, 17, &minute->company, "@S20");
  head.Add(5, 49, &minute->contact, "@S30");
  head.Add(6, 17, &minute->address, "@S62");
  head.Add(7, 17, &minute->town, "@!");
  head.Add(7, 49, &minute->phone, "@S30");
  return !head.Read(con).escaped;
}

console::ValueRow ProductRow(const Minute& minute, size_t k) {
  const MinuteProduct product = k < minute.products.size() ? minute.products[k] : MinuteProduct{};
  return {Number(k),
          Value::Text(product.ex_bac),
          Value::Text(product.name),
          Value::Text(product.brand),
          Value::Num(product.quantity),
          Value::Text(product.unit),
          Value::Num(product.price),
          Value::Num(product.margin),
          Value::Num(product.Total())};
}

// The "Ex Bac" cell: a minute number (with or without "?") opens the products of earlier minutes
// from it; the one picked is copied with its details. A blank cell keeps the product.
bool TakeEarlierProduct(frame::Session& session, const frame::OpenedTables& tables, MinuteProduct* product,
                        Value* value) {
  std::string typed = value->text();
  if (xbase::IsBlank(typed)) {
    product->ex_bac = std::string(10, ' ');
    return true;
  }
  if (typed.find('?') == std::string::npos) typed = Trimmed(typed) + "?";
  frame::PickSpec pick;
  pick.alias = "eks1";
  pick.expressions = {"nomor+urutan", "nomor", "nm_produk", "merk", "satuan", "harga"};
  pick.heads = {"No. BAC + Urut", "No. BAC", "Nama Produk", "Merk", "Satuan", "Harga"};
  bool escaped = false;
  if (!frame::Checked(session, frame::PickCode(session, pick, &typed, nullptr, &escaped)) || escaped) return false;
  if (typed.size() < 13) return false;
  return CopyEarlierProduct(session, tables, typed.substr(0, 10), typed.substr(10, 3), product);
}

bool CheckProduct(frame::Session& session, const frame::OpenedTables& tables, Minute* minute, size_t k, int column,
                  Value* value) {
  MinuteProduct& product = minute->products[k];
  switch (column) {
    case kExBac: return TakeEarlierProduct(session, tables, &product, value);
    case kName: product.name = xbase::PadR(value->text(), 30); return true;
    case kBrand: product.brand = xbase::PadR(value->text(), 10); return true;
    case kQty:
      if (value->number() < 0) return false;
      product.quantity = value->number();
      return true;
    case kUnit: product.unit = xbase::PadR(value->text(), 6); return true;
    case kPrice:
      if (value->number() < 0) return false;
      product.price = value->number();
      return true;
    case kMargin: product.margin = value->number(); return true;
    default: return true;
  }
}

// ISISPESIFIKASI: the details of product k.
void EditSpecs(frame::Session& session, MinuteProduct* product, size_t k) {
  std::vector<std::string>& details = product->details;
  const auto label = [](const std::string& detail) { return std::string(xbase::Left(detail, kDetailLabelWidth)); };
  const auto text = [](const std::string& detail) { return xbase::PadR(xbase::SubStr(detail, kDetailLabelWidth + 1), kDetailTextWidth); };
  const std::string blank(kDetailLabelWidth + kDetailTextWidth, ' ');
  ItemList list;
  list.title = " Spesifikasi produk " + std::to_string(k + 1) + " ";
  list.heads = {"No", "Ket.", "Spesifikasi"};
  list.pictures = {"999", "@S10", "@S64"};
  list.window = {11, 1, 20, 78};
  list.first = kDetailLabel;
  list.last = kDetailText;
  list.count = [&] { return details.size(); };
  list.row = [&](size_t n) {
    const std::string detail = n < details.size() ? details[n] : blank;
    return console::ValueRow{Number(n), Value::Text(label(detail)), Value::Text(text(detail))};
  };
  list.filled = [&](size_t n) { return !xbase::IsBlank(details[n]); };
  list.add = [&] { details.push_back(blank); };
  list.erase = [&](size_t n) { details.erase(details.begin() + static_cast<long>(n)); };
  list.check = [&](size_t n, int column, Value* value) {
    std::string& detail = details[n];
    detail = column == kDetailLabel ? xbase::PadR(value->text(), kDetailLabelWidth) + text(detail)
                                : label(xbase::PadR(detail, kDetailLabelWidth)) + xbase::PadR(value->text(), kDetailTextWidth);
    return true;
  };
  list.leave = [](int pressed) { return pressed == key::kEsc || pressed == key::kF10; };
  RunItemList(session, list);
}

// ISIORDERPRODUK: false when the user leaves the minute.
bool EditProducts(frame::Session& session, const frame::OpenedTables& tables, Minute* minute) {
  console::Console& con = session.console();
  std::vector<MinuteProduct>& products = minute->products;
  ItemList list;
  list.heads = {"No", "Ex Bac", "Nama Produk/Perkarjaan", "Merk", "Qty", "Satuan", "Harga Jual*)", "Margin", "Total"};
  list.pictures = {"999", "@!", "@!S22", "@!", "9999999999", "@!", "999999999999", "999.99", "999,999,999,999"};
  list.window = {9, 0, 21, 79};
  list.first = kExBac;
  list.last = kMargin;
  list.help = &kProductHelp;
  list.count = [&] { return products.size(); };
  list.row = [&](size_t k) { return ProductRow(*minute, k); };
  list.filled = [&](size_t k) { return products[k].Filled(); };
  list.add = [&] { products.emplace_back(); };
  list.erase = [&](size_t k) { products.erase(products.begin() + static_cast<long>(k)); };
  list.check = [&](size_t k, int column, Value* value) { return CheckProduct(session, tables, minute, k, column, value); };
  list.on_last = [&](size_t k) {
    if (products[k].Filled()) EditSpecs(session, &products[k], k);
  };
  list.show = [&] { ShowTotals(con, *minute); };
  bool leave = false;
  list.leave = [&](int pressed) {
    if (pressed == key::kF10) return true;
    if (pressed != key::kEsc) return false;
    leave = AskLeaveMinute(con);
    return leave;
  };
  RunItemList(session, list);
  return !leave;
}

// The terms: VAT and PPh 22 included, who pays the freight, the customer's commission.
void ReadTerms(frame::Session& session, Minute* minute) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/bg", "W+/n"));
  console::SHADOW(con, 10, 10, 17, 69, colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(11, 12, "Harga Jual termasuk PPN   (S/B/T) :", attr);
  con.Say(12, 12, "Harga Jual termasuk PPH22 (S/B/T) :", attr);
  con.Say(13, 12, "Ongkos Kirim ditanggung   (P/B)   :", attr);
  con.Say(14, 12, "Komisi Pelanggan          (Y/T)   :", attr);
  con.Say(15, 12, "Sebesar                           :", attr);
  std::string commission = minute->commission ? "Y" : "T";
  const auto one_of = [](std::string* answer, std::string_view allowed) {
    return answer->size() == 1 && allowed.find((*answer)[0]) != std::string_view::npos;
  };
  console::GetList form;
  form.Add(11, 48, &minute->vat_included, "!").valid = [&] { return one_of(&minute->vat_included, "SBT"); };
  form.Add(12, 48, &minute->pph22_included, "!").valid = [&] { return one_of(&minute->pph22_included, "SBT"); };
  form.Add(13, 48, &minute->freight, "!").valid = [&] { return one_of(&minute->freight, "PB"); };
  form.Add(14, 48, &commission, "!").valid = [&] { return one_of(&commission, "YT"); };
  form.Add(15, 48, &minute->commission_amount, "999,999,999.99").when = [&] { return commission == "Y"; };
  form.Read(con);
  minute->commission = commission == "Y";
  if (!minute->commission) minute->commission_amount = 0;
}

// ISIJADWALKIRIM: left with Tab, Esc or F10 only when the scheduled total is within the order.
void EditSchedule(frame::Session& session, Minute* minute) {
  console::Console& con = session.console();
  std::vector<ScheduledDelivery>& schedule = minute->schedule;
  ItemList list;
  list.title = "    jadwal pengiriman    ";
  list.heads = {"No", "Tanggal", "Qty"};
  list.pictures = {"999", "", "9999999999"};
  list.window = {10, 25, 19, 54};
  list.first = kDeliveryDate;
  list.last = kDeliveryQty;
  list.count = [&] { return schedule.size(); };
  list.row = [&](size_t k) {
    const ScheduledDelivery d = k < schedule.size() ? schedule[k] : ScheduledDelivery{};
    return console::ValueRow{Number(k), Value::FromDate(d.date), Value::Num(d.quantity)};
  };
  list.filled = [&](size_t k) { return schedule[k].Filled(); };
  list.add = [&] { schedule.emplace_back(); };
  list.erase = [&](size_t k) { schedule.erase(schedule.begin() + static_cast<long>(k)); };
  list.check = [&](size_t k, int column, Value* value) {
    if (column == kDeliveryDate) {
      schedule[k].date = value->date();
    } else {
      if (value->number() < 0) return false;
      schedule[k].quantity = value->number();
    }
    return true;
  };
  list.show = [&] {
    con.Say(20, 26, "Total : " + xbase::Transform(Value::Num(minute->ScheduledQuantity()), "99,999,999,999") +
                        " / " + xbase::Transform(Value::Num(minute->OrderedQuantity()), "99,999,999,999"),
            con.colours().enhanced);
  };
  list.leave = [&](int pressed) {
    if (pressed != key::kTab && pressed != key::kEsc && pressed != key::kF10) return false;
    return frame::Checked(session, CheckSchedule(*minute));
  };
  RunItemList(session, list);
}

// ISIPEMBAYARAN: a percentage sets the amount from the order's value.
void EditPayments(frame::Session& session, Minute* minute) {
  std::vector<MinutePayment>& payments = minute->payments;
  ItemList list;
  list.title = "ISI DATA PEMBAYARAN";
  list.heads = {"No", "Tanggal", "%", "JN", "No. Bukti", "Jumlah", "Keterangan"};
  list.pictures = {"999", "", "999.99", "@!", "@!", "99,999,999,999.99", "@S20"};
  list.window = {10, 1, 20, 78};
  list.first = kPayDate;
  list.last = kPayNotes;
  list.count = [&] { return payments.size(); };
  list.row = [&](size_t k) {
    const MinutePayment p = k < payments.size() ? payments[k] : MinutePayment{};
    return console::ValueRow{Number(k),           Value::FromDate(p.date), Value::Num(p.percent), Value::Text(p.kind),
                             Value::Text(p.proof), Value::Num(p.amount),    Value::Text(p.notes)};
  };
  list.filled = [&](size_t k) { return payments[k].Filled(); };
  list.add = [&] { payments.emplace_back(); };
  list.erase = [&](size_t k) { payments.erase(payments.begin() + static_cast<long>(k)); };
  list.check = [&](size_t k, int column, Value* value) {
    MinutePayment& p = payments[k];
    switch (column) {
      case kPayDate: p.date = value->date(); break;
      case kPercent:
        p.percent = value->number();
        if (p.percent != 0) p.amount = PaymentAmount(*minute, p.percent);
        break;
      case kKind: p.kind = xbase::PadR(value->text(), 2); break;
      case kProof: p.proof = xbase::PadR(value->text(), 20); break;
      case kAmount: p.amount = value->number(); break;
      case kPayNotes: p.notes = xbase::PadR(value->text(), 50); break;
      default: break;
    }
    return true;
  };
  list.leave = [](int pressed) { return pressed == key::kEsc || pressed == key::kF10 || pressed == key::kTab; };
  RunItemList(session, list);
}

// ISICATATAN: ten lines of notes.
void ReadNotes(frame::Session& session, Minute* minute) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::SHADOW(con, 9, 0, 21, 79, colour);
  con.Say(10, 2, "Catatan :", con.Colour(colour));
  minute->notes.resize(kMinuteNoteLines, std::string(100, ' '));
  console::GetList form;
  for (size_t i = 0; i < kMinuteNoteLines; ++i) form.Add(11 + static_cast<int>(i), 1, &minute->notes[i], "@S78");
  form.Read(con);
}

// CARIORANG: an employee ("?" or "/" picks one); a blank signatory is left open.
bool TakeEmployee(frame::Session& session, std::string* nik, int row) {
  if (xbase::IsBlank(*nik)) return true;
  frame::PickSpec pick;
  pick.alias = "KARYAWAN";
  pick.by_name = true;
  pick.expressions = {"nik", "nama"};
  bool found = false;
  xbase::WorkArea* employees = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, nik, &found, &employees))) return false;
  *nik = xbase::PadR(xbase::RTrim(*nik), 10);
  if (!found) return pickers::Refuse(session, "NIK " + Trimmed(*nik) + " tidak terdaftar");
  session.console().Say(row, 44, xbase::PadR(employees->Text("NAMA"), 30), session.console().colours().enhanced);
  return true;
}

// The signatories; false after Esc.
bool ReadSignatories(frame::Session& session, Minute* minute) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::SHADOW(con, 12, 10, 18, 77, colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(13, 12, "Dibuat oleh     :", attr);
  con.Say(14, 12, "Mengetahui      :", attr);
  con.Say(15, 12, "Disetujui (1)   :", attr);
  con.Say(16, 12, "Disetujui (2)   :", attr);
  console::GetList form;
  std::string* people[] = {&minute->maker, &minute->acknowledger, &minute->approver1, &minute->approver2};
  for (int i = 0; i < 4; ++i) {
    std::string* nik = people[i];
    form.Add(13 + i, 31, nik, "@!").valid = [&session, nik, i] { return TakeEmployee(session, nik, 13 + i); };
  }
  return !form.Read(con).escaped;
}

// The steps after the header, then the save; a minute left on the way is not saved.
void EditMinute(frame::Session& session, const frame::OpenedTables& tables, Minute* minute) {
  console::Console& con = session.console();
  for (;;) {
    if (!EditProducts(session, tables, minute)) return;
    ReadTerms(session, minute);
    EditSchedule(session, minute);
    EditPayments(session, minute);
    ReadNotes(session, minute);
    if (!ReadSignatories(session, minute)) {
      if (AskLeaveMinute(con)) return;
      continue;
    }
    if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) continue;
    if (SaveAndTell(session, tables, minute)) return;
  }
}

}  // namespace

xbase::Status BACN1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  for (;;) {
    DrawScreen(session.console());
    Minute minute;
    if (!ReadHeader(session, tables, &minute)) break;
    EditMinute(session, tables, &minute);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
