// A customer's trade discounts: the customer's own discount, replaced by the four discounts of its
// outlet group's "OUDISC" row in SETUP when there is one.
#ifndef PALUNDA_DOCUMENTS_TRADE_DISCOUNT_H_
#define PALUNDA_DOCUMENTS_TRADE_DISCOUNT_H_

#include <array>
#include <string_view>

#include "frame/session.h"
#include "xbase/status.h"

namespace documents {

// The four discounts of an "OUDISC" row's KET: numbers of 6 characters at positions 1, 8, 15 and 22
// (one blank between them), the one layout both readers of the row use.
std::array<double, 4> ReadTradeDiscounts(std::string_view ket);

// The discounts of customer `code` (open `mastcus` and `setup`): d1 := DISC and d2..d4 := 0 for a
// customer found; then the "OUDISC" + KELOMPOK row ("OUDISCXXXX" for an unknown customer), when
// there is one, gives all four.
xbase::Status TRADEDISCOUNT(frame::Session& session, std::string_view code, double* d1, double* d2, double* d3, double* d4);

// False when `limit` is not 0 and `value` exceeds it.
bool CHKTRADE(double value, double limit);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_TRADE_DISCOUNT_H_
