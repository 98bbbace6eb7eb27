// The proforma form of J1601 (a new proforma, numbered when saved) and J1602 (the correction of one
// not yet printed nor delivered on): the header, then the lines; F10 saves.
#include <cctype>
#include <string>

#include "console/array_browse.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/customer_check.h"
#include "documents/posting_date.h"
#include "documents/trade_discount.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/proforma.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

const std::vector<std::string> kHeads = {"No.",     "Kode",        "Nama Barang", " Box",   "  Pak",  "   Pcs",
                                         "    Qty", "      Harga", "Disc.1",      "Disc.1", "         Nilai"};
const std::vector<std::string> kPictures = {"99.",    "@!",          "@!",     "9999",   "99999",         "999999",
                                            "9999999", "99999999.99", "999.99", "999.99", "999,999,999.99"};

}  // namespace

frame::OpenedTables OpenProformaTables(frame::Session& session) {
  return frame::OpenTables(session, {"mastbrj", "MASTCUS", "relasi_ext", "pro_in1", "pro_in2", "pro_ot1", "pkt_yes",
                                     "SETUP", "PERUSH", "tipe", "mastsls"});
}

namespace {

void DrawForm(console::Console& con) {
  const console::Attr attr = con.colours().standard;
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, "PROFORMA INVOICE", con.Pick("W+/b", "W+/n"));
  con.Say(2, 0, "Nomor    : ....................      Tanggal     : ..........", attr);
  con.Say(3, 0, "Relasi   : ..........                Sales       : ....", attr);
  con.Say(4, 0, "Tipe     : ..                        Kode Perush : ....", attr);
  con.Say(5, 0, "Discount : ...... + ......           Kdcb        : ......", attr);
  con.Say(6, 0, "Ketrangan: ..............................", attr);
  con.Say(7, 0, std::string(80, '\xC4'), attr);
  con.Say(21, 0, std::string(80, '\xC4'), attr);
  con.Say(22, 48, "Jumlah Netto :", attr);
}

void ShowNet(console::Console& con, const Proforma& proforma) {
  con.Say(22, 63, xbase::Transform(xbase::Value::Num(ProformaNet(proforma)), "99,999,999,999.99"), con.colours().standard);
}

bool CheckCustomer(frame::Session& session, Proforma* proforma) {
  documents::CustomerCheck check;
  check.code = proforma->customer;
  if (!documents::GETCUSTOMER(session, &check)) return false;
  proforma->customer = xbase::PadR(check.code, 10);
  if (xbase::IsBlank(proforma->branch)) proforma->branch = xbase::PadR(check.branch, 6);
  if (xbase::IsBlank(proforma->code_id)) proforma->code_id = xbase::PadR(check.code_id, 4);
  proforma->group = check.group;
  proforma->price_level = check.price_level;
  proforma->ceilings = check.discounts;
  return true;
}

bool HeaderDiscount(frame::Session& session, double value, double ceiling) {
  if (value < 0 || value > 100) return pickers::Refuse(session, "Discount harus antara 0 sampai 100");
  return documents::CHKTRADE(value, ceiling);
}

// The header; false when left with Esc (or, in a correction, without a number).
bool ReadHeader(frame::Session& session, Proforma* proforma, bool correction) {
  console::Console& con = session.console();
  console::GetList form;
  if (correction) {
    form.Add(2, 11, &proforma->number, "@!").valid = [&] {
      if (xbase::IsBlank(proforma->number)) return true;
      if (!LoadProforma(session, proforma)) return false;
      form.Display(con);
      return true;
    };
  }
  form.Add(2, 52, &proforma->date, "").valid = [&] {
    xbase::Date accepted;
    return documents::CECKTANGGAL(session, proforma->date, true, {}, &accepted, 0);
  };
  form.Add(3, 11, &proforma->customer, "@!").valid = [&] { return CheckCustomer(session, proforma); };
  form.Add(3, 52, &proforma->salesman, "@!").valid = [&] { return pickers::CSALES(session, &proforma->salesman); };
  form.Add(4, 11, &proforma->type, "@!").valid = [&] {
    pickers::SaleType values;
    return pickers::CTIPE(session, &proforma->type, &values);
  };
  form.Add(4, 52, &proforma->code_id, "@!").valid = [&] {
    std::string name;
    return pickers::CID(session, &proforma->code_id, &name, con.Pick("W+/b", "W/n"));
  };
  form.Add(5, 11, &proforma->discount1, "999.99").valid = [&] {
    return HeaderDiscount(session, proforma->discount1, proforma->ceilings[2]);
  };
  form.Add(5, 20, &proforma->discount2, "999.99").valid = [&] {
    return HeaderDiscount(session, proforma->discount2, proforma->ceilings[3]);
  };
  form.Add(5, 52, &proforma->branch, "@!");
  form.Add(6, 11, &proforma->remark, "@S30");
  if (correction) {
    for (size_t i = 1; i < form.fields().size(); ++i) {
      form.fields()[i].when = [proforma] { return !xbase::IsBlank(proforma->number); };
    }
  }
  const console::ReadResult read = form.Read(con);
  return !read.escaped && !(correction && xbase::IsBlank(proforma->number));
}

// The line editor; true when the proforma was saved.
bool EditLines(frame::Session& session, Proforma* proforma, bool correction) {
  console::Console& con = session.console();
  if (proforma->lines.empty()) AddProformaLine(&proforma->lines, proforma->ceilings[0], proforma->ceilings[1]);
  int idx = 1;
  bool saved = false;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &proforma->lines, kHeads, kPictures, {8, 0, 20, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kPfLineNo, kPfName, kPfValue}) browse.set_read_only(column, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return CheckProformaCell(session, typed, browse.column(), proforma, idx); };
  hooks.show = [&] { ShowNet(con, *proforma); };
  hooks.enter_on_last = [&] {
    const console::ValueRow& line = proforma->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kPfCode);
    if (xbase::IsBlank(PfWord(line, kPfCode)) || PfFigure(line, kPfQuantity) == 0) return;
    if (idx == browse.row_count()) AddProformaLine(&proforma->lines, PfFigure(line, kPfDisc1), PfFigure(line, kPfDisc2));
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        frame::HAPUS_(static_cast<size_t>(idx), &proforma->lines);
        browse.Skip(0);
        return false;
      case key::kEsc: return browse.row_count() == 1 || std::toupper(console::PESAN(con, "Yakin akan diCancel (Y/T)")) == 'Y';
      case key::kF10:
        saved = correction ? SaveCorrectedProforma(session, *proforma) : SaveNewProforma(session, proforma);
        return saved;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kPfCode, kPfValue, hooks);
  return saved;
}

}  // namespace

xbase::Status ProformaForm(frame::Session& session, bool correction) {
  if (!OpenProformaTables(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  Proforma proforma;
  proforma.date = session.Today();
  for (;;) {
    DrawForm(con);
    if (!ReadHeader(session, &proforma, correction)) break;
    if (EditLines(session, &proforma, correction)) {
      proforma.lines.clear();
      proforma.number = std::string(20, ' ');
    }
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

xbase::Status J1601(frame::Session& session, const std::vector<xbase::Value>&) { return ProformaForm(session, false); }

xbase::Status J1602(frame::Session& session, const std::vector<xbase::Value>&) { return ProformaForm(session, true); }

}  // namespace sales
