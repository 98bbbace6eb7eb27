// AUDITHRG "AUDIT HARGA JUAL": the delivery-note lines whose price or discounts depart from the
// master data, in a workbook.
#ifndef PALUNDA_PERFORMANCE_AUDIT_H_
#define PALUNDA_PERFORMANCE_AUDIT_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

xbase::Status AUDITHRG(frame::Session& session, const std::vector<xbase::Value>& args);

// The compound of discounts in percent: 100 - 100 x (100 - p1)/100 x ... x (100 - pn)/100.
double CompoundDiscount(const std::vector<double>& percents);

// ADASALAH: true when a line is to be listed.
bool ADASALAH(std::string_view code, double list_price, double price, double nett, double minimum_nett, double d1,
              double d2, double cd1, double cd2, double m1, double m2);

// The audit of the delivery notes of a customer prefix and period (its path in *path); false after a
// message or when the workbook could not be written.
bool PriceAudit(frame::Session& session, const std::string& customer, xbase::Date from, xbase::Date to,
                std::string* path = nullptr);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_AUDIT_H_
