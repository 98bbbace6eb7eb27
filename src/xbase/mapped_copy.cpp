// Copies to and from mapped files that another process may cut short: a page past the file's new
// end makes the copy fail instead of killing the process with SIGBUS.
#include "xbase/mapped_copy.h"

#include <setjmp.h>
#include <signal.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace xbase {

namespace {

// Where a bus error inside a guarded access lands, per thread; null outside one. Volatile, and fenced
// around the access below: the compiler sees no reader of it between setting and restoring (only the
// signal handler reads it), and would otherwise drop the first store.
thread_local sigjmp_buf* volatile t_landing = nullptr;
struct sigaction g_previous_action;

// A bus error outside a guarded access is not ours: the action from before takes it over, and the
// faulting instruction runs again under it.
void OnBusError(int, siginfo_t*, void*) {
  if (t_landing != nullptr) siglongjmp(*t_landing, 1);
  sigaction(SIGBUS, &g_previous_action, nullptr);
}

void InstallHandler() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = OnBusError;
    // SA_NODEFER: the jump leaves the handler, so SIGBUS must not stay blocked afterwards.
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &g_previous_action);
  });
}

struct Copy {
  void* to;
  const void* from;
  size_t size;
};

struct Word {
  const uint8_t* at;
  uint16_t value;
};

}  // namespace

bool GuardedAccess(void (*access)(void* context), void* context) {
  InstallHandler();
  sigjmp_buf landing;
  sigjmp_buf* const outer = t_landing;
  if (sigsetjmp(landing, 0) != 0) {
    t_landing = outer;
    return false;
  }
  t_landing = &landing;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  access(context);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  t_landing = outer;
  return true;
}

bool CopyMapped(void* to, const void* from, size_t size) {
  Copy copy{to, from, size};
  return GuardedAccess([](void* c) {
    const Copy& job = *static_cast<Copy*>(c);
    std::memcpy(job.to, job.from, job.size);
  }, &copy);
}

bool LoadMapped16(const uint8_t* at, uint16_t* value) {
  Word word{at, 0};
  const bool ok = GuardedAccess([](void* c) {
    Word& job = *static_cast<Word*>(c);
    job.value = __atomic_load_n(reinterpret_cast<const uint16_t*>(job.at), __ATOMIC_ACQUIRE);
  }, &word);
  *value = word.value;
  return ok;
}

}  // namespace xbase
