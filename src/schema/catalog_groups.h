// The per-subsystem parts of the catalog, joined by catalog.cpp.
#ifndef PALUNDA_SCHEMA_CATALOG_GROUPS_H_
#define PALUNDA_SCHEMA_CATALOG_GROUPS_H_

#include <span>

#include "schema/catalog.h"

namespace schema::groups {

// Users, menu, settings and the small frame tables.
std::span<const TableDef> Frame();
// Customers, goods, salesmen, warehouses, employees and code tables.
std::span<const TableDef> Masters();
// Sales orders, delivery notes, proformas, tax invoices.
std::span<const TableDef> Sales();
// Stock rows, adjustments, mutations, stock-taking and repack work.
std::span<const TableDef> Stock();
// Receivables, payment instruments, receipts and deductions.
std::span<const TableDef> Receivables();
// Goods receipts, shipment documents, purchase returns, forecasts and D1 orders.
std::span<const TableDef> Purchasing();
// Sales returns, return drafts, approvals and negotiation minutes.
std::span<const TableDef> Returns();
// Admin, driver, warehouse and tax memos.
std::span<const TableDef> Memos();
// Product hierarchy, targets and the sales-performance tables.
std::span<const TableDef> Performance();
// Monthly recap tables.
std::span<const TableDef> Recaps();

}  // namespace schema::groups

#endif  // PALUNDA_SCHEMA_CATALOG_GROUPS_H_
