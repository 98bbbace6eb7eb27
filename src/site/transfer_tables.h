// The empty transfer tables a new data folder's transfer folder starts with, so the entries that
// send or take in files find their tables there.
#ifndef PALUNDA_SITE_TRANSFER_TABLES_H_
#define PALUNDA_SITE_TRANSFER_TABLES_H_

#include <string>

#include "xbase/status.h"

namespace site {

// Makes in `folder` the giro revision files (rlt_gr, rlt_gk, rlt_pi, rlt_rl), the giros for other
// branches (kirimgr), the return requests (App_rt1, App_rt2), the delivery-note revisions (dtsj1,
// dtsj2, dtsj3) and the shipment tables (peb_hdr, peb_dtl, peb_mst), each with its index files.
xbase::Status MakeTransferTables(const std::string& folder);

}  // namespace site

#endif  // PALUNDA_SITE_TRANSFER_TABLES_H_
