// The public face of the master data: employees, companies, customers, goods and prices, goods groups,
// warehouses, sales staff.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_MASTERS_MASTERS_H_
#define PALUNDA_MASTERS_MASTERS_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/value.h"

namespace masters {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "DATA";

// Registers every entry procedure of this subsystem.
void RegisterMastersProcedures(frame::ProcedureRegistry& registry);

// The ledger accounts of a customer's extended data, in the order of RELASI_EXT.
inline constexpr std::array<const char*, 11> kAccountFields = {
    "COA_PIUT",   "COA_GIRO",   "COA_CRMEMO", "COA_PRETUR", "COA_TERMDC", "COA_DCAVBL",
    "COA_FICHRG", "COA_WRTOFF", "COA_GIROM",  "COA_OWRTOF", "COA_SALES"};
using Accounts = std::array<std::string, 11>;
// The ledger account codes of a company code (its last 3 characters count) and a branch unit.
Accounts CREATECOA(std::string_view company, std::string_view unit);

// The employee form's display: an employee's 24 values (the NIK first) at their places on the form,
// with the age from the birth date. Screens pass it to the employee lookup (pickers::GETKARYAWAN).
void CDISPLASYKAR(frame::Session& session, const std::vector<xbase::Value>& values);

}  // namespace masters

#endif  // PALUNDA_MASTERS_MASTERS_H_
