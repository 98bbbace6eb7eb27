// Stock-taking tags: the counted lines of one tag number, stored in OPNAME position by position.
#include "stock/tags.h"

#include <cmath>

#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "platform/xlsx_reader.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

// Tag numbers are ten digits.
constexpr size_t kTagDigits = 10;

bool Kept(const TagLine& line) { return !xbase::IsBlank(line.code) || line.quantity != 0; }

// A cell as text: numbers without decimals when whole.
std::string CellText(const platform::SheetData& sheet, int row, int column) {
  const platform::SheetCell* cell = sheet.Find(row, column);
  if (cell == nullptr) return {};
  if (cell->kind == platform::SheetCell::Kind::kNumber) {
    return std::string(xbase::AllTrim(xbase::Str(cell->number, 20, cell->number == std::floor(cell->number) ? 0 : 2)));
  }
  return std::string(xbase::AllTrim(cell->text));
}

// A tag number read from a cell in the form the tags are numbered: a number (or a text of digits) as
// ten digits with leading zeros, as the next tag is proposed and stored when typed.
std::string TagNumber(const platform::SheetData& sheet, int row, int column) {
  const std::string text = CellText(sheet, row, column);
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  return digits && text.size() < kTagDigits ? std::string(kTagDigits - text.size(), '0') + text : text;
}

double CellNumber(const platform::SheetData& sheet, int row, int column) {
  const platform::SheetCell* cell = sheet.Find(row, column);
  if (cell == nullptr) return 0;
  return cell->kind == platform::SheetCell::Kind::kNumber ? cell->number : xbase::Val(cell->text).value;
}

// A date cell: a serial day number of the spreadsheet or "dd-mm-yyyy" / "dd/mm/yyyy".
xbase::Date CellDate(const platform::SheetData& sheet, int row, int column) {
  const platform::SheetCell* cell = sheet.Find(row, column);
  if (cell == nullptr) return {};
  if (cell->kind == platform::SheetCell::Kind::kNumber) {
    // Day 1 of the spreadsheet is 1 January 1900, counted with its phantom 29 February.
    return xbase::Date::FromYmd(1899, 12, 30) + static_cast<int>(cell->number);
  }
  const std::string& text = cell->text;
  if (text.size() < 10) return {};
  return xbase::Date::FromYmd(static_cast<int>(xbase::Val(text.substr(6, 4)).value),
                              static_cast<int>(xbase::Val(text.substr(3, 2)).value),
                              static_cast<int>(xbase::Val(text.substr(0, 2)).value));
}

}  // namespace

const documents::RecordBinding<TagLine>& TagLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<TagLine> kRecord = {
      Bind("KODE", &TagLine::code),  Bind("GUDANG", &TagLine::warehouse), Bind("LOKASI", &TagLine::location),
      Bind("BOX", &TagLine::cartons), Bind("PAK", &TagLine::packs),        Bind("PCS", &TagLine::pieces),
      Bind("JUMLAH", &TagLine::quantity)};
  return kRecord;
}

xbase::Status NextTag(xbase::WorkArea& tags, std::string* number, xbase::Date* date) {
  xbase::Status s = tags.SetOrder("OPNAME1");
  if (s.ok()) s = tags.GoBottom();
  if (!s.ok()) return s;
  const double last = tags.eof() ? 0 : xbase::Val(tags.Text("NOMOR")).value;
  *date = tags.eof() ? xbase::Date() : tags.DateOf("TANGGAL");
  *number = std::string(xbase::Right("10000000000" + std::string(xbase::AllTrim(xbase::Str(last + 1, 12, 0))), 10));
  return s;
}

xbase::Status LoadTag(xbase::WorkArea& tags, const std::string& number, std::vector<TagLine>* lines, xbase::Date* date,
                      bool* found) {
  lines->clear();
  std::vector<uint32_t> records;
  xbase::Status s = tags.SetOrder("OPNAME1");
  if (s.ok()) s = tags.SeekAll(tags.PadToField("NOMOR", number), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    TagLine line;
    if (s = tags.GoTo(records[i]); s.ok()) s = TagLineRecord().Read(tags, &line);
    if (!s.ok()) break;
    *date = tags.DateOf("TANGGAL");
    lines->push_back(std::move(line));
  }
  *found = !records.empty();
  return s;
}

xbase::Status SaveTag(frame::Session& session, xbase::WorkArea& tags, const std::string& number, xbase::Date date,
                      const std::vector<TagLine>& lines) {
  const std::string key = tags.PadToField("NOMOR", number);
  documents::SaveScope save(session.console());
  std::vector<uint32_t> rows;
  xbase::Status s = documents::NameStoredRows(save, session.tables(), tags, "OPNAME1", key, &rows);
  if (s.ok()) s = tags.SetOrder("OPNAME1");
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return Kept(lines[k]); };
  how.write = [&](size_t k, bool) {
    return TagLineRecord().Write(tags, lines[k],
                                 {{"NOMOR", xbase::Value::Text(key)},
                                  {"TANGGAL", xbase::Value::FromDate(date)},
                                  {"TGINPUT", xbase::Value::FromDate(session.Today())},
                                  {"NIK", xbase::Value::Text(session.MMEMBER.nik)}});
  };
  s = save.BeginWrites();
  if (s.ok()) s = documents::RewriteLines(session.console(), tags, rows, lines.size(), how);
  return save.CommitWrites(s);
}

xbase::Status ImportTags(frame::Session& session, xbase::WorkArea& tags, const std::string& path,
                         const std::function<void(int row, const std::string& tag)>& progress, TagStop* stop) {
  platform::XlsxReader reader;
  xbase::Status s = reader.Open(path);
  platform::SheetData sheet;
  if (s.ok()) s = reader.ReadSheet(0, &sheet);
  std::string tag;
  int first_row = 0;  // of `tag`
  xbase::Date date;
  std::vector<TagLine> lines;
  const auto store = [&] {
    const xbase::Status stored = tag.empty() ? xbase::Status::OK() : SaveTag(session, tags, tag, date, lines);
    if (!stored.ok() && stop != nullptr) *stop = TagStop{first_row, tag};
    return stored;
  };
  for (int row = 2; s.ok() && !CellText(sheet, row, 1).empty(); ++row) {
    const std::string number = TagNumber(sheet, row, 2);
    if (progress) progress(row, number);
    if (number != tag) {
      s = store();
      tag = number;
      first_row = row;
      lines.clear();
    }
    date = CellDate(sheet, row, 3);
    lines.push_back({CellText(sheet, row, 4), CellText(sheet, row, 7), CellText(sheet, row, 8),
                     CellNumber(sheet, row, 10), 0, 0, CellNumber(sheet, row, 9)});
  }
  return s.ok() ? store() : s;
}

}  // namespace stock
