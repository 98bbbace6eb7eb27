// The selling price of a good for a customer: the master price of the customer's price level
// (TERIMA), with VAT put on or taken off by the document's include flag and the customer's group.
#include "documents/selling_price.h"

#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace documents {

std::string_view LevelPriceField(double level) {
  if (level == 0) return "HARGA";
  if (level == 1) return "HARGA1";
  if (level == 2) return "HARGA2";
  if (level == 3) return "HPP";
  if (level == 4) return "HARGA4";
  return {};
}

std::string MissingPriceMessage(double level) {
  return "Harga " + std::string(xbase::AllTrim(xbase::Str(level))) + " masih kosong, minta property ke pusat";
}

SellingPrice PriceForCustomer(const xbase::WorkArea& goods, double level, std::string_view group, bool include,
                              double vat_percent) {
  const double factor = (100 + vat_percent) / 100;
  const std::string_view field = LevelPriceField(level);
  SellingPrice result;
  if (field.empty()) {
    const double base = goods.Number("HARGA");
    result.price = include ? base : base * factor;
    return result;
  }
  const double master = goods.Number(field);
  result.missing = master == 0;
  if (group.starts_with('M')) {
    result.price = master / factor;
  } else {
    result.price = include ? master : master * factor;
  }
  return result;
}

}  // namespace documents
