#pragma once
// The application's presence on the desktop: the tray icon with its menu, and the panel
// (PopoverRootView) that the icon opens next to itself. The panel behaves like a popover: it
// closes on Escape and when it loses the focus, except while one of its own dialogs is open or
// the uninstall section waits for a file dragged from the file manager; an activation of the
// icon right after such a close (the click that took the focus away) does not reopen it.
//
// Without a tray at start, the shell waits a few seconds for one (a tray host may start after
// Tornivo at login), then opens the panel as an ordinary fixed-size window; a tray that appears
// later takes over and the window gives way to the icon. Closing the panel, in either form,
// only hides it: the application ends through Quit. Main thread only.

#include <QtQml/qqmlregistration.h>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <atomic>
#include <memory>

class QMenu;
class QAction;
class QQmlEngine;
class QJSEngine;
class QQuickWindow;

namespace tornivo::app {

class AppState;
class TrayDetector;

class TrayShell : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // True while the panel is an ordinary window because there is no tray.
    Q_PROPERTY(bool windowed READ windowed NOTIFY windowedChanged)
    Q_PROPERTY(bool dialogOpen READ dialogOpen NOTIFY dialogOpenChanged)

  public:
    static constexpr int kTrayWaitMs = 5000;    // for a tray host that starts after us
    static constexpr int kReopenGuardMs = 300;  // a close by focus loss and its own click
    static constexpr int kSettleMs = 300;       // the window manager's own focus moves on showing
    static constexpr int kPanelWidth = 380;
    static constexpr int kPanelHeight = 560;

    TrayShell(AppState& state, TrayDetector& detector, QObject* parent = nullptr);
    ~TrayShell() override;

    static void setInstance(TrayShell* shell);
    static TrayShell* create(QQmlEngine*, QJSEngine* engine);

    // The panel window, made by the QML engine; then start() shows the icon or, without a tray,
    // waits for one.
    void setPanel(QQuickWindow* panel);
    void start();

    // Test seam: how long to wait for a tray before showing a window.
    void setTrayWait(int ms) { trayWait_.setInterval(ms); }

    bool windowed() const { return windowed_; }
    bool dialogOpen() const;
    QSystemTrayIcon* trayIcon() const { return trayIcon_.get(); }
    QQuickWindow* panel() const { return panel_; }

    // Shows the panel (next to the icon, or as a window without a tray) and gives it the focus.
    Q_INVOKABLE void showPanel();
    Q_INVOKABLE void closePanel();
    Q_INVOKABLE void quit();
    // Dialogs of the panel announce themselves while they are open, so that the panel stays
    // open when the focus leaves it (for a separate dialog window, say).
    Q_INVOKABLE void setDialogOpen(QObject* dialog, bool open);

    // What an activation of the tray icon does: opens or closes the panel.
    void activate(QSystemTrayIcon::ActivationReason reason);

  signals:
    void windowedChanged();
    void dialogOpenChanged();

  private:
    void onTrayAvailable(bool available);
    void showIcon();
    void becomeWindow();
    void applyFlags();
    void onActiveChanged();
    void retranslate();

    AppState& state_;
    TrayDetector& detector_;
    QPointer<QQuickWindow> panel_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    std::unique_ptr<QMenu> menu_;
    QAction* openAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QTimer trayWait_;
    QElapsedTimer closedByFocusLoss_;
    QElapsedTimer shown_;
    bool askedAgain_ = false;
    // When the panel was asked to show (steady clock, ns), until its first frame; 0: none.
    std::atomic<qint64> showRequested_{0};
    QList<QPointer<QObject>> dialogs_;
    bool windowed_ = false;
    bool appeared_ = false;
};

}  // namespace tornivo::app
