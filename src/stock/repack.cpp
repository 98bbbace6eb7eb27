// The packaging rules of gift-wrap and assembly work: repack material, the results it makes, packing and fee.
#include "stock/repack.h"

#include <cmath>

#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

// The code cut to `length` characters, padded to 10.
std::string Prefix(const std::string& code, size_t length) { return xbase::PadR(xbase::Left(code, static_cast<int>(length)), 10); }

double Ratio(double a, double b) { return b == 0 ? 0 : a / b; }

}  // namespace

xbase::Status RepackMaterial(const frame::OpenedTables& tables, const std::string& raw, bool* found) {
  xbase::WorkArea& materials = tables["brepack"];
  xbase::Status s;
  *found = false;
  for (size_t length = 10; s.ok() && !*found && length >= 6; --length) {
    s = xbase::SeekFound(materials, "BREPACK", Prefix(raw, length), found);
  }
  return s;
}

xbase::Status ResultOf(const frame::OpenedTables& tables, const std::string& raw, const std::string& result,
                       bool* found) {
  xbase::WorkArea& materials = tables["brepack"];
  xbase::WorkArea& results = tables["hrepack"];
  xbase::Status s;
  *found = false;
  for (size_t length = 10; s.ok() && !*found && length >= 6; --length) {
    bool material = false;
    s = xbase::SeekFound(materials, "BREPACK", Prefix(raw, length), &material);
    for (size_t cut = 10; s.ok() && material && !*found && cut >= 6; --cut) {
      s = xbase::SeekFound(results, "HREPACK1", Prefix(raw, length) + Prefix(result, cut), found);
    }
  }
  return s;
}

xbase::Status TariffOf(const frame::OpenedTables& tables, const std::string& result, double* tariff, double* packing) {
  xbase::WorkArea& results = tables["hrepack"];
  *tariff = *packing = 0;
  xbase::Status s;
  bool found = false;
  for (size_t cut = 10; s.ok() && !found && cut >= 6; --cut) {
    s = xbase::SeekFound(results, "HREPACK2", Prefix(result, cut), &found);
  }
  if (found) {
    *tariff = results.Number("TARIF");
    *packing = results.Number("PACKING");
  }
  return s;
}

xbase::Status MaterialsFor(const frame::OpenedTables& tables, const std::string& raw, const std::string& result,
                           double quantity, Materials* m) {
  *m = Materials{};
  bool found = false;
  const xbase::Status s = ResultOf(tables, raw, result, &found);
  if (!s.ok() || !found) return s;
  const xbase::WorkArea& rules = tables["brepack"];
  const double packing = tables["hrepack"].Number("PACKING");
  const double display = Ratio(Ratio(quantity, rules.Number("QT_DISPLAY")), packing);
  m->quantity[0] = display;
  m->quantity[1] = Ratio(Ratio(quantity, rules.Number("QT_PLASTIK")), packing);
  m->quantity[2] = display * rules.Number("QT_INNER");
  m->quantity[3] = Ratio(quantity, packing) * rules.Number("QT_LABEL");
  m->quantity[4] = display * rules.Number("QT_STCK1");
  m->quantity[5] = display * rules.Number("QT_STCK2");
  for (double& q : m->quantity) q = std::round(q);
  return s;
}

}  // namespace stock
