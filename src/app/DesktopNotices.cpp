#include "DesktopNotices.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <utility>

namespace tornivo::app {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kActionKey = QStringLiteral("undo");
// A server that has not answered by then is taken as absent, and the window shows the banner.
constexpr int kAnswerTimeoutMs = 2000;

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

}  // namespace

DesktopNotices::DesktopNotices(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(onActionInvoked(uint, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                 SLOT(onClosed(uint, uint)));
}

void DesktopNotices::send(const QString& title, const QString& message,
                          std::optional<BannerAction> action, std::function<void()> fallback) {
    const quint64 generation = ++generation_;
    // Asked each time: the server may have changed since the last notice.
    auto* watcher = new QDBusPendingCallWatcher(
        bus_.asyncCall(call(QStringLiteral("GetCapabilities")), kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [=, this, action = std::move(action)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (generation != generation_) return;  // a newer notice replaced this one
                const QDBusPendingReply<QStringList> reply = *w;
                if (reply.isError()) {
                    emit fellBack();
                    if (fallback) fallback();
                    return;
                }
                notify(generation, title, message, action,
                       reply.value().contains(QStringLiteral("actions")), fallback);
            });
}

void DesktopNotices::notify(quint64 generation, const QString& title, const QString& message,
                            std::optional<BannerAction> action, bool withActions,
                            const std::function<void()>& fallback) {
    const bool button = action && withActions;
    QDBusMessage notice = call(QStringLiteral("Notify"));
    notice << QStringLiteral("Tornivo") << shown_ << QStringLiteral(TORNIVO_APP_ID) << title
           << message << (button ? QStringList{kActionKey, action->label} : QStringList{})
           << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral(TORNIVO_APP_ID)}}
           << kExpiryMs;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notice, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [=, this,
             run = button ? action->run : std::function<void()>()](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError()) {
                    if (generation != generation_) return;
                    emit fellBack();
                    if (fallback) fallback();
                    return;
                }
                // Even an answer that came late names the notice the next one replaces.
                shown_ = reply.value();
                if (generation == generation_) action_ = run;
                emit delivered(shown_);
            });
}

void DesktopNotices::onActionInvoked(uint id, const QString& key) {
    if (id != shown_ || key != kActionKey || !action_) return;
    // Once: the button is gone with the notice.
    std::function<void()> run = std::exchange(action_, {});
    run();
}

void DesktopNotices::onClosed(uint id, uint) {
    if (id != shown_) return;
    action_ = {};
    shown_ = 0;  // nothing left to replace
}

}  // namespace tornivo::app
