// The selling price of a good for a customer: the master price of the customer's price level
// (TERIMA), with VAT put on or taken off by the document's include flag and the customer's group.
#ifndef PALUNDA_DOCUMENTS_SELLING_PRICE_H_
#define PALUNDA_DOCUMENTS_SELLING_PRICE_H_

#include <string>
#include <string_view>

#include "xbase/work_area.h"

namespace documents {

// The master price field of a price level: 0 HARGA, 1 HARGA1, 2 HARGA2, 3 HPP, 4 HARGA4; empty for
// any other level.
std::string_view LevelPriceField(double level);

// "Harga " + level + " masih kosong, minta property ke pusat": the refusal of a level without a price.
std::string MissingPriceMessage(double level);

struct SellingPrice {
  double price = 0;      // the line price
  bool missing = false;  // the level's master price is 0 (the goods cannot be sold at this level)
};

// The price of the goods on the current record of `goods` (MASTBRJ) for a customer of price level
// `level` and group `group`, with f = (100 + vat_percent) / 100 and P the level's price: P / f for a
// group beginning with "M", else P on a document with VAT included and P x f without. Another level
// takes HARGA (or HARGA x f without VAT included) whatever the group.
SellingPrice PriceForCustomer(const xbase::WorkArea& goods, double level, std::string_view group, bool include,
                              double vat_percent);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_SELLING_PRICE_H_
