// "Proses Update Data Customer": the terms corrected at the head office (the transfer file Dt_rls in
// the import folder) written over the customers of this branch.
#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/import_folder.h"
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

// The row's terms over its customer, under the customer's lock; a customer this branch does not have
// is counted and skipped.
xbase::Status UpdateCustomer(console::Console& con, const xbase::WorkArea& transfer, xbase::WorkArea& customers, Outcome* outcome) {
  const std::string code = transfer.Text("RELASI");
  xbase::Status s = xbase::IsBlank(code) ? xbase::Status::OK() : customers.Seek(customers.PadToField("RELASI", code));
  if (!s.ok()) return s;
  if (xbase::IsBlank(code) || !customers.found()) {
    ++outcome->unknown;
    return s;
  }
  s = console::LOCK_REC(con, customers);
  for (const char* field : kTermFields) {
    if (!s.ok() || transfer.FieldIndex(field) < 0) continue;
    xbase::Value value;
    if (s = transfer.Get(field, &value); s.ok()) s = customers.Put(field, value);
  }
  const xbase::Status unlocked = customers.Unlock();
  if (s.ok() && unlocked.ok()) ++outcome->updated;
  return s.ok() ? unlocked : s;
}

xbase::Status UpdateAll(console::Console& con, xbase::WorkArea& transfer, xbase::WorkArea& customers, Outcome* outcome) {
  xbase::Status s = customers.SetOrder(1);
  if (s.ok()) s = transfer.GoTop();
  while (s.ok() && !transfer.eof()) {
    s = UpdateCustomer(con, transfer, customers, outcome);
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
  const xbase::Status s = UpdateAll(con, *transfer, *customers, &outcome);
  console::PESAN(con, s.ok() ? "Selesai: " + std::to_string(outcome.updated) + " relasi diperbarui, " +
                                   std::to_string(outcome.unknown) + " relasi tidak terdaftar dilewati"
                             : s.message());
  return session.tables().CloseAll();
}

}  // namespace masters
