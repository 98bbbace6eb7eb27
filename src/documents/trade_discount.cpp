// A customer's trade discounts: the customer's own discount, replaced by the four discounts of its
// outlet group's "OUDISC" row in SETUP when there is one.
#include "documents/trade_discount.h"

#include <string>

#include "frame/open_table.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace documents {

std::array<double, 4> ReadTradeDiscounts(std::string_view ket) {
  std::array<double, 4> discounts{};
  for (int i = 0; i < 4; ++i) discounts[static_cast<size_t>(i)] = xbase::Val(xbase::SubStr(ket, 1 + 7 * i, 6)).value;
  return discounts;
}

xbase::Status TRADEDISCOUNT(frame::Session& session, std::string_view code, double* d1, double* d2, double* d3,
                            double* d4) {
  xbase::WorkArea* customers = nullptr;
  xbase::WorkArea* setup = nullptr;
  xbase::Status s = frame::RequireArea(session, "mastcus", &customers);
  if (s.ok()) s = frame::RequireArea(session, "setup", &setup);
  if (s.ok()) s = customers->SetOrder(1);
  if (s.ok()) s = customers->Seek(customers->PadToField("RELASI", code));
  if (!s.ok()) return s;
  std::string key = "OUDISCXXXX";
  if (customers->found()) {
    key = "OUDISC" + customers->Text("KELOMPOK");
    *d1 = customers->Number("DISC");
    *d2 = *d3 = *d4 = 0;
  }
  if (s = setup->SetOrder(1); s.ok()) s = setup->Seek(key);
  if (!s.ok() || !setup->found()) return s;
  const std::array<double, 4> discounts = ReadTradeDiscounts(setup->Text("KET"));
  *d1 = discounts[0];
  *d2 = discounts[1];
  *d3 = discounts[2];
  *d4 = discounts[3];
  return xbase::Status::OK();
}

bool CHKTRADE(double value, double limit) { return limit == 0 || value <= limit; }

}  // namespace documents
