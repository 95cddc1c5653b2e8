// The section screens: the state each shows over the shared sample, and, on their own with
// records made here, the rules that enable their buttons, the figures they derive, and the
// uninstall screen's search and drop against the real AppState.

#include <QUrl>
#include <QtQml/QQmlExtensionPlugin>

#include "PanelFixture.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

using ScreensTest = PanelTest;

LargeFile largeFile(ByteCount size, bool selected) {
    return {Uuid::random(), "/home/u/Videos/a.mkv", size, std::nullopt, selected, {}};
}
InstallerFile installer(ByteCount size, bool selected) {
    return {Uuid::random(), "/home/u/Downloads/a.deb", size, "deb", std::nullopt, selected, {}};
}
DiskCategory category(FileKind kind, ByteCount size) {
    return {kind, size, 1, {DiskFile{Uuid::random(), "/home/u/x", size, std::nullopt, {}, {}}}};
}
DeveloperProject project(const std::string& name, bool active, bool selected = false) {
    return {
        Uuid::random(), name, "/home/u/dev/" + name, 1000, Clock::now(), active, selected, {}, {}};
}

TEST_F(ScreensTest, EachListScreenShowsBusyThenItsListThenItsEmptyState) {
    fillSample();
    ASSERT_TRUE(openPanel());
    for (const Scene& scene : scenes()) {
        QQuickItem* screen = show(panel, scene);
        EXPECT_EQ(screen->property("screenState").toString(),
                  QString::fromLatin1(scene.screen).section('/', 1))
            << scene.screen;
        EXPECT_TRUE(!*scene.control || find(screen, scene.control))
            << scene.screen << ": no " << scene.control;
        for (const auto& [name, expected] : scene.texts)
            EXPECT_EQ(text(screen, name), expected) << scene.screen << ": " << name;
    }
    auto* unticked = new ScanResultView(&owner);
    unticked->show({{{Uuid::random(), home / "a", 1, CleanCategory::appCache, false, {}}}, {}});
    QQuickItem* clean =
        show(panel, {"clean/results", "", {{"result", QVariant::fromValue(unticked)}}});
    EXPECT_FALSE(find(clean, "cleanButton")->isEnabled()) << "nothing ticked, nothing to clean";
}

TEST_F(ScreensTest, TheRemoveButtonStaysDisabledUntilTheTickedFilesHoldABytes) {
    const std::tuple<const char*, QObject*, const char*, const char*> cases[] = {
        {"LargeFilesView", list<LargeFile>({largeFile(0, true), largeFile(4000, false)}),
         "large.select", "large.move"},
        {"InstallerView", list<InstallerFile>({installer(0, true), installer(4000, false)}),
         "inst.select", "inst.move"},
    };
    for (const auto& [type, model, select, move] : cases) {
        auto view = make(QByteArray(type) + " { width: 380; height: 350; busy: false }");
        set(view.get(), "files", model);
        QQuickItem* button = find(view.get(), "removeButton");
        ASSERT_TRUE(button) << type;
        EXPECT_FALSE(button->isEnabled()) << type << ": a ticked file of 0 bytes frees nothing";
        EXPECT_EQ(button->property("text").toString(), qtTrId(select)) << type;

        // What a tick does to the record, as AppState's toggle does it.
        if (auto* large = dynamic_cast<RecordList<LargeFile>*>(model))
            large->toggleFirst([](const LargeFile& f) { return f.size == 4000; });
        if (auto* inst = dynamic_cast<RecordList<InstallerFile>*>(model))
            inst->toggleFirst([](const InstallerFile& f) { return f.size == 4000; });
        EXPECT_TRUE(button->isEnabled()) << type;
        EXPECT_EQ(button->property("text").toString(), qtTrId(move).arg(Fmt::bytes(4000)));
    }
}

TEST_F(ScreensTest, TheProtectedMessageNamesTwoActiveProjectsAndCountsTheOthers) {
    const std::pair<int, QString> cases[] = {
        {1, qtTrId("dev.protectedOne").arg("p0")},
        {2, qtTrId("dev.protectedMany").arg("p0, p1")},
        {3, qtTrId("dev.protectedMany").arg("p0, p1 +1")},
        {5, qtTrId("dev.protectedMany").arg("p0, p1 +3")},
    };
    for (const auto& [active, expected] : cases) {
        DeveloperScanResult result{{project("old", false)}};
        for (int i = 0; i < active; ++i)
            result.projects.push_back(project("p" + std::to_string(i), true));
        auto* shown = new DeveloperResultView(&owner);
        shown->show(result);
        auto view = make("DeveloperView { width: 380; height: 350; busy: false }");
        set(view.get(), "result", shown);
        EXPECT_EQ(text(view.get(), "protectedText"), expected) << active;
        EXPECT_FALSE(find(view.get(), "cleanButton")->isEnabled()) << "nothing ticked";
        EXPECT_EQ(text(view.get(), "cleanButton"), qtTrId("dev.selectPrompt"));
    }
}

TEST_F(ScreensTest, AProjectOpensToItsOutputsOneAtATimeAndItsTickShowsWhenOnlySomeAreTicked) {
    DeveloperScanResult result;
    for (const auto& [folder, place, ticked] :
         {std::tuple{"/h/a", "target", true}, {"/h/b", "build", true}, {"/h/a", "build", false}}) {
        DeveloperProject p = project(place, false, ticked);
        p.url = Path(folder) / place;
        p.project = folder;
        result.projects.push_back(p);
    }
    auto* shown = new DeveloperResultView(&owner);
    shown->show(result);
    auto view = make("DeveloperView { width: 380; height: 350; busy: false }");
    set(view.get(), "result", shown);
    QQuickItem* a = find(view.get(), "cleanable-0");
    EXPECT_TRUE(a->property("partial").toBool() && !a->property("checked").toBool());
    EXPECT_TRUE(find(view.get(), "cleanable-1")->property("checked").toBool());

    QMetaObject::invokeMethod(a, "clicked");
    EXPECT_TRUE(find(view.get(), "outputs-0")->isVisible());
    QMetaObject::invokeMethod(find(view.get(), "cleanable-1"), "clicked");
    EXPECT_FALSE(find(view.get(), "outputs-0")->isVisible()) << "one project open at a time";
    EXPECT_TRUE(find(view.get(), "outputs-1")->isVisible());
}

TEST_F(ScreensTest, XRayDetailReturnsToTheOverviewWhenItsCategoryGoes) {
    auto* categories = list<DiskCategory>(
        {category(FileKind::videos, 10'000'000'000), category(FileKind::images, 1000)});
    auto view = make("XRayView { width: 380; height: 350; busy: false }");
    set(view.get(), "categories", categories);
    QQuickItem* thin = find(view.get(), "share-images");
    ASSERT_TRUE(thin);
    EXPECT_EQ(thin->width(), 2) << "no part of the bar is narrower than 2 points";

    view->setProperty("selectedKind", "videos");
    EXPECT_TRUE(find(view.get(), "xrayDetail"));
    EXPECT_EQ(text(view.get(), "detailTitle"), qtTrId("kind.videos"));
    categories->removeAt(0);  // its last file went and its total reached 0
    EXPECT_EQ(view->property("screenState").toString(), "overview");
    EXPECT_TRUE(find(view.get(), "category-images"));
}

TEST_F(ScreensTest, WithAnEmptyTrashNoEraseButtonIsOfferedAndEraseAsksFirst) {
    QQuickWindow window;  // the dialog opens on a window's overlay, as wide as the panel
    window.resize(380, 560);
    auto view = make("ShredView { width: 380; height: 350; busy: false }");
    view->setParentItem(window.contentItem());
    set(view.get(), "items", list<Path>({"/t/a", "/t/b"}));
    QQuickItem* shred = find(view.get(), "shredButton");
    ASSERT_TRUE(shred);
    QMetaObject::invokeMethod(shred, "clicked");
    auto* dialog = view->findChild<QObject*>("shredConfirmation");
    ASSERT_TRUE(dialog && dialog->property("visible").toBool());
    EXPECT_TRUE(dialog->property("destructive").toBool());
    EXPECT_EQ(dialog->property("confirmText").toString(), qtTrId("shred.eraseCount", 2));
    QMetaObject::invokeMethod(dialog, "close");
    EXPECT_FALSE(state.isShredding()) << "cancelled: nothing was erased";
}

TEST_F(ScreensTest, SearchMatchesNamesWithoutCaseAndADropInspectsTheFirstApplicationOnly) {
    auto view = make("UninstallView { width: 380; height: 350; busy: false; target: null }");
    set(view.get(), "apps",
        list<InstalledApp>({{"Editor", "/a/e.desktop"},
                            {"SAFE Tool", "/a/s.desktop"},
                            {"Safari", "/a/f.desktop"}}));
    QQuickItem* apps = find(view.get(), "appList");
    ASSERT_TRUE(apps);
    for (const auto& [search, count] : {std::pair{"", 3}, {"saf", 2}, {"SAF", 2}, {"x", 0}}) {
        view->setProperty("search", search);
        EXPECT_EQ(apps->property("count").toInt(), count) << search;
    }

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
// however quick the walk (two scans that walk and hash; the installer listing is too quick).
TEST_F(ScreensTest, CancelInTheBusyStateStopsTheScanAndTheEarlierListStays) {
    const Path downloads = home.layout().downloads.value();
    writeFile(downloads / "a.deb", 5000);
    writeFile(downloads / "one.bin", 2'000'000);
    writeFile(downloads / "two.bin", 2'000'000);
    struct Case {
        const char* view;
        void (AppState::*scan)();
        std::function<std::size_t()> count;
        std::function<bool()> busy;
    };
    const Case cases[] = {
        {"DuplicatesView", &AppState::runDuplicateScan,
         [&] { return state.duplicateGroups().size(); },
         [&] { return state.isFindingDuplicates(); }},
        {"XRayView", &AppState::runDiskAnalysis,
         [&] {
             std::size_t files = 0;
             for (const auto& category : state.diskCategories())
                 files += static_cast<std::size_t>(category.fileCount);
             return files;
         },
         [&] { return state.isAnalyzing(); }},
    };
    for (const auto& c : cases) {
        auto view = make(QStringLiteral("%1 { width: 380; height: 420 }").arg(c.view).toUtf8());
        (state.*c.scan)();
        ASSERT_TRUE(waitUntil([&] { return !c.busy(); })) << c.view;
        const std::size_t earlier = c.count();
        ASSERT_GT(earlier, 0u) << c.view;

        writeFile(downloads / "b.deb", 6000);
        writeFile(downloads / "three.bin", 3'000'000, 'y');
        writeFile(downloads / "four.bin", 3'000'000, 'y');
        (state.*c.scan)();
        // A worker quick enough to answer before the operation returned has its answer taken at
        // once: nothing left to stop.
        if (!c.busy()) continue;
        QQuickItem* cancel = find(view.get(), "cancelButton");
        ASSERT_TRUE(cancel) << c.view;
        QMetaObject::invokeMethod(cancel, "clicked");
        ASSERT_TRUE(waitUntil([&] { return !c.busy(); })) << c.view;
        EXPECT_EQ(c.count(), earlier) << c.view;
        EXPECT_NE(view->property("screenState").toString(), "empty") << c.view;
        for (const char* name : {"b.deb", "three.bin", "four.bin"})
            std::filesystem::remove(downloads / name);
    }
}

TEST_F(ScreensTest, ChevronsMirrorRightToLeftAndOtherSymbolsDoNot) {
    auto row = make(
        "Item { LayoutMirroring.enabled: true; LayoutMirroring.childrenInherit: true\n"
        "  SymbolIcon { objectName: 'chevron'; symbol: 'chevron.right' }\n"
        "  SymbolIcon { objectName: 'trash'; symbol: 'trash' } }");
    EXPECT_TRUE(find(row.get(), "chevron")->property("mirrored").toBool());
    EXPECT_FALSE(find(row.get(), "trash")->property("mirrored").toBool());
    auto plain = make("SymbolIcon { symbol: 'chevron.right' }");
    EXPECT_FALSE(plain->property("mirrored").toBool());
}

}  // namespace
}  // namespace tornivo::app
