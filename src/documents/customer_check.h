// The full check of a customer code on a sales document: the customer must exist, not be blacklisted,
// belong to a known outlet group and have its extended data; its terms, discounts and limits are
// handed back.
#ifndef PALUNDA_DOCUMENTS_CUSTOMER_CHECK_H_
#define PALUNDA_DOCUMENTS_CUSTOMER_CHECK_H_

#include <array>
#include <optional>
#include <string>

#include "frame/session.h"

namespace documents {

struct CustomerCheck {
  // What the caller asks.
  std::string code;                          // may hold "?" or "/"; the picked code lands here
  bool accept_over = false;                  // accept a customer whose OUTLET is "OVER"
  bool accept_blocked = false;               // accept TEMPO3 above 990
  bool recompute_term = false;               // term := TEMPO2 + TEMPO3 even when term is not 0
  bool show = false;                         // show name and address at rows 5 and 6
  bool want_salesman = false;                // hand back the national salesman
  std::optional<std::string> required_code;  // the code the document must carry
  std::string colour = "W+/b";

  // What the check hands back.
  std::string name, branch, code_id, salesman;
  std::string group;  // KELOMPOK, the outlet group
  double term = 0;  // in and out
  double price_level = 0, credit_limit = 0, balance = 0;
  std::array<double, 4> discounts{};
};

// GETCUSTOMER over the open `mastcus`, `relasi_ext` and `setup`: true when accepted. A read that fails
// (the outlet group's rows among them) is shown on row 24 and refuses the customer.
bool GETCUSTOMER(frame::Session& session, CustomerCheck* check);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_CUSTOMER_CHECK_H_
