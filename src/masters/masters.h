// The public face of the master data: employees, companies, customers, goods and prices, goods groups,
// warehouses, sales staff.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_MASTERS_MASTERS_H_
#define PALUNDA_MASTERS_MASTERS_H_

#include <vector>

#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/value.h"

namespace masters {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "DATA";

// Registers every entry procedure of this subsystem.
void RegisterMastersProcedures(frame::ProcedureRegistry& registry);

// The employee form's display: an employee's 24 values (the NIK first) at their places on the form,
// with the age from the birth date. Screens pass it to the employee lookup (pickers::GETKARYAWAN).
void CDISPLASYKAR(frame::Session& session, const std::vector<xbase::Value>& values);

}  // namespace masters

#endif  // PALUNDA_MASTERS_MASTERS_H_
