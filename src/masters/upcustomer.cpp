// "Proses Update Data Customer": the terms corrected at the head office (the transfer file Dt_rls in
// the import folder) written over the customers of this branch.
#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/save_scope.h"
#include "frame/import_folder.h"
#include "frame/import_stop.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "masters/master_screens.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr const char* kTransferAlias = "kiriman";
constexpr const char* kTermFields[] = {"KELOMPOK", "TEMPO", "TEMPO2", "TEMPO3", "TEMPO4",
                                       "DISC",     "SALES", "PKP",    "TERIMA"};

struct Outcome {
  int updated = 0;
  int unknown = 0;
};

// The row's terms over its customer, a save of its own: the customer's lock first, so that Esc while
// another workstation holds it writes nothing. A customer this branch does not have is counted and
// skipped.
xbase::Status UpdateCustomer(console::Console& con, const xbase::WorkArea& transfer, xbase::WorkArea& customers, Outcome* outcome) {
  const std::string code = transfer.Text("RELASI");
  xbase::Status s = xbase::IsBlank(code) ? xbase::Status::OK() : customers.Seek(customers.PadToField("RELASI", code));
  if (!s.ok()) return s;
  if (xbase::IsBlank(code) || !customers.found()) {
    ++outcome->unknown;
    return s;
  }
  const uint32_t customer = customers.recno();
  documents::SaveScope save(con);
  save.Update(customers, customer);
  if (s = save.Lock(); !s.ok()) return s;
  s = save.BeginWrites();
  if (s.ok()) s = customers.GoTo(customer);
  for (const char* field : kTermFields) {
    if (!s.ok() || transfer.FieldIndex(field) < 0) continue;
    xbase::Value value;
    if (s = transfer.Get(field, &value); s.ok()) s = customers.Put(field, value);
  }
  s = save.CommitWrites(s);
  if (s.ok()) ++outcome->updated;
  return s;
}

// Every row in turn; a lock given up or a failed write stops at that row (*stopped), the rows before
// it written.
xbase::Status UpdateAll(console::Console& con, xbase::WorkArea& transfer, xbase::WorkArea& customers, Outcome* outcome,
                        uint32_t* stopped) {
  xbase::Status s = customers.SetOrder(1);
  if (s.ok()) s = transfer.GoTop();
  while (s.ok() && !transfer.eof()) {
    s = UpdateCustomer(con, transfer, customers, outcome);
    if (!s.ok()) *stopped = transfer.recno();
    if (s.ok()) s = transfer.Skip();
  }
  return s;
}

}  // namespace

xbase::Status UPCUSTOMER(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "setup")) return session.tables().CloseAll();
  const std::string folder = frame::ImportFolder(session);
  if (console::Alert(con, "Proses Update Data Customer", {"Proses", "Batal"}) != 1) return session.tables().CloseAll();
  std::string path;
  if (!frame::Checked(session, frame::FileInFolder(session, folder, "Dt_rls.dbf", &path))) return session.tables().CloseAll();
  xbase::WorkArea* transfer = nullptr;
  xbase::WorkArea* customers = nullptr;
  if (!console::BUKAFILE(con, session.tables(), path, false, frame::kOpenWait, kTransferAlias, &transfer) ||
      !frame::OpenTable(session, "Mastcus", false, "", &customers)) {
    return session.tables().CloseAll();
  }
  Outcome outcome;
  uint32_t stopped = 0;
  const xbase::Status s = UpdateAll(con, *transfer, *customers, &outcome, &stopped);
  if (s.ok()) {
    console::PESAN(con, "Selesai: " + std::to_string(outcome.updated) + " relasi diperbarui, " +
                            std::to_string(outcome.unknown) + " relasi tidak terdaftar dilewati");
  } else {
    frame::ShowImportStop(session, s, "Dt_rls", stopped, stopped != 0 ? transfer->Text("RELASI") : "",
                          "relasi ini tidak diperbarui");
  }
  return session.tables().CloseAll();
}

}  // namespace masters
