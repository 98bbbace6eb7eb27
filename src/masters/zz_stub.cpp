#include "masters/master_screens.h"
namespace masters {
xbase::Status TCUSBRO(frame::Session&, const Args&) { return xbase::Status::OK(); }
}
