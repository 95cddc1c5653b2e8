#include "SerialExecutor.h"

#include <sys/resource.h>
#include <unistd.h>
#include <cerrno>

namespace tornivo::app {

bool lowerCurrentThreadPriority() {
    // PRIO_PROCESS with a thread ID sets that thread's nice value alone on Linux.
    const auto self = static_cast<id_t>(::gettid());
    errno = 0;
    const int now = ::getpriority(PRIO_PROCESS, self);
    if (errno != 0) return false;
    return now >= kBackgroundNice || ::setpriority(PRIO_PROCESS, self, kBackgroundNice) == 0;
}

}  // namespace tornivo::app
