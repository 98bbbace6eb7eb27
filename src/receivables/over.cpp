// The customer lock: blocks a customer from further sales with the mark "OVER" and keeps the reason.
#include "receivables/over.h"
#include "receivables/table_steps.h"

#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kLockMark = "OVER";
constexpr int kCodeWidth = 9;
constexpr int kReasonWidth = 60;
constexpr int kValueCol = 20;

// The SETUP key of a customer's lock reason.
std::string ReasonKey(std::string_view code) { return "X" + xbase::PadR(xbase::AllTrim(code), kCodeWidth); }

frame::PickSpec CustomerPick() {
  frame::PickSpec pick;
  pick.alias = "RELASI";
  pick.expressions = {"relasi", "nama", "kota"};
  pick.heads = {"Kode", "Nama", "Kota"};
  return pick;
}

void DrawForm(console::Console& con, std::string_view colour) {
  console::SHADOW(con, 5, 6, 15, 73, colour);
  console::TENGAH(con, 6, "KUNCI RELASI", colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(8, 8, "Kode", attr);
  con.Say(9, 8, "Nama", attr);
  con.Say(10, 8, "Alamat", attr);
  con.Say(12, 8, "Kota", attr);
  con.Say(13, 8, "Over :    (Y/N)", attr);
  con.Say(14, 8, "Ket.", attr);
}

// The customer's name, address lines and town, blank when none is found.
void ShowCustomer(console::Console& con, std::string_view colour, const xbase::WorkArea* customer) {
  const console::Attr attr = con.Colour(colour);
  const auto field = [&](const char* name, int width) {
    return xbase::PadR(customer != nullptr ? customer->Text(name) : "", width);
  };
  con.Say(9, kValueCol, field("NAMA", 40), attr);
  con.Say(10, kValueCol, field("ALAMAT", 45), attr);
  con.Say(11, kValueCol, field("ALAMAT2", 45), attr);
  con.Say(12, kValueCol, field("KOTA", 15), attr);
}

// The reason stored for a customer's last lock, blank when none.
xbase::Status StoredReason(xbase::WorkArea& setup, std::string_view code, std::string* reason) {
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(ReasonKey(code));
  *reason = xbase::PadR(s.ok() && setup.found() ? setup.Text("KET") : "", kReasonWidth);
  return s;
}

// Writes the lock or its release onto the customer and, when locking, the reason into SETUP.
xbase::Status WriteLock(console::Console& con, xbase::WorkArea& customer, xbase::WorkArea& setup, bool locked,
                        const std::string& reason) {
  xbase::Status s = console::LOCK_REC(con, customer);
  if (!s.ok()) return s;
  // Releasing clears only the lock mark: another outlet code in the field stays.
  if (locked) {
    s = customer.Put("OUTLET", xbase::Value::Text(kLockMark));
  } else if (xbase::AllTrim(customer.Text("OUTLET")) == kLockMark) {
    s = customer.Put("OUTLET", xbase::Value::Text(std::string(6, ' ')));
  }
  const std::string code = customer.Text("RELASI");
  if (s = Unlocked(customer, s); !s.ok() || !locked) return s;
  if (s = setup.SetOrder(1); s.ok()) s = setup.Seek(ReasonKey(code));
  if (!s.ok()) return s;
  if (setup.found()) {
    s = console::LOCK_REC(con, setup);
  } else if (s = console::APP_REC(con, setup); s.ok()) {
    s = setup.Put("SETUP", xbase::Value::Text(ReasonKey(code)));
  }
  if (s.ok()) s = setup.Put("KET", xbase::Value::Text(reason));
  return Unlocked(setup, s);
}

// WriteLock with the customer's row and the reason's row locked before either is written; a lock
// given up writes neither and is told.
xbase::Status SaveLock(frame::Session& session, xbase::WorkArea& customer, xbase::WorkArea& setup, bool locked,
                       const std::string& reason) {
  documents::SaveScope save(session.console());
  save.Update(customer, customer.recno());
  xbase::Status s;
  if (locked) s = documents::NameKeyedRecord(save, setup, 1, ReasonKey(customer.Text("RELASI")));
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteLock(session.console(), customer, setup, locked, reason);
  return save.CommitWrites(s);
}

}  // namespace

xbase::Status OVER(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastcus", "RELASI"}, "setup"});
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& customer = tables["RELASI"];
  xbase::WorkArea& setup = tables["setup"];
  const std::string colour(con.Pick("W+/b", "W+/n"));
  console::ScreenKeeper keep(con);
  DrawForm(con, colour);
  xbase::Status s;
  for (;;) {
    ShowCustomer(con, colour, nullptr);
    std::string code(kCodeWidth, ' ');
    console::GetList head;
    head.Add(8, kValueCol, &code, "@!").valid = [&] {
      if (xbase::IsBlank(code)) return true;
      bool found = false;
      const frame::PickSpec pick = CustomerPick();
      s = frame::PickCode(session, pick, &code);
      if (s.ok()) s = customer.SetOrder(1);
      if (s.ok()) s = customer.Seek(customer.PadToField("RELASI", xbase::AllTrim(code)));
      found = s.ok() && customer.found();
      code = xbase::PadR(code, kCodeWidth);
      if (!found && s.ok()) console::PESAN(con, "Relasi tidak terdaftar");
      return found || !s.ok();
    };
    if (head.Read(con).escaped || xbase::IsBlank(code) || !s.ok()) break;
    ShowCustomer(con, colour, &customer);
    bool locked = xbase::AllTrim(customer.Text("OUTLET")) == kLockMark;
    std::string reason;
    if (s = StoredReason(setup, code, &reason); !s.ok()) break;
    console::GetList rest;
    rest.Add(13, 15, &locked, "Y");
    rest.Add(14, kValueCol, &reason, "@S45");
    if (rest.Read(con).escaped) break;
    if (s = SaveLock(session, customer, setup, locked, reason); !s.ok()) break;
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
