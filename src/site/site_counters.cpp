// The document counters of the SETUP table: each kind's key and the value a new data folder starts it at.
#include "site/site_counters.h"

#include "xbase/text_functions.h"

namespace site {
namespace {

// Widths follow each kind's numbering: ten digits unless told otherwise.
constexpr const char* kTenDigits = "0000000000";

constexpr SiteCounter kCounters[] = {
    {"NOTT", true, kTenDigits, "payment receipts", "PIUTKR1"},
    {"GIRO", true, "000000000000", "giro instruments"},
    {"TRSO", true, "000000000000", "transfer instruments"},
    {"CSHO", true, "000000000000", "cash instruments"},
    {"VCHR", true, "000000000000", "deduction vouchers as instruments"},
    {"NOTG", true, "T000000000", "collection lists (one letter and nine digits)"},
    {"DPOT", true, "DPT0000000", "deduction requests (three letters and seven digits)"},
    {"DBPT", true, "BPT0000000", "BPT vouchers (three letters and seven digits)"},
    {"NTDB", true, kTenDigits, "reversing journal lines"},
    {"MTAG", true, "MTA0000000", "warehouse mutations (three letters and seven digits)", "MTSKDT1"},
    {"GLNG", true, "         0", "gift-wrap take-outs (right-aligned, blank-filled)"},
    {"GLJD", true, "         0", "gift-wrap results (right-aligned, blank-filled)"},
    {"GLNT", true, "         0", "gift-wrap fee notes (right-aligned, blank-filled)"},
    {"PROI", true, "PI000000", "proforma invoices (two letters and six digits)", "PRO_IN1"},
    {"RTBL", true, kTenDigits, "purchase returns", "RTBELI1"},
    {"D1NU", true, "D1", "forecast and D1 plans (a prefix before the period stamp)"},
    {"NEGO", true, kTenDigits, "negotiation minutes"},
    {"MADM", true, kTenDigits, "admin memos", "MEMADM1"},
    {"MDRV", true, kTenDigits, "driver memos", "MEMDRV1"},
    {"MGDG", true, kTenDigits, "memos back to administration", "MEMGDG1"},
    {"MPJK", true, kTenDigits, "memos to receivables", "MEMPJK1"},
    {"NOMORPAJAK", false, kTenDigits, "tax invoices"},
    {"RETURADMIN", false, kTenDigits, "administrative sales returns"},
    {"NO_PO_PEB", false, kTenDigits, "purchase orders from shipment documents"},
    {"NO_BPB_PEB", false, kTenDigits, "goods receipts from shipment documents"},
    {"KWITANSI2", false, "0000000", "receipts (kwitansi, seven characters)"},
};

}  // namespace

std::span<const SiteCounter> SiteCounters() { return kCounters; }

std::string SiteCounterKey(const SiteCounter& kind, std::string_view branch) {
  return kind.per_branch ? kind.prefix + xbase::PadR(branch, 6) : std::string(kind.prefix);
}

}  // namespace site
