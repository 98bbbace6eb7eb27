// Running the PDF tools (pdfinfo, pdftotext, pdffonts) and reading files back, for the printing tests.
#ifndef PALUNDA_TESTS_SUPPORT_PDF_TOOLS_H_
#define PALUNDA_TESTS_SUPPORT_PDF_TOOLS_H_

#include <string>
#include <vector>

namespace support {

// Runs a program (found through PATH) with its arguments and gives what it printed; false when
// it could not run or did not end with status 0.
bool RunTool(const std::vector<std::string>& argv, std::string* output);
// The whole file, or "<missing>".
std::string FileBytes(const std::string& path);
// The value of one "Name: value" line of pdfinfo for the file ("" when absent).
std::string PdfInfo(const std::string& pdf, const std::string& name);
// The text of the PDF file laid out as on paper (pages end in a form feed).
std::string PdfText(const std::string& pdf);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_PDF_TOOLS_H_
