#pragma once
// Whether the desktop has a tray to put the icon in: a StatusNotifierItem watcher on the session
// bus, or an XEmbed tray owning its selection on the X display. Watched without asking Qt, whose
// tray support decides once per process between the two kinds: the icon is made only when a tray
// is there, so a watcher that starts after Tornivo (at login) is still found. The watcher's
// arrival is announced by the bus; an XEmbed tray is looked for once a second while there is
// none.

#include <QDBusServiceWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace tornivo::app {

class TrayDetector : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kWatcherService = "org.kde.StatusNotifierWatcher";
    static constexpr int kPollMs = 1000;

    // Looks for either kind of tray.
    explicit TrayDetector(QObject* parent = nullptr);
    // Asks `probe` instead (tests).
    explicit TrayDetector(std::function<bool()> probe, QObject* parent = nullptr);

    bool available() const { return available_; }
    // Looks again now.
    void check();

  signals:
    void availableChanged(bool available);

  private:
    static bool statusNotifierWatcher();

    std::function<bool()> probe_;
    QDBusServiceWatcher watcher_;
    QTimer poll_;
    bool available_ = false;
};

}  // namespace tornivo::app
