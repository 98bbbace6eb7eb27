// Making empty tables of the catalog, with their index files, in a data folder.
#ifndef PALUNDA_SCHEMA_CREATE_TABLE_H_
#define PALUNDA_SCHEMA_CREATE_TABLE_H_

#include <string>
#include <vector>

#include "schema/catalog.h"
#include "xbase/dbf_field.h"
#include "xbase/ntx_header.h"
#include "xbase/status.h"

namespace schema {

// The header of an index of `table`: key size and decimals as the key expression gives them on a blank record.
xbase::Status IndexHeaderOf(const TableDef& table, const IndexDef& index, xbase::NtxHeader* header);

// The fields of `table` as a table file holds them.
std::vector<xbase::DbfField> DbfFieldsOf(const TableDef& table);

// Creates `table` in `folder`, empty, with every index file it has; refuses without writing anything
// when the table or one of its index files is already in the folder.
xbase::Status CreateTable(const TableDef& table, const std::string& folder);

// Creates every table of the catalog in `folder`; refuses without writing anything when any of their
// files is already in the folder.
xbase::Status CreateAllTables(const std::string& folder);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_CREATE_TABLE_H_
