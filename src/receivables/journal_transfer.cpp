// Sending reversing-journal lines to another site and merging them there, through the transfer table
// KirimJB (the layout of PIUTJBL, with an index of its own name on NOMOR).
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "receivables/journal.h"
#include "receivables/keyed_seek.h"
#include "receivables/transfer_files.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kTransferTable = "KirimJB";
constexpr const char* kDefaultFolder = "d:\\data\\palunda";

bool OpenJournalTables(frame::Session& session) {
  if (frame::OpenTable(session, "SETUP", false, "Setup") && frame::OpenTable(session, "PIUTJBL", false, "Piutjbl")) {
    return true;
  }
  session.CloseTables();
  return false;
}

// The rows of one journal number in `area` (first index on NOMOR), deleted ones too when `deleted`.
xbase::Status RowsOf(frame::Session& session, xbase::WorkArea& area, std::string_view number, bool deleted,
                     std::vector<uint32_t>* rows) {
  xbase::Status s = area.SetOrder(1);
  if (!s.ok()) return s;
  const std::string key = area.PadToField("NOMOR", xbase::RTrim(number));
  return deleted ? documents::StoredRows(session.tables(), area, key, rows) : area.SeekAll(key, rows);
}

// One journal number after another until Esc.
xbase::Status SendNumbers(frame::Session& session, console::Attr attr) {
  console::Console& con = session.console();
  for (;;) {
    con.Clear(12, 11, 13, 68, attr);
    con.Say(12, 12, "Nomor JB :", attr);
    std::string number(10, ' ');
    console::GetList which;
    which.Add(12, 23, &number, "@!").valid = [&] {
      const xbase::Status s =
          frame::PickCode(session, PickOf("Piutjbl", {"nomor", "nota", "tanggal"}, {"Nomor", "Nota", "Tanggal"}), &number);
      if (!s.ok()) console::PESAN(con, s.message());
      number = xbase::PadR(number, 10);
      return s.ok();
    };
    if (which.Read(con).escaped) return xbase::Status::OK();
    bool found = false;
    if (xbase::Status s = SendJournal(session, number, &found); !s.ok()) return s;
    if (found) {
      con.Say(13, 12, "................berhasil..................................", attr);
      con.WaitKey();
    } else {
      console::PESAN(con, "Jurnal Balik " + std::string(xbase::AllTrim(number)) + " tidak ada");
    }
  }
}

}  // namespace

xbase::Status SendJournal(frame::Session& session, std::string_view number, bool* found) {
  xbase::WorkArea& journal = TableArea(session, "Piutjbl");
  xbase::WorkArea& transfer = TableArea(session, kTransferTable);
  std::vector<uint32_t> rows;
  xbase::Status s = RowsOf(session, journal, number, false, &rows);
  *found = !rows.empty();
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = journal.GoTo(rows[i]); s.ok()) s = transfer.Append();
    if (s.ok()) s = documents::CopyFieldsByPosition(journal, transfer);
  }
  return s;
}

xbase::Status ImportJournals(frame::Session& session) {
  xbase::WorkArea& transfer = TableArea(session, kTransferTable);
  xbase::WorkArea& journal = TableArea(session, "Piutjbl");
  xbase::Status s = transfer.SetOrder(1);
  if (s.ok()) s = transfer.GoTop();
  while (s.ok() && !transfer.eof()) {
    // The incoming rows of this number that carry a date.
    const std::string number = transfer.Text("NOMOR");
    std::vector<uint32_t> incoming;
    while (s.ok() && !transfer.eof() && transfer.Text("NOMOR") == number) {
      if (!transfer.DateOf("TANGGAL").empty()) incoming.push_back(transfer.recno());
      s = transfer.Skip(1);
    }
    const uint32_t next = transfer.recno();
    std::vector<uint32_t> stored;
    if (s.ok()) s = RowsOf(session, journal, number, true, &stored);
    if (!s.ok()) break;
    documents::LineRewrite how;
    how.keep = [](size_t) { return true; };
    how.write = [&](size_t k, bool) {
      xbase::Status w = transfer.GoTo(incoming[k]);
      return w.ok() ? documents::CopyFieldsByPosition(transfer, journal) : w;
    };
    if (s = documents::RewriteLines(session.console(), journal, stored, incoming.size(), how); s.ok()) {
      s = transfer.GoTo(next);
    }
  }
  return s;
}

xbase::Status KIRIMJB(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!OpenJournalTables(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::SHADOW(con, 9, 10, 15, 69, colour);
  console::TENGAH(con, 10, "KIRIM JURNAL BALIK", colour);
  const std::string folder = TransferFolder(session, StoredTransferFolder(session, kDefaultFolder));
  xbase::Status s;
  if (OpenTransferTable(session, folder, kTransferTable, true, true, nullptr)) {
    const int answer = console::PESAN(con, "Kiriman JB akan dihapus (Y/T)");
    if (answer == 'y' || answer == 'Y') s = TableArea(session, kTransferTable).table().Zap();
    if (s.ok()) s = SendNumbers(session, con.Colour(colour));
  }
  const xbase::Status closed = session.tables().CloseAll();
  return s.ok() ? closed : s;
}

xbase::Status IMPORJB(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!OpenJournalTables(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder = StoredTransferFolder(session, kDefaultFolder);
  xbase::Status s;
  if (AskTransferFolder(con, colour, {9, 13, "Impor Jurnal Balik", "Dari Folder", "@S40"}, &folder) &&
      console::Alert(con, "Yakin impor data dari " + std::string(xbase::AllTrim(folder)) + "; akan dijalankan",
                     {"Ya", "Tidak"}) == 1 &&
      OpenTransferTable(session, TransferFolder(session, folder), kTransferTable, true, true, nullptr)) {
    s = ImportJournals(session);
    console::PESAN(con, s.ok() ? "Proses impor berhasil......." : s.message());
  }
  const xbase::Status closed = session.tables().CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace receivables
