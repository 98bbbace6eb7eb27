// Sending reversing-journal lines to another site and merging them there, through the transfer table
// KirimJB (the layout of PIUTJBL, with an index of its own name on NOMOR).
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/save_scope.h"
#include "frame/status_display.h"
#include "receivables/journal.h"
#include "receivables/keyed_seek.h"
#include "receivables/receivables.h"
#include "receivables/transfer_files.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kTransferTable = "KirimJB";
constexpr const char* kDefaultFolder = "d:\\data\\palunda";

frame::OpenedTables OpenJournalTables(frame::Session& session) {
  return frame::OpenTables(session, {{"SETUP", "Setup"}, {"PIUTJBL", "Piutjbl"}});
}

// The live rows of one journal number in `area` (first index on NOMOR).
xbase::Status RowsOf(xbase::WorkArea& area, std::string_view number, std::vector<uint32_t>* rows) {
  xbase::Status s = area.SetOrder(1);
  return s.ok() ? area.SeekAll(area.PadToField("NOMOR", xbase::RTrim(number)), rows) : s;
}

// One journal number after another until Esc.
xbase::Status SendNumbers(frame::Session& session, xbase::WorkArea& journal, xbase::WorkArea& transfer,
                          console::Attr attr) {
  console::Console& con = session.console();
  for (;;) {
    con.Clear(12, 11, 13, 68, attr);
    con.Say(12, 12, "Nomor JB :", attr);
    std::string number(10, ' ');
    console::GetList which;
    which.Add(12, 23, &number, "@!").valid = [&] {
      const xbase::Status s = frame::PickCode(
          session, PickOf("Piutjbl", {"nomor", "nota", "tanggal"}, {"Nomor", "Nota", "Tanggal"}), &number);
      frame::ShowFailure(session, s);
      number = xbase::PadR(number, 10);
      return s.ok();
    };
    if (which.Read(con).escaped) return xbase::Status::OK();
    bool found = false;
    if (xbase::Status s = SendJournal(journal, transfer, number, &found); !s.ok()) return s;
    if (found) {
      con.Say(13, 12, "................berhasil..................................", attr);
      con.WaitKey();
    } else {
      console::PESAN(con, "Jurnal Balik " + std::string(xbase::AllTrim(number)) + " tidak ada");
    }
  }
}

}  // namespace

xbase::Status SendJournal(xbase::WorkArea& journal, xbase::WorkArea& transfer, std::string_view number, bool* found) {
  std::vector<uint32_t> rows;
  xbase::Status s = RowsOf(journal, number, &rows);
  *found = !rows.empty();
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = journal.GoTo(rows[i]); s.ok()) s = transfer.Append();
    if (s.ok()) s = documents::CopyFieldsByPosition(journal, transfer);
  }
  return s;
}

xbase::Status ImportJournals(frame::Session& session, xbase::WorkArea& journal, xbase::WorkArea& transfer) {
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
    // Each number is one save: its stored rows are locked before the first is written.
    documents::SaveScope save(session.console());
    std::vector<uint32_t> stored;
    if (s.ok()) {
      s = documents::NameStoredRows(save, session.tables(), journal, 1,
                                    journal.PadToField("NOMOR", xbase::RTrim(number)), &stored);
    }
    if (s.ok()) s = save.Lock();
    if (!s.ok()) {
      documents::NothingSaved(session, s);
      return xbase::Status::Locked("journal " + std::string(xbase::RTrim(number)), "not imported");
    }
    s = save.BeginWrites();
    documents::LineRewrite how;
    how.keep = [](size_t) { return true; };
    how.write = [&](size_t k, bool) {
      xbase::Status w = transfer.GoTo(incoming[k]);
      return w.ok() ? documents::CopyFieldsByPosition(transfer, journal) : w;
    };
    if (s.ok()) s = documents::RewriteLines(session.console(), journal, stored, incoming.size(), how);
    s = save.CommitWrites(s);
    if (s.ok()) s = transfer.GoTo(next);
  }
  return s;
}

xbase::Status CreateJournalTransferFile(const std::string& folder) {
  const schema::IndexDef index[] = {{kTransferTable, "nomor"}};
  return schema::CreateTable({kTransferTable, schema::FindTable("PIUTJBL")->fields, index}, folder);
}

xbase::Status KIRIMJB(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenJournalTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::SHADOW(con, 9, 10, 15, 69, colour);
  console::TENGAH(con, 10, "KIRIM JURNAL BALIK", colour);
  std::string stored;
  if (xbase::Status s = StoredTransferFolder(session, &stored, kDefaultFolder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  const std::string folder = TransferFolder(session, stored);
  xbase::Status s;
  xbase::WorkArea* transfer = nullptr;
  if (OpenTransferTable(session, folder, kTransferTable, true, true, &transfer)) {
    const int answer = console::PESAN(con, "Kiriman JB akan dihapus (Y/T)");
    if (answer == 'y' || answer == 'Y') s = frame::ClearTables(con, {transfer});
    if (s.ok()) s = SendNumbers(session, tables["Piutjbl"], *transfer, con.Colour(colour));
  }
  const xbase::Status closed = session.tables().CloseAll();
  return s.ok() ? closed : s;
}

xbase::Status IMPORJB(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenJournalTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder, kDefaultFolder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  xbase::Status s;
  xbase::WorkArea* transfer = nullptr;
  if (AskTransferFolder(con, colour, {9, 13, "Impor Jurnal Balik", "Dari Folder", "@S40"}, &folder) &&
      console::Alert(con, "Yakin impor data dari " + std::string(xbase::AllTrim(folder)) + "; akan dijalankan",
                     {"Ya", "Tidak"}) == 1 &&
      OpenTransferTable(session, TransferFolder(session, folder), kTransferTable, true, true, &transfer)) {
    s = ImportJournals(session, tables["Piutjbl"], *transfer);
    // A lock given up was told with what it left unwritten; the numbers before it are in.
    if (s.ok()) console::PESAN(con, "Proses impor berhasil.......");
    if (!s.IsLocked()) frame::ShowFailure(session, s);
    if (s.IsLocked()) s = xbase::Status::OK();
  }
  const xbase::Status closed = session.tables().CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace receivables
