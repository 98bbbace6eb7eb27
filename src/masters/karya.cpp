// "DATA PEGAWAI": the employees, one form of their 24 fields in field order.
#include <array>

#include "console/box.h"
#include "console/form_backdrop.h"
#include "console/field_format.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "masters/master_screens.h"
#include "masters/masters.h"
#include "masters/record_form.h"
#include "pickers/lookups.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/bg";
constexpr int kFieldCount = 24;
constexpr int kAgeRow = 8;
constexpr int kAgeCol = 52;

// Where each field of KARYAWAN stands on the form, and its picture.
struct Place {
  int row;
  int col;
  const char* picture;
};
constexpr std::array<Place, kFieldCount> kPlaces = {{
    {4, 19, "@!"},  {5, 19, "@!"},  {6, 19, "@!"},  {7, 19, "@!"},  {7, 59, ""},    {8, 19, "@!"},
    {9, 19, "@!"},  {10, 19, "@!"}, {11, 19, "@!"}, {12, 19, "@!"}, {13, 19, "@!"}, {14, 19, "99"},
    {15, 19, "@!"}, {16, 19, "@!"}, {17, 19, "@!"}, {18, 19, "@!"}, {18, 57, "@!"}, {18, 67, "@!"},
    {19, 19, "@!"}, {19, 59, "@!"}, {20, 19, "@!"}, {20, 59, "@!"}, {21, 19, ""},   {21, 59, "@!"},
}};
constexpr int kBirthDate = 4;
constexpr int kCostCentre = 23;

void DrawForm(console::Console& con) {
  console::ClearBehindForm(con);
  console::SHADOW(con, 2, 1, 22, 77, kColour);
  console::TENGAH(con, 3, "DATA PEGAWAI", kColour);
  struct Label {
    int row;
    int col;
    const char* text;
  };
  static constexpr Label kLabels[] = {
      {4, 2, "  NIK          :"},  {5, 2, "  Nama         :"},  {6, 2, "  Panggilan    :"},
      {7, 2, "  Tempat Lahir :"},  {7, 45, "Tg. Lahir :"},      {8, 2, "  Jenis Kel.   :"},
      {8, 45, "Umur :     Tahun"}, {9, 2, "  Gol. Darah   :"},  {10, 2, "  Agama        :"},
      {11, 2, "  Pendidikan   :"}, {12, 2, "  Status       :"}, {13, 2, "  Nm Pasangan  :"},
      {14, 2, "  Jumlah Anak  :"}, {15, 2, "  Nomor KTP    :"}, {16, 2, "  Nomor SIM    :"},
      {17, 2, "  Nomor Paspor :"}, {18, 2, "  Alamat       :"}, {18, 51, "Rt. :"},
      {18, 61, "Rw. :"},           {19, 2, "  Desa         :"}, {19, 45, "Kec. :"},
      {20, 2, "  Kabupaten    :"}, {20, 45, "Kode Pos :"},      {21, 2, "  Tg. Masuk    :"},
      {21, 45, "Cost Center :"}};
  for (const Label& label : kLabels) con.Say(label.row, label.col, label.text, con.Colour(kColour));
}

}  // namespace

int AgeInYears(xbase::Date today, xbase::Date birth) {
  if (birth.empty() || today < birth) return 0;
  const bool before_birthday =
      today.month() < birth.month() || (today.month() == birth.month() && today.day() < birth.day());
  return today.year() - birth.year() - (before_birthday ? 1 : 0);
}

void UMURNYA(frame::Session& session, xbase::Date birth) {
  console::Console& con = session.console();
  const std::string age = birth.empty() ? "   " : xbase::Transform(xbase::Value::Num(AgeInYears(session.Today(), birth)), "999");
  con.Say(kAgeRow, kAgeCol, age, con.Colour(kColour));
}

void CDISPLASYKAR(frame::Session& session, const std::vector<xbase::Value>& values) {
  console::Console& con = session.console();
  const console::Attr attr = con.Colour(kColour);
  for (size_t i = 0; i < values.size() && i < kPlaces.size(); ++i) {
    con.Say(kPlaces[i].row, kPlaces[i].col, console::FormatValue(values[i], kPlaces[i].picture), attr);
  }
  if (values.size() > kBirthDate && values[kBirthDate].is_date()) UMURNYA(session, values[kBirthDate].date());
}

xbase::Status KARYA(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  xbase::WorkArea* employees = nullptr;
  if (!frame::OpenTable(session, "karyawan", false, "", &employees) || !frame::OpenTable(session, "mastcos")) {
    return session.tables().CloseAll();
  }
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  DrawForm(con);
  RecordForm form_values(*employees, kFieldCount);
  for (;;) {
    form_values.Clear();
    CDISPLASYKAR(session, form_values.values());
    console::GetList form;
    std::string looked_up;
    form_values.Add(&form, 0, kPlaces[0].row, kPlaces[0].col, kPlaces[0].picture).valid = [&] {
      std::string& nik = form_values.text(0);
      if (xbase::IsBlank(nik) || nik == looked_up) return true;
      std::vector<xbase::Value> found;
      pickers::GETKARYAWAN(session, &nik, &found, [&](const std::vector<xbase::Value>& values) {
        form_values.Load(values, 1);
      }, true);
      looked_up = nik;
      CDISPLASYKAR(session, form_values.values());
      return true;
    };
    for (int i = 1; i < kFieldCount; ++i) {
      const Place& place = kPlaces[static_cast<size_t>(i)];
      console::GetField& field = form_values.Add(&form, i, place.row, place.col, place.picture);
      if (i == kBirthDate) {
        field.valid = [&] {
          UMURNYA(session, form_values.date(kBirthDate));
          return true;
        };
      } else if (i == kCostCentre) {
        field.valid = [&] {
          std::string& code = form_values.text(kCostCentre);
          if (xbase::IsBlank(code) || pickers::GETCOSTCENTER(session, &code, false)) return true;
          console::PESAN(con, "Cost Center " + std::string(xbase::AllTrim(code)) + " tidak terdaftar");
          return false;
        };
      }
    }
    if (!SaveOrLeave(session, form.Read(con), form_values, *employees)) break;
  }
  return session.tables().CloseAll();
}

}  // namespace masters
