#include "QtWait.h"

#include <QThread>

namespace tornivo::test {

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents();
        QThread::msleep(1);
    }
    // Let continuations queued right before the condition turned true run too.
    QCoreApplication::processEvents();
    return true;
}

}  // namespace tornivo::test
