// REKKSTOCK: the box of the stock-card recap, shown as it stands: its prompts and column heads, no
// figures; any key leaves.
#include "console/box.h"
#include "console/message.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status REKKSTOCK(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {{"mastbrj"}, {"mastgdg"}, {"stokbrg"}})) return xbase::Status::OK();
  console::Console& con = session.console();
  {
    console::ScreenKeeper keep(con);
    const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
    console::ISHADOW(con, 3, 2, 21, 77, colour);
    console::TENGAH(con, 4, "REKAP KARTU STOCK", colour);
    int row = 6;
    for (const char* prompt : {"Kode Barang", "s/d Kode Barang", "Gudang", "Mulai Tanggal", "s/d Tanggal",
                               "proses harga", "Baris/Hal"}) {
      con.Say(row++, 5, prompt, con.Colour(colour));
    }
    // The column heads, in the box's 73 columns.
    con.Say(15, 4, "SALDO AWAL  PEMBELIAN  MUTASI MASUK  MUTASI KELUAR  RETUR PENJUALAN", con.Colour(colour));
    con.Say(16, 4, "PENJUALAN  DI     Ajust  A K H I R  HARGA", con.Colour(colour));
    con.Say(17, 4, "           JALAN  men               RATA-RATA", con.Colour(colour));
    con.WaitKey();
  }
  return session.tables().CloseAll();
}

}  // namespace stock
