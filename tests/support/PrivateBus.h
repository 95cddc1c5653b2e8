#pragma once
// A D-Bus session bus of a test's own, started from its own configuration: it activates no
// service, so a real portal or notification server installed on the machine stays out of it,
// and stand-ins registered by the test are all that answers.

#include <QProcess>
#include <QString>

#include "TempHome.h"

namespace tornivo::test {

class PrivateBus {
  public:
    // Starts the daemon; `address()` is empty when it is not installed or did not start.
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool installed() const { return installed_; }
    const QString& address() const { return address_; }

  private:
    TempDir dir_;
    QProcess daemon_;
    QString address_;
    bool installed_ = false;
};

}  // namespace tornivo::test
