// The tables a sales screen opens before its form shows.
#ifndef PALUNDA_SALES_SCREEN_TABLES_H_
#define PALUNDA_SALES_SCREEN_TABLES_H_

#include <initializer_list>

#include "frame/session.h"

namespace sales {

// Opens each table with its index files, in order; when one cannot be opened (after its message),
// every table is closed again and false is given.
bool OpenScreenTables(frame::Session& session, std::initializer_list<const char*> tables);

}  // namespace sales

#endif  // PALUNDA_SALES_SCREEN_TABLES_H_
