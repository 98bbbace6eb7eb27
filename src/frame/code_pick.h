// The pick list of a code field: "?" in the code opens it over the table's code order, "/" over its
// name order, seeded with the text typed before the mark; the code picked replaces the field.
#ifndef PALUNDA_FRAME_CODE_PICK_H_
#define PALUNDA_FRAME_CODE_PICK_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// A picker's table and pick list.
struct PickSpec {
  std::string alias;                     // the open work area
  int top = 9, left = 2, bottom = 20, right = 76;
  std::vector<std::string> expressions;  // empty: every field
  std::vector<std::string> heads;        // empty: the expressions
  int result = 1;                        // the expression (from 1) whose value the pick hands back
  std::string colour = "W+/b";
  std::string mono = "W+/w";
  bool by_name = false;                  // "/" opens the list over the second index
};

// The open work area of a picker; a status naming it when it is not open.
xbase::Status PickerArea(Session& session, const PickSpec& pick, xbase::WorkArea** area);

// When *code holds "?" (or "/" for a pick by name), runs the pick list and puts the result column of
// the record left there into *code. *picked tells whether the list ran; *escaped whether it was
// left with Esc.
xbase::Status PickCode(Session& session, const PickSpec& pick, std::string* code, bool* picked = nullptr,
                       bool* escaped = nullptr);

// Seeks `code` unchanged on the pick's code order; the area stands on the record when *found.
xbase::Status SeekCode(Session& session, const PickSpec& pick, std::string_view code, bool* found);

// PickCode then SeekCode; *area (when asked for) receives the picker's work area.
xbase::Status PickAndSeek(Session& session, const PickSpec& pick, std::string* code, bool* found,
                          xbase::WorkArea** area = nullptr);

}  // namespace frame

#endif  // PALUNDA_FRAME_CODE_PICK_H_
