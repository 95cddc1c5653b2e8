#include "TrayShell.h"

#include <QQuickWindow>
#include <QTest>

#include "AppStateFixture.h"
#include "LocalizationManager.h"
#include "TrayDetector.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// The shell around a bare window, on a desktop that has a tray or not at the test's word.
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
};

TEST_F(TrayShellTest, TheClickThatTookTheFocusAwayDoesNotReopenThePanel) {
    shell->start();
    ASSERT_TRUE(shell->trayIcon());
    click();
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
    click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    QTest::qWait(TrayShell::kSettleMs);  // as long as a window manager may still move the focus
    click();
    EXPECT_FALSE(panel.isVisible()) << "a second activation closes the panel";
}

TEST_F(TrayShellTest, WithoutATrayItOpensAsAWindowThatStaysWhenTheFocusLeaves) {
    trayThere = false;
    detector.check();
    shell->setTrayWait(50);
    shell->start();
    ASSERT_TRUE(waitUntil([&] { return panel.isVisible(); }, 2000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    focusElsewhere();
    EXPECT_TRUE(panel.isVisible()) << "a window stays when the focus leaves";
}

}  // namespace
}  // namespace tornivo::app
