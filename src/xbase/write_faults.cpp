// The seam in front of every change on disk.
#include "xbase/write_faults.h"

#include <utility>

namespace xbase {

namespace {
thread_local WriteFault t_fault;
}  // namespace

void SetWriteFault(WriteFault fault) { t_fault = std::move(fault); }

Status BeforeDiskChange(const std::string& path) { return t_fault ? t_fault(path) : Status::OK(); }

}  // namespace xbase
