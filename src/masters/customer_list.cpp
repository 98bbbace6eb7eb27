// The customer list of the customer browse: the customers chosen, the pages of the printed list
// "DAFTAR KODE RELASI" and the sheet of the workbook "DAFTAR RELASI per TANGGAL".
#include "masters/customer_list.h"

#include <algorithm>

#include "frame/open_table.h"
#include "frame/spreadsheet.h"
#include "pickers/picker_support.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

std::string Field(const xbase::WorkArea& area, std::string_view field) {
  return std::string(xbase::RTrim(area.Text(field)));
}

std::string Number(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

// The columns of a printed line: code, name, address, city, phone, contact, price list, term,
// discount, ceiling and the group's name.
std::string Columns(std::string_view code, std::string_view name, std::string_view address, std::string_view city,
                    std::string_view phone, std::string_view contact, std::string_view numbers,
                    std::string_view group) {
  return xbase::PadR(code, 9) + " " + xbase::PadR(name, 40) + " " + xbase::PadR(address, 45) + " " +
         xbase::PadR(city, 15) + " " + xbase::PadR(phone, 20) + " " + xbase::PadR(contact, 20) + " " +
         std::string(numbers) + xbase::PadR(group, 25);
}

std::string Body(const ListedCustomer& customer) {
  const std::string numbers = Number(customer.price_list, "9999") + " " + " " + Number(customer.term, "999") + " " +
                              Number(customer.discount, "999.99") + " " + " " +
                              Number(customer.ceiling, "999,999,999,999") + " ";
  return Columns(customer.code, customer.name, customer.address, customer.city, customer.phone, customer.contact,
                 numbers, customer.group_name);
}

frame::ReportPage Head(std::string_view company, xbase::Date today, int page) {
  const std::string rule(kCustomerListWidth, '-');
  const std::string heads =
      Columns("KODE", "NAMA", "ALAMAT", "KOTA", "TELPON", "KONTAK",
              xbase::PadL("HRG", 4) + " " + xbase::PadL("TERM", 4) + " " + xbase::PadL("DISC", 6) + " " +
                  xbase::PadL("PLAFON", 16) + " ",
              "KELOMPOK");
  const std::string date = "Tanggal : " + xbase::Dtoc(today);
  const std::string page_text = "Halaman : " + std::to_string(page);
  return {{std::string(company), "C", 0},
          {"DAFTAR KODE RELASI", "CB", 0},
          {date + std::string(kCustomerListWidth - date.size() - page_text.size(), ' ') + page_text, "C", 0},
          {rule, "C", 0},
          {heads, "C", 0},
          {rule, "C", 0}};
}

}  // namespace

xbase::Status ListedCustomers(frame::Session& session, std::string_view start, std::string_view name,
                              std::vector<ListedCustomer>* customers) {
  xbase::WorkArea* area = nullptr;
  if (xbase::Status s = frame::RequireArea(session, "mastcus", &area); !s.ok()) return s;
  const std::string wanted(xbase::AllTrim(name));
  xbase::Status s = area->SetOrder(1);
  if (s.ok()) s = xbase::IsBlank(start) ? area->GoTop() : area->Seek(xbase::AllTrim(start), true);
  std::vector<ListedCustomer> chosen;
  while (s.ok() && !area->eof()) {
    if (xbase::Upper(Field(*area, "NAMA")).starts_with(xbase::Upper(wanted))) {
      ListedCustomer customer;
      customer.code = Field(*area, "RELASI");
      customer.name = Field(*area, "NAMA");
      customer.address = Field(*area, "ALAMAT");
      customer.address2 = Field(*area, "ALAMAT2");
      customer.city = Field(*area, "KOTA");
      customer.phone = Field(*area, "TELP");
      customer.fax = Field(*area, "FAX");
      customer.contact = Field(*area, "KONTAK1");
      customer.npwp = Field(*area, "NPWP");
      customer.group = Field(*area, "KELOMPOK");
      customer.price_list = area->Number("TERIMA");
      customer.term = area->Number("TEMPO");
      customer.discount = area->Number("DISC");
      customer.ceiling = area->Number("SALES");
      chosen.push_back(std::move(customer));
    }
    s = area->Skip();
  }
  if (!s.ok()) return s;
  for (ListedCustomer& customer : chosen) {
    if (customer.group.empty()) continue;
    std::string ket;
    bool found = false;
    s = pickers::SetupRow(session, "OUTLET" + xbase::PadR(customer.group, 4), &found, nullptr, &ket);
    if (!s.ok()) return s;
    if (found) customer.group_name = std::string(xbase::AllTrim(xbase::SubStr(ket, 15)));
  }
  *customers = std::move(chosen);
  return xbase::Status::OK();
}

std::vector<frame::ReportPage> CustomerListPages(const std::vector<ListedCustomer>& customers, std::string_view company,
                                                xbase::Date today, int lines_per_page) {
  const size_t per_page = static_cast<size_t>(std::max(1, lines_per_page - 6));
  std::vector<frame::ReportPage> pages;
  for (size_t i = 0; i < customers.size() || pages.empty(); i += per_page) {
    frame::ReportPage page = Head(company, today, static_cast<int>(pages.size()) + 1);
    for (size_t j = i; j < customers.size() && j < i + per_page; ++j) page.push_back({Body(customers[j]), "C", 0});
    pages.push_back(std::move(page));
  }
  pages.back().push_back({std::string(kCustomerListWidth, '-'), "C", 0});
  pages.back().push_back({"Jumlah relasi : " + std::to_string(customers.size()), "C", 0});
  return pages;
}

std::string CustomerWorkbookTitle(xbase::Date today) { return "DAFTAR RELASI per TANGGAL " + xbase::Dtoc(today); }

void FillCustomerSheet(platform::Worksheet& sheet, const std::vector<ListedCustomer>& customers, xbase::Date today) {
  static constexpr const char* kHeads[] = {"NO.", "KODE", "NAMA",  "ALAMAT", "KOTA", "TELPON", "FAX",
                                           "KONTAK PERSON", "HARGA", "TERM", "DISC", "PLAFON", "NPWP", "KEL"};
  constexpr int kHeadRow = 4;
  sheet.SetValue(1, 1, CustomerWorkbookTitle(today));
  sheet.Bold("A1");
  for (int column = 1; column <= static_cast<int>(std::size(kHeads)); ++column) {
    sheet.SetValue(kHeadRow, column, kHeads[column - 1]);
  }
  int row = kHeadRow;
  for (const ListedCustomer& customer : customers) {
    ++row;
    sheet.SetNumber(row, 1, row - kHeadRow);
    sheet.SetValue(row, 2, frame::AsText(customer.code));
    sheet.SetValue(row, 3, frame::AsText(customer.name));
    sheet.SetValue(row, 4, frame::AsText(xbase::AllTrim(customer.address + " " + customer.address2)));
    sheet.SetValue(row, 5, frame::AsText(customer.city));
    sheet.SetValue(row, 6, frame::AsText(customer.phone));
    sheet.SetValue(row, 7, frame::AsText(customer.fax));
    sheet.SetValue(row, 8, frame::AsText(customer.contact));
    sheet.SetNumber(row, 9, customer.price_list);
    sheet.SetNumber(row, 10, customer.term);
    sheet.SetNumber(row, 11, customer.discount);
    sheet.SetNumber(row, 12, customer.ceiling);
    sheet.SetValue(row, 13, frame::AsText(customer.npwp));
    sheet.SetValue(row, 14, frame::AsText(customer.group));
  }
  sheet.Bold("A4:N4");
  sheet.Centre("A4:N4");
  sheet.SetBorders("A4:N" + std::to_string(row), frame::kBorderWeight);
  sheet.SetNumberFormat("I:J", frame::kAmountFormat);
  sheet.SetNumberFormat("K", frame::kTwoDecimalFormat);
  sheet.SetNumberFormat("L", frame::kAmountFormat);
  sheet.AutoFit("A:N");
}

}  // namespace masters
