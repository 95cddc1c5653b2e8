// Banners driven offscreen with short timings: one at a time, self-dismissing, a click fades.

#include "BannerCenter.h"

#include <algorithm>

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtQml/QQmlExtensionPlugin>

#include "PanelFixture.h"
#include "PrivateBus.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

class BannerCenterTest : public PanelTest {
  protected:
    BannerCenter center{nullptr};

    void SetUp() override {
        PanelTest::SetUp();
        center.setTimings({50, 50, 400});
    }
    void TearDown() override {
        center.dismiss(false);
        PanelTest::TearDown();
    }
    QQuickItem* item(const char* name) const {
        return center.panel()->rootObject()->findChild<QQuickItem*>(name);
    }
};

TEST_F(BannerCenterTest, SlidesInAtTheTopRightAndGoesAwayByItself) {
    QSignalSpy dismissed(&center, &BannerCenter::dismissed);
    center.show("sparkles", "Junk found", "1.2 GB can be cleaned");
    QPointer<QQuickView> view = center.panel();
    ASSERT_TRUE(view);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(view->width(), BannerCenter::kPanelWidth);
    EXPECT_EQ(view->y(), free.y() + 8);
    EXPECT_GE(view->x(), free.right() - 8 - 370) << "starts at the edge and slides in";
    EXPECT_EQ(view->flags() &
                  (Qt::WindowType_Mask | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint),
              Qt::Tool | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);

    ASSERT_TRUE(
        waitUntil([&] { return view && view->x() == free.x() + free.width() - 8 - 370; }, 2000));
    EXPECT_TRUE(center.panel());
    ASSERT_TRUE(waitUntil([&] { return !view; }, 3000)) << "dismissed, faded and released";
    ASSERT_EQ(dismissed.count(), 1);
    EXPECT_TRUE(dismissed.first().first().toBool()) << "with the fade";
}

TEST_F(BannerCenterTest, ANewBannerReplacesTheOldOneAtOnceAndKeepsItsOwnTime) {
    // Timings with wide margins, so a slow machine cannot blur the two deadlines.
    center.setTimings({50, 50, 2000});
    QSignalSpy dismissed(&center, &BannerCenter::dismissed);
    center.show("sparkles", "First", "one");
    QPointer<QQuickView> first = center.panel();
    QTest::qWait(1000);
    center.show("trash.fill", "Second", "two");
    QPointer<QQuickView> second = center.panel();
    EXPECT_FALSE(first) << "the first vanishes without a fade";
    ASSERT_TRUE(second);
    ASSERT_EQ(dismissed.count(), 1);
    EXPECT_FALSE(dismissed.first().first().toBool());

    QTest::qWait(1500);  // past the first banner's own deadline, well before the second's
    EXPECT_EQ(center.panel(), second.data()) << "the second keeps its full time";
    ASSERT_TRUE(waitUntil([&] { return !center.panel(); }, 3000));
}

TEST_F(BannerCenterTest, AClickFadesTheBannerAndCancelsItsDismissal) {
    center.setTimings({50, 1200, 2000});
    QSignalSpy dismissed(&center, &BannerCenter::dismissed);
    QElapsedTimer clock;
    clock.start();
    center.show("sparkles", "Click me", "anywhere");
    QPointer<QQuickView> view = center.panel();
    QTest::qWait(120);
    click(view.data(), item("card"));
    EXPECT_FALSE(center.panel()) << "fading banners are no longer on screen";
    EXPECT_EQ(center.fadingCount(), 1);

    // A new banner during the fade is unaffected by it; the fading one finishes and goes.
    QTest::qWait(700);
    center.show("bolt.fill", "Next", "while fading");
    QPointer<QQuickView> next = center.panel();
    const qint64 nextShown = clock.elapsed();
    ASSERT_TRUE(waitUntil([&] { return !view; }, 3000));
    EXPECT_EQ(center.panel(), next.data());
    // Halfway between the clicked banner's own deadline and the next one's.
    QTest::qWait(static_cast<int>(std::max<qint64>(0, 2000 + nextShown / 2 - clock.elapsed())));
    EXPECT_EQ(dismissed.count(), 1) << "the click cancelled the pending dismissal";
    EXPECT_EQ(center.panel(), next.data());
}

TEST_F(BannerCenterTest, ALongMessageWrapsToTwoLinesAndTheWidthStays) {
    center.show("sparkles", "Short", "One line.");
    const int shortHeight = center.panel()->height();
    center.show("sparkles", "Long",
                QString("A long message that goes on and on about what was found, ").repeated(6));
    QQuickItem* message = item("message");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->property("lineCount").toInt(), 2);
    EXPECT_TRUE(message->property("truncated").toBool());
    EXPECT_GT(center.panel()->height(), shortHeight);
    EXPECT_EQ(center.panel()->width(), BannerCenter::kPanelWidth);
}

TEST_F(BannerCenterTest, ItsActionRunsOnceFromItsButtonAndNeverAfterTheBannerIsGone) {
    int runs = 0;
    center.show("trash.fill", "Moved", "2 items", BannerAction{"Undo", [&] { ++runs; }});
    QPointer<QQuickView> view = center.panel();
    QTest::qWait(120);
    QQuickItem* action = item("action");
    click(view.data(), action);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(center.panel()) << "acting fades the banner";
    click(view.data(), action);
    EXPECT_EQ(runs, 1) << "a fading banner's button does nothing";

    // Replaced, a banner takes its action with it; one without an action has no button.
    center.show("trash.fill", "Moved", "1 item", BannerAction{"Undo", [&] { ++runs; }});
    QPointer<QQuickView> replaced = center.panel();
    center.show("sparkles", "Other", "news");
    EXPECT_FALSE(item("action")->isVisible());
    EXPECT_FALSE(replaced);
    EXPECT_EQ(runs, 1);
}

TEST_F(BannerCenterTest, WithoutAScreenNothingIsShownOrReported) {
    QSignalSpy shown(&center, &BannerCenter::shown);
    center.setScreenProvider([] { return nullptr; });
    center.show("sparkles", "Nowhere", "to go");
    EXPECT_FALSE(center.panel());
    EXPECT_EQ(shown.count(), 0);
}

TEST_F(BannerCenterTest, ChosenDesktopNoticesFallBackToTheWindowWithoutAServer) {
    PrivateBus bus;
    if (!bus.installed()) GTEST_SKIP() << "dbus-daemon is not installed";
    center.setNotificationBus(QDBusConnection::connectToBus(bus.address(), "banners"));
    center.setStyleSource([] { return BannerStyle::desktop; });
    center.show("sparkles", "Junk found", "1.2 GB can be cleaned");
    EXPECT_EQ(center.panel(), nullptr) << "the window waits for the server's answer";
    EXPECT_TRUE(waitUntil([&] { return center.panel() != nullptr; }));
    QDBusConnection::disconnectFromBus("banners");
}

}  // namespace
}  // namespace tornivo::app
