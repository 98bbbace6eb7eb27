// The price list Price.dbf that the head office sends: its folder and opening it.
#ifndef PALUNDA_MASTERS_PRICE_LIST_H_
#define PALUNDA_MASTERS_PRICE_LIST_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/work_area.h"

namespace masters {

// The folder preset of the price-list screens: SETUP "TMPFILEIMP", else "d:\data\palunda\".
std::string PresetFolder(frame::Session& session);

// Opens folder + "Price.dbf" under the alias "price", with its index Price.ntx when the folder has one.
// False, after "Daftar harga tidak ada" or the failure is shown, when it cannot be opened.
bool OpenPriceList(frame::Session& session, std::string_view folder, xbase::WorkArea** area);

}  // namespace masters

#endif  // PALUNDA_MASTERS_PRICE_LIST_H_
