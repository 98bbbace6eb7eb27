// The collection list entry: header, the invoices to collect with the customer panel, save.
#include <algorithm>
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "receivables/collections.h"
#include "receivables/editor_keys.h"
#include "receivables/keyed_seek.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kColour = "W+/b";
constexpr console::Window kLinesWindow{4, 1, 16, 78};
constexpr int kHeaderRow = 2;

void DrawScreen(console::Console& con) {
  const console::Attr attr = con.Colour(kColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, "DATA TAGIHAN SALESMAN", kColour);
  con.Say(kHeaderRow, 1, "CABANG : ......   Nomor : ..........   Tanggal : ..........  Penagih : ....", attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
  con.Say(18, 2, "Relasi :", attr);
  con.Say(19, 2, "Alamat :", attr);
  con.Say(20, 2, "Kota   :", attr);
  con.Say(21, 2, "Tg. Invoice :", attr);
}

// The customer panel of the current line.
void ShowPanel(frame::Session& session, xbase::WorkArea& customer, const console::ValueRow& line) {
  console::Console& con = session.console();
  const console::Attr attr = con.Colour(kColour);
  con.Clear(18, 11, 21, 78, attr);
  con.Clear(21, 16, 21, 78, attr);
  bool found = false;
  if (!xbase::IsBlank(line[kTgCustomer].text()) &&
      SeekExact(customer, "MASTCUS1", "RELASI", line[kTgCustomer].text(), &found).ok() && found) {
    con.Say(18, 11, xbase::PadR(customer.Text("NAMA"), 30), attr);
    con.Say(19, 11, std::string(xbase::RTrim(customer.Text("ALAMAT"))) + " " + std::string(xbase::RTrim(customer.Text("ALAMAT2"))),
            attr);
    con.Say(20, 11, customer.Text("KOTA"), attr);
  }
  if (!line[kTgInvoiceDate].date().empty()) con.Say(21, 16, xbase::Dtoc(line[kTgInvoiceDate].date()), attr);
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Ins", " Del"}, {") Kembali,", ") Simpan,", ") Sisip,", ") Hapus"},
                              "W+/b", "GR+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &list->lines, {" No.", "Nota", "Relasi", "       Piutang", "       Tagihan", "Tg. Tempo"},
      {"999", "@!", "@!", "999,999,999.99", "999,999,999.99", ""}, kLinesWindow, "W+/b,N/W", 23, help, &idx, 1);
  for (int column = 1; column <= 6; ++column) browse.set_read_only(column, column != kTgNota + 1);
  const int column = kTgNota + 1;
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* value) {
    return CheckCollectionInvoice(session, tables, list, static_cast<size_t>(idx - 1), value);
  };
  hooks.after_edit = [&](int) {
    if (xbase::IsBlank(list->lines[static_cast<size_t>(idx - 1)][kTgNota].text())) return;
    if (idx == static_cast<int>(list->lines.size())) list->lines.push_back(BlankCollectionLine(list->lines.size() + 1));
    browse.Skip(1);
  };
  hooks.show = [&] { ShowPanel(session, tables["mastcus"], list->lines[static_cast<size_t>(idx - 1)]); };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10: {
        if (!AnsweredYes(con, "Yakin data akan disimpan (Y/T)")) return false;
        bool saved = false;
        return frame::Checked(session, SaveCollection(session, tables, list, &saved)) && saved;
      }
      case key::kIns:
        if (idx < static_cast<int>(list->lines.size())) {
          list->lines.insert(list->lines.begin() + (idx - 1), BlankCollectionLine(0));
          for (size_t n = 0; n < list->lines.size(); ++n) {
            list->lines[n][kTgNo] = xbase::Value::Num(static_cast<double>(n + 1), 3, 0);
          }
        }
        return false;
      case key::kDel:
        DeleteLine(&list->lines, &idx);
        return false;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, column, column, hooks);
}

}  // namespace

xbase::Status TAGIH1(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenCollectionTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  CollectionList list;
  for (;;) {
    DrawScreen(con);
    list.number = std::string(10, ' ');
    list.date = session.Today();
    list.lines.clear();
    console::GetList header;
    header.Add(kHeaderRow, 10, &list.branch, "@!").valid = [&] { return pickers::CARICABANG(session, &list.branch); };
    header.Add(kHeaderRow, 27, &list.number, "@!").valid = [&] { return LoadCollection(session, tables, &list); };
    header.Add(kHeaderRow, 50, &list.date);
    header.Add(kHeaderRow, 72, &list.collector, "@!").valid = [&] { return pickers::CSALES(session, &list.collector); };
    if (header.Read(con).escaped) break;
    if (list.lines.empty() && !LoadCollection(session, tables, &list)) continue;
    EditLines(session, tables, &list);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
