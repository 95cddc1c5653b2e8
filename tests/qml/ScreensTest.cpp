// The section screens against the real AppState: the shredder's confirmation, the uninstall
// screen's drop, what a removal left and a cancelled scan. The state each screen shows over the
// shared sample is checked on the text-fit walk.

#include <QUrl>
#include <QtQml/QQmlExtensionPlugin>

#include "PanelFixture.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

using ScreensTest = PanelTest;

TEST_F(ScreensTest, EraseAsksFirstAndCancellingErasesNothing) {
    QQuickWindow window;  // the dialog opens on a window's overlay, as wide as the panel
    window.resize(380, 560);
    auto view = make("ShredView { width: 380; height: 350; busy: false }");
    view->setParentItem(window.contentItem());
    // Written as QML writes it: the view's binding to AppState is replaced.
    QQmlProperty(view.get(), "items")
        .write(QVariant::fromValue<QObject*>(list<Path>({"/t/a", "/t/b"})));
    QQuickItem* shred = find(view.get(), "shredButton");
    ASSERT_TRUE(shred);
    QMetaObject::invokeMethod(shred, "clicked");
    auto* dialog = view->findChild<QObject*>("shredConfirmation");
    ASSERT_TRUE(dialog && dialog->property("visible").toBool());
    EXPECT_EQ(dialog->property("confirmText").toString(), qtTrId("shred.eraseCount", 2));
    QMetaObject::invokeMethod(dialog, "close");
    EXPECT_FALSE(state.isShredding()) << "cancelled: nothing was erased";
}

TEST_F(ScreensTest, ADropInspectsTheFirstApplicationOnlyAndIgnoresOtherFiles) {
    auto view = make("UninstallView { width: 380; height: 350; busy: false; target: null }");
    const Path folder = home.layout().dataHome / "applications";
    const Path first = writeText(folder / "org.example.First.desktop",
                                 "[Desktop Entry]\nType=Application\nExec=true\nName=First\n");
    const Path second = writeText(folder / "b.desktop",
                                  "[Desktop Entry]\nType=Application\nExec=true\nName=Second\n");
    auto url = [](const Path& p) { return QUrl::fromLocalFile(QString::fromStdString(p)); };
    const Path document = writeText(home.home() / "Documents/notes.txt", "x");
    for (const Path& ignored : {document, folder}) {
        QMetaObject::invokeMethod(view.get(), "dropFiles",
                                  Q_ARG(QVariant, QVariant(QVariantList{url(ignored)})));
        QTest::qWait(200);
        EXPECT_FALSE(state.uninstallTarget() || state.isInspecting()) << ignored;
    }
    QMetaObject::invokeMethod(view.get(), "dropFiles",
                              Q_ARG(QVariant, QVariant(QVariantList{url(first), url(second)})));
    ASSERT_TRUE(waitUntil([&] { return state.uninstallTarget().has_value(); }));
    EXPECT_EQ(state.uninstallTarget()->appName, "First");
}

TEST_F(ScreensTest, ARemovalThatLeftFilesSaysHowManyAndWhyUntilTheNextScan) {
    const Path kept = writeFile(home.layout().downloads.value() / "a.deb", 5000);
    writeFile(home.layout().downloads.value() / "b.deb", 6000);
    auto view = make("InstallerView { width: 380; height: 350 }");
    state.runInstallerScan();
    ASSERT_TRUE(waitUntil(
        [&] { return state.installerFiles().size() == 2 && !state.isScanningInstallers(); }));
    for (const auto& f : std::vector<InstallerFile>(state.installerFiles()))
        state.toggleInstaller(f);
    writeFile(kept, 7000);  // rewritten since the scan: it stays
    state.removeSelectedInstallers();
    ASSERT_TRUE(waitUntil([&] {
        return find(view.get(), "outcomeText") && find(view.get(), "outcomeText")->isVisible();
    }));
    EXPECT_EQ(text(view.get(), "outcomeText"),
              qtTrId("common.leftBehind", 1).arg(qtTrId("common.left.changed", 1)));

    state.runInstallerScan();
    ASSERT_TRUE(waitUntil(
        [&] { return !state.isScanningInstallers() && find(view.get(), "removeButton"); }));
    EXPECT_FALSE(find(view.get(), "outcomeText")->isVisible()) << "a new list, no old outcome";
}

// Cancel is pressed before the engine's answer reaches the main thread, so the run is stopped
// however quick the walk (a scan that walks and hashes; the installer listing is too quick).
TEST_F(ScreensTest, CancelInTheBusyStateStopsTheScanAndTheEarlierListStays) {
    const Path downloads = home.layout().downloads.value();
    writeFile(downloads / "one.bin", 2'000'000);
    writeFile(downloads / "two.bin", 2'000'000);
    auto view = make("DuplicatesView { width: 380; height: 420 }");
    state.runDuplicateScan();
    ASSERT_TRUE(waitUntil([&] { return !state.isFindingDuplicates(); }));
    ASSERT_EQ(state.duplicateGroups().size(), 1u);

    writeFile(downloads / "three.bin", 3'000'000, 'y');
    writeFile(downloads / "four.bin", 3'000'000, 'y');
    state.runDuplicateScan();
    // A worker quick enough to answer before the operation returned has its answer taken at
    // once: nothing left to stop.
    if (!state.isFindingDuplicates()) return;
    QQuickItem* cancel = find(view.get(), "cancelButton");
    ASSERT_TRUE(cancel);
    QMetaObject::invokeMethod(cancel, "clicked");
    ASSERT_TRUE(waitUntil([&] { return !state.isFindingDuplicates(); }));
    EXPECT_EQ(state.duplicateGroups().size(), 1u);
    EXPECT_NE(view->property("screenState").toString(), "empty");
}

}  // namespace
}  // namespace tornivo::app
