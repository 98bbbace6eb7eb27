// Short builders for the catalog's field lists, used only by the catalog_*.cpp files.
#ifndef PALUNDA_SCHEMA_FIELD_BUILDERS_H_
#define PALUNDA_SCHEMA_FIELD_BUILDERS_H_

#include "schema/catalog.h"

namespace schema::build {

// A character field of the given width.
constexpr FieldDef C(const char* name, int width) { return {name, 'C', width, 0}; }
// A numeric field of the given width and decimals.
constexpr FieldDef N(const char* name, int width, int decimals = 0) { return {name, 'N', width, decimals}; }
// A date field.
constexpr FieldDef D(const char* name) { return {name, 'D', 8, 0}; }
// A logical field.
constexpr FieldDef L(const char* name) { return {name, 'L', 1, 0}; }
// A memo field.
constexpr FieldDef M(const char* name) { return {name, 'M', 10, 0}; }

}  // namespace schema::build

#endif  // PALUNDA_SCHEMA_FIELD_BUILDERS_H_
