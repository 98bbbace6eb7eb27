// The import of the price list Price.dbf into the goods master: new items are added, and the price-list
// properties of every item are taken over.
#include <array>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/import_stop.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/master_screens.h"
#include "masters/price_list.h"
#include "masters/record_form.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

// The properties of an item that a price list brings: names, group, unit, prices and pack sizes.
// Stock, costs, the input date and the operator of an item stay as the stock postings and its
// entry left them.
constexpr std::array<const char*, 11> kPriceListFields = {"GOLONGAN", "NAMA", "NAMA2", "SATUAN", "HARGA", "HARGA1",
                                                          "HARGA2",   "HPP",  "HARGA4", "PAK",   "DOS"};

// Copies the price-list properties of the current price-list row into the goods row, by name.
xbase::Status CopyProperties(const xbase::WorkArea& prices, xbase::WorkArea& goods) {
  xbase::Status s;
  for (const char* field : kPriceListFields) {
    if (prices.FieldIndex(field) < 0) continue;
    xbase::Value value;
    if (s = prices.Get(field, &value); s.ok()) s = goods.Put(field, value);
    if (!s.ok()) break;
  }
  return s;
}

// One price-list row into the goods master, a save of its own: the item's row (or the append lock for
// a new code) is locked first, then a new code is appended and its properties written.
xbase::Status ImportRow(frame::Session& session, const xbase::WorkArea& prices, xbase::WorkArea& goods) {
  const std::string code = prices.Text("KODE");
  if (xbase::IsBlank(code)) return xbase::Status::OK();
  documents::SaveScope save(session.console());
  xbase::Status s = documents::NameKeyedRecord(save, goods, 1, goods.PadToField("KODE", code));
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return s;
  s = save.BeginWrites();
  bool appended = false;
  if (s.ok()) s = LockRowOf(session.console(), goods, "KODE", code, &appended);
  if (s.ok() && appended) s = goods.Put("TG_INPUT", xbase::Value::FromDate(session.Today()));
  if (s.ok() && appended) s = goods.Put("OPERATOR", xbase::Value::Text(session.MMEMBER.nik));
  if (s.ok()) s = CopyProperties(prices, goods);
  return save.CommitWrites(s);
}

// Every price-list row in turn. A lock given up or a failed write stops at that row (*stopped), the
// rows before written.
xbase::Status ImportPriceList(frame::Session& session, xbase::WorkArea& prices, xbase::WorkArea& goods,
                              uint32_t* stopped) {
  xbase::Status s = prices.SetOrder(0);
  if (s.ok()) s = prices.GoTop();
  while (s.ok() && !prices.eof()) {
    s = ImportRow(session, prices, goods);
    if (!s.ok()) *stopped = prices.recno();
    if (s.ok()) s = prices.Skip();
  }
  return s;
}

void DrawImportBox(console::Console& con) {
  constexpr std::string_view kBox = "W+/b";
  console::SHADOW(con, 4, 8, 19, 71, kBox);
  const std::pair<int, const char*> lines[] = {{5, " Menu ini akan meng-import Data Barang sebagai berikut : "},
                                               {7, "  Dir :"},
                                               {9, "     1. Akan menambah data barang jika ada Produk Baru   "},
                                               {10, "     2. Akan merubah property Data barang antara lain :  "},
                                               {11, "          - Nama Barang"},
                                               {12, "          - Golongan Barang"},
                                               {13, "          - Satuan Barang"},
                                               {14, "          - Harga Barang"},
                                               {15, "          - Isi per Pak"},
                                               {16, "          - Isi Per Box"}};
  for (const auto& [row, text] : lines) con.Say(row, 10, text, con.Colour(kBox));
}

}  // namespace

xbase::Status RHRG(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "setup")) return session.tables().CloseAll();
  console::ScreenKeeper keep(con);
  DrawImportBox(con);
  std::string folder = xbase::PadR(PresetFolder(session), 60);
  console::GetList form;
  form.Add(7, 20, &folder, "@!S40");
  xbase::WorkArea* prices = nullptr;
  xbase::WorkArea* goods = nullptr;
  if (form.Read(con).escaped || !OpenPriceList(session, folder, &prices) ||
      !frame::OpenTable(session, "mastbrj", false, "", &goods)) {
    return session.tables().CloseAll();
  }
  if (frame::AnsweredYes(con, "Yakin akan di proses (Y/T)")) {
    console::WARNING(con, "....Tunggu Sedang proses....", "Gr*/r");
    uint32_t stopped = 0;
    const xbase::Status s = ImportPriceList(session, *prices, *goods, &stopped);
    frame::ShowImportStop(session, s, "Price.dbf", stopped, stopped != 0 ? prices->Text("KODE") : "",
                          "barang ini tidak tersimpan");
  }
  return session.tables().CloseAll();
}

}  // namespace masters
