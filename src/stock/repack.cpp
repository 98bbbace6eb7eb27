// The packaging rules of gift-wrap and assembly work: repack material, the results it makes, packing and fee.
#include "stock/repack.h"

#include <cmath>

#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

// The code cut to `length` characters, padded to 10.
std::string Prefix(const std::string& code, size_t length) { return xbase::PadR(xbase::Left(code, static_cast<int>(length)), 10); }

bool SeekKey(xbase::WorkArea& area, std::string_view order, const std::string& key) {
  return area.SetOrder(order).ok() && area.Seek(key).ok() && area.found();
}

double Ratio(double a, double b) { return b == 0 ? 0 : a / b; }

}  // namespace

bool RepackMaterial(const frame::OpenedTables& tables, const std::string& raw) {
  xbase::WorkArea& materials = tables["brepack"];
  for (size_t length = 10; length >= 6; --length) {
    if (SeekKey(materials, "BREPACK", Prefix(raw, length))) return true;
  }
  return false;
}

bool ResultOf(const frame::OpenedTables& tables, const std::string& raw, const std::string& result) {
  xbase::WorkArea& materials = tables["brepack"];
  xbase::WorkArea& results = tables["hrepack"];
  for (size_t length = 10; length >= 6; --length) {
    if (!SeekKey(materials, "BREPACK", Prefix(raw, length))) continue;
    for (size_t cut = 10; cut >= 6; --cut) {
      if (SeekKey(results, "HREPACK1", Prefix(raw, length) + Prefix(result, cut))) return true;
    }
  }
  return false;
}

void TariffOf(const frame::OpenedTables& tables, const std::string& result, double* tariff, double* packing) {
  xbase::WorkArea& results = tables["hrepack"];
  *tariff = *packing = 0;
  for (size_t cut = 10; cut >= 6; --cut) {
    if (SeekKey(results, "HREPACK2", Prefix(result, cut))) {
      *tariff = results.Number("TARIF");
      *packing = results.Number("PACKING");
      return;
    }
  }
}

Materials MaterialsFor(const frame::OpenedTables& tables, const std::string& raw, const std::string& result,
                       double quantity) {
  Materials m;
  if (!ResultOf(tables, raw, result)) return m;
  const xbase::WorkArea& rules = tables["brepack"];
  const double packing = tables["hrepack"].Number("PACKING");
  const double display = Ratio(Ratio(quantity, rules.Number("QT_DISPLAY")), packing);
  m.quantity[0] = display;
  m.quantity[1] = Ratio(Ratio(quantity, rules.Number("QT_PLASTIK")), packing);
  m.quantity[2] = display * rules.Number("QT_INNER");
  m.quantity[3] = Ratio(quantity, packing) * rules.Number("QT_LABEL");
  m.quantity[4] = display * rules.Number("QT_STCK1");
  m.quantity[5] = display * rules.Number("QT_STCK2");
  for (double& q : m.quantity) q = std::round(q);
  return m;
}

}  // namespace stock
