// The panel driven offscreen as a person would: a scan and a clean, the direction of the
// language and the settings' switches.

#include <gtest/gtest.h>

#include <QtQml/QQmlExtensionPlugin>

#include "BannerCenter.h"
#include "PanelFixture.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

// A path as shown, without the marks that keep it left to right.
QString plain(QString path) {
    return path.remove(QChar(0x202A)).remove(QChar(0x202C));
}

TEST_F(PanelTest, ScanShowsBothRowsAndCleanRemovesTheJunk) {
    const Path junk = writeFile(home.layout().cacheHome / "org.example.Editor/cache.db", 200000);
    ASSERT_TRUE(openPanel());
    click(panel, find(panel, "scanOrb"));
    ASSERT_TRUE(waitUntil([&] { return find(panel, "cleanButton") != nullptr; }));
    QStringList rows;
    for (const char* name : {"row-appCache", "row-systemLogs"}) {
        QQuickItem* row = find(panel, name);
        rows << plain(text(row, "folder")) + " " + text(row, "size");
    }
    EXPECT_EQ(rows, QStringList({"~/.cache " + Fmt::bytes(state.scanResult()->items[0].size),
                                 "~/.local/share/xorg " + Fmt::bytes(0)}));

    click(panel, find(panel, "cleanButton"));
    ASSERT_TRUE(waitUntil([&] { return find(panel, "scanAgainButton") != nullptr; }));
    EXPECT_FALSE(std::filesystem::exists(junk));
}

TEST_F(PanelTest, ArabicTurnsThePanelRightToLeftAndEnglishTurnsItBack) {
    ASSERT_TRUE(openPanel());
    QQuickItem* logo = find(panel, "logo");
    auto sceneX = [](QQuickItem* item) { return item->mapToScene({0, 0}).x(); };
    EXPECT_LT(sceneX(logo), 40);
    l10n.setCode("ar");
    panel->contentItem()->polish();
    QTest::qWait(50);  // the layouts settle on the next polish
    EXPECT_GT(sceneX(logo), 340) << "the logo moves to the right";
    l10n.setCode("en");
    QTest::qWait(50);
    EXPECT_LT(sceneX(logo), 40);
}

TEST_F(PanelTest, IntervalOffHidesTheAutomaticCleanSwitchAndTheSwitchTurnsItOff) {
    state.schedule()->setAutoClean(true);
    ASSERT_TRUE(openSettings());
    reveal(panel, find(panel, "intervalPicker"));
    QQuickItem* row = find(panel, "autoCleanRow");
    QQuickItem* toggle = find(row, "switch");
    EXPECT_FALSE(row->isVisible()) << "interval off";

    click(panel, find(panel, "segment-daily"));
    ASSERT_TRUE(row->isVisible());

    QTest::qWait(50);  // the row takes its place on the next polish
    click(panel, toggle);
    EXPECT_FALSE(state.schedule()->autoClean());
    EXPECT_EQ(store->boolean(ScheduleManager::kAutoCleanKey), false);
}

TEST_F(PanelTest, TheTestBannerLeavesTheLastRunAndTheScheduleAlone) {
    ASSERT_TRUE(openSettings());
    click(panel, reveal(panel, find(panel, "testBanner")));
    EXPECT_NE(BannerCenter::shared().panel(), nullptr);
    EXPECT_FALSE(store->string(ScheduleManager::kLastRunKey)) << "no run, also with interval off";
    EXPECT_FALSE(state.schedule()->lastRun());
    EXPECT_FALSE(state.isScanning());
    BannerCenter::shared().dismiss(false);
}

}  // namespace
}  // namespace tornivo::app
