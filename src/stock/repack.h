// The packaging rules of gift-wrap and assembly work: which raw items are repack material (BREPACK),
// which results they make (HREPACK) and at what packing and fee. Codes match on prefixes of 10 down
// to 6 characters, the longest first.
#ifndef PALUNDA_STOCK_REPACK_H_
#define PALUNDA_STOCK_REPACK_H_

#include <string>

#include "frame/open_table.h"
#include "xbase/status.h"

namespace stock {

// Each takes the gift-wrap entries' tables (GiftWrapTables) as the screen opened them. The rules make
// the figures of a take-out and a fee note: a rule that cannot be read is the error, never "none".

// *found true when `raw` is repack material; `brepack` then stands on its row.
xbase::Status RepackMaterial(const frame::OpenedTables& tables, const std::string& raw, bool* found);

// *found true when `result` is a result of `raw`; `brepack` and `hrepack` then stand on the matching rows.
xbase::Status ResultOf(const frame::OpenedTables& tables, const std::string& raw, const std::string& result,
                       bool* found);

// The fee and packing of a result code (0 and 0 when it has none).
xbase::Status TariffOf(const frame::OpenedTables& tables, const std::string& result, double* tariff, double* packing);

// The packaging a take-out of `quantity` pieces of `raw` into `result` consumes: display, plastic,
// inner, label, sticker 1 and sticker 2, whole pieces (none when `result` is not a result of `raw`).
struct Materials {
  double quantity[6] = {};
};
xbase::Status MaterialsFor(const frame::OpenedTables& tables, const std::string& raw, const std::string& result,
                           double quantity, Materials* m);

// The material code fields of BREPACK, in the order above.
inline constexpr const char* kMaterialCodes[] = {"KD_DISPLAY", "KD_PLASTIK", "KD_INNER", "KD_LABEL", "KD_STCK1", "KD_STCK2"};

}  // namespace stock

#endif  // PALUNDA_STOCK_REPACK_H_
