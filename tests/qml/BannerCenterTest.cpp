// Banners driven offscreen with short timings: one at a time, self-dismissing, an action of
// their own.

#include "BannerCenter.h"

#include <QSignalSpy>
#include <QtQml/QQmlExtensionPlugin>

#include "PanelFixture.h"

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

TEST_F(BannerCenterTest, GoesAwayByItselfWithAFade) {
    QSignalSpy dismissed(&center, &BannerCenter::dismissed);
    center.show("sparkles", "Junk found", "1.2 GB can be cleaned");
    QPointer<QQuickView> view = center.panel();
    ASSERT_TRUE(view);
    ASSERT_TRUE(waitUntil([&] { return !view; }, 3000)) << "dismissed, faded and released";
    ASSERT_EQ(dismissed.count(), 1);
    EXPECT_TRUE(dismissed.first().first().toBool()) << "with the fade";
}

TEST_F(BannerCenterTest, ANewBannerReplacesTheOldOneAtOnceAndKeepsItsOwnTime) {
    // Timings with wide margins, so a slow machine cannot blur the two deadlines.
    center.setTimings({50, 50, 2000});
    center.show("sparkles", "First", "one");
    QPointer<QQuickView> first = center.panel();
    QTest::qWait(1000);
    center.show("trash.fill", "Second", "two");
    QPointer<QQuickView> second = center.panel();
    EXPECT_FALSE(first) << "the first vanishes without a fade";
    ASSERT_TRUE(second);

    QTest::qWait(1500);  // past the first banner's own deadline, well before the second's
    EXPECT_EQ(center.panel(), second.data()) << "the second keeps its full time";
    ASSERT_TRUE(waitUntil([&] { return !center.panel(); }, 3000));
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

}  // namespace
}  // namespace tornivo::app
