// The entry procedures of the recaps, each in the file named after it.
#ifndef PALUNDA_RECAPS_RECAP_SCREENS_H_
#define PALUNDA_RECAPS_RECAP_SCREENS_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace recaps {

using Args = std::vector<xbase::Value>;

// Postings.
xbase::Status RKPDATA(frame::Session& session, const Args& args);   // "REKAP DATA PENJUALAN": one month
xbase::Status R1THDATA(frame::Session& session, const Args& args);  // the twelve months of a year
xbase::Status POSTOK(frame::Session& session, const Args& args);    // "POSTING STOCK AKHIR"

// Product recaps against target (workbooks).
xbase::Status LAPITEM(frame::Session& session, const Args& args);
xbase::Status LAPBULAN(frame::Session& session, const Args& args);
xbase::Status LAPITEMPAR(frame::Session& session, const Args& args);
xbase::Status LAPLCCAB(frame::Session& session, const Args& args);
xbase::Status LAPLCBLN(frame::Session& session, const Args& args);
xbase::Status LC1(frame::Session& session, const Args& args);
xbase::Status LC2(frame::Session& session, const Args& args);
xbase::Status LC3(frame::Session& session, const Args& args);

// Customer and salesman recaps (workbooks).
xbase::Status LAPLIS(frame::Session& session, const Args& args);
xbase::Status LAPLISITEM(frame::Session& session, const Args& args);
xbase::Status LAPPPAITEM(frame::Session& session, const Args& args);
xbase::Status LAPPPAVALUE(frame::Session& session, const Args& args);
xbase::Status LAPRLSKEL(frame::Session& session, const Args& args);
xbase::Status LAPOTLBLN(frame::Session& session, const Args& args);
xbase::Status LAPRLSBLN(frame::Session& session, const Args& args);
xbase::Status LAPSLSPAR(frame::Session& session, const Args& args);
xbase::Status LAPSALES1(frame::Session& session, const Args& args);
xbase::Status LAPKOMIT(frame::Session& session, const Args& args);
xbase::Status LAPPPASALES(frame::Session& session, const Args& args);
xbase::Status LAPITEMSLSVAL(frame::Session& session, const Args& args);
xbase::Status LAPPPASLSVAL(frame::Session& session, const Args& args);

// Sales journal and transaction recaps.
xbase::Status LJURJL(frame::Session& session, const Args& args);
xbase::Status NETITEM(frame::Session& session, const Args& args);
xbase::Status LRKPBRG(frame::Session& session, const Args& args);
xbase::Status LRKPSRJL(frame::Session& session, const Args& args);
xbase::Status LRKPCUST(frame::Session& session, const Args& args);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_SCREENS_H_
