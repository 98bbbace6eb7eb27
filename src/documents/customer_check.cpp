// The full check of a customer code on a sales document, handing back its terms, discounts and limits.
#include "documents/customer_check.h"

#include "console/alert.h"
#include "documents/trade_discount.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace documents {
namespace {

constexpr char kBlacklisted[] = "Relasi tersebut telah diblacklist; oleh kantor pusat ";

bool Blacklisted(frame::Session& session) {
  console::Alert(session.console(), kBlacklisted);
  return false;
}

}  // namespace

bool GETCUSTOMER(frame::Session& session, CustomerCheck* check) {
  frame::PickSpec pick;
  pick.alias = "mastcus";
  pick.by_name = true;
  bool found = false;
  xbase::WorkArea* customers = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &check->code, &found, &customers))) return false;
  if (!found) return pickers::Refuse(session, "Relasi tidak terdaftar");
  const xbase::WorkArea& customer = *customers;
  if (customer.Number("TEMPO3") > 990 && !check->accept_blocked) return Blacklisted(session);
  if (xbase::RTrim(customer.Text("OUTLET")) == "OVER" && !check->accept_over) return Blacklisted(session);
  const std::string group = customer.Text("KELOMPOK");
  bool listed = false;
  if (!xbase::IsBlank(group) && !frame::Checked(session, pickers::SetupRow(session, "OUTLET" + group, &listed))) {
    return false;
  }
  if (!listed) return pickers::Refuse(session, "kelompok relasi Salah");

  check->discounts = {customer.Number("DISC"), 0, 0, 0};
  std::string ket;
  if (!frame::Checked(session, pickers::SetupRow(session, "OUDISC" + group, &listed, nullptr, &ket))) return false;
  if (listed) check->discounts = ReadTradeDiscounts(ket);
  if (check->want_salesman) {
    // A group served by the national salesman ("SLSSPO" row) takes the code the "SLSNAS" key ends with.
    std::string national;
    bool sponsored = false;
    xbase::Status s = pickers::SetupRow(session, "SLSSPO" + group, &sponsored);
    if (s.ok() && sponsored) s = pickers::SetupRow(session, "SLSNAS", &listed, &national);
    if (!frame::Checked(session, s)) return false;
    if (sponsored && listed) check->salesman = std::string(xbase::Right(national, 4));
  }
  if (check->required_code && xbase::RTrim(check->code) != xbase::RTrim(*check->required_code)) {
    return pickers::Refuse(session, "kode relasi harus " + *check->required_code);
  }
  xbase::WorkArea* extended = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "relasi_ext", &extended))) return false;
  xbase::Status s = extended->SetOrder(1);
  if (s.ok()) s = extended->Seek(extended->PadToField("RELASI", customer.Text("RELASI")));
  if (!frame::Checked(session, s)) return false;
  if (!extended->found()) return pickers::Refuse(session, "Data relasi harus dilengkapi");

  // The seeks above moved nothing in mastcus, which still stands on the customer.
  if (!frame::Checked(session, pickers::TENTUKANKODECABANG(session, check->code, &check->branch))) return false;
  check->credit_limit = customer.Number("SALES");
  check->balance = customer.Number("SALDO");
  check->price_level = customer.Number("TERIMA");
  check->name = customer.Text("NAMA");
  check->code_id = customer.Text("CODE_ID");
  check->group = group;
  if (check->term == 0 || check->recompute_term) check->term = customer.Number("TEMPO2") + customer.Number("TEMPO3");
  if (check->show) {
    console::Console& con = session.console();
    con.Say(5, 0, xbase::Left(check->name, 28), con.Colour(check->colour));
    con.Say(6, 0, xbase::Left(customer.Text("ALAMAT"), 28), con.Colour(check->colour));
  }
  return true;
}

}  // namespace documents
