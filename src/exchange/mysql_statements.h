// The statements of the invoice transfer: values as the head office's database takes them, the figures
// of a document line, the tables written, and the statements of a document and of the masters it names.
#ifndef PALUNDA_EXCHANGE_MYSQL_STATEMENTS_H_
#define PALUNDA_EXCHANGE_MYSQL_STATEMENTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "exchange/sql_link.h"
#include "xbase/date.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace exchange {

// GANTIKARAKTER: the text without trailing blanks, with ' as ".", \ as "/", & as ".", "," as "_" and
// a double quote as "-".
std::string GANTIKARAKTER(std::string_view text);

// TANGGALTOSTRING: YYYY-MM-DD, or "1900/01/01" for an empty date.
std::string TANGGALTOSTRING(xbase::Date date);

// A number as STR gives it with the width and decimals it carries.
std::string SqlNumber(const xbase::Number& number);

// One line of a document with the figures computed from it (tax percent 0).
struct SqlLine {
  std::string invoice;  // the document number as stored
  std::string code;
  std::string warehouse;
  xbase::Number quantity, price, discount, discount2;
  std::string note;
  xbase::Number price_tax, dpp, ppn, amount, total_price_tax, trade_discount;
};

// One document with its lines and totals.
struct SqlDocument {
  std::string invoice, order, customer, type, salesman;
  xbase::Date date, due, ordered, delivered;
  std::string ktr1, ktr2;
  xbase::Number discount, discount2;
  std::string branch, code_id = "03", doctype, transaction_id;
  std::vector<SqlLine> lines;
  xbase::Number dpp, ppn, amount, dpp_line, trade_discount;
};

// The line of the current row of `lines` (SRTJLN2 or RTJUAL2) with its figures under the header
// discounts of `document`, added to the document's totals.
void AddLine(const xbase::WorkArea& lines, std::string_view note_field, SqlDocument* document);

// True when a line goes to the database: it names goods and moves a quantity.
bool Sent(const SqlLine& line);

// The tables the transfer writes, each made when it is missing (CREATE TABLE IF NOT EXISTS).
const std::vector<std::string>& SchemaStatements();

// The document batch: the header statement and one statement per sent line. A document already on
// the server refuses its header as a duplicate key (invoice and doctype).
std::vector<SqlStatement> DocumentStatements(const SqlDocument& document);

// The master statements, each an insert that updates the row of the same key.
SqlStatement ItemStatement(const xbase::WorkArea& goods);
SqlStatement CustomerStatement(const xbase::WorkArea& customer, const xbase::WorkArea& extended);
SqlStatement TaxNumberStatement(const xbase::WorkArea& tax_number);
SqlStatement SalesmanStatement(const xbase::WorkArea& salesman, std::string_view branch);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_MYSQL_STATEMENTS_H_
