#pragma once
// Banners through the desktop's own notification service (org.freedesktop.Notifications), for
// those who chose it: the same title and message, the application's icon, the banner's 5.5
// seconds, and its action as a button where the server announces the "actions" capability.
// Every call is asynchronous, so a slow or absent server never holds up the interface; when no
// server answers, the notice falls back to the program's own window. Like the banners, one
// notice at a time: a new one replaces the one the server shows.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace tornivo::app {

// A button a banner may carry, and what it does when pressed.
struct BannerAction {
    QString label;  // already localized
    std::function<void()> run;
};

class DesktopNotices : public QObject {
    Q_OBJECT
  public:
    static constexpr int kExpiryMs = 5500;

    explicit DesktopNotices(const QDBusConnection& bus, QObject* parent = nullptr);

    // Hands the notice to the server; `fallback` runs instead when there is none or it refuses.
    void send(const QString& title, const QString& message, std::optional<BannerAction> action,
              std::function<void()> fallback);

  signals:
    // The server took the notice (its id) or did not.
    void delivered(uint id);
    void fellBack();

  private slots:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

  private:
    void notify(quint64 generation, const QString& title, const QString& message,
                std::optional<BannerAction> action, bool withActions,
                const std::function<void()>& fallback);

    QDBusConnection bus_;
    quint64 generation_ = 0;        // of the latest notice asked for; older answers are dropped
    uint shown_ = 0;                // the server's id of our notice, replaced by the next
    std::function<void()> action_;  // what the notice on screen does when its button is pressed
};

}  // namespace tornivo::app
