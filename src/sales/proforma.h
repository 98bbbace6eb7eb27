// The proforma invoice: a priced offer numbered by the system, printed, then delivered on delivery
// notes that draw its quantities down. The entry and correction form, its lines and its save.
#ifndef PALUNDA_SALES_PROFORMA_H_
#define PALUNDA_SALES_PROFORMA_H_

#include <array>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "documents/record_binding.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace sales {

// The columns of a proforma line, from 1.
enum ProformaColumn : int {
  kPfLineNo = 1,
  kPfCode,
  kPfName,
  kPfCartons,
  kPfPacks,
  kPfPieces,
  kPfQuantity,
  kPfPrice,
  kPfDisc1,
  kPfDisc2,
  kPfValue,
};

struct Proforma {
  std::string number = std::string(20, ' ');
  xbase::Date date;
  std::string customer = std::string(10, ' ');
  std::string salesman = std::string(4, ' ');
  std::string type = std::string(2, ' ');
  std::string code_id = std::string(4, ' ');
  std::string branch = std::string(6, ' ');
  std::string remark = std::string(50, ' ');
  double discount1 = 0, discount2 = 0;
  // From the customer check.
  std::string group;
  double price_level = 0;
  std::array<double, 4> ceilings{};
  console::ValueTable lines;
  // The stored header and lines as a correction loaded them, for its save to see another
  // workstation's save (or print) since.
  documents::SeenRecords seen;
};

// PRO_IN1: a proforma's header; AUDIT, OPERATOR and NILAI_PI are written beside it.
const documents::RecordBinding<Proforma>& ProformaHeadRecord();
// PRO_IN2: a line of the proforma grid; NOMOR, URUT and REALISASI are written beside it.
const documents::RecordBinding<console::ValueRow>& ProformaLineRecord();

// The pick list of saved proformas (number, date, customer, value) on `number`: *found tells whether
// it stands on one, *header (when asked) the PRO_IN1 area.
xbase::Status PickProforma(frame::Session& session, std::string* number, bool* found,
                           xbase::WorkArea** header = nullptr);
// A typed proforma number: blank passes, one the pick list does not find is refused.
bool CheckProformaNumber(frame::Session& session, std::string* number);

double PfFigure(const console::ValueRow& line, ProformaColumn column);
std::string PfWord(const console::ValueRow& line, ProformaColumn column);
// AD_REC: a new line with the discounts given.
void AddProformaLine(console::ValueTable* lines, double d1, double d2);
// CHKISI: the check of a value typed in `column` of line `line` (from 1); false refuses it.
bool CheckProformaCell(frame::Session& session, xbase::Value* typed, int column, Proforma* proforma, int line);
// The net total: the line values after the header's two discounts.
double ProformaNet(const Proforma& proforma);

// GETFROIN: loads the proforma of proforma->number for a correction; refused (with a message) when
// unknown, printed or already delivered on.
bool LoadProforma(frame::Session& session, Proforma* proforma);
// SAVING of a new proforma: the target, the confirmation, the number from the counter and the write.
bool SaveNewProforma(frame::Session& session, Proforma* proforma);
// SAVING of a correction: the target, the confirmation, the header rewritten and the lines paired
// with the stored rows.
bool SaveCorrectedProforma(frame::Session& session, const Proforma& proforma);

// The tables of the proforma form; none stays open when one cannot be.
frame::OpenedTables OpenProformaTables(frame::Session& session);

// The form of J1601 (new) and J1602 (correction).
xbase::Status ProformaForm(frame::Session& session, bool correction);

// Proforma lines as their prices print: `vat_shown` and `discounts_shown` of the print box, the VAT
// percent and the type's rounding.
struct PrintedPrice {
  double unit = 0;
  double amount = 0;
};
PrintedPrice ProformaPrice(double quantity, double price, double d1, double d2, double vat, bool vat_shown,
                           bool discounts_shown, bool rounded);

// The rows of the check report of the proforma PRO_IN1 stands on; goods whose code begins with
// `prefix` only, when given. A read that fails is the error, with no rows.
xbase::Status ProformaCheckRows(const frame::OpenedTables& tables, std::string_view prefix,
                                std::vector<std::string>* rows);

// The entries: new proforma, correction, print, and the reports.
xbase::Status J1601(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1602(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1603(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1607(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1608(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1609(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1615(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_PROFORMA_H_
