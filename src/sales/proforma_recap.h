// The proforma figures of a period for the recap (per goods) and the detail (per proforma line):
// what was ordered, delivered and is still open, in pieces, cartons and value.
#ifndef PALUNDA_SALES_PROFORMA_RECAP_H_
#define PALUNDA_SALES_PROFORMA_RECAP_H_

#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace sales {

// What the box of the two reports asks; an empty value matches all.
struct ProformaFilter {
  std::string customer = std::string(10, ' ');
  std::string group = std::string(4, ' ');
  std::string type = std::string(2, ' ');
  xbase::Date from, to;
  double rows_per_page = 55;
};

// One proforma line of the period.
struct ProformaFigure {
  std::string number;
  xbase::Date date;
  std::string code, name, goods_group;
  double ordered = 0, delivered = 0;
  double dos = 0;
  double unit = 0;  // the price after line and header discounts
  double Open() const { return ordered - delivered; }
};

// The lines of the proformas dated in the period that match the filter, cancelled ones left out, in
// date order (the tables PRO_IN1, PRO_IN2, MASTCUS and MASTBRJ are open). A read that fails stops the
// collection and is the status.
xbase::Status CollectProformas(frame::Session& session, const frame::OpenedTables& tables,
                               const ProformaFilter& filter, std::vector<ProformaFigure>* figures);

// The text rows of the recap (per goods, in the goods groups' order, with group totals) and of the
// detail (per line), each ending with the grand total.
std::vector<std::string> ProformaRecapRows(frame::Session& session, const std::vector<ProformaFigure>& figures);
std::vector<std::string> ProformaDetailRows(const std::vector<ProformaFigure>& figures);

// DPROEXCEL: the detail as a workbook; false after a message when it could not be written.
bool DPROEXCEL(frame::Session& session, const std::vector<ProformaFigure>& figures, const ProformaFilter& filter);

}  // namespace sales

#endif  // PALUNDA_SALES_PROFORMA_RECAP_H_
