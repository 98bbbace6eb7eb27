#include "frame/trade_discount.h"

#include <string>

#include "frame/key_seek.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {

std::array<double, 4> ReadTradeDiscounts(std::string_view ket) {
  std::array<double, 4> discounts{};
  for (int i = 0; i < 4; ++i) discounts[static_cast<size_t>(i)] = xbase::Val(xbase::SubStr(ket, 1 + 7 * i, 6)).value;
  return discounts;
}

xbase::Status TRADEDISCOUNT(Session& session, std::string_view code, double* d1, double* d2, double* d3,
                            double* d4) {
  xbase::WorkArea* customers = session.tables().Area("mastcus");
  xbase::WorkArea* setup = session.tables().Area("setup");
  if (customers == nullptr || setup == nullptr) return xbase::Status::InvalidArgument("table not open", "mastcus, setup");
  bool found = false;
  xbase::Status s = SeekKey(*customers, IndexKey("MASTCUS"), PadToField(*customers, "RELASI", code), &found);
  if (!s.ok()) return s;
  std::string key = "OUDISCXXXX";
  if (found) {
    xbase::Value group, discount;
    if (s = customers->Get("KELOMPOK", &group); !s.ok()) return s;
    if (s = customers->Get("DISC", &discount); !s.ok()) return s;
    key = "OUDISC" + group.text();
    *d1 = discount.number();
    *d2 = *d3 = *d4 = 0;
  }
  if (s = SeekKey(*setup, "setup", key, &found); !s.ok() || !found) return s;
  xbase::Value ket;
  if (s = setup->Get("KET", &ket); !s.ok()) return s;
  const std::array<double, 4> discounts = ReadTradeDiscounts(ket.text());
  *d1 = discounts[0];
  *d2 = discounts[1];
  *d3 = discounts[2];
  *d4 = discounts[3];
  return xbase::Status::OK();
}

bool CHKTRADE(double value, double limit) { return limit == 0 || value <= limit; }

}  // namespace frame
