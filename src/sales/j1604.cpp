// J1604: a delivery note made from a proforma invoice ("TIDAK UNTUK TAGIHAN"). The clerk names the
// proforma, the note number and the customer, then ships the proforma's open lines; F10 saves.
#include <cctype>
#include <string>

#include "console/array_browse.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "pickers/pickers.h"
#include "sales/proforma_note.h"
#include "sales/sales.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

const std::vector<std::string> kHeads = {"No.", "Gdg", "Kode", "KD KIRIM", "Nama Barang", "  Box", "  Pak", "   Pcs",
                                         "    Qty"};
const std::vector<std::string> kPictures = {"99.", "@!", "@!", "@!", "@!", "99999", "99999", "999999", "9999999"};

}  // namespace

frame::OpenedTables OpenProformaNoteTables(frame::Session& session) {
  return frame::OpenTables(
      session, {"mastbrj", "STOKBRG", "SRTJLN1", "SRTJLN2", "SRTJLN3", "MASTCUS", "PIUTDBT", "SETUP", "PERUSH", "tipe",
                "mastsls", "mastgdg", "pro_ot1", "pro_ot2", "pro_in1", "pro_in2", "otl_grp", "otl_mbr"});
}

namespace {

void DrawForm(console::Console& con) {
  const console::Attr attr = con.colours().standard;
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, "Surat Jalan", con.Pick("W+/b", "W+/n"));
  con.Say(2, 0, "Proforma : ....................   Ktr       : ....................", attr);
  con.Say(3, 0, "Nomor SJ : ....................   Sales     : ....", attr);
  con.Say(4, 0, "Relasi   : ..........             Tg. Tempo : .......... +...", attr);
  con.Say(5, 0, "Tanggal  : ..........             Nilai     :", attr);
  con.Say(6, 0, std::string(80, '\xC4'), attr);
  con.Say(21, 0, std::string(80, '\xC4'), attr);
}

void ShowFigures(console::Console& con, const ProformaNote& note) {
  const console::Attr attr = con.colours().standard;
  con.Say(4, 58, xbase::Str(note.term, 3), attr);
  con.Say(5, 46, xbase::Transform(xbase::Value::Num(ProformaNoteValue(note)), "99,999,999,999.99"), attr);
  con.Say(22, 30, "Maksimal : " + xbase::Transform(xbase::Value::Num(note.maximum), "99,999,999,999.99"), attr);
}

bool ReadHeader(frame::Session& session, ProformaNote* note) {
  console::Console& con = session.console();
  console::GetList form;
  form.Add(2, 11, &note->proforma, "@!").valid = [&] {
    if (xbase::IsBlank(note->proforma)) return true;
    if (!LoadNoteProforma(session, note)) return false;
    form.Display(con);
    ShowFigures(con, *note);
    return true;
  };
  form.Add(2, 46, &note->remark, "@!");
  form.Add(3, 11, &note->number, "@!").valid = [&] { return CEKEXIST(session, note->number); };
  form.Add(4, 11, &note->customer, "@!").valid = [&] { return CheckNoteCustomer(session, *note); };
  form.Add(5, 11, &note->date, "").valid = [&] {
    xbase::Date accepted;
    if (!documents::CECKTANGGAL(session, note->date, true, {}, &accepted, 0)) return false;
    note->tempo = note->date + static_cast<int>(note->term);
    form.Display(con);
    return true;
  };
  form.Add(3, 46, &note->salesman, "@!").valid = [&] { return pickers::CSALES(session, &note->salesman); };
  form.Add(4, 46, &note->tempo, "").valid = [&] {
    note->term = std::max(0, note->tempo - note->date);
    ShowFigures(con, *note);
    return true;
  };
  for (size_t i = 1; i < form.fields().size(); ++i) {
    form.fields()[i].when = [note] { return !xbase::IsBlank(note->proforma); };
  }
  const console::ReadResult read = form.Read(con);
  return !read.escaped && !xbase::IsBlank(note->proforma);
}

// The line editor; true when the note was saved.
bool EditLines(frame::Session& session, ProformaNote* note) {
  console::Console& con = session.console();
  note->lines.clear();
  AddProformaNoteLine(&note->lines, session.MMEMBER.warehouse);
  int idx = 1;
  bool saved = false;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &note->lines, kHeads, kPictures, {7, 0, 20, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kPnLineNo, kPnName}) browse.set_read_only(column, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return CheckProformaNoteCell(session, typed, browse.column(), note, idx); };
  hooks.show = [&] { ShowFigures(con, *note); };
  hooks.enter_on_last = [&] {
    const console::ValueRow& line = note->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kPnCode);
    browse.set_column(kPnWarehouse);
    if (xbase::IsBlank(PnWord(line, kPnCode)) || PnFigure(line, kPnQuantity) == 0) return;
    if (idx == browse.row_count()) AddProformaNoteLine(&note->lines, PnWord(line, kPnWarehouse));
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        frame::HAPUS_(static_cast<size_t>(idx), &note->lines);
        browse.Skip(0);
        return false;
      case key::kEsc: return browse.row_count() == 1 || std::toupper(console::PESAN(con, "Yakin akan diCancel (Y/T)")) == 'Y';
      case key::kF10:
        saved = SaveProformaNote(session, *note);
        return saved;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kPnWarehouse, kPnQuantity, hooks);
  return saved;
}

}  // namespace

xbase::Status J1604(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OpenProformaNoteTables(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  ProformaNote note;
  note.date = session.Today();
  for (;;) {
    DrawForm(con);
    if (!ReadHeader(session, &note)) break;
    if (EditLines(session, &note)) note.number = std::string(20, ' ');
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
