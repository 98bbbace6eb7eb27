// J1615: "Cek Proforma". Every line of one proforma (or of the goods whose code begins as typed) with
// each delivery made on it and the balance left after it.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "sales/proforma.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kRowsPerPage = 60;
constexpr char kHeading[] =
    "NO KODE       NAMA                  QUANTITY   BOX NO SJ      TANGGAL    KODE       NAMA                  QUANTITY   BOX     SALDO";

// The name of an item, 20 characters, and its carton size (*dos); blank and 0 for a code not there.
xbase::Status GoodsName(const frame::OpenedTables& tables, std::string_view code, std::string* name, double* dos) {
  xbase::WorkArea& goods = tables["mastbrj"];
  bool found = false;
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = xbase::SeekFound(goods, goods.PadToField("KODE", code), &found);
  *dos = found ? goods.Number("DOS") : 0;
  *name = found ? xbase::PadR(goods.Text("NAMA"), 20).substr(0, 20) : std::string(20, ' ');
  return s;
}

std::string Cartons(double quantity, double dos) {
  return xbase::Transform(xbase::Value::Num(dos > 0 ? quantity / dos : 0), "999.99");
}

// The date of a proforma's delivery note, empty for a note not there.
xbase::Status NoteDate(const frame::OpenedTables& tables, std::string_view note, xbase::Date* date) {
  xbase::WorkArea& notes = tables["pro_ot1"];
  bool found = false;
  xbase::Status s = notes.SetOrder("PRO_OT11");
  if (s.ok()) s = xbase::SeekFound(notes, note, &found);
  *date = found ? notes.DateOf("TANGGAL") : xbase::Date();
  return s;
}

}  // namespace

xbase::Status ProformaCheckRows(const frame::OpenedTables& tables, std::string_view prefix,
                                std::vector<std::string>* rows) {
  xbase::WorkArea& header = tables["pro_in1"];
  xbase::WorkArea& lines = tables["pro_in2"];
  xbase::WorkArea& out_lines = tables["pro_ot2"];
  const std::string number = header.Text("NOMOR");
  *rows = {"Nomor   : " + std::string(xbase::RTrim(number)), "Tanggal : " + xbase::Dtoc(header.DateOf("TANGGAL")),
           std::string(129, '='), kHeading, std::string(129, '=')};
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder("PRO_IN21");
  if (s.ok()) s = lines.SeekAll(number, &records);
  int count = 0;
  for (size_t r = 0; s.ok() && r < records.size(); ++r) {
    if (s = lines.GoTo(records[r]); !s.ok()) break;
    const std::string code = lines.Text("KODE");
    if (!std::string_view(code).starts_with(xbase::RTrim(prefix))) continue;
    double dos = 0;
    std::string name;
    if (s = GoodsName(tables, code, &name, &dos); !s.ok()) break;
    double balance = lines.Number("QUANTITY");
    const std::string left = xbase::Str(++count, 2) + " " + code + " " + name + "  " + xbase::Str(balance, 8) +
                             Cartons(balance, dos);
    std::vector<uint32_t> deliveries;
    s = out_lines.SetOrder("PRO_OT22");
    if (s.ok()) s = out_lines.SeekAll(out_lines.PadToField("NO_REFF", number) + code, &deliveries);
    if (!s.ok()) break;
    if (deliveries.empty()) rows->push_back(left + std::string(70, ' ') + xbase::Str(balance, 10));
    for (size_t i = 0; s.ok() && i < deliveries.size(); ++i) {
      if (s = out_lines.GoTo(deliveries[i]); !s.ok()) break;
      const double quantity = out_lines.Number("QUANTITY");
      balance -= quantity;
      double shipped_dos = 0;
      std::string shipped_name;
      xbase::Date shipped_date;
      const std::string shipped = out_lines.Text("KD_KIRIM");
      s = GoodsName(tables, shipped, &shipped_name, &shipped_dos);
      if (s.ok()) s = NoteDate(tables, out_lines.Text("NOMOR"), &shipped_date);
      if (!s.ok()) break;
      rows->push_back((i == 0 ? left : std::string(left.size(), ' ')) + " " + out_lines.Text("NOMOR").substr(0, 10) +
                      " " + xbase::Dtoc(shipped_date) + " " + shipped + " " + shipped_name + "  " +
                      xbase::Str(quantity, 8) + Cartons(quantity, shipped_dos) + xbase::Str(balance, 10));
    }
  }
  // A check read only in part is not printed.
  if (!s.ok()) rows->clear();
  return s;
}

xbase::Status J1615(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"pro_in1", "pro_in2", "pro_ot1", "pro_ot2", "mastbrj"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string number(20, ' '), prefix(10, ' ');
  for (;;) {
    const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
    console::ISHADOW(con, 8, 15, 13, 64, colour);
    console::TENGAH(con, 9, "Cek Proforma", colour);
    con.Say(11, 18, "Nomor : ", con.Colour(colour));
    con.Say(12, 18, "Kode  : ", con.Colour(colour));
    console::GetList form;
    form.Add(11, 26, &number, "@!").valid = [&] { return CheckProformaNumber(session, &number); };
    form.Add(12, 26, &prefix, "@!");
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    std::vector<std::string> rows;
    if (!frame::Checked(session, ProformaCheckRows(tables, prefix, &rows))) continue;
    frame::ReportWriter report(session);
    bool written = report.Start();
    for (size_t i = 0; written && i < rows.size(); ++i) {
      if (i % kRowsPerPage == 0) written = report.NewPage();
      if (written) written = report.Line(rows[i], "C");
    }
    if (!written) continue;
    frame::ReportLayout layout;
    layout.title = "PRO";
    layout.left_margin = 2;
    layout.width = static_cast<int>(rows.back().size());
    report.Print(layout);
  }
  return session.tables().CloseAll();
}

}  // namespace sales
