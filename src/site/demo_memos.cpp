// The demo rows of the delivery memos: delivery notes to put on memos and an approved admin memo.
#include <string>

#include "site/demo_data.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

// Delivery notes ready to be put on memos: one customer each (the number after the branch's customer
// prefix), dated some days back, with two goods lines of whole cartons.
struct DemoNote {
  const char* invoice;
  const char* customer;
  int days_back;
  int first_goods;  // index into the demo goods; the line after it is the second
  int cartons;
};
constexpr DemoNote kNotes[] = {{"SJ-0001", "0001", 3, 0, 2},
                               {"SJ-0002", "0002", 3, 6, 1},
                               {"SJ-0003", "0003", 2, 14, 3},
                               {"SJ-0004", "0005", 1, 27, 2}};

// The first working day (not a Sunday) after `date`.
xbase::Date NextWorkingDay(xbase::Date date) {
  xbase::Date next = date + 1;
  return next.dow() == 1 ? next + 1 : next;
}

// Line `line` (0 or 1) of a note: its good and pieces.
const DemoGoods& NoteGoods(const DemoNote& note, int line) {
  const auto goods = DemoGoodsList();
  return goods[static_cast<size_t>(note.first_goods + line) % goods.size()];
}
double NotePieces(const DemoNote& note, int line) { return static_cast<double>(note.cartons * NoteGoods(note, line).dos); }

xbase::Status AddNote(const DemoContext& demo, const DemoNote& note) {
  const std::string customer = demo.options.customer_prefix + note.customer;
  const xbase::Date date = demo.today - note.days_back;
  xbase::Status s = demo.writer.Add("SRTJLN1", {{"INVOICE", note.invoice},
                                                {"TANGGAL", date},
                                                {"NOMOR", std::string("SO-") + (note.invoice + 3)},
                                                {"RELASI", customer},
                                                {"TIPE", "01"},
                                                {"SALES", "S001"},
                                                {"KDCB", demo.branch},
                                                {"TEMPO", date},
                                                {"TERM", 30},
                                                {"PESAN", date},
                                                {"KIRIM", NextWorkingDay(demo.today)},
                                                {"CODE_ID", "0"},
                                                {"CETAK", true},
                                                {"TG_INPUT", date},
                                                {"OPERATOR", kAdminNik}});
  double value = 0;
  for (int line = 0; line < 2 && s.ok(); ++line) {
    const DemoGoods& item = NoteGoods(note, line);
    const double quantity = NotePieces(note, line);
    value += quantity * item.harga;
    s = demo.writer.Add("SRTJLN2", {{"INVOICE", note.invoice},
                                    {"KODE", item.kode},
                                    {"GUDANG", kDemoWarehouse},
                                    {"Q_BOX", note.cartons},
                                    {"QUANTITY", quantity},
                                    {"HARGA", item.harga},
                                    {"KTR", item.nama},
                                    {"URUT", xbase::PadL(std::to_string(line + 1), 3)},
                                    {"HRG_RATA", DemoCost(item)}});
  }
  if (s.ok()) {
    s = demo.writer.Add("PIUTDBT", {{"NOTA", note.invoice},
                                    {"TANGGAL", date},
                                    {"KDCB", demo.branch},
                                    {"RELASI", customer},
                                    {"TIPE", "01"},
                                    {"SALES", "S001"},
                                    {"CODE_ID", "0"},
                                    {"DEBET", value},
                                    {"KREDIT", 0},
                                    {"TEMPO", date},
                                    {"APPROVAL", true},
                                    {"TGINPUT", date},
                                    {"OPERATOR", kAdminNik}});
  }
  // The receivable raises the customer's balance, as a saved note does.
  if (s.ok()) s = demo.writer.Raise("MASTCUS", "RELASI", customer, "SALDO", value);
  return s;
}

}  // namespace

double DemoDelivered(std::string_view kode) {
  double pieces = 0;
  for (const DemoNote& note : kNotes) {
    for (int line = 0; line < 2; ++line) {
      if (NoteGoods(note, line).kode == kode) pieces += NotePieces(note, line);
    }
  }
  return pieces;
}

xbase::Status AddMemosDemo(const DemoContext& demo) {
  xbase::Status s;
  for (const DemoNote& note : kNotes) {
    if (s.ok()) s = AddNote(demo, note);
  }
  // An approved admin memo of the first two notes, ready for a driver memo; the other two wait for
  // an admin memo. Its number is taken, and the counter says so.
  if (s.ok()) {
    s = demo.writer.Add("MEMADM1", {{"KDCB", demo.branch},
                                    {"NOMOR", "0000000001"},
                                    {"TANGGAL", demo.today},
                                    {"NOTES", "KIRIM MINGGU INI"},
                                    {"APPROVAL", true},
                                    {"TGAPPROV", demo.today},
                                    {"TGINPUT", demo.today},
                                    {"OPERATOR", kAdminNik}});
  }
  if (s.ok()) s = SetSetting(demo.writer, "MADM" + demo.branch, "0000000001");
  for (int i = 0; i < 2 && s.ok(); ++i) {
    s = demo.writer.Add("MEMADM2", {{"KDCB", demo.branch},
                                    {"NOMOR", "0000000001"},
                                    {"INVOICE", kNotes[i].invoice},
                                    {"CARTON", 2.0 * kNotes[i].cartons}});
  }
  return s;
}

}  // namespace site
