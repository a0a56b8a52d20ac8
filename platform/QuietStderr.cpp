#include "platform/QuietStderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace plat {

QuietStderr::QuietStderr()
{
    std::fflush(stderr);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0)
        return;
    m_saved = fcntl(2, F_DUPFD_CLOEXEC, 3);
    if (m_saved >= 0 && dup2(null, 2) < 0) {
        close(m_saved);
        m_saved = -1;
    }
    close(null);
}

QuietStderr::~QuietStderr()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
}

} // namespace plat
