// Sending the printed invoices and returns of a date range, with the masters they name, to the head
// office's MySQL database: two batches per document, each in a transaction on a fresh connection.
#include "exchange/mapping.h"

#include <memory>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "exchange/exchange.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

// The tables of the transfer, with the index each is read on.
std::vector<frame::TableUse> TransferTables() {
  return {{"PIUTDBT", {}, false, "PIUTDBT1"},   {"MASTBRJ", {}, false, "MASTBRJ1"},
          {"MASTCUS", {}, false, "MASTCUS1"},   {"RELASI_EXT", {}, false, "RELASI_EXT1"},
          {"MASTSLS", {}, false, "MASTSLS1"},   {"DT_NPWP", {}, false, "DT_NPWP"},
          {"BPOT_BPT", {}, false, "BPOT_BPT3"}, {"SRTJLN1", {}, false, "SRTJLN12"},
          {"SRTJLN2", {}, false, "SRTJLN21"},   {"RTJUAL1", {}, false, "RTJUAL12"},
          {"RTJUAL2", {}, false, "RTJUAL21"}};
}

// Seeks `code` (trailing blanks cut, padded to `field`) in `area`; true when it is there.
bool Holds(xbase::WorkArea& area, std::string_view field, std::string_view code, xbase::Status* s) {
  if (!s->ok() || std::string(xbase::AllTrim(code)).empty()) return false;
  *s = area.Seek(area.PadToField(field, std::string(xbase::RTrim(code))));
  return s->ok() && area.found();
}

// The master batch of a document: its goods, then its customer with tax number and salesman.
xbase::Status MasterStatements(const frame::OpenedTables& tables, const SqlDocument& document,
                               std::vector<SqlStatement>* out) {
  xbase::WorkArea& goods = tables["MASTBRJ"];
  xbase::WorkArea& customer = tables["MASTCUS"];
  xbase::WorkArea& extended = tables["RELASI_EXT"];
  xbase::WorkArea& tax_numbers = tables["DT_NPWP"];
  xbase::WorkArea& salesmen = tables["MASTSLS"];
  xbase::Status s;
  for (const SqlLine& line : document.lines) {
    if (Sent(line) && Holds(goods, "KODE", line.code, &s)) out->push_back(ItemStatement(goods));
  }
  // A customer missing from either table drops its customer, tax-number and salesman statements.
  if (!Holds(customer, "RELASI", document.customer, &s) || !Holds(extended, "RELASI", document.customer, &s)) {
    return s;
  }
  out->push_back(CustomerStatement(customer, extended));
  if (Holds(tax_numbers, "NPWP", customer.Text("NPWP"), &s)) out->push_back(TaxNumberStatement(tax_numbers));
  if (Holds(salesmen, "SALES", document.salesman, &s)) {
    out->push_back(SalesmanStatement(salesmen, extended.Text("KDCB")));
  }
  return s;
}

// The header fields a document takes from an invoice or a return.
SqlDocument Header(const xbase::WorkArea& h, bool invoice) {
  SqlDocument d;
  const xbase::Date date = h.DateOf("TANGGAL");
  d.invoice = h.Text(invoice ? "INVOICE" : "NOMOR");
  d.order = h.Text("NOMOR");
  d.customer = h.Text("RELASI");
  d.type = h.Text("TIPE");
  d.salesman = h.Text("SALES");
  d.date = date;
  d.due = invoice ? h.DateOf("TEMPO") + static_cast<int>(h.Number("TERM")) : date;
  d.ordered = invoice ? h.DateOf("PESAN") : date;
  d.delivered = invoice ? h.DateOf("KIRIM") : date;
  d.ktr1 = h.Text("KTR1");
  d.ktr2 = h.Text("KTR2");
  xbase::Value value;
  if (h.Get("DISCOUNT", &value).ok()) d.discount = value.number_info();
  if (h.Get("DISCOUNT2", &value).ok()) d.discount2 = value.number_info();
  d.branch = h.Text("KDCB");
  d.doctype = invoice ? "INVOICE" : "RETURN";
  d.transaction_id = invoice ? std::string("01") : d.ktr2.substr(0, 2);
  return d;
}

// Connects and makes the tables that are missing; the link is closed again when either fails.
xbase::Status Opened(SqlLink& link) {
  xbase::Status s = link.Connect();
  for (const std::string& table : SchemaStatements()) {
    if (s.ok()) s = link.Execute({table, {}});
  }
  if (!s.ok()) link.Close();
  return s;
}

void Refused(const xbase::Status& refusal, MappingResult* result) {
  if (result->error.empty()) result->error = refusal.message();
}

// Sends the printed documents of one kind in the range.
xbase::Status SendKind(frame::Session& session, const frame::OpenedTables& tables, bool invoice, xbase::Date first,
                       xbase::Date last, SqlLink& link, MappingResult* result) {
  xbase::WorkArea& headers = tables[invoice ? "SRTJLN1" : "RTJUAL1"];
  xbase::WorkArea& lines = tables[invoice ? "SRTJLN2" : "RTJUAL2"];
  const char* key = invoice ? "INVOICE" : "NOMOR";
  xbase::Status s = headers.Seek(first.Dtos(), true);
  while (s.ok() && !headers.eof() && !(last < headers.DateOf("TANGGAL"))) {
    if (headers.Logical("CETAK")) {
      SqlDocument document = Header(headers, invoice);
      std::vector<uint32_t> rows;
      s = lines.SeekAll(lines.PadToField(key, std::string(xbase::RTrim(headers.Text(key)))), &rows);
      for (uint32_t row : rows) {
        if (s.ok()) s = lines.GoTo(row);
        if (!s.ok()) break;
        session.console().Say(24, 40, "Database: " + lines.Text("KODE"));
        AddLine(lines, invoice ? "KTR" : "INVOICE", &document);
      }
      if (!s.ok()) break;
      s = INSERTINVOICE(tables, document, link, result);
      if (!s.ok()) break;
    }
    s = headers.Skip();
  }
  return s;
}

}  // namespace

xbase::Status INSERTINVOICE(const frame::OpenedTables& tables, const SqlDocument& document, SqlLink& link,
                            MappingResult* result) {
  std::vector<SqlStatement> masters;
  if (xbase::Status s = MasterStatements(tables, document, &masters); !s.ok()) return s;
  xbase::Status sent = link.connected() ? xbase::Status::OK() : Opened(link);
  if (sent.ok()) sent = link.Execute({"START TRANSACTION", {}});
  xbase::Status masters_sent = sent;
  if (sent.ok()) {
    masters_sent = QUERYCOMMAND(link, masters);
    // A refusal that ended the whole transaction (a deadlock) must not leave the document to run
    // outside one; after a refusal the transaction holds nothing, so a new one loses nothing.
    if (!masters_sent.ok()) sent = link.Execute({"START TRANSACTION", {}});
    if (sent.ok()) sent = QUERYCOMMAND(link, DocumentStatements(document));
    // A document already there keeps its rows; its masters are still brought up to date.
    if (sent.ok() || sent.IsInUse()) {
      if (xbase::Status committed = link.Execute({"COMMIT", {}}); !committed.ok()) sent = committed;
    } else {
      link.Execute({"ROLLBACK", {}}).IgnoreError();  // a lost connection takes the transaction with it
    }
  }
  if (sent.ok() || sent.IsInUse()) {
    ++(sent.ok() ? result->sent : result->already_there);
    if (!masters_sent.ok()) {
      ++result->masters_refused;
      Refused(masters_sent, result);
    }
  } else {
    ++result->refused;
    Refused(sent, result);
    link.Close();
  }
  return xbase::Status::OK();
}

xbase::Status SendToDatabase(frame::Session& session, xbase::Date first, xbase::Date last, SqlLink& link,
                             MappingResult* result) {
  const frame::OpenedTables tables = frame::OpenTables(session, TransferTables());
  if (!tables) return frame::CloseTables(session, xbase::Status::OK());  // the failure was told on row 24
  xbase::Status s = SendKind(session, tables, true, first, last, link, result);
  if (s.ok()) s = SendKind(session, tables, false, first, last, link, result);
  link.Close();
  return frame::CloseTables(session, s);
}

std::vector<std::string> ResultLines(const MappingResult& result) {
  std::vector<std::string> lines = {"Terkirim       : " + std::to_string(result.sent),
                                    "Sudah ada      : " + std::to_string(result.already_there),
                                    "Ditolak        : " + std::to_string(result.refused),
                                    "Master ditolak : " + std::to_string(result.masters_refused)};
  if (!result.error.empty()) lines.push_back("Penolakan pertama: " + result.error);
  return lines;
}

xbase::Status MAPPING(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour = "gr+/b";
  xbase::Date last = session.Today();
  xbase::Date first = text::TGLAWAL(last);
  console::ISHADOW(con, 9, 24, 14, 56, colour);
  console::TENGAH(con, 10, "TRANSFER DATA KE MYSQL", colour);
  con.Say(11, 30, "Dari : ..........", con.Colour(colour));
  con.Say(12, 30, "s/d  : ..........", con.Colour(colour));
  console::GetList ask;
  ask.Add(11, 37, &first);
  ask.Add(12, 37, &last);
  if (ask.Read(con).escaped) return xbase::Status::OK();
  const platform::MySqlSettings& settings = session.services().settings().mysql;
  if (settings.server.empty()) {
    console::PESAN(con, "Server MySQL belum diisi di Palunda.ini [MySQL]");
    return xbase::Status::OK();
  }
  MappingResult result;
  const std::unique_ptr<SqlLink> link = MariaDbLink(settings);
  const xbase::Status s = SendToDatabase(session, first, last, *link, &result);
  frame::ShowFailure(session, s);
  console::MessageBox(con, "TRANSFER DATA KE MYSQL", ResultLines(result), colour);
  return xbase::Status::OK();
}

}  // namespace exchange
