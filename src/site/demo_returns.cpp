// The demo rows of the returns: a return draft to send, a late-payment request and a negotiation minute.
#include <iterator>
#include <string>

#include "site/demo_data.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

// A return draft of one carton of the first note's first goods, ready to be sent to head office.
xbase::Status Draft(const DemoContext& demo) {
  const DemoGoods& goods = DemoGoodsList().front();
  const std::string customer = demo.options.customer_prefix + "0001";
  const double quantity = goods.dos;
  xbase::Status s = demo.writer.Add("DRAFTR1", {{"NOMOR", "RTD-0001"},
                                                {"TANGGAL", demo.today},
                                                {"RELASI", customer},
                                                {"TIPE", "01"},
                                                {"SALES", "S001"},
                                                {"KDCB", demo.branch},
                                                {"GUDANG", kDemoWarehouse},
                                                {"NILAI", quantity * goods.harga},
                                                {"ALASAN1", "KEMASAN RUSAK SAAT PENGIRIMAN"},
                                                {"ALASAN2", "R1"},
                                                {"CODE_ID", "0"},
                                                {"TG_INPUT", demo.today},
                                                {"OPERATOR", kAdminNik}});
  if (s.ok()) {
    s = demo.writer.Add("DRAFTR2", {{"NOMOR", "RTD-0001"},
                                    {"INVOICE", "SJ-0001"},
                                    {"KODE", goods.kode},
                                    {"BOX", 1},
                                    {"QUANTITY", quantity},
                                    {"HARGA", goods.harga},
                                    {"HRG_RATA", DemoCost(goods)},
                                    {"URUT", "  1"},
                                    {"URUTAN", "  1"}});
  }
  return s;
}

// A request to accept the first open invoice paid with a giro dated past its terms.
xbase::Status LatePayment(const DemoContext& demo) {
  return demo.writer.Add("KIRIMAPP", {{"FORM", "PIUT+"},
                                      {"NOMOR", "DEMO000001"},
                                      {"NO_GIRO", "BCA 7730015"},
                                      {"TG_GIRO", demo.today + 20},
                                      {"KET", "PELANGGAN MENUNGGU PEMBAYARAN DARI PROYEK PEMERINTAH"},
                                      {"APPROVAL", false}});
}

// A negotiation minute of two works for a service customer, ready for the head office's approval,
// with the PEC number it names.
xbase::Status NegotiationMinute(const DemoContext& demo) {
  const std::string customer = demo.options.customer_prefix + "0002";
  const std::string number = "0000000001";
  xbase::Status s = demo.writer.Add("PEC", {{"NOMOR", "PEC-2026-001"}});
  if (s.ok()) s = demo.writer.Add("PEC", {{"NOMOR", "PEC-2026-002"}});
  if (s.ok()) {
    s = demo.writer.Add("BAC_N1", {{"NOMOR", number},
                                   {"KDCB", demo.branch},
                                   {"TANGGAL", demo.today},
                                   {"EX_NOMOR", customer},
                                   {"NO_TAWAR1", "SPH-P-0101"},
                                   {"NO_TAWAR2", "SPH-C-0101"},
                                   {"NO_KALKUL", "KAL-0101"},
                                   {"PEMESAN", "PT. SINAR TEKNIK MANDIRI"},
                                   {"KONTAK", "IBU RATNA"},
                                   {"ALAMAT", "JL. INDUSTRI RAYA NO. 12 KAWASAN CIKARANG"},
                                   {"TELPON", "021-8990123"},
                                   {"KOTA", "BEKASI"},
                                   {"INC_PPN", "S"},
                                   {"INC_PPH22", "T"},
                                   {"ONGKIR", "P"},
                                   {"KOMISI", false},
                                   {"PEMBUAT", kDemoNik},
                                   {"MENGTAHUI", kAdminNik},
                                   {"APPROVAL", false},
                                   {"NO_PEC", "PEC-2026-001"},
                                   {"TGINPUT", demo.today},
                                   {"OPERATOR", kDemoNik}});
  }
  struct Work {
    const char* name;
    const char* brand;
    double quantity;
    const char* unit;
    double price;
    double margin;
    const char* detail;
  };
  const Work works[] = {{"PANEL LISTRIK 3 PHASE 100A", "SCHNEIDER", 2, "UNIT", 18500000, 12.5,
                         "UKURAN    80 X 60 X 25 CM, CAT POWDER COATING ABU-ABU"},
                        {"INSTALASI KABEL NYY 4X16", "SUPREME", 150, "METER", 215000, 10,
                         "PEKERJAAN TERMASUK TRAY KABEL DAN TERMINASI KEDUA UJUNG"}};
  for (size_t k = 0; s.ok() && k < std::size(works); ++k) {
    const std::string urutan = xbase::Str(static_cast<double>(k + 1), 3);
    s = demo.writer.Add("BAC_N2", {{"NOMOR", number},         {"NM_PRODUK", works[k].name}, {"MERK", works[k].brand},
                                   {"QUANTITY", works[k].quantity}, {"SATUAN", works[k].unit}, {"HARGA", works[k].price},
                                   {"URUTAN", urutan},        {"MARGIN", works[k].margin}});
    if (s.ok()) s = demo.writer.Add("BAC_N21", {{"NOMOR", number}, {"URUTAN", urutan}, {"SPECS", works[k].detail}});
  }
  if (s.ok()) s = demo.writer.Add("BAC_N22", {{"NOMOR", number}, {"URUTAN", "  1"}, {"TANGGAL", demo.today + 14}, {"QUANTITY", 52}});
  if (s.ok()) s = demo.writer.Add("BAC_N22", {{"NOMOR", number}, {"URUTAN", "  2"}, {"TANGGAL", demo.today + 30}, {"QUANTITY", 100}});
  if (s.ok()) {
    s = demo.writer.Add("BAC_N3", {{"NOMOR", number}, {"TANGGAL", demo.today + 7}, {"URUTAN", "  1"}, {"PERSEN", 30},
                                   {"KTR", "DP"}, {"JUMLAH", 30 * (2 * 18500000.0 + 150 * 215000.0) / 100},
                                   {"NOTES", "UANG MUKA SETELAH PO"}});
  }
  // The counter of the branch's minutes passes the demo's.
  if (s.ok()) s = SetSetting(demo.writer, "NEGO" + demo.branch, number);
  if (s.ok()) s = demo.writer.Add("BAC_N6", {{"NOMOR", number}, {"CATATAN", "PEKERJAAN DIMULAI 7 HARI SETELAH UANG MUKA DITERIMA"}});
  return s;
}

}  // namespace

xbase::Status AddReturnsDemo(const DemoContext& demo) {
  xbase::Status s = Draft(demo);
  if (s.ok()) s = LatePayment(demo);
  if (s.ok()) s = NegotiationMinute(demo);
  return s;
}

}  // namespace site
