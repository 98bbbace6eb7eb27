// A return request as the head office and the branch see it in the request files: its header, and
// its lines with the goods names.
#include "returns/request_view.h"

#include "xbase/text_functions.h"

namespace returns {

xbase::Status ReadRequest(xbase::WorkArea& goods, const RequestFiles& files, Draft* request) {
  if (xbase::Status s = ReadDraftHeader(files.headers, request); !s.ok()) return s;
  return ReadDraftLines(goods, files.lines, request->number, request);
}

xbase::Status RequestsMarked(xbase::WorkArea& headers, std::string_view marker, std::vector<uint32_t>* records) {
  records->clear();
  xbase::Status s = headers.SetOrder(1);
  if (s.ok()) s = headers.GoTop();
  while (s.ok() && !headers.eof()) {
    if (xbase::RTrim(headers.Text("SETUJU")) == marker) records->push_back(headers.recno());
    s = headers.Skip();
  }
  return s;
}

}  // namespace returns
