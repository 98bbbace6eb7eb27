// Workbooks written as .xlsx files with libxlsxwriter, and handed to the user.
#ifndef PALUNDA_PLATFORM_XLSX_WRITER_H_
#define PALUNDA_PLATFORM_XLSX_WRITER_H_

#include <string>
#include <string_view>

#include "platform/new_file.h"
#include "platform/workbook.h"
#include "platform/workstation_settings.h"
#include "xbase/status.h"

namespace platform {

// Writes `book` to `path` (replacing what is there); the workbook's refused call when it has one.
xbase::Status WriteXlsx(const Workbook& book, const std::string& path);

// Writes `book` as a new file "<title>-yyyymmdd-hhmmss[-n].xlsx" in the reports folder, gives its
// path, and opens it with the viewer command when one is set. The path is given as soon as the
// file is written, also when the viewer then cannot start.
xbase::Status PublishWorkbook(const Workbook& book, std::string_view title, const WorkstationSettings& settings,
                              std::string* path, const FileClock& clock = nullptr);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_XLSX_WRITER_H_
