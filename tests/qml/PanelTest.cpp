// The panel driven offscreen as a person would, and its parts on their own: the gauges' rules,
// the tabs, the sound switch, the direction of the language and the settings.

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
    EXPECT_FALSE(find(panel, "skippedLine")->isVisible()) << "no application was running";
}

TEST_F(PanelTest, GaugesRoundTheirPercentageClampTheirBarAndColourByLevel) {
    const std::tuple<double, const char*, double, const char*> cases[] = {
        {1.2, "120%", 1.0, "red"},      {0.9, "90%", 0.9, "red"},     {0.7, "70%", 0.7, "orange"},
        {0.699, "70%", 0.699, "green"}, {-0.2, "-20%", 0.0, "green"},
    };
    for (const auto& [value, text, filled, level] : cases) {
        auto gauge = make(QStringLiteral("StatusGauge { width: 200; animated: false; value: %1; "
                                         "property color expected: PanelStyle.%2 }")
                              .arg(value)
                              .arg(level)
                              .toUtf8());
        ASSERT_TRUE(gauge);
        EXPECT_EQ(find(gauge.get(), "percent")->property("text").toString(), text) << value;
        QQuickItem* fill = find(gauge.get(), "fill");
        EXPECT_NEAR(fill->width(), find(gauge.get(), "bar")->width() * filled, 0.5) << value;
        EXPECT_EQ(fill->property("color"), gauge->property("expected")) << value;
    }
}

// The header's buttons: the sound switch plays its cue only when it turns sounds on; with the
// settings shown, no tab is lit and the gear takes the accent.
TEST_F(PanelTest, TheSoundButtonPlaysTinkOnlyWhenTurnedOnAndWithSettingsShownTheGearIsLit) {
    ASSERT_TRUE(openPanel());
    QQuickItem* button = find(panel, "soundButton");
    click(panel, button);
    EXPECT_FALSE(state.soundEnabled());
    EXPECT_TRUE(played.empty());
    EXPECT_EQ(button->property("help").toString(), qtTrId("header.unmute"));
    click(panel, button);
    EXPECT_TRUE(state.soundEnabled());
    EXPECT_EQ(played, std::vector<SoundCue>{SoundCue::soundOn});

    QQuickItem* highlight = find(panel, "tabHighlight");
    QQuickItem* gear = find(panel, "settingsButton");
    EXPECT_EQ(highlight->opacity(), 1.0);
    EXPECT_NE(gear->property("color").value<QColor>(), theme.accent());

    click(panel, gear);
    EXPECT_EQ(state.section(), Section::settings);
    EXPECT_EQ(gear->property("color").value<QColor>(), theme.accent());
    ASSERT_TRUE(waitUntil([&] { return highlight->opacity() == 0.0; }, 2000));
    for (const char* tab : {"tab-clean", "tab-large", "tab-shred"})
        EXPECT_FALSE(find(panel, tab)->property("selected").toBool()) << tab;

    click(panel, find(panel, "tab-large"));
    EXPECT_EQ(state.section(), Section::large);
    EXPECT_TRUE(waitUntil([&] { return highlight->opacity() == 1.0; }, 2000));
}

TEST_F(PanelTest, ArabicTurnsThePanelRightToLeftAndEnglishTurnsItBack) {
    ASSERT_TRUE(openPanel());
    QQuickItem* logo = find(panel, "logo");
    QQuickItem* gear = find(panel, "settingsButton");
    auto sceneX = [](QQuickItem* item) { return item->mapToScene({0, 0}).x(); };
    EXPECT_LT(sceneX(logo), 40);

    l10n.setCode("ar");
    panel->contentItem()->polish();
    QTest::qWait(50);  // the layouts settle on the next polish
    EXPECT_GT(sceneX(logo), 340) << "the logo moves to the right";
    EXPECT_LT(sceneX(gear), 100) << "the buttons to the left";
    EXPECT_EQ(gear->property("help").toString(), qtTrId("header.settings"));
    EXPECT_NE(find(find(panel, "gauge-memory"), "percent")->property("text"), "0%")
        << "the percentage is written in Arabic digits";
    EXPECT_EQ(find(panel, "suggestionMessage")->property("text").toString().toStdString(),
              state.suggestionList().value(0).toMap().value("message").toString().toStdString())
        << "the advice is worded in the new language at once";

    // The settings' rows too: the symbol leads on the right, the switch ends the line on the left.
    state.setSection(Section::settings);
    ASSERT_TRUE(waitUntil([&] { return find(panel, "card-sounds") != nullptr; }));
    QTest::qWait(50);
    QQuickItem* card = find(panel, "card-sounds");
    EXPECT_GT(sceneX(find(card, "cardSymbol")), sceneX(find(card, "cardTitle")));
    EXPECT_LT(sceneX(find(card, "switch")), 80);

    l10n.setCode("en");
    QTest::qWait(50);
    EXPECT_LT(sceneX(logo), 40);
    EXPECT_EQ(gear->property("help").toString(), "Settings");
    EXPECT_LT(sceneX(find(card, "cardSymbol")), sceneX(find(card, "cardTitle")));
    EXPECT_GT(sceneX(find(card, "switch")), 250);
}

TEST_F(PanelTest, IntervalOffHidesTheAutomaticCleanSwitchAndDailyShowsItWithItsValue) {
    state.schedule()->setAutoClean(true);
    ASSERT_TRUE(openSettings());
    reveal(panel, find(panel, "intervalPicker"));
    QQuickItem* row = find(panel, "autoCleanRow");
    QQuickItem* toggle = find(row, "switch");
    EXPECT_FALSE(row->isVisible()) << "interval off";

    click(panel, find(panel, "segment-daily"));
    EXPECT_EQ(state.schedule()->interval(), ScheduleInterval::daily);
    click(panel, find(panel, "segment-off"));
    EXPECT_FALSE(row->isVisible());
    EXPECT_EQ(store->boolean(ScheduleManager::kAutoCleanKey), true) << "hidden, not reset";
    // Shown again on daily, the switch with the value it had.
    click(panel, find(panel, "segment-daily"));
    ASSERT_TRUE(row->isVisible());
    EXPECT_TRUE(toggle->property("checked").toBool());

    QTest::qWait(50);  // the row takes its place on the next polish
    click(panel, toggle);
    EXPECT_FALSE(state.schedule()->autoClean());
    EXPECT_EQ(store->boolean(ScheduleManager::kAutoCleanKey), false);
}

TEST_F(PanelTest, TheTestBannerLeavesTheLastRunAloneAndTheCheckButtonIsDisabledWhileItRuns) {
    ASSERT_TRUE(openSettings());
    QQuickItem* lastRun = reveal(panel, find(panel, "lastRun"));
    EXPECT_EQ(lastRun->property("text").toString(), qtTrId("settings.lastRunNever"));

    click(panel, find(panel, "testBanner"));
    EXPECT_NE(BannerCenter::shared().panel(), nullptr);
    EXPECT_FALSE(store->string(ScheduleManager::kLastRunKey)) << "no run, also with interval off";
    EXPECT_FALSE(state.schedule()->lastRun());
    EXPECT_FALSE(state.isScanning());
    EXPECT_EQ(lastRun->property("text").toString(), qtTrId("settings.lastRunNever"));
    BannerCenter::shared().dismiss(false);

    QQuickItem* button = reveal(panel, find(panel, "checkButton"));
    EXPECT_TRUE(button->isEnabled());
    // Seen as the check starts: with no network it may well have failed by the time the click
    // returns.
    bool seen = false;
    auto link = QObject::connect(state.updates(), &UpdateChecker::stateChanged, button, [&] {
        if (seen || state.updates()->state() != UpdateChecker::State::checking) return;
        seen = true;
        EXPECT_FALSE(button->isEnabled());
        EXPECT_EQ(button->property("text").toString(), qtTrId("settings.checking"));
    });
    click(panel, button);
    QObject::disconnect(link);
    EXPECT_TRUE(seen);
}

TEST_F(PanelTest, FoldersChosenAtOnceAreProtectedInTheChoosersOrderAndCancellingChangesNothing) {
    ASSERT_TRUE(openSettings());
    QQuickItem* add = reveal(panel, find(panel, "addProtected"));
    EXPECT_TRUE(find(panel, "protectedEmpty")->isVisible());

    click(panel, add);
    EXPECT_EQ(portal->requests, 1);
    EXPECT_FALSE(add->isEnabled()) << "one chooser at a time";
    emit portal->cancelled();
    EXPECT_TRUE(state.exclusions()->folders().empty());
    ASSERT_TRUE(add->isEnabled());

    // A name that is not UTF-8 reaches the list as its bytes.
    const Path zeta = home / "zeta", odd = home / "caf\xe9";
    click(panel, add);
    emit portal->chosen({QUrl::fromLocalFile(QString::fromStdString(zeta)).toString(),
                         "file://" + QString::fromStdString(home.home()) + "/caf%E9"});
    EXPECT_EQ(state.exclusions()->folders(), (std::vector<Path>{zeta, odd}));
    QStringList rows;
    for (QQuickItem* row : findAll(find(panel, "card-protected"), "protectedPath"))
        rows << plain(row->property("text").toString());
    EXPECT_EQ(rows, QStringList({"~/zeta", QStringLiteral("~/caf\uFFFD")}));
    EXPECT_FALSE(find(panel, "protectedEmpty")->isVisible());
}

TEST_F(PanelTest, TheStartAtLoginSwitchWritesAndRemovesTheEntryAndFollowsTheFile) {
    const Path entry = home.layout().configHome / "autostart" / TORNIVO_APP_ID ".desktop";
    ASSERT_TRUE(openSettings());
    QQuickItem* toggle = find(reveal(panel, find(panel, "startAtLoginRow")), "switch");
    ASSERT_TRUE(waitUntil([&] { return !toggle->property("checked").toBool(); }));

    click(panel, toggle);
    ASSERT_TRUE(waitUntil([&] { return test::exists(entry); }));
    EXPECT_NE(readText(entry).find("Exec=\"" +
                                   QCoreApplication::applicationFilePath().toStdString() + "\"\n"),
              std::string::npos);
    click(panel, toggle);
    ASSERT_TRUE(waitUntil([&] { return !test::exists(entry); }));
    EXPECT_FALSE(toggle->property("checked").toBool());

    // Another program adds the entry; the screen shows it when it is opened again.
    writeText(entry, "[Desktop Entry]\n");
    state.setSection(Section::clean);
    state.setSection(Section::settings);
    ASSERT_TRUE(waitUntil([&] { return find(panel, "startAtLoginRow") != nullptr; }));
    toggle = find(find(panel, "startAtLoginRow"), "switch");
    EXPECT_TRUE(waitUntil([&] { return toggle->property("checked").toBool(); }));
}

}  // namespace
}  // namespace tornivo::app
