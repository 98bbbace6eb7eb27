// A branch and head-office folder pair for the negotiation minute tests.
#include "returns/negotiation_helpers.h"

#include <gtest/gtest.h>

#include "console/scripted_terminal.h"
#include "returns/returns_test_helpers.h"
#include "xbase/text_functions.h"

namespace returns::testing {

using support::AddRows;
using support::N;
using support::Open;
using support::T;

std::vector<std::string> NegotiationTables() {
  return {"SETUP", "KARYAWAN", "MASTCUS", "PEC",     "MASTBRJ", "MASTGOL", "JOS",     "BAC_N1",
          "BAC_N2", "BAC_N21", "BAC_N22", "BAC_N3", "BAC_N6",  "BAC_NAP", "BAC_NPP"};
}

NegotiationSite::NegotiationSite() {
  rig.session.SetSearchPath(folder.path());
  rig.session.MMEMBER.nik = "ADMIN01";
  rig.session.MMEMBER.rights = "EDP";
  AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("NEGOJKT001")}, {"KET", T("0000000041")}},
                                        {{"SETUP", T("JKT001")}, {"KET", T("CABANG JAKARTA")}}});
  AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C0001")}, {"NAMA", T("PT. MAJU JAYA")}, {"KONTAK1", T("BUDI")},
                                          {"ALAMAT", T("JL. MERDEKA 1")}, {"ALAMAT2", T("BLOK A")},
                                          {"KOTA", T("BOGOR")}, {"TELP", T("0251-123")}}});
  AddRows(Open(rig.session, "KARYAWAN"), {{{"NIK", T("E001")}, {"NAMA", T("SITI AMINAH")}}});
  AddRows(Open(rig.session, "PEC"), {{{"NOMOR", T("PEC1")}}});
  AddRows(Open(rig.session, "MASTGOL"), {{{"KODE", T("G1")}, {"NAMA", T("JASA")}}});
  AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("BRG01")}, {"NAMA", T("PANEL LAMA")}, {"HARGA", N(1000)},
                                          {"HRG_BELI", N(700)}, {"HRG_RATA", N(650)}, {"DOS", N(12)}, {"PAK", N(6)}}});
  Reopen();
}

void NegotiationSite::Reopen() {
  rig.session.CloseTables();
  tables = OpenNegotiationTables(rig.session);
  EXPECT_TRUE(tables);
}

std::vector<std::string> NegotiationSite::Contents(const std::string& table) {
  return RecordsOf(rig.session.tables(), table);
}

std::string NegotiationSite::Message() {
  const auto& screens = rig.term.screens();
  return screens.empty() ? "" : std::string(xbase::AllTrim(console::ScriptedTerminal::Text(screens.back(), 24)));
}

Minute TwoProductMinute(double scheduled) {
  Minute minute;
  minute.branch = "JKT001";
  minute.date = xbase::Date::FromYmd(2026, 12, 8);
  minute.customer = xbase::PadR("C0001", 10);
  minute.company = xbase::PadR("PT. MAJU JAYA", 50);
  minute.pec = xbase::PadR("PEC1", 20);
  MinuteProduct panel;
  panel.name = xbase::PadR("PANEL LISTRIK", 30);
  panel.quantity = 2;
  panel.unit = xbase::PadR("UNIT", 6);
  panel.price = 5000000;
  panel.margin = 12.5;
  panel.details = {xbase::PadR("UKURAN    80 X 60 CM", 100), xbase::PadR("WARNA     ABU-ABU", 100)};
  MinuteProduct cable;
  cable.name = xbase::PadR("KABEL NYY", 30);
  cable.quantity = 3;
  cable.unit = xbase::PadR("ROL", 6);
  cable.price = 1000000;
  cable.details = {xbase::PadR("TIPE      4X16", 100)};
  minute.products = {panel, cable};
  minute.schedule = {{xbase::Date::FromYmd(2026, 12, 20), scheduled}};
  minute.payments = {{xbase::Date::FromYmd(2026, 12, 15), 30, "DP", std::string(20, ' '),
                      PaymentAmount(minute, 30), xbase::PadR("UANG MUKA", 50)}};
  minute.notes = {xbase::PadR("SEGERA", 100)};
  return minute;
}

}  // namespace returns::testing
