// The SQL text of the invoice transfer: values as the head office's database takes them, the figures
// of a document line, and the statements of a document and of the masters it names.
#include "exchange/mysql_statements.h"

#include <cmath>
#include <utility>

#include "xbase/cp437.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

using Column = std::pair<const char*, SqlValue>;

// Values of the three kinds; texts leave the code page for UTF-8.
SqlValue Quoted(std::string_view text) { return {SqlValue::Kind::kText, xbase::Cp437ToUtf8(text)}; }
SqlValue Replaced(std::string_view text) { return Quoted(GANTIKARAKTER(text)); }
SqlValue Day(xbase::Date date) { return {SqlValue::Kind::kDate, TANGGALTOSTRING(date)}; }
SqlValue Figure(const xbase::Number& number) { return {SqlValue::Kind::kNumber, SqlNumber(number)}; }

// A field's value with the field's width and decimals.
xbase::Number FieldNumber(const xbase::WorkArea& area, std::string_view field) {
  xbase::Value value;
  if (!area.Get(field, &value).ok() || !value.is_number()) return xbase::ComputedNumber(0, 0);
  return value.number_info();
}
SqlValue Field(const xbase::WorkArea& area, std::string_view field) { return Figure(FieldNumber(area, field)); }
SqlValue Stored(const xbase::WorkArea& area, std::string_view field) { return Quoted(area.Text(field)); }
SqlValue Text(const xbase::WorkArea& area, std::string_view field) { return Replaced(area.Text(field)); }

// FLOOR of a figure that should be whole or nearly so: the binary error of the products is cut first.
double Floor(double value) { return std::floor(xbase::Round(value, 6)); }

// INSERT INTO table (columns) VALUES (?, ...) with the values bound; with `update`, the row of the
// same key takes every column but the first and `fixed` instead.
SqlStatement Insert(std::string_view table, std::vector<Column> columns, bool update = false,
                    std::string_view fixed = {}) {
  std::string names;
  std::string marks;
  std::string updates;
  SqlStatement statement;
  for (size_t i = 0; i < columns.size(); ++i) {
    const std::string name = columns[i].first;
    names += (i == 0 ? "" : ",") + name;
    marks += i == 0 ? "?" : ",?";
    statement.values.push_back(std::move(columns[i].second));
    if (i == 0 || name == fixed) continue;
    updates += (updates.empty() ? "" : ",") + name + "=VALUES(" + name + ")";
  }
  statement.text = "INSERT INTO " + std::string(table) + " (" + names + ") VALUES (" + marks + ")";
  if (update) statement.text += " ON DUPLICATE KEY UPDATE " + updates;
  return statement;
}

// Adds `value` to a total that began at 0, keeping the larger number of decimals.
void AddTo(xbase::Number* total, const xbase::Number& value) {
  const int decimals = std::max(total->decimals < 0 ? 0 : total->decimals, value.decimals);
  *total = xbase::ComputedNumber(total->value + value.value, decimals);
}

}  // namespace

std::string GANTIKARAKTER(std::string_view text) {
  std::string out = std::string(xbase::RTrim(text));
  for (char& c : out) {
    switch (c) {
      case '\'': c = '.'; break;
      case '\\': c = '/'; break;
      case '&': c = '.'; break;
      case ',': c = '_'; break;
      case '"': c = '-'; break;
      default: break;
    }
  }
  return out;
}

std::string TANGGALTOSTRING(xbase::Date date) {
  if (date.empty()) return "1900/01/01";
  const std::string dtos = date.Dtos();
  return dtos.substr(0, 4) + "-" + dtos.substr(4, 2) + "-" + dtos.substr(6, 2);
}

std::string SqlNumber(const xbase::Number& number) { return xbase::Str(xbase::DefaultFormat(number)); }

void AddLine(const xbase::WorkArea& lines, std::string_view note_field, SqlDocument* document) {
  constexpr double kTax = 0;
  SqlLine line;
  line.invoice = lines.Text(note_field == "KTR" ? "INVOICE" : "NOMOR");
  line.code = lines.Text("KODE");
  line.warehouse = lines.Text("GUDANG");
  line.quantity = FieldNumber(lines, "QUANTITY");
  line.price = FieldNumber(lines, "HARGA");
  line.discount = FieldNumber(lines, "DISCOUNT");
  line.discount2 = FieldNumber(lines, "DISCOUNT2");
  line.note = lines.Text(note_field);
  const double d1 = line.discount.value;
  const double d2 = line.discount2.value;
  const double c1 = document->discount.value;
  const double c2 = document->discount2.value;
  const double net = line.price.value / ((100 + kTax) / 100) * (100 - d1) / 100;
  const double price_tax = xbase::Round(d2 < 100 ? net * (100 - d2) / 100 : net, 2);
  const double total = Floor(price_tax * line.quantity.value);
  // A second line discount of 100 or more is taken off with the header's discounts.
  const double kept = d2 < 100 ? total * (100 - c1) / 100 * (100 - c2) / 100
                               : total * (100 - d2) / 100 * (100 - c1) / 100 * (100 - c2) / 100;
  const double trade = Floor(total - kept);
  const double dpp = total - trade;
  const double ppn = dpp * kTax / 100;
  line.price_tax = xbase::ComputedNumber(price_tax, 2);
  line.total_price_tax = xbase::ComputedNumber(total, 0);
  line.trade_discount = xbase::ComputedNumber(trade, 0);
  line.dpp = xbase::ComputedNumber(dpp, 0);
  line.ppn = xbase::ComputedNumber(ppn, 2);
  line.amount = xbase::ComputedNumber(dpp + ppn, 2);
  AddTo(&document->dpp, line.dpp);
  AddTo(&document->ppn, line.ppn);
  AddTo(&document->amount, line.amount);
  AddTo(&document->dpp_line, line.total_price_tax);
  AddTo(&document->trade_discount, line.trade_discount);
  document->lines.push_back(std::move(line));
}

bool Sent(const SqlLine& line) { return !std::string(xbase::AllTrim(line.code)).empty() && line.quantity.value != 0; }

std::vector<SqlStatement> DocumentStatements(const SqlDocument& d) {
  const SqlValue tax = Figure(xbase::ComputedNumber(0, 0));
  const SqlValue doctype = Quoted(d.doctype);
  std::vector<SqlStatement> statements;
  statements.push_back(Insert("sales_header", {{"invoice", Replaced(d.invoice)},
                                               {"no_order", Replaced(d.order)},
                                               {"relasi", Replaced(d.customer)},
                                               {"tipe_jual", Quoted(d.type)},
                                               {"kode_sales", Quoted(d.salesman)},
                                               {"tanggal", Day(d.date)},
                                               {"tgl_tempo", Day(d.due)},
                                               {"tgl_order", Day(d.ordered)},
                                               {"tgl_kirim", Day(d.delivered)},
                                               {"ktr1", Replaced(d.ktr1)},
                                               {"ktr2", Replaced(d.ktr2)},
                                               {"discount", Figure(d.discount)},
                                               {"discount2", Figure(d.discount2)},
                                               {"kode_cabang", Quoted(d.branch)},
                                               {"code_id", Quoted(d.code_id)},
                                               {"doctype", doctype},
                                               {"transaction_id", Quoted(d.transaction_id)},
                                               {"nilaiDpp", Figure(d.dpp)},
                                               {"nilaiPpn", Figure(d.ppn)},
                                               {"amount", Figure(d.amount)},
                                               {"dppline", Figure(d.dpp_line)},
                                               {"tradeDiscount", Figure(d.trade_discount)},
                                               {"ppnPercent", tax},
                                               {"currencyId", Quoted("RP")},
                                               {"nilaiKurs", Figure(xbase::ComputedNumber(1, 0))},
                                               {"nilaiDpp_orig", Figure(d.dpp)},
                                               {"nilaiPpn_orig", Figure(d.ppn)},
                                               {"amount_orig", Figure(d.amount)},
                                               {"dppLine_orig", Figure(d.dpp_line)},
                                               {"tradeDiscount_orig", Figure(d.trade_discount)}}));
  for (const SqlLine& l : d.lines) {
    if (!Sent(l)) continue;
    statements.push_back(Insert("sales_detail", {{"invoice", Quoted(l.invoice)},
                                                 {"kd_barang", Quoted(l.code)},
                                                 {"kd_gudang", Quoted(l.warehouse)},
                                                 {"quantity", Figure(l.quantity)},
                                                 {"harga", Figure(l.price)},
                                                 {"discount", Figure(l.discount)},
                                                 {"discount2", Figure(l.discount2)},
                                                 {"notes", Replaced(l.note)},
                                                 {"doctype", doctype},
                                                 {"nilaiDpp", Figure(l.dpp)},
                                                 {"nilaiPpn", Figure(l.ppn)},
                                                 {"amount", Figure(l.amount)},
                                                 {"priceTax", Figure(l.price_tax)},
                                                 {"totalPriceTax", Figure(l.total_price_tax)},
                                                 {"tradeDiscount", Figure(l.trade_discount)},
                                                 {"ppnPercent", tax},
                                                 {"nilaiDpp_orig", Figure(l.dpp)},
                                                 {"nilaiPpn_orig", Figure(l.ppn)},
                                                 {"amount_orig", Figure(l.amount)},
                                                 {"tradeDiscount_orig", Figure(l.trade_discount)}}));
  }
  return statements;
}

SqlStatement ItemStatement(const xbase::WorkArea& g) {
  return Insert("master_barang_jadi",
                {{"kode", Stored(g, "KODE")},
                 {"golongan", Stored(g, "GOLONGAN")},
                 {"nama", Text(g, "NAMA")},
                 {"nama2", Text(g, "NAMA2")},
                 {"satuan", Stored(g, "SATUAN")},
                 {"harga", Field(g, "HARGA")},
                 {"harga1", Field(g, "HARGA1")},
                 {"harga2", Field(g, "HARGA2")},
                 {"harga3", Field(g, "HPP")},
                 {"harga4", Field(g, "HARGA4")},
                 {"isi_pack", Field(g, "PAK")},
                 {"isi_dos", Field(g, "DOS")}},
                true);
}

SqlStatement CustomerStatement(const xbase::WorkArea& c, const xbase::WorkArea& e) {
  const std::string term =
      std::string(xbase::AllTrim(SqlNumber(FieldNumber(c, "TEMPO")))) + "-" +
      (c.Number("TEMPO3") == 999
           ? std::string("0")
           : std::string(xbase::AllTrim(xbase::Str(c.Number("TEMPO2") + c.Number("TEMPO3"), 10, 0))));
  const std::string address =
      std::string(xbase::AllTrim(c.Text("ALAMAT"))) + " " + std::string(xbase::AllTrim(c.Text("ALAMAT2")));
  return Insert("master_customer_id",
                {{"customer_id", Text(c, "RELASI")},
                 {"company_id", Stored(e, "CODE_ID")},
                 {"branch_id", Stored(e, "KDCB")},
                 {"short_name", Text(c, "NAMA")},
                 {"statment_name", Text(c, "NAMA")},
                 {"addres_id", Quoted("OFFICE")},
                 {"npwp_id", Stored(c, "NPWP")},
                 {"contact_person", Text(c, "KONTAK1")},
                 {"address", Replaced(address)},
                 {"city", Text(c, "KOTA")},
                 {"country_code", Stored(e, "COUNTRY_ID")},
                 {"teritory_id", Stored(e, "TERITORY")},
                 {"class_id", Stored(c, "KELOMPOK")},
                 {"phone1", Text(c, "TELP")},
                 {"fax", Text(c, "FAX")},
                 {"trade_discount", Field(c, "DISC")},
                 {"payment_term", Quoted(term)},
                 {"price_level", Field(c, "TERIMA")},
                 {"coa_piutang", Stored(e, "COA_PIUT")},
                 {"coa_penerimaan_giro", Stored(e, "COA_GIRO")},
                 {"coa_penerimaan_crmemo", Stored(e, "COA_CRMEMO")},
                 {"coa_penerimaan_retur", Stored(e, "COA_PRETUR")},
                 {"coa_term_disc_availeble", Stored(e, "COA_DCAVBL")},
                 {"coa_finance_charge", Stored(e, "COA_FICHRG")},
                 {"coa_write_off", Stored(e, "COA_WRTOFF")},
                 {"coa_giro_mundur", Stored(e, "COA_GIROM")},
                 {"coa_over_write_off", Stored(e, "COA_OWRTOF")},
                 {"coa_sales", Stored(e, "COA_SALES")}},
                true, "addres_id");
}

SqlStatement TaxNumberStatement(const xbase::WorkArea& t) {
  return Insert("master_npwp",
                {{"npwp", Stored(t, "NPWP")},
                 {"nama", Text(t, "NAMA")},
                 {"alamat", Replaced(t.Text("ALAMAT1") + " " + t.Text("ALAMAT2"))},
                 {"kota", Text(t, "KOTA")}},
                true);
}

SqlStatement SalesmanStatement(const xbase::WorkArea& s, std::string_view branch) {
  return Insert("master_sales",
                {{"kode_sales", Stored(s, "SALES")},
                 {"nama", Text(s, "NAMA")},
                 {"no_induk", Stored(s, "NIK")},
                 {"branch_id", Quoted(branch)}},
                true);
}

}  // namespace exchange
