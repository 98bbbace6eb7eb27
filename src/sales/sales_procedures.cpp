// The registration of the sales documents' entry procedures, with their menu texts.
#include "sales/sales.h"

#include "sales/cjual.h"
#include "sales/free_goods.h"
#include "sales/proforma.h"
#include "sales/proforma_note.h"
#include "sales/tax_invoice.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"IJUAL", "Input Sales Order + Surat Jalan", kMenuGroup, IJUAL});
  registry.Register({"JJUAL", "Input Surat Jalan Baru", kMenuGroup, JJUAL});
  registry.Register({"RSRTJLN", "Ralat Surat Jalan", kMenuGroup, RSRTJLN});
  registry.Register({"RSLSODR", "Ralat Sales Order", kMenuGroup, RSLSODR});
  registry.Register({"CSLSODR", "Cetak Sales Order", kMenuGroup, CSLSODR});
  registry.Register({"CJUAL", "Cetak Invoice", kMenuGroup, CJUAL});
  registry.Register({"FGOODS", "Surat Jalan Free Goods", kMenuGroup, FGOODS});
  registry.Register({"CFPJK", "Cetak Faktur Pajak", kMenuGroup, CFPJK});
  registry.Register({"J1601", "Input Proforma Invoice", kMenuGroup, J1601});
  registry.Register({"J1602", "Koreksi Proforma Invoice", kMenuGroup, J1602});
  registry.Register({"J1603", "Cetak Proforma Invoice", kMenuGroup, J1603});
  registry.Register({"J1604", "Surat Jalan dari Proforma", kMenuGroup, J1604});
  registry.Register({"J1605", "Cetak Surat Jalan Proforma", kMenuGroup, J1605});
  registry.Register({"J1606", "Pembatalan Surat Jalan Proforma", kMenuGroup, J1606});
  registry.Register({"J1607", "Detail Proforma Invoice", kMenuGroup, J1607});
  registry.Register({"J1608", "Rekap Proforma Invoice", kMenuGroup, J1608});
  registry.Register({"J1609", "Recek Realisasi Proforma", kMenuGroup, J1609});
  registry.Register({"J1615", "Cek Proforma", kMenuGroup, J1615});
}

}  // namespace sales
