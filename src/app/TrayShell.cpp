#include "TrayShell.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QJSEngine>
#include <QLoggingCategory>
#include <QMenu>
#include <QQuickWindow>
#include <QScreen>

#include <chrono>

#include "AppState.h"
#include "LocalizationManager.h"
#include "PanelPlacement.h"
#include "TrayDetector.h"
#include "TrayIcon.h"
#include "X11Desktop.h"

// QT_LOGGING_RULES="tornivo.panel.debug=true" reports every opening and closing, and how long
// each opening took to draw.
Q_LOGGING_CATEGORY(lcPanel, "tornivo.panel", QtWarningMsg)

namespace tornivo::app {

namespace {
TrayShell* g_instance = nullptr;

qint64 steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

TrayShell::TrayShell(AppState& state, TrayDetector& detector, QObject* parent)
    : QObject(parent), state_(state), detector_(detector) {
    trayWait_.setSingleShot(true);
    trayWait_.setInterval(kTrayWaitMs);
    connect(&trayWait_, &QTimer::timeout, this, &TrayShell::becomeWindow);
    connect(&detector_, &TrayDetector::availableChanged, this, &TrayShell::onTrayAvailable);
    connect(LocalizationManager::shared(), &LocalizationManager::codeChanged, this,
            &TrayShell::retranslate);
}

TrayShell::~TrayShell() {
    if (g_instance == this) g_instance = nullptr;
}

void TrayShell::setInstance(TrayShell* shell) {
    g_instance = shell;
}

TrayShell* TrayShell::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT(g_instance && engine->thread() == g_instance->thread());
    QJSEngine::setObjectOwnership(g_instance, QJSEngine::CppOwnership);
    return g_instance;
}

void TrayShell::setPanel(QQuickWindow* panel) {
    panel_ = panel;
    panel_->setTitle(QStringLiteral("Tornivo"));
    panel_->setMinimumSize({kPanelWidth, kPanelHeight});
    panel_->setMaximumSize({kPanelWidth, kPanelHeight});
    connect(panel_, &QWindow::activeChanged, this, &TrayShell::onActiveChanged);
    // Timed on the thread that draws: the moment the first frame after a show reached the screen.
    connect(
        panel_, &QQuickWindow::frameSwapped, this,
        [this] {
            const qint64 requested = showRequested_.exchange(0);
            if (requested == 0) return;
            const double ms = static_cast<double>(steadyNs() - requested) / 1e6;
            qCDebug(lcPanel, "panel drawn %.1f ms after the request", ms);
        },
        Qt::DirectConnection);
    applyFlags();
}

void TrayShell::start() {
    if (detector_.available()) {
        showIcon();
    } else {
        trayWait_.start();
    }
}

void TrayShell::onTrayAvailable(bool available) {
    if (!available || trayIcon_) return;
    trayWait_.stop();
    // A window shown for want of a tray gives way to the icon.
    if (windowed_) {
        if (panel_) panel_->hide();
        windowed_ = false;
        applyFlags();
        emit windowedChanged();
    }
    showIcon();
}

void TrayShell::showIcon() {
    trayIcon_ = std::make_unique<QSystemTrayIcon>(trayIconImage());
    menu_ = std::make_unique<QMenu>();
    openAction_ = menu_->addAction(QString(), this, &TrayShell::showPanel);
    quitAction_ = menu_->addAction(QString(), this, &TrayShell::quit);
    trayIcon_->setContextMenu(menu_.get());
    retranslate();
    connect(trayIcon_.get(), &QSystemTrayIcon::activated, this, &TrayShell::activate);
    trayIcon_->show();
}

void TrayShell::becomeWindow() {
    if (trayIcon_ || windowed_) return;
    windowed_ = true;
    applyFlags();
    emit windowedChanged();
    showPanel();
}

void TrayShell::applyFlags() {
    if (!panel_) return;
    const bool shown = panel_->isVisible();
    if (shown) panel_->hide();
    panel_->setFlags(windowed_ ? Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                     Qt::WindowMinimizeButtonHint
                               : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (shown) panel_->show();
}

void TrayShell::retranslate() {
    if (!trayIcon_) return;
    trayIcon_->setToolTip(QStringLiteral("Tornivo"));
    openAction_->setText(qtTrId("tray.open"));
    quitAction_->setText(qtTrId("tray.quit"));
}

void TrayShell::activate(QSystemTrayIcon::ActivationReason reason) {
    // A double click arrives as a click and then as this: one opening is enough.
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::MiddleClick) return;
    const bool sameClick =
        closedByFocusLoss_.isValid() && closedByFocusLoss_.elapsed() < kReopenGuardMs;
    closedByFocusLoss_.invalidate();
    if (panel_ && panel_->isVisible()) {
        closePanel();
    } else if (!sameClick) {
        showPanel();
    } else {
        qCDebug(lcPanel) << "not reopened: the click that closed it";
    }
}

void TrayShell::showPanel() {
    if (!panel_) return;
    if (!trayIcon_ && !windowed_) return becomeWindow();  // still waiting for a tray: show now
    if (!panel_->isVisible()) {
        showRequested_ = steadyNs();
        if (!windowed_) {
            const QRect icon = trayIcon_->geometry();
            const QPoint pointer = QCursor::pos();
            QScreen* screen = QGuiApplication::screenAt(icon.isValid() ? icon.center() : pointer);
            if (!screen) screen = QGuiApplication::primaryScreen();
            if (screen)
                panel_->setPosition(panelPosition({kPanelWidth, kPanelHeight},
                                                  {screen->geometry(), screen->availableGeometry()},
                                                  icon, pointer));
            keepOutOfTaskbar(panel_);
        }
        panel_->show();
        shown_.start();
        askedAgain_ = false;
        qCDebug(lcPanel) << "shown at" << panel_->position() << (windowed_ ? "as a window" : "");
    }
    panel_->raise();
    panel_->requestActivate();
    // The content appears once per run: the monitor starts and one update check runs.
    if (!appeared_) {
        appeared_ = true;
        state_.onAppear();
    }
}

void TrayShell::closePanel() {
    if (!panel_ || !panel_->isVisible()) return;
    panel_->hide();
    qCDebug(lcPanel) << "closed";
}

void TrayShell::quit() {
    QCoreApplication::quit();
}

bool TrayShell::dialogOpen() const {
    for (const auto& d : dialogs_)
        if (d) return true;
    return false;
}

void TrayShell::setDialogOpen(QObject* dialog, bool open) {
    const bool before = dialogOpen();
    dialogs_.removeAll(nullptr);
    dialogs_.removeAll(dialog);
    if (open && dialog) dialogs_.append(dialog);
    if (dialogOpen() != before) emit dialogOpenChanged();
}

void TrayShell::onActiveChanged() {
    if (!panel_ || panel_->isActive() || !panel_->isVisible() || windowed_) return;
    // Kept open: a dialog of the panel has the focus, or the uninstall section waits for a file
    // dragged from the file manager (which takes the focus to start the drag).
    if (dialogOpen() || state_.section() == Section::uninstall) return;
    // A window manager may move the focus once more while it maps the panel (to a window of its
    // own, as focus falls back after the panel's last close): not the user's doing, so the
    // panel asks for the focus again, once.
    if (shown_.isValid() && shown_.elapsed() < kSettleMs && !askedAgain_) {
        askedAgain_ = true;
        qCDebug(lcPanel) << "the focus moved while showing: asking for it again";
        panel_->requestActivate();
        return;
    }
    panel_->hide();
    closedByFocusLoss_.start();
    qCDebug(lcPanel) << "closed: the focus went elsewhere";
}

}  // namespace tornivo::app
