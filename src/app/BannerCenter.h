#pragma once
// Short, self-dismissing notices in a small floating window at the top right of the primary
// screen, above other windows and never taking the keyboard focus. One banner at a time, no
// queue: a new banner replaces the one on screen at once. Main thread only.
// Where the user chose it, banners go through the desktop's notification service instead
// (DesktopNotices.h), and back to the window when that service is absent.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QPointer>
#include <QQuickView>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "BannerStyle.h"
#include "DesktopNotices.h"

class QQmlEngine;
class QJSEngine;
class QScreen;

namespace tornivo::app {

class BannerCenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
  public:
    struct Timings {
        int slideInMs = 350;
        int fadeOutMs = 250;
        int dismissAfterMs = 5500;
    };
    static constexpr int kPanelWidth = 370;  // a 330-wide card with 20 of room for its shadow
    static constexpr int kEdgeGap = 8;       // from the right and top of the screen's free area

    static BannerCenter& shared();
    static BannerCenter* create(QQmlEngine*, QJSEngine* engine);

    // No default: QML (6.4) would make a second centre of its own with a default constructor
    // instead of asking create(), and banners from QML would not replace the others.
    explicit BannerCenter(QObject* parent);
    ~BannerCenter() override;

    // The caller localizes and formats the texts; `icon` is a symbol identifier.
    Q_INVOKABLE void show(const QString& icon, const QString& title, const QString& message);
    // The same with a button (an Undo, say) and what it does, run on the main thread. It is
    // offered only while the banner shows: once it is dismissed or replaced, it is dropped unrun.
    void show(const QString& icon, const QString& title, const QString& message,
              std::optional<BannerAction> action);
    Q_INVOKABLE void dismiss(bool animated);

    // The banner on screen (sliding in or shown), or null; a fading banner is no longer it.
    QQuickView* panel() const { return panel_; }
    // Banners still fading out.
    int fadingCount() const;

    // Test seams: shorter timings, and where the screen comes from (null: no screen).
    void setTimings(Timings timings) { timings_ = timings; }
    void setScreenProvider(std::function<QScreen*()> provider) { screen_ = std::move(provider); }
    // Which style to use, asked at every banner (the window when nobody says).
    void setStyleSource(std::function<BannerStyle()> style) { style_ = std::move(style); }
    // The bus the desktop's notification service is reached on (the session bus by default).
    void setNotificationBus(const QDBusConnection& bus);
    // The action of the banner in the window, for its button; none when it carries none.
    const std::optional<BannerAction>& panelAction() const { return panelAction_; }

  signals:
    void shown();
    void dismissed(bool animated);

  private slots:
    void onTapped();
    void onAction();

  private:
    QQmlEngine* engine();
    void showPanel(const QString& icon, const QString& title, const QString& message,
                   std::optional<BannerAction> action);
    void removeWhenFaded(QQuickView* view);

    Timings timings_;
    std::function<QScreen*()> screen_;
    std::function<BannerStyle()> style_;
    std::unique_ptr<DesktopNotices> notices_;  // made when first needed
    std::optional<BannerAction> panelAction_;
    std::unique_ptr<QQmlEngine> engine_;
    QPointer<QQuickView> panel_;
    QList<QPointer<QQuickView>> fading_;
    QTimer dismissTimer_;
};

}  // namespace tornivo::app
