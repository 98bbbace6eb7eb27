// The administrative return screen: a printed delivery note is named, shown with all its lines, and
// returned whole with F10.
#include <cstdio>
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/line_value.h"
#include "frame/code_pick.h"
#include "frame/line_editor.h"
#include "frame/status_display.h"
#include "returns/admin_return.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/picture.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

namespace key = console::key;
using xbase::Value;

const console::KeyHelp kListHelp{{"Esc", " F10"}, {") Kembali,", ") Simpan"}, "W+/b", "Gr+/b"};

void DrawScreen(console::Console& con) {
  DrawEntryScreen(con, "RETUR PENJUALAN (Administrasi)",
                  {{1, 1, "No. SJ   :"}, {2, 1, "Tgl. SJ  :"}, {3, 1, "Tg. Kirim:"}, {4, 1, "No. PO   :"},
                   {5, 1, "Tgl. PO  :"}, {6, 1, "Tg. Tempo:"}, {1, 34, "Custom :"}, {2, 34, "Kd. Cab:"},
                   {3, 34, "Tipe   :"}, {4, 34, "Sls    :"}, {5, 34, "Disc. 1:"}, {6, 34, "Disk. 2:"},
                   {1, 58, "Code Id:"}, {2, 58, "Include:"}, {3, 58, "Ket.   :"}, {22, 1, "Nama Barang :"},
                   {23, 1, "Sisa Barang : ......... pcs = ....... Box              Netto : ..............."}});
}

void ShowNote(console::Console& con, const AdminNote& note) {
  const console::Attr attr = con.colours().enhanced;
  con.Say(2, 12, xbase::Dtoc(note.date), attr);
  con.Say(3, 12, xbase::Dtoc(note.sent), attr);
  con.Say(4, 12, xbase::PadR(note.order, 20), attr);
  con.Say(5, 12, xbase::Dtoc(note.order_date), attr);
  con.Say(6, 12, xbase::Dtoc(note.due) + " (" + xbase::Str(note.term, 3) + ")", attr);
  con.Say(1, 43, note.customer, attr);
  con.Say(2, 43, note.branch, attr);
  con.Say(3, 43, note.type, attr);
  con.Say(4, 43, note.salesman, attr);
  con.Say(5, 43, xbase::Transform(Value::Num(note.discount1), "999.99"), attr);
  con.Say(6, 43, xbase::Transform(Value::Num(note.discount2), "999.99"), attr);
  con.Say(1, 67, note.code_id, attr);
  con.Say(2, 67, note.include ? "Y" : "T", attr);
  con.Say(3, 67, xbase::Left(note.ktr1, 12), attr);
  con.Say(4, 58, xbase::PadR(note.ktr2, 20), attr);
}

console::ValueTable Rows(const AdminNote& note) {
  console::ValueTable rows;
  int n = 0;
  for (const AdminLine& line : note.lines) {
    rows.push_back({Value::Num(++n), Value::Text(line.warehouse), Value::Text(line.code), Value::Num(line.boxes),
                    Value::Num(line.packs), Value::Num(line.pieces), Value::Num(line.quantity), Value::Num(line.price),
                    Value::Num(line.discount1), Value::Num(line.discount2), Value::Num(line.Value())});
  }
  return rows;
}

// INFORMASI: the current line's goods name and warehouse stock, and the net of the note. The stock
// and its boxes are figures: goods or a stock row that cannot be read is the failure on row 24 with
// the two left blank, never a stock of 0.
void INFORMASI(frame::Session& session, const frame::OpenedTables& tables, const AdminNote& note, int row) {
  console::Console& con = session.console();
  const console::Attr attr = con.colours().enhanced;
  if (row < 1 || row > static_cast<int>(note.lines.size())) return;
  const AdminLine& line = note.lines[static_cast<size_t>(row - 1)];
  std::string name(20, ' ');
  double dos = 0, stock = 0;
  bool found = false;
  xbase::WorkArea& goods = tables["MASTBRJ"];
  xbase::Status s = SeekExact(goods, "MASTBRJ1", "KODE", line.code, &found);
  if (s.ok() && found) {
    name = goods.Text("NAMA");
    dos = goods.Number("DOS");
  }
  xbase::WorkArea& stocks = tables["STOKBRG"];
  if (s.ok()) {
    s = xbase::SeekFound(stocks, "STOKBRG2",
                         stocks.PadToField("GUDANG", line.warehouse) + stocks.PadToField("KODE", line.code), &found);
  }
  if (s.ok() && found) stock = stocks.Number("JUMLAH");
  con.Say(22, 15, xbase::PadR(name, 20), attr);
  con.Say(23, 15, s.ok() ? xbase::Transform(Value::Num(stock), "999999999") : std::string(9, ' '), attr);
  con.Say(23, 31, s.ok() ? xbase::Transform(Value::Num(documents::WholeTimes(stock, dos)), "9999999") : std::string(7, ' '),
          attr);
  // Over the 15 dots after "Netto : ".
  con.Say(23, 64, xbase::PadL(xbase::Transform(Value::Num(note.Net()), "999,999,999.99"), 15), attr);
  frame::ShowFailure(session, s);
}

// The lines of an accepted note: read only; F10 saves, Esc goes back to the number.
void ShowLines(frame::Session& session, const frame::OpenedTables& tables, const AdminNote& note) {
  console::Console& con = session.console();
  console::ValueTable rows = Rows(note);
  int index = 1;
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &rows, {"NO", "GDG", "KODE", "Q. BOX", "Q. PAK", "Q. PCS", "QUANTITY", "HARGA", "DISC1", "DISC2", "JUMLAH"},
      {"99", "@!", "@!", "999999", "999999", "999999", "999999999", "9,999,999.99", "999.99", "999.99",
       "99,999,999,999.99"},
      {9, 0, 21, 79}, std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, kListHelp, &index);
  for (int column = 1; column <= 11; ++column) browse.set_read_only(column, true);
  frame::LineEditorHooks hooks;
  hooks.show = [&] { INFORMASI(session, tables, note, index); };
  hooks.other_key = [&](int pressed) {
    if (pressed == key::kEsc) return true;
    if (pressed != key::kF10) return false;
    std::string number;
    if (!SaveAdminReturn(session, tables, note, &number).ok()) return false;  // told by the save
    console::PESAN(con, "Nomor retur ini adalah : " + number);
    return true;
  };
  frame::RunLineEditor(con, browse, 1, 11, hooks);
}

}  // namespace

xbase::Status RTADMIN(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenAdminReturnTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  for (;;) {
    DrawScreen(con);
    std::string number(20, ' ');
    AdminNote note;
    console::GetList form;
    form.Add(1, 12, &number, "@!").valid = [&] {
      frame::PickSpec pick;
      pick.alias = "SRTJLN1";
      if (!frame::Checked(session, frame::PickCode(session, pick, &number))) return false;
      number = xbase::PadR(number, 20);
      return xbase::IsBlank(number) || LCGERSURATJALAN(session, tables, number, &note);
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    ShowNote(con, note);
    ShowLines(session, tables, note);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
