// The stock pick list of a goods-code cell: the rows of the line's warehouse from the typed text, with
// the goods' names from the goods master and the stock.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "pickers/pickers.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace pickers {
namespace {

using support::N;
using support::T;

TEST(StockPickerTest, PicksFromTheWarehousesRowsWithNamesAndStock) {
  support::TempDataFolder folder({"STOKBRG", "MASTBRJ"});
  support::SessionRig rig({console::key::kDown, console::key::kEnter, console::key::kEsc});
  rig.session.SetSearchPath(folder.path());
  support::AddRows(support::Open(rig.session, "STOKBRG"),
                   {{{"GUDANG", T("G1")}, {"KODE", T("A1")}, {"JUMLAH", N(5)}},
                    {{"GUDANG", T("G2")}, {"KODE", T("B1")}, {"JUMLAH", N(1234)}},
                    {{"GUDANG", T("G2")}, {"KODE", T("B2")}, {"JUMLAH", N(-3)}},
                    {{"GUDANG", T("G2")}, {"KODE", T("C1")}, {"JUMLAH", N(7)}}});
  support::AddRows(support::Open(rig.session, "MASTBRJ"), {{{"KODE", T("B2")}, {"NAMA", T("BUKU GAMBAR")}}});

  std::string code = "B?";
  ASSERT_TRUE(PickStock(rig.session, "G2", &code));
  EXPECT_EQ(code, "B2        ");
  EXPECT_TRUE(support::Shown(rig.term, "G2     B1         " + std::string(21, ' ') + "      1,234"));
  EXPECT_TRUE(support::Shown(rig.term, "G2     B2         BUKU GAMBAR          " + std::string(9, ' ') + "-3"));
  EXPECT_TRUE(support::Shown(rig.term, "Dicari :B"));
  // The stock table keeps its controlling order; a code without the mark is left alone.
  EXPECT_EQ(support::Open(rig.session, "STOKBRG").OrderNumber(), 1);
  code = "C1";
  ASSERT_TRUE(PickStock(rig.session, "G2", &code));
  EXPECT_EQ(code, "C1");
}

}  // namespace
}  // namespace pickers
