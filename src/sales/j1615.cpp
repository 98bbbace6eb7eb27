// J1615: "Cek Proforma". Every line of one proforma (or of the goods whose code begins as typed) with
// each delivery made on it and the balance left after it.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "sales/proforma.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kRowsPerPage = 60;
constexpr char kHeading[] =
    "NO KODE       NAMA                  QUANTITY   BOX NO SJ      TANGGAL    KODE       NAMA                  QUANTITY   BOX     SALDO";

std::string GoodsName(const frame::OpenedTables& tables, std::string_view code, double* dos) {
  xbase::WorkArea& goods = tables["mastbrj"];
  if (!goods.SetOrder("MASTBRJ1").ok() || !goods.Seek(goods.PadToField("KODE", code)).ok() || !goods.found()) {
    *dos = 0;
    return std::string(20, ' ');
  }
  *dos = goods.Number("DOS");
  return xbase::PadR(goods.Text("NAMA"), 20).substr(0, 20);
}

std::string Cartons(double quantity, double dos) {
  return xbase::Transform(xbase::Value::Num(dos > 0 ? quantity / dos : 0), "999.99");
}

xbase::Date NoteDate(const frame::OpenedTables& tables, std::string_view note) {
  xbase::WorkArea& notes = tables["pro_ot1"];
  if (!notes.SetOrder("PRO_OT11").ok() || !notes.Seek(note).ok() || !notes.found()) return {};
  return notes.DateOf("TANGGAL");
}

}  // namespace

// The rows of the check report of the proforma PRO_IN1 stands on; goods whose code begins with
// `prefix` only, when given.
std::vector<std::string> ProformaCheckRows(const frame::OpenedTables& tables, std::string_view prefix) {
  xbase::WorkArea& header = tables["pro_in1"];
  xbase::WorkArea& lines = tables["pro_in2"];
  xbase::WorkArea& out_lines = tables["pro_ot2"];
  const std::string number = header.Text("NOMOR");
  std::vector<std::string> rows = {"Nomor   : " + std::string(xbase::RTrim(number)),
                                   "Tanggal : " + xbase::Dtoc(header.DateOf("TANGGAL")), std::string(129, '='), kHeading,
                                   std::string(129, '=')};
  std::vector<uint32_t> records;
  if (!lines.SetOrder("PRO_IN21").ok() || !lines.SeekAll(number, &records).ok()) return rows;
  int count = 0;
  for (uint32_t record : records) {
    if (!lines.GoTo(record).ok()) break;
    const std::string code = lines.Text("KODE");
    if (!std::string_view(code).starts_with(xbase::RTrim(prefix))) continue;
    double dos = 0;
    const std::string name = GoodsName(tables, code, &dos);
    double balance = lines.Number("QUANTITY");
    const std::string left = xbase::Str(++count, 2) + " " + code + " " + name + "  " + xbase::Str(balance, 8) +
                             Cartons(balance, dos);
    std::vector<uint32_t> deliveries;
    if (!out_lines.SetOrder("PRO_OT22").ok() ||
        !out_lines.SeekAll(out_lines.PadToField("NO_REFF", number) + code, &deliveries).ok()) {
      deliveries.clear();
    }
    if (deliveries.empty()) rows.push_back(left + std::string(70, ' ') + xbase::Str(balance, 10));
    for (size_t i = 0; i < deliveries.size(); ++i) {
      if (!out_lines.GoTo(deliveries[i]).ok()) break;
      const double quantity = out_lines.Number("QUANTITY");
      balance -= quantity;
      double shipped_dos = 0;
      const std::string shipped = out_lines.Text("KD_KIRIM");
      const std::string shipped_name = GoodsName(tables, shipped, &shipped_dos);
      rows.push_back((i == 0 ? left : std::string(left.size(), ' ')) + " " + out_lines.Text("NOMOR").substr(0, 10) +
                     " " + xbase::Dtoc(NoteDate(tables, out_lines.Text("NOMOR"))) + " " + shipped + " " + shipped_name +
                     "  " + xbase::Str(quantity, 8) + Cartons(quantity, shipped_dos) + xbase::Str(balance, 10));
    }
  }
  return rows;
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
    const std::vector<std::string> rows = ProformaCheckRows(tables, prefix);
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
