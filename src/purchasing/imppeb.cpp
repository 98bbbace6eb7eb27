// IMPPEB "Realisasi PEB dari Logistik": takes a shipment document from logistics into the warehouse as a goods receipt.
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "purchasing/purchasing.h"
#include "purchasing/shipment_import.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

constexpr int kPreviewRows = 21;

// The box of the import; false after Esc or an empty number.
bool AskShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment) {
  console::Console& con = session.console();
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  console::ISHADOW(con, 6, 12, 15, 67, colour);
  console::TENGAH(con, 7, " Realisasi PEB dari Logistik ", colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(9, 15, "Gudang  :", attr);
  con.Say(10, 15, "Kd. CB  :", attr);
  con.Say(11, 15, "No. PEB :", attr);
  con.Say(12, 15, "Ket.    :", attr);
  console::GetList form;
  form.Add(9, 25, &shipment->warehouse, "@!").valid = [&] {
    return pickers::CEKGUDANG(session, &shipment->warehouse, false, &shipment->branch);
  };
  form.Add(10, 25, &shipment->branch, "@!");
  form.Add(11, 25, &shipment->number, "@!").valid = [&] {
    return xbase::IsBlank(shipment->number) || CheckShipment(session, tables, shipment);
  };
  form.Add(12, 25, &shipment->notes, "@S40");
  if (form.Read(con).escaped || xbase::IsBlank(shipment->number)) return false;
  con.Say(13, 15, "No. PO  : " + shipment->po + "   No. BPB : " + shipment->receipt, attr);
  return true;
}

// Shows the preview a screen at a time; true when the import is confirmed.
bool Confirmed(frame::Session& session, const Shipment& shipment) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::vector<std::string> rows = ShipmentPreview(shipment);
  for (size_t first = 0; first < rows.size(); first += kPreviewRows) {
    con.ClearScreen();
    for (size_t k = first; k < rows.size() && k < first + kPreviewRows; ++k) {
      con.Say(static_cast<int>(k - first) + 1, 0, rows[k]);
    }
    if (first + kPreviewRows < rows.size()) console::PESAN(con, "Tekan sembarang tombol untuk halaman berikutnya");
  }
  return frame::AnsweredYes(con, "yakin data akan diimpor (y/t)");
}

}  // namespace

xbase::Status IMPPEB(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenShipmentTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  Shipment shipment;
  shipment.warehouse = xbase::PadR(session.MMEMBER.warehouse, 6);
  // The branch the shipments are booked to ("KUVOCABANG" row), blank without one.
  std::string branch;
  bool found = false;
  if (xbase::Status s = pickers::SetupRow(session, "KUVOCABANG", &found, nullptr, &branch); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  shipment.branch = xbase::PadR(branch.substr(0, std::min<size_t>(6, branch.size())), 6);
  shipment.notes = xbase::PadR("PEB dari DL", 40);
  for (;;) {
    shipment.number = std::string(20, ' ');
    if (!AskShipment(session, tables, &shipment)) break;
    if (!Confirmed(session, shipment)) continue;
    if (SaveShipment(session, tables, &shipment).ok()) {
      console::PESAN(con, "PEB " + std::string(xbase::AllTrim(shipment.number)) + " masuk dg No. PO " + shipment.po +
                              ", No. BPB " + shipment.receipt);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
