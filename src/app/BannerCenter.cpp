#include "BannerCenter.h"

#include <QGuiApplication>
#include <QJSEngine>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>

#include "LocalizationManager.h"

namespace tornivo::app {

BannerCenter& BannerCenter::shared() {
    static BannerCenter* center = new BannerCenter(QCoreApplication::instance());
    return *center;
}

BannerCenter* BannerCenter::create(QQmlEngine*, QJSEngine* engine) {
    BannerCenter* center = &shared();
    Q_ASSERT(engine->thread() == center->thread());
    QJSEngine::setObjectOwnership(center, QJSEngine::CppOwnership);
    return center;
}

BannerCenter::BannerCenter(QObject* parent)
    : QObject(parent), screen_([] { return QGuiApplication::primaryScreen(); }) {
    dismissTimer_.setSingleShot(true);
    connect(&dismissTimer_, &QTimer::timeout, this, [this] { dismiss(true); });
}

BannerCenter::~BannerCenter() {
    dismissTimer_.stop();
    delete panel_.data();
    for (const auto& view : fading_) delete view.data();
}

QQmlEngine* BannerCenter::engine() {
    // One engine serves every banner; each banner gets its own window.
    if (!engine_) {
        engine_ = std::make_unique<QQmlEngine>();
        LocalizationManager::shared()->attach(engine_.get());
    }
    return engine_.get();
}

int BannerCenter::fadingCount() const {
    int n = 0;
    for (const auto& view : fading_) n += view ? 1 : 0;
    return n;
}

void BannerCenter::setNotificationBus(const QDBusConnection& bus) {
    notices_ = std::make_unique<DesktopNotices>(bus);
}

void BannerCenter::show(const QString& icon, const QString& title, const QString& message) {
    show(icon, title, message, std::nullopt);
}

void BannerCenter::show(const QString& icon, const QString& title, const QString& message,
                        std::optional<BannerAction> action) {
    if (!style_ || style_() != BannerStyle::desktop)
        return showPanel(icon, title, message, std::move(action));
    dismiss(false);  // the window's banner, if the style changed while it was shown
    if (!notices_) notices_ = std::make_unique<DesktopNotices>(QDBusConnection::sessionBus());
    QPointer<BannerCenter> self(this);
    notices_->send(title, message, action, [self, icon, title, message, action] {
        if (self) self->showPanel(icon, title, message, action);
    });
}

void BannerCenter::showPanel(const QString& icon, const QString& title, const QString& message,
                             std::optional<BannerAction> action) {
    dismiss(false);
    QScreen* screen = screen_ ? screen_() : nullptr;
    if (!screen) return;  // nowhere to show it; nothing is reported

    auto* view = new QQuickView(engine(), nullptr);
    view->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    view->setColor(Qt::transparent);
    view->setResizeMode(QQuickView::SizeViewToRootObject);
    const bool acts = action && action->run && !action->label.isEmpty();
    view->setInitialProperties({{"icon", icon},
                                {"title", title},
                                {"message", message},
                                {"actionLabel", acts ? action->label : QString()}});
    view->setSource(QUrl(QStringLiteral("qrc:/Tornivo/Banner.qml")));
    QQuickItem* root = view->rootObject();
    if (!root) {
        delete view;
        return;
    }
    // A click anywhere on the card fades it out (Banner.qml's `tapped` signal).
    connect(root, SIGNAL(tapped()), this, SLOT(onTapped()));
    connect(root, SIGNAL(actionClicked()), this, SLOT(onAction()));

    const QRect free = screen->availableGeometry();
    const int width = kPanelWidth;
    const int height = static_cast<int>(root->height());
    const int finalX = free.x() + free.width() - kEdgeGap - width;
    const int startX = free.x() + free.width();
    const int y = free.y() + kEdgeGap;
    view->setScreen(screen);
    view->setGeometry(startX, y, width, height);
    view->setOpacity(0.0);
    view->show();

    auto* slide = new QParallelAnimationGroup(view);
    QEasingCurve easeOut(QEasingCurve::BezierSpline);
    easeOut.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    auto* move = new QPropertyAnimation(view, "x", slide);
    move->setStartValue(startX);
    move->setEndValue(finalX);
    move->setDuration(timings_.slideInMs);
    move->setEasingCurve(easeOut);
    auto* fade = new QPropertyAnimation(view, "opacity", slide);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(timings_.slideInMs);
    fade->setEasingCurve(easeOut);
    slide->start(QAbstractAnimation::DeleteWhenStopped);

    panel_ = view;
    if (acts) panelAction_ = std::move(action);
    dismissTimer_.start(timings_.dismissAfterMs);
    emit shown();
}

void BannerCenter::dismiss(bool animated) {
    dismissTimer_.stop();
    if (!panel_) return;
    panelAction_.reset();
    QQuickView* view = panel_;
    panel_ = nullptr;  // a new banner during the fade starts cleanly
    if (!animated) {
        delete view;
    } else {
        removeWhenFaded(view);
    }
    emit dismissed(animated);
}

void BannerCenter::onTapped() {
    // Only the banner on screen answers; a click on one already fading changes nothing.
    if (panel_ && sender() == panel_->rootObject()) dismiss(true);
}

void BannerCenter::onAction() {
    if (!panel_ || sender() != panel_->rootObject()) return;
    // Taken before the fade: the action may show a banner of its own, which must not lose it.
    std::optional<BannerAction> action = std::move(panelAction_);
    dismiss(true);
    if (action && action->run) action->run();
}

void BannerCenter::removeWhenFaded(QQuickView* view) {
    fading_.removeAll(nullptr);
    fading_.append(view);
    auto* fade = new QPropertyAnimation(view, "opacity", view);
    fade->setStartValue(view->opacity());
    fade->setEndValue(0.0);
    fade->setDuration(timings_.fadeOutMs);
    connect(fade, &QPropertyAnimation::finished, view, [view] { view->deleteLater(); });
    fade->start();
}

}  // namespace tornivo::app
