// "Master Data Barang": goods with their group, names, unit, five prices and sizes. Prices and sizes
// are changed only by users with the right "EDP"; stock and costs belong to the stock postings.
#include <array>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/seen_records.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/master_screens.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/b";
constexpr int kEditCol = 23;
constexpr int kStockRow = 16;
constexpr const char* kPrice = "##,###,###.##";
constexpr const char* kSize = "#,###,###";

constexpr std::array<const char*, 5> kPriceFields = {"HARGA", "HARGA1", "HARGA2", "HPP", "HARGA4"};
constexpr std::array<const char*, 3> kSizeFields = {"PAK", "DOS", "LIMIT"};

// The form's values of one item.
struct Item {
  std::string kode = std::string(10, ' ');
  std::string golongan = std::string(10, ' ');
  std::string nama = std::string(20, ' ');
  std::string nama2 = std::string(50, ' ');
  std::string satuan = std::string(6, ' ');
  std::array<double, 5> prices{};
  std::array<double, 3> sizes{};
  double stock = 0;
  bool known = false;
  // The item's row as the form read it (none for a new code), checked again by the save.
  documents::SeenRecords seen;
};

// The fields the form writes; the stock and costs the postings move meanwhile are not among them.
std::vector<std::string> WrittenFields() {
  std::vector<std::string> fields = {"GOLONGAN", "NAMA", "NAMA2", "SATUAN"};
  fields.insert(fields.end(), kPriceFields.begin(), kPriceFields.end());
  fields.insert(fields.end(), kSizeFields.begin(), kSizeFields.end());
  return fields;
}

void DrawForm(console::Console& con) {
  console::SHADOW(con, 3, 2, 21, 76, kColour);
  console::TENGAH(con, 4, "Master Data Barang", kColour);
  static constexpr const char* kLabels[] = {"Kode Barang", "Golongan", "Nama Barang", "Nama Panjang", "Satuan Barang",
                                            "Harga Rp.", "Harga 1 Rp.", "Harga 2 Rp.", "Harga 3 Rp.", "Harga 4 Rp.",
                                            "Sisa Stock", "Isi per Pak", "per Dos", "Re-Order Level"};
  int row = 6;
  for (const char* label : kLabels) con.Say(row++, 5, xbase::PadR(label, 16) + ":", con.Colour(kColour));
}

void ShowStock(console::Console& con, const Item& item) {
  con.Say(kStockRow, kEditCol, xbase::Transform(xbase::Value::Num(item.stock), "9,999,999"), con.Colour(kColour));
}

// The item of the code the area stands on.
void Load(const xbase::WorkArea& goods, Item* item) {
  item->golongan = goods.Text("GOLONGAN");
  item->nama = goods.Text("NAMA");
  item->nama2 = goods.Text("NAMA2");
  item->satuan = goods.Text("SATUAN");
  for (size_t i = 0; i < kPriceFields.size(); ++i) item->prices[i] = goods.Number(kPriceFields[i]);
  for (size_t i = 0; i < kSizeFields.size(); ++i) item->sizes[i] = goods.Number(kSizeFields[i]);
  item->stock = goods.Number("JUMLAH");
  item->known = true;
}

// CSTK: "?" or "/" picks an item; a known code loads it; a new code is refused without "EDP".
bool CSTK(frame::Session& session, Item* item) {
  frame::PickSpec pick;
  pick.alias = "mastbrj";
  pick.by_name = true;
  bool found = false;
  xbase::WorkArea* goods = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, &item->kode, &found, &goods))) return false;
  if (xbase::IsBlank(item->kode)) return true;
  if (!found && !session.MMEMBER.HasRight(kRightEdp)) {
    console::PESAN(session.console(), "Master barang dg kode " + std::string(xbase::RTrim(item->kode)) + " tidak terdaftar");
    return false;
  }
  if (found) {
    Load(*goods, item);
  } else {
    *item = Item{item->kode};
  }
  item->seen.Clear();
  return frame::Checked(session, item->seen.Take(session.tables(), *goods, 1, goods->PadToField("KODE", item->kode),
                                                 WrittenFields()));
}

// CGL: "?" picks a group; the group must be one of MASTGOL.
bool CGL(frame::Session& session, std::string* group) {
  frame::PickSpec pick;
  pick.alias = "mastgol";
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, group, &found))) return false;
  if (xbase::IsBlank(*group) || !found) {
    console::PESAN(session.console(), "Golongan " + std::string(xbase::RTrim(*group)) + " tidak terdaftar");
    return false;
  }
  return true;
}

// Writes the item: users with "EDP" every field of the form (a new code appended first), others only the
// group, names and unit of an existing item.
xbase::Status Save(frame::Session& session, xbase::WorkArea& goods, const Item& item) {
  const bool edp = session.MMEMBER.HasRight(kRightEdp);
  xbase::Status s = goods.SetOrder(1);
  if (s.ok()) s = goods.Seek(item.kode);
  if (!s.ok()) return s;
  // Another workstation's save since the form read the item is not written over.
  const std::string refusal =
      "Barang " + std::string(xbase::RTrim(item.kode)) + " diubah di komputer lain, panggil ulang datanya";
  if (!goods.found()) {
    if (!edp) return xbase::Status::OK();
    s = item.seen.Unchanged(session.tables(), refusal);
    if (s.ok()) s = console::APP_REC(session.console(), goods);
    if (s.ok()) s = goods.Put("KODE", xbase::Value::Text(item.kode));
    if (s.ok()) s = goods.Put("TG_INPUT", xbase::Value::FromDate(session.Today()));
    if (s.ok()) s = goods.Put("OPERATOR", xbase::Value::Text(session.MMEMBER.nik));
  } else {
    s = console::LOCK_REC(session.console(), goods);
    if (s.ok()) s = item.seen.Unchanged(session.tables(), refusal);
  }
  const std::pair<const char*, const std::string*> texts[] = {
      {"GOLONGAN", &item.golongan}, {"NAMA", &item.nama}, {"NAMA2", &item.nama2}, {"SATUAN", &item.satuan}};
  for (const auto& [field, value] : texts) {
    if (s.ok()) s = goods.Put(field, xbase::Value::Text(*value));
  }
  for (size_t i = 0; edp && i < kPriceFields.size(); ++i) {
    if (s.ok()) s = goods.Put(kPriceFields[i], xbase::Value::Num(item.prices[i]));
  }
  for (size_t i = 0; edp && i < kSizeFields.size(); ++i) {
    if (s.ok()) s = goods.Put(kSizeFields[i], xbase::Value::Num(item.sizes[i]));
  }
  const xbase::Status unlocked = goods.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status TMASTBRG(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  xbase::WorkArea* goods = nullptr;
  if (!frame::OpenTable(session, "Mastbrj", false, "", &goods) || !frame::OpenTable(session, "mastgol")) {
    return session.tables().CloseAll();
  }
  const bool edp = session.MMEMBER.HasRight(kRightEdp);
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  DrawForm(con);
  for (;;) {
    Item item;
    console::GetList code_form;
    code_form.Add(6, kEditCol, &item.kode, "@!").valid = [&] { return CSTK(session, &item); };
    if (code_form.Read(con).escaped || xbase::IsBlank(item.kode)) break;
    ShowStock(con, item);
    console::GetList form;
    form.Add(7, kEditCol, &item.golongan, "@!").valid = [&] { return CGL(session, &item.golongan); };
    form.Add(8, kEditCol, &item.nama);
    form.Add(9, kEditCol, &item.nama2);
    form.Add(10, kEditCol, &item.satuan);
    // Prices and sizes are shown to every user and typed only by users with "EDP", so that nothing
    // typed is dropped on saving.
    for (size_t i = 0; i < kPriceFields.size(); ++i) {
      form.Add(11 + static_cast<int>(i), kEditCol, &item.prices[i], kPrice).when = [edp] { return edp; };
    }
    for (size_t i = 0; i < kSizeFields.size(); ++i) {
      form.Add(17 + static_cast<int>(i), kEditCol, &item.sizes[i], kSize).when = [edp] { return edp; };
    }
    bool confirmed = false;
    while (!confirmed) {
      if (form.Read(con).escaped) break;
      confirmed = frame::AnsweredYes(con, "Yakin Data Sudah Betul (Y/T)");
    }
    if (!confirmed) break;
    frame::ShowFailure(session, Save(session, *goods, item));
  }
  return session.tables().CloseAll();
}

}  // namespace masters
