// DbfField: one field of a table's record layout, and the conversions between its stored bytes
// and values.
#ifndef PALUNDA_XBASE_DBF_FIELD_H_
#define PALUNDA_XBASE_DBF_FIELD_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "xbase/date.h"
#include "xbase/status.h"

namespace xbase {

struct DbfField {
  std::string name;  // upper case, at most 10 characters
  char type = 'C';   // 'C', 'N', 'D', 'L' or 'M'
  int length = 0;    // bytes in the record
  int decimals = 0;  // numeric fields only
  int offset = 0;    // position in the record; byte 0 is the deletion flag
};

// A pre-resolved field for hot loops: where the field sits and what it holds.
struct FieldHandle {
  int index = -1;
  int offset = 0;
  int length = 0;
  int decimals = 0;
  char type = 0;

  bool valid() const { return index >= 0; }
};

// Checks a field for a new table: a name of letters, digits and '_' starting with a letter,
// a known type and a width that type can hold. The name is turned to upper case.
Status CheckNewField(DbfField* field);

// The number written in a numeric field's bytes; blanks and text that is not a number read as 0.
double ParseNumber(std::string_view bytes);
// A logical field's byte: T, t, Y or y read as true; anything else, a blank included, as false.
inline bool ParseLogical(char c) { return c == 'T' || c == 't' || c == 'Y' || c == 'y'; }
// The memo block number in a memo field's bytes: 0 for blanks; false when the bytes are not a number.
bool ParseMemoBlock(std::string_view bytes, uint32_t* block);

// Writes `text` into a character field's bytes, padded with blanks or cut to the width.
void EncodeText(std::string_view text, char* dest, int length);
// Writes a number as STR(value, length, decimals); false (writing nothing) when it does not fit.
bool EncodeNumber(double value, char* dest, int length, int decimals);
// Writes a date as YYYYMMDD, blanks for the empty date.
void EncodeDate(Date date, char* dest);
// Writes a memo block number as ten right-aligned digits, blanks for 0.
void EncodeMemoBlock(uint32_t block, char* dest, int length);

}  // namespace xbase

#endif  // PALUNDA_XBASE_DBF_FIELD_H_
