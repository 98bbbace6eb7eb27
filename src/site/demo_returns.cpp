#include <string>

#include "returns/returns.h"
#include "site/demo_data.h"
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

}  // namespace

xbase::Status AddReturnsDemo(const DemoContext& demo) {
  xbase::Status s = Draft(demo);
  if (s.ok()) s = LatePayment(demo);
  if (s.ok()) s = returns::CreateRequestFiles(demo.writer.folder() + "/" + kTransferFolder);
  return s;
}

}  // namespace site
