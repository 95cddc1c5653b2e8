#include "TrayShell.h"

#include <QPainter>
#include <QQuickWindow>
#include <QTest>

#include "AppStateFixture.h"
#include "LocalizationManager.h"
#include "TrayDetector.h"
#include "TrayIcon.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// The shell around a bare window, on a desktop whose tray comes and goes at the test's word.
class TrayShellTest : public AppStateFixture {
  protected:
    LocalizationManager l10n{*store};
    bool trayThere = true;
    TrayDetector detector{[this] { return trayThere; }};
    QQuickWindow panel;
    QWindow elsewhere;  // another application's window, to take the focus away
    std::unique_ptr<TrayShell> shell;

    void SetUp() override {
        AppStateFixture::SetUp();
        LocalizationManager::setShared(&l10n);
        shell = std::make_unique<TrayShell>(*state, detector);
        shell->setPanel(&panel);
        elsewhere.resize(50, 50);
    }
    void TearDown() override { LocalizationManager::setShared(nullptr); }

    void click() { shell->activate(QSystemTrayIcon::Trigger); }
    // Gives the focus to another window, as a click outside the panel does.
    void focusElsewhere() {
        elsewhere.show();
        elsewhere.requestActivate();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    }
    // Opens the panel and waits as long as a window manager may still move the focus.
    void openPanel() {
        click();
        ASSERT_TRUE(panel.isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
        QTest::qWait(TrayShell::kSettleMs);
    }
};

TEST_F(TrayShellTest, TheClickThatTookTheFocusAwayDoesNotReopenThePanel) {
    shell->start();
    ASSERT_TRUE(shell->trayIcon());
    click();
    EXPECT_TRUE(panel.flags() & Qt::FramelessWindowHint);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    elsewhere.show();  // the window manager, while it maps the panel
    elsewhere.requestActivate();
    ASSERT_TRUE(waitUntil([&] { return elsewhere.isActive() || !panel.isVisible(); }, 2000) ||
                panel.isActive());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&panel)) << "the panel asks for the focus again";
    EXPECT_TRUE(panel.isVisible());
    QTest::qWait(TrayShell::kSettleMs);

    focusElsewhere();
    EXPECT_FALSE(panel.isVisible()) << "a popover closes when it loses the focus";
    click();  // the same click, on the icon
    EXPECT_FALSE(panel.isVisible());

    QTest::qWait(TrayShell::kReopenGuardMs + 50);
    openPanel();
    click();
    EXPECT_FALSE(panel.isVisible()) << "a second activation closes the panel";
}

TEST_F(TrayShellTest, StaysOpenWhileItsDialogOrTheUninstallDropZoneHasTheUserElsewhere) {
    shell->start();
    QObject dialog;
    openPanel();
    shell->setDialogOpen(&dialog, true);
    focusElsewhere();
    EXPECT_TRUE(panel.isVisible());

    shell->setDialogOpen(&dialog, false);
    shell->closePanel();
    state->setSection(Section::uninstall);
    openPanel();
    focusElsewhere();
    EXPECT_TRUE(panel.isVisible()) << "a file is being dragged from the file manager";
}

TEST_F(TrayShellTest, WithoutATrayItOpensAsAWindowThatGivesWayToALaterTray) {
    trayThere = false;
    detector.check();
    shell->setTrayWait(50);
    shell->start();
    EXPECT_FALSE(panel.isVisible()) << "it waits for a tray first";
    ASSERT_TRUE(waitUntil([&] { return panel.isVisible(); }, 2000));
    EXPECT_TRUE(shell->windowed());
    EXPECT_FALSE(shell->trayIcon());
    EXPECT_FALSE(panel.flags() & Qt::FramelessWindowHint);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    focusElsewhere();
    EXPECT_TRUE(panel.isVisible()) << "a window stays when the focus leaves";

    trayThere = true;
    detector.check();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(shell->windowed());
    EXPECT_TRUE(shell->trayIcon());
}

// On an XEmbed tray the icon is only pixels: they must stand out from a light panel and from a
// dark one.
TEST(TrayIconTest, TheMarkReadsOnLightAndDarkPanelsAndKeepsItsSymbolicName) {
    EXPECT_EQ(trayIconImage().name(), QStringLiteral(TORNIVO_APP_ID "-symbolic"));
    const QImage mark = trayIconPixels(22);
    ASSERT_EQ(mark.size(), QSize(22, 22));
    for (const QColor panel : {QColor(Qt::white), QColor(0xee, 0xee, 0xee),
                               QColor(0x30, 0x30, 0x30), QColor(Qt::black)}) {
        QImage shown(mark.size(), QImage::Format_RGB32);
        shown.fill(panel);
        QPainter(&shown).drawImage(0, 0, mark);
        int contrasting = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                contrasting += std::abs(qGray(shown.pixel(x, y)) - qGray(panel.rgb())) >= 128;
        EXPECT_GE(contrasting, 30) << panel.name().toStdString();
    }
}

}  // namespace
}  // namespace tornivo::app
