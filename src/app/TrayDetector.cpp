#include "TrayDetector.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include "X11Desktop.h"

namespace tornivo::app {

TrayDetector::TrayDetector(QObject* parent)
    : TrayDetector([] { return statusNotifierWatcher() || xembedTrayPresent(); }, parent) {}

TrayDetector::TrayDetector(std::function<bool()> probe, QObject* parent)
    : QObject(parent), probe_(std::move(probe)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        watcher_.setConnection(bus);
        watcher_.addWatchedService(QString::fromLatin1(kWatcherService));
        connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this, &TrayDetector::check);
    }
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &TrayDetector::check);
    check();
}

void TrayDetector::check() {
    const bool now = probe_();
    // Polling only while there is nothing: a tray that is there stays the icon's business.
    if (now) {
        poll_.stop();
    } else if (!poll_.isActive()) {
        poll_.start();
    }
    if (now == available_) return;
    available_ = now;
    emit availableChanged(now);
}

bool TrayDetector::statusNotifierWatcher() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() &&
           bus.interface()->isServiceRegistered(QString::fromLatin1(kWatcherService)).value();
}

}  // namespace tornivo::app
