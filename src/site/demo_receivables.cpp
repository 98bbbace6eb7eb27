// The demo rows of the receivables: settlement codes, bank accounts, unpaid invoices, a registered giro and the
// revision files.
#include <string>

#include "site/demo_data.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

struct SettlementCode {
  const char* kode;
  const char* nama;
  bool needs_instrument;  // an "ISINOMOR" row: the line names a registered instrument
  const char* opsi;       // the reports' column of a deduction: 4 discount, 5 cost, 6 VAT, 7 FS/FB
};
constexpr SettlementCode kSettlementCodes[] = {
    {"BL", "BILYET GIRO LUAR KOTA", true, ""}, {"BS", "BILYET GIRO SETEMPAT", true, ""},
    {"BT", "TRANSFER BANK", true, ""},         {"CL", "TUNAI LUAR KOTA", true, ""},
    {"CS", "TUNAI", true, ""},                 {"DB", "DISKON", false, "4"},
    {"DC", "DISKON CASH", false, "4"},         {"DM", "BIAYA", false, "5"},
    {"DP", "PPN", false, "6"},                 {"DV", "POTONGAN VOUCHER", true, "4"},
    {"FS", "POTONGAN FS", false, "7"},         {"FB", "POTONGAN FB", false, "7"},
    {"R1", "RETUR BARANG", true, ""},          {"RA", "RETUR ADMINISTRASI", false, ""},
};

// The bank accounts of the general ledger that receive instruments (JENIS "D").
struct Account {
  const char* account;
  const char* descrip;
  const char* jenis;
};
constexpr Account kAccounts[] = {
    {"1102", "BANK BCA JAKARTA", "D"}, {"1103", "BANK MANDIRI JAKARTA", "D"}, {"1101", "KAS BESAR", "K"}};

// Unpaid invoices of the demo customers: customer number, days before today, amount.
struct OpenInvoice {
  const char* nota;
  const char* customer;
  int days_ago;
  double amount;
};
constexpr OpenInvoice kInvoices[] = {{"DEMO000001", "0001", 24, 1850000},
                                     {"DEMO000002", "0001", 12, 2735000},
                                     {"DEMO000003", "0001", 3, 640000},
                                     {"DEMO000004", "0003", 9, 12500000}};

xbase::Status Codes(const DemoContext& demo) {
  xbase::Status s;
  for (const SettlementCode& code : kSettlementCodes) {
    if (s.ok()) s = demo.writer.Add("MASTJNS", {{"KODE", code.kode}, {"NAMA", code.nama}, {"OPSI", code.opsi}});
    if (s.ok() && code.needs_instrument) s = AddSetting(demo.writer, std::string("ISINOMOR") + code.kode, "");
  }
  for (const Account& account : kAccounts) {
    if (!s.ok()) break;
    s = demo.writer.Add("MASTACC", {{"ACCOUNT", account.account}, {"DESCRIP", account.descrip}, {"JENIS", account.jenis}});
  }
  return s;
}

xbase::Status Invoices(const DemoContext& demo) {
  xbase::Status s;
  for (const OpenInvoice& invoice : kInvoices) {
    if (!s.ok()) break;
    const xbase::Date date = demo.today - invoice.days_ago;
    s = demo.writer.Add("PIUTDBT", {{"NOTA", invoice.nota},
                                    {"TANGGAL", date},
                                    {"KDCB", demo.branch},
                                    {"RELASI", demo.options.customer_prefix + invoice.customer},
                                    {"TIPE", "01"},
                                    {"SALES", "S001"},
                                    {"CODE_ID", "0"},
                                    {"DEBET", invoice.amount},
                                    {"KREDIT", 0.0},
                                    {"TEMPO", date},
                                    {"APPROVAL", true},
                                    {"TGINPUT", date},
                                    {"OPERATOR", kAdminNik}});
    // The receivable raises the customer's balance, as a saved note does.
    if (s.ok()) {
      s = demo.writer.Raise("MASTCUS", "RELASI", demo.options.customer_prefix + invoice.customer, "SALDO",
                            invoice.amount);
    }
  }
  return s;
}

// A giro already registered for the second invoice's customer, due in a week.
xbase::Status Instruments(const DemoContext& demo) {
  return demo.writer.Add("GIRODBT", {{"NOMOR", "BCA 7730012"},
                                     {"KDCB", demo.branch},
                                     {"KET", "GIRO"},
                                     {"TANGGAL", demo.today + 7},
                                     {"TG_TERIMA", demo.today},
                                     {"RELASI", demo.options.customer_prefix + "0003"},
                                     {"ACCOUNT", "1102"},
                                     {"CODE_ID", "0"},
                                     {"DEBET", 5000000.0},
                                     {"KREDIT", 0.0},
                                     {"NOTES", "CV. MAJU JAYA GROSIR"},
                                     {"REALISASI", true},
                                     {"TGINPUT", demo.today},
                                     {"OPERATOR", kAdminNik}});
}

// A second branch for which the demo branch receives giros.
xbase::Status OtherBranch(const DemoContext& demo) {
  xbase::Status s = AddSetting(demo.writer, "CABANGSBY", "SBY001 SURABAYA");
  if (s.ok()) s = AddSetting(demo.writer, "MTCBSBY001", "SURABAYA");
  return s;
}

}  // namespace

xbase::Status AddReceivablesDemo(const DemoContext& demo) {
  xbase::Status s = Codes(demo);
  if (s.ok()) s = Invoices(demo);
  if (s.ok()) s = Instruments(demo);
  if (s.ok()) s = OtherBranch(demo);
  return s;
}

}  // namespace site
