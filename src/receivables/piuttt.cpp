// Payment receipts (TT): the entry screen that settles invoices line by line, the settlement form
// print, the receipt list and the giro activation import.
#include "receivables/piuttt.h"

#include <algorithm>
#include <string>

#include "console/alert.h"
#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/line_arrays.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "receivables/receipt.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kScreenColour = "W+/b";
constexpr const char* kLinesColour = "W+/b,N/W";
constexpr int kHeaderRow = 2;
constexpr int kLegendRow = 23;
constexpr console::Window kLinesWindow{4, 1, 17, 78};
constexpr int kFirstEditColumn = kNota + 1;
constexpr int kLastColumn = kAmount + 1;

void DrawScreen(console::Console& con) {
  const console::Attr attr = con.Colour(kScreenColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, "REALISASI PENERIMAAN PIUTANG (TT)", kScreenColour);
  con.Say(kHeaderRow, 1, "CABANG : ...... Nomor : .......... Tanggal : .......... Note : ...............", attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
  DrawPanelLabels(con);
}

// The cell under the cursor is edited (a typed character already waits in the keyboard); the cursor
// then moves on: after the amount down to the next line (a new one after the last) when the line
// counts, else back to the invoice; after any other cell one column right.
void EditCurrent(frame::Session& session, const frame::OpenedTables& tables, console::ArrayBrowse* browse,
                 Receipt* receipt, int* idx, const PanelFigures& figures) {
  console::Console& con = session.console();
  const size_t column = static_cast<size_t>(browse->column() - 1);
  const size_t line = static_cast<size_t>(*idx - 1);
  bool escaped = false;
  browse->EditCell(
      con, [&](xbase::Value* value) { return VALIDASIENTRY(session, tables, value, column, receipt, line, figures); },
      &escaped);
  if (escaped) return;
  if (column != kAmount) {
    browse->set_column(static_cast<int>(column) + 2);
    return;
  }
  browse->set_column(kFirstEditColumn);
  if (!LineCounts(receipt->lines[line])) return;
  if (line + 1 == receipt->lines.size()) {
    receipt->lines.push_back(ContinuedLine(receipt->lines[line], receipt->lines.size() + 1));
  }
  browse->Skip(1);
}

// The line browse of a receipt; true when it was saved, false when left with Esc.
bool EditLines(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "GR+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &receipt->lines, {" No", "Nota ", "Id", "No. Giro", "Keterangan", "          Jumlah"},
      {"999", "@s17!", "@!", "@S17!", "@s18!", "9,999,999,999.99"}, kLinesWindow, kLinesColour, kLegendRow, help,
      &idx, 1);
  browse.set_read_only(1, true);
  browse.set_column(kFirstEditColumn);
  PanelFigures figures;
  for (;;) {
    browse.Stabilize(con);
    if (xbase::Status s = INFORMASI(session, tables, *receipt, static_cast<size_t>(idx - 1), &figures); !s.ok()) {
      console::WARNING(con, s.message(), "Gr+/r");
    }
    browse.Hilite(con);
    const int pressed = con.WaitKey();
    const int lines = static_cast<int>(receipt->lines.size());
    switch (pressed) {
      case key::kEsc:
        if (lines <= 1 || console::Alert(con, "Yakin akan membatalkan inputan ", {"ya", "tidak"}) == 1) return false;
        break;
      case key::kF10: {
        bool saved = false;
        frame::ShowFailure(session, SIMPANDATA(session, tables, receipt, &saved));
        if (saved) return true;
        break;
      }
      case key::kDel:
        if (lines > 1 && !xbase::IsBlank(LineText(receipt->lines[static_cast<size_t>(idx - 1)], kNota))) {
          frame::HAPUS_(static_cast<size_t>(idx), &receipt->lines);
          idx = std::min(idx, static_cast<int>(receipt->lines.size()));
        }
        break;
      case key::kDown:
      case key::kUp:
        if (browse.Skip(pressed == key::kDown ? 1 : -1) == 0) con.Tone(800, 55);
        break;
      case key::kLeft:
        if (browse.column() == kFirstEditColumn) {
          con.Tone(800, 55);
        } else {
          browse.Navigate(pressed);
        }
        break;
      case key::kRight:
        if (browse.column() < kLastColumn) browse.Navigate(pressed);
        break;
      case key::kHome:
      case key::kCtrlPgUp: browse.GoTop(); break;
      case key::kEnd:
      case key::kCtrlPgDn: browse.GoBottom(); break;
      case key::kEnter: EditCurrent(session, tables, &browse, receipt, &idx, figures); break;
      default:
        if (pressed >= 32 && pressed <= 255) {
          con.PushKeys({pressed});
          EditCurrent(session, tables, &browse, receipt, &idx, figures);
        } else {
          browse.Navigate(pressed);
        }
    }
    // The line number column is never entered.
    if (browse.column() < kFirstEditColumn) browse.set_column(kFirstEditColumn);
  }
}

}  // namespace

xbase::Status REALTT(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const int limit = static_cast<int>(xbase::Val(session.ZHARIBATAS).value);
  if (session.ZTGLBATAS > session.ZTGPROSES + limit && !session.MMEMBER.HasRight("/SPV")) {
    console::PESAN(con, "Harus lakukan proses tutup buku dulu...");
    return xbase::Status::OK();
  }
  const frame::OpenedTables tables = OpenReceiptTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  DrawScreen(con);
  Receipt receipt;
  receipt.date = session.Today();
  for (;;) {
    receipt.number = std::string(10, ' ');
    receipt.lines.clear();
    console::GetList header;
    header.Add(kHeaderRow, 10, &receipt.branch, "@!").valid = [&] {
      return pickers::CARICABANG(session, &receipt.branch);
    };
    header.Add(kHeaderRow, 25, &receipt.number, "@!").valid = [&] { return LCGETTT(session, tables, &receipt, true); };
    header.Add(kHeaderRow, 46, &receipt.date).valid = [&] {
      return documents::CECKTANGGAL(session, receipt.date, receipt.is_new, receipt.old_date, &receipt.date);
    };
    header.Add(kHeaderRow, 64, &receipt.notes, "@S15");
    if (header.Read(con).escaped) break;
    // A READ ended before the number's check ran still loads the receipt.
    if (receipt.lines.empty() && !LCGETTT(session, tables, &receipt, true)) continue;
    EditLines(session, tables, &receipt);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
