// A few customers for tests that need some.
#include "support/sample_customers.h"

#include "support/data_folder.h"

namespace support {

void AddSampleCustomers(frame::Session& session) {
  AddRows(Open(session, "MASTCUS"),
          {{{"RELASI", T("B2230001")}, {"NAMA", T("ZETA JAYA")}, {"KELOMPOK", T("AB")}, {"DISC", N(2)},
            {"TEMPO2", N(30)}, {"TEMPO3", N(990)}, {"SALDO", N(500)}, {"SALES", N(9000)}, {"TERIMA", N(2)}},
           {{"RELASI", T("B2990002")}, {"NAMA", T("ALFA MART")}, {"KELOMPOK", T("AB")}, {"TEMPO3", N(991)}},
           {{"RELASI", T("B2990003")}, {"NAMA", T("BETA")}, {"KELOMPOK", T("")}},
           {{"RELASI", T("B2990004")}, {"NAMA", T("GAMMA")}, {"KELOMPOK", T("AB")}, {"OUTLET", T("OVER")}},
           {{"RELASI", T("B2990005")}, {"NAMA", T("DELTA")}, {"KELOMPOK", T("AB")}}});
  AddRows(Open(session, "RELASI_EXT"), {{{"RELASI", T("B2230001")}}, {{"RELASI", T("B2990002")}}});
  AddRows(Open(session, "SETUP"), {{{"SETUP", T("CABANGB2")}, {"KET", T("000200CABANG DUA")}},
                                   {{"SETUP", T("CABANGB223")}, {"KET", T("000223CABANG DUA TIGA")}},
                                   {{"SETUP", T("OUTLETAB")}, {"KET", T("30 GROSIR")}},
                                   {{"SETUP", T("OUTLETCD")}, {"KET", T("45 RITEL")}},
                                   {{"SETUP", T("OUDISCAB")}, {"KET", T("10     5      2.5    1")}}});
}

}  // namespace support
