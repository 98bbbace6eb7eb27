// The values of the customer screen ("DATA KODE RELASI"): the customer, its tax number and its extended
// data, with what is stored of it already.
#ifndef PALUNDA_MASTERS_CUSTOMER_FORM_H_
#define PALUNDA_MASTERS_CUSTOMER_FORM_H_

#include <array>
#include <string>

#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "masters/master_screens.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace masters {

struct CustomerForm {
  std::string relasi = std::string(9, ' ');
  std::string nama = std::string(40, ' ');
  std::string alamat = std::string(45, ' ');
  std::string alamat2 = std::string(45, ' ');
  std::string kota = std::string(15, ' ');
  std::string telp = std::string(40, ' ');
  std::string fax = std::string(40, ' ');
  std::string kontak1 = std::string(20, ' ');
  std::string kdsales = std::string(10, ' ');  // the "Account" field
  std::string kelompok = std::string(4, ' ');
  double terima = 0;  // price list
  double disc = 0;
  std::array<double, 4> tempo{};
  double sales = 0;  // receivable ceiling
  std::string npwp = std::string(15, ' ');
  std::string code_id = std::string(4, ' ');
  // The taxpayer of the NPWP.
  std::string wp_nama = std::string(65, ' ');
  std::string wp_alamat1 = std::string(70, ' ');
  std::string wp_alamat2 = std::string(70, ' ');
  std::string wp_kota = std::string(15, ' ');
  // The extended data.
  std::string company = std::string(5, ' ');
  std::string unit = std::string(4, ' ');
  std::string country = std::string(10, ' ');
  Accounts accounts;

  // What is stored already: the customer row, its extended row and its outlet group.
  bool stored = false;
  bool has_ext = false;
  std::string stored_group = std::string(4, ' ');
  // The customer's rows as the form read them (none for a new code), checked again by the save.
  documents::SeenRecords seen;
};

// Remembers the customer's row and its extended data as they read now (none for a new code), for
// SIMPAN's check; the areas keep their records.
xbase::Status SeeCustomer(frame::Session& session, const frame::OpenedTables& tables, CustomerForm* form);

// The outlet group's terms and price list (KET positions 1-3, 4-6, 7-9, 10-12 and 13-14 of its SETUP
// "OUTLET" row) into the form; for a customer without extended data and a group other than "MSP" the
// terms are then 0.
void TakeGroupTerms(std::string_view ket, CustomerForm* form);

// EXTRLS: the box of the extended data (company, branch unit, country and the accounts made from them).
// True when it was confirmed with "Y"; after Esc the form keeps the values it had.
bool EXTRLS(frame::Session& session, CustomerForm* form);

// SIMPAN: writes the customer, its extended data (when company and unit are filled) and its tax number
// (when given) to the tables TCUSTOM opened, all or nothing: their rows are locked before the first
// write, and a lock given up writes none of them and says so. A customer another workstation saved (or
// added) since SeeCustomer is refused, so that its save is not written over. Then, for users with "EDP"
// who ask for it, the corrected terms for the branches.
xbase::Status SIMPAN(frame::Session& session, const frame::OpenedTables& tables, const CustomerForm& form);

}  // namespace masters

#endif  // PALUNDA_MASTERS_CUSTOMER_FORM_H_
