#include "base/ThreadPriority.h"

#include <cstdlib>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace talix {

namespace {
int niceFor(ThreadPriority p) {
    switch (p) {
    case ThreadPriority::Normal:
        return 0;
    case ThreadPriority::AboveNormal:
        return -5;
    case ThreadPriority::Highest:
        return -10;
    case ThreadPriority::TimeCritical:
        return -15;
    }
    return 0;
}
bool keepNormalPriority() {
    static const bool keep = std::getenv("TALIX_NORMAL_PRIORITY") != nullptr;
    return keep;
}
} // namespace

void raiseCurrentThread(ThreadPriority priority) {
    if (keepNormalPriority())
        return;
    // On Linux a nice value set through the thread id applies to that thread only.
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(currentThreadId()), niceFor(priority));
}

void setCurrentThreadPriority(ThreadPriority priority) {
    const int nice = keepNormalPriority() ? 0 : niceFor(priority);
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(currentThreadId()), nice);
}

void raiseProcess() {
    if (keepNormalPriority())
        return;
    (void)::setpriority(PRIO_PROCESS, 0, -10);
}

long currentThreadId() {
    return ::syscall(SYS_gettid);
}

} // namespace talix
