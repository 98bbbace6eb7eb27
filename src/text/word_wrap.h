// A long text broken into the lines of a printed form.
#ifndef PALUNDA_TEXT_WORD_WRAP_H_
#define PALUNDA_TEXT_WORD_WRAP_H_

#include <string>
#include <string_view>
#include <vector>

namespace text {

// PENGGALANKATA: a text shorter than `width` is one line. Otherwise characters are taken until the
// line reaches the width, a blank right after it is taken along, and unless that used the text up the
// line is cut back after its last blank, the cut characters starting the next line (a line without a
// blank is cut at the width). Every line after the first is `narrowing` columns narrower (at least
// one column wide).
std::vector<std::string> PENGGALANKATA(std::string_view text, int width, int narrowing);

}  // namespace text

#endif  // PALUNDA_TEXT_WORD_WRAP_H_
