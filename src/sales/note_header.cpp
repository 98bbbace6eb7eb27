// The header of the delivery-note screens: the form rows, the fields with their checks, and the customer check.
#include "sales/note_header.h"

#include "console/get.h"
#include "documents/customer_check.h"
#include "documents/trade_discount.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/note_screen.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {

const std::vector<std::string>& NoteHeaderRows() {
  static const std::vector<std::string> rows = {
      "No. SJ : ...................  Tgl. SJ : ..........  Tg. Kirim : ..........",
      "No. PO : ...............      Tgl. PO : ..........  Tg. Tempo : .......... +...",
      "Custom : ..........           Kd. Cab : ...... Tipe : .. Sl/Bm: .... ..........",
      "                              Disc. 1 : ...... Ket. : ....................",
      "                              Disk. 2 : ......        ....................",
      "                                              Code Id : ....   Include : ."};
  return rows;
}

bool HeaderDiscount(frame::Session& session, double value, double ceiling) {
  if (value < 0 || value > 100) return pickers::Refuse(session, "Discount harus antara 0 sampai 100");
  return documents::CHKTRADE(value, ceiling) || pickers::Refuse(session, CeilingMessage(ceiling));
}

bool CheckHeaderCustomer(frame::Session& session, OrderHeader* header, bool blacklist_off, bool keep_discounts,
                         bool show) {
  documents::CustomerCheck check;
  check.code = header->customer;
  check.accept_over = check.accept_blocked = blacklist_off;
  check.recompute_term = true;
  check.show = show;
  if (!documents::GETCUSTOMER(session, &check)) return false;
  header->customer = xbase::PadR(check.code, 10);
  header->term = check.term;
  header->group = check.group;
  header->price_level = check.price_level;
  header->ceilings = check.discounts;
  if (!keep_discounts) {
    header->branch = xbase::PadR(check.branch, 6);
    header->code_id = xbase::PadR(check.code_id, 4);
    header->discount1 = check.discounts[2];
    header->discount2 = check.discounts[3];
  }
  return true;
}

void AddSaleFields(console::GetList* form, frame::Session& session, OrderHeader* header, bool with_manager,
                   const std::function<bool()>& when) {
  console::Console& con = session.console();
  auto add = [&](int row, int col, console::GetField::Target target, std::string picture,
                 std::function<bool()> valid = {}) {
    console::GetField& field = form->Add(row, col, target, std::move(picture));
    field.valid = std::move(valid);
    field.when = when;
  };
  add(4, 40, &header->branch, "@!");
  add(4, 54, &header->type, "@!", [&session, header] {
    pickers::SaleType values;
    return pickers::CTIPE(session, &header->type, &values, false, false, header->customer);
  });
  add(4, 64, &header->salesman, "@!", [&session, header] { return pickers::CSALES(session, &header->salesman); });
  if (with_manager) {
    add(4, 69, &header->manager, "@!", [&session, header] { return pickers::CBMMGR(session, &header->manager); });
  }
  add(5, 40, &header->discount1, "999.99",
      [&session, header] { return HeaderDiscount(session, header->discount1, header->ceilings[2]); });
  add(6, 40, &header->discount2, "999.99",
      [&session, header] { return HeaderDiscount(session, header->discount2, header->ceilings[3]); });
  add(5, 54, &header->remark1, "");
  add(6, 54, &header->remark2, "");
  add(7, 56, &header->code_id, "@!", [&session, &con, header] {
    std::string name;
    return pickers::CID(session, &header->code_id, &name, NoteColours(con));
  });
  add(7, 73, &header->include, "Y");
}

bool ReadNoteHeader(frame::Session& session, NoteDocument* doc, const NoteHeaderChecks& checks) {
  console::Console& con = session.console();
  OrderHeader* header = &doc->header;
  console::GetList form;
  auto add = [&](int row, int col, console::GetField::Target target, std::string picture,
                 std::function<bool()> valid = {}) { form.Add(row, col, target, std::move(picture)).valid = std::move(valid); };
  add(2, 9, &doc->invoice, "@!", checks.number);
  if (checks.order) {
    add(3, 9, &header->order, "@!", checks.order);
  } else {
    con.Say(3, 9, header->order, con.colours().standard);
  }
  add(4, 9, &header->customer, "@!", [&] {
    const bool same = checks.loaded_customer != nullptr &&
                      xbase::AllTrim(*checks.loaded_customer) == xbase::AllTrim(header->customer);
    return CheckHeaderCustomer(session, header, checks.blacklist_off, same);
  });
  add(2, 40, &header->note_date, "", checks.note_date);
  add(3, 40, &header->order_date, "");
  add(2, 64, &header->shipping_date, "");
  add(3, 64, &doc->due_date, "");
  AddSaleFields(&form, session, header, true);
  if (form.Read(con).escaped) return false;
  con.Say(3, 76, xbase::Str(header->term, 3), con.colours().standard);
  return true;
}

}  // namespace sales
