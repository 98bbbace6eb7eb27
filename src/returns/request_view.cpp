// A return request as the head office and the branch see it in the request files: its header, and
// its lines with the goods names.
#include "returns/request_view.h"

#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status ReadRequest(frame::Session& session, Draft* request) {
  const xbase::WorkArea& head = *session.tables().Area(kRequestHeaders);
  if (xbase::Status s = ReadDraftHeader(head, request); !s.ok()) return s;
  return ReadDraftLines(session, *session.tables().Area(kRequestLines), request->number, request);
}

xbase::Status RequestsMarked(frame::Session& session, std::string_view marker, std::vector<uint32_t>* records) {
  records->clear();
  xbase::WorkArea& head = *session.tables().Area(kRequestHeaders);
  xbase::Status s = head.SetOrder(1);
  if (s.ok()) s = head.GoTop();
  while (s.ok() && !head.eof()) {
    if (xbase::RTrim(head.Text("SETUJU")) == marker) records->push_back(head.recno());
    s = head.Skip();
  }
  return s;
}

}  // namespace returns
