// A handful of customers for the customer lookups and the customer check: their MASTCUS and
// RELASI_EXT rows and the SETUP rows of their branches and outlet groups.
#ifndef PALUNDA_TESTS_SUPPORT_SAMPLE_CUSTOMERS_H_
#define PALUNDA_TESTS_SUPPORT_SAMPLE_CUSTOMERS_H_

#include "frame/session.h"

namespace support {

// Adds to the session's MASTCUS, RELASI_EXT and SETUP (opened when not open):
//   B2230001 ZETA JAYA, group AB, disc 2, terms 30 + 990, balance 500, ceiling 9000, level 2, extended;
//   B2990002 ALFA MART, group AB, TEMPO3 991 (blocked), extended;
//   B2990003 BETA, no group; B2990004 GAMMA, group AB, OUTLET "OVER"; B2990005 DELTA, group AB;
//   SETUP: branches CABANGB2 (000200) and CABANGB223 (000223), outlet groups AB and CD, the trade
//   discounts of AB (10, 5, 2.5, 1).
void AddSampleCustomers(frame::Session& session);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_SAMPLE_CUSTOMERS_H_
