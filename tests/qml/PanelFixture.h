#pragma once
// The panel's views driven offscreen: every shared object they use, on a temporary home, in
// English; the panel loaded as the application loads it, or one view made from QML text; every
// screen in its main states over the sample data the screenshot mode shows. Every QML warning
// fails the test.

#include <gtest/gtest.h>

#include <QtQuickTest/quicktest.h>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "AppState.h"
#include "Autostart.h"
#include "DeveloperResultView.h"
#include "FileImages.h"
#include "Fmt.h"
#include "FolderChooser.h"
#include "LocalizationManager.h"
#include "QtWait.h"
#include "RecordRoles.h"
#include "ScanResultView.h"
#include "ScreenshotExporter.h"
#include "SoundManager.h"
#include "TempHome.h"
#include "ThemeManager.h"
#include "TrayDetector.h"
#include "TrayShell.h"
#include "UninstallTargetView.h"

namespace tornivo::app {

using namespace tornivo::test;

// Plays nothing: the cues are no business of these tests.
class SilentPlayer : public SoundPlayer {
  public:
    void play(SoundCue, const char*) override {}
    void cancel(SoundCue) override {}
};

// Stands in for the desktop portal, which never answers here.
class SilentPortal : public FolderPortal {
  public:
    void chooseFolders(const QString&, const QString&, const QString&) override {}
};

// A screen in one of its states ("section/screenState"; the section alone for a screen of one
// state), the properties that put it there over the sample AppState holds, the progress its busy
// state reports, and texts it derives (by item name).
struct Scene {
    const char* screen;
    std::vector<std::pair<const char*, QVariant>> properties;
    QVariantMap progress = {};
    std::vector<std::pair<const char*, QString>> texts = {};
};

// Every shared object the views use, on a temporary home, in English; the panel loaded as the
// application loads it, every QML warning recorded.
class PanelTest : public ::testing::Test {
  protected:
    TempHome home;
    std::shared_ptr<PreferencesStore> store = [this] {
        auto s = std::make_shared<PreferencesStore>(home.layout().settingsFile);
        s->set(LocalizationManager::kKey, "en");
        return s;
    }();
    LocalizationManager l10n{*store};
    ThemeManager theme{*store};
    AppState state{home.layout(), store};
    SoundManager sound{[this] { return state.soundEnabled(); }, std::make_unique<SilentPlayer>()};
    TrayDetector noTray{[] { return false; }};
    TrayShell shell{state, noTray};
    FolderChooser chooser{*state.exclusions(), std::make_unique<SilentPortal>()};
    Autostart autostart{AutostartFolder(home.layout().configHome / "autostart", TORNIVO_APP_ID,
                                        runningExecutable())};
    QQmlApplicationEngine engine;
    QStringList warnings;
    QObject owner;  // of the lists and views made by the tests

    template <class T>
    RecordList<T>* list(std::vector<T> rows) {
        auto* model = new RecordList<T>(&owner);
        model->replace(std::move(rows));
        return model;
    }

    // The shared objects the views reach, or none.
    void share(bool on) {
        LocalizationManager::setShared(on ? &l10n : nullptr);
        ThemeManager::setShared(on ? &theme : nullptr);
        SoundManager::setShared(on ? &sound : nullptr);
        AppState::setInstance(on ? &state : nullptr);
        TrayShell::setInstance(on ? &shell : nullptr);
        FolderChooser::setInstance(on ? &chooser : nullptr);
        Autostart::setInstance(on ? &autostart : nullptr);
    }
    void SetUp() override {
        share(true);
        state.setCuePlayer(sound.cuePlayer());
        l10n.attach(&engine);
        FileImages::install(&engine);
        engine.addImportPath(QStringLiteral("qrc:/"));
        QObject::connect(&engine, &QQmlEngine::warnings, [this](const QList<QQmlError>& list) {
            for (const auto& w : list) warnings << w.toString();
        });
    }
    void TearDown() override {
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
        share(false);
    }

    QQuickWindow* panel = nullptr;  // once opened
    // The panel, shown offscreen; whether it was.
    bool openPanel() {
        engine.load(QUrl(QStringLiteral("qrc:/Tornivo/PopoverRootView.qml")));
        panel = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
        if (panel) panel->show();
        return panel && QTest::qWaitForWindowExposed(panel);
    }
    // One view made from QML text.
    std::unique_ptr<QQuickItem> make(const QByteArray& qml) {
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Tornivo\n" + qml, QUrl("qrc:/PanelTestView.qml"));
        std::unique_ptr<QQuickItem> item(qobject_cast<QQuickItem*>(component.create()));
        EXPECT_TRUE(item) << component.errorString().toStdString();
        return item;
    }
    // The first item of that name below `root`, along the visual tree (items made by a Repeater
    // have no QObject parent to be found by).
    static QQuickItem* find(QObject* root, const char* name) {
        auto* window = qobject_cast<QQuickWindow*>(root);
        QQuickItem* item = window ? window->contentItem() : qobject_cast<QQuickItem*>(root);
        for (QQuickItem* child : item ? item->childItems() : QList<QQuickItem*>()) {
            if (child->objectName() == QLatin1String(name)) return child;
            if (QQuickItem* found = find(child, name)) return found;
        }
        return nullptr;
    }
    // The text of the item of that name below `view`, or a word for its absence.
    static QString text(QQuickItem* view, const char* name) {
        QQuickItem* item = find(view, name);
        return item ? item->property("text").toString() : QStringLiteral("<no %1>").arg(name);
    }
    // The panel on the settings, once they are laid out.
    bool openSettings() {
        state.setSection(Section::settings);
        return openPanel() && waitUntil([&] { return find(panel, "card-about") != nullptr; });
    }
    // Scrolls the settings until `item` is in sight, as a person would before clicking it.
    static QQuickItem* reveal(QQuickWindow* panel, QQuickItem* item) {
        auto* flickable = find(panel, "settingsView")->property("contentItem").value<QQuickItem*>();
        if (!item || !flickable) return item;
        const qreal y =
            item->mapToItem(flickable->property("contentItem").value<QQuickItem*>(), QPointF(0, 0))
                .y();
        flickable->setProperty("contentY", std::max(0.0, y - 100));
        QTest::qWait(20);
        return item;
    }
    static void click(QQuickWindow* window, QQuickItem* item) {
        ASSERT_TRUE(item && item->isVisible());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          item->mapToScene({item->width() / 2, item->height() / 2}).toPoint());
    }

    // The screenshot mode's sample in AppState, one large file ticked, and the settings with
    // every row they can show.
    void fillSample() {
        ScreenshotExporter::populate(state, Clock::now());
        state.toggleSelection(state.largeFiles().at(1));
        state.exclusions()->add(home / "Documents/Tax returns/2019 — 2023 scans");
        state.schedule()->setProperty("interval", "weekly");
    }
    // Lets the bindings, the layouts and the lists settle.
    static void settle(QQuickWindow* panel) {
        for (int round = 0; round < 4 && QQuickTest::qIsPolishScheduled(panel); ++round)
            if (!QQuickTest::qWaitForPolish(panel, 1000)) break;
    }
    // The scene's screen made afresh on the panel and put in its state, with the notes (what a
    // removal left, what a scan could not read) it can show.
    QQuickItem* show(QQuickWindow* panel, const Scene& scene) {
        state.setSectionId(QString::fromLatin1(scene.screen).section('/', 0, 0));
        QQuickItem* loader = find(panel, "sectionScreen");
        loader->setProperty("active", false);
        loader->setProperty("active", true);
        auto* screen = loader->property("item").value<QQuickItem*>();
        for (const auto& [name, value] : scene.properties) QQmlProperty(screen, name).write(value);
        const QVariantMap outcome{{"left", 3},
                                  {"reasons", QVariantMap{{"changed", 1}, {"busy", 2}}}};
        const QVariantMap unread{{"unread", 12},
                                 {"refused", QVariantList{"~/Private"}},
                                 {"folders", QVariantList{"~/.local/share/containers"}}};
        const std::tuple<const char*, const char*, QVariantMap> around[] = {
            {"outcomeText", "outcome", outcome},
            {"unreadText", "report", unread},
            {"busyText", "progress", scene.progress}};
        for (const auto& [name, property, value] : around)
            if (QQuickItem* item = value.isEmpty() ? nullptr : find(screen, name))
                item->parentItem()->setProperty(property, value);
        settle(panel);
        return screen;
    }

    // The screens in their main states, with sample data of realistic lengths; where a state
    // goes before others, the others' data is there too.
    std::vector<Scene> scenes() {
        const Path home = state.layout().home;
        const auto object = [](QObject* o) { return QVariant::fromValue(o); };
        const auto daysAgo = [](int days) { return Clock::now() - std::chrono::hours(24 * days); };
        auto* found = new ScanResultView(&owner);
        ScanResult junk{{}, Clock::now()};
        for (const auto& [path, size, category] :
             {std::tuple{".cache/mozilla", 1'840'000'000, CleanCategory::appCache},
              {"/var/log/Xorg.0.log.old", 48'000'000, CleanCategory::systemLogs}})
            junk.items.push_back({Uuid::random(), home / path, size, category, true, {}});
        found->show(junk);

        auto* noJunk = new DeveloperResultView(&owner);
        DeveloperScanResult activeOnly = *state.developerResult();
        std::erase_if(activeOnly.projects, [](const auto& p) { return !p.isActive; });
        noJunk->show(activeOnly);

        std::vector<DiskFile> videos;
        const std::tuple<const char*, int, FileAdvice> advised[] = {
            {"Videos/Trip 2023 — Master.mov", 210, FileAdvice::stale(daysAgo(210))},
            {"Downloads/ubuntu-24.04-desktop-amd64.iso", 30,
             FileAdvice::of(FileAdvice::Case::installer)},
            {"Videos/Screen recording 2024-02-11.webm", 12, FileAdvice::of(FileAdvice::Case::huge)},
            {".cache/yarn/npm-typescript.tgz", 5, FileAdvice::of(FileAdvice::Case::cacheJunk)},
            {"Developer/PhotoEditor/build/app.o", 3,
             FileAdvice::of(FileAdvice::Case::buildArtifact)}};
        for (const auto& [path, days, advice] : advised)
            videos.push_back(
                {Uuid::random(), home / path, 2'400'000'000, daysAgo(days), advice, {}});

        auto group = [&](ByteCount size, std::vector<const char*> paths) {
            DuplicateGroup g{Uuid::random(), std::string(64, 'a'), size, {}, {}};
            for (const char* path : paths) g.files.push_back(home / path);
            return g;
        };
        const QVariant groups = object(
            list<DuplicateGroup>({group(4'800'000, {"Pictures/Camera/IMG_20230814_183522.jpg",
                                                    "Pictures/Backup 2023/IMG_20230814_183522.jpg",
                                                    "Downloads/IMG_20230814_183522.jpg"}),
                                  group(2'300'000, {"Documents/Quarterly report — final.pdf",
                                                    "Desktop/Quarterly report — final.pdf"})}));
        auto installer = [&](const char* path, ByteCount size, const char* kind,
                             std::optional<std::string> app) {
            return InstallerFile{Uuid::random(), home / path, size, kind, app, app.has_value(), {}};
        };
        const QVariant installers = object(
            list<InstallerFile>({installer("Downloads/google-chrome-stable_current_amd64.deb",
                                           112'000'000, "deb", "Google Chrome"),
                                 installer("Downloads/VSCode-linux-x64-1.85.1.tar.gz", 146'000'000,
                                           "gz", std::nullopt)}));
        const QVariant apps = object(list<InstalledApp>(
            {{"GNU Image Manipulation Program", "/usr/share/applications/gimp.desktop"}}));

        auto* gimp = new UninstallTargetView(&owner);
        UninstallTarget plan{"/usr/share/applications/org.gimp.GIMP.desktop",
                             "GNU Image Manipulation Program",
                             "org.gimp.GIMP",
                             312'000'000,
                             {},
                             AppRemoval::systemManaged,
                             {},
                             ""};
        for (const auto& [path, size, kind, byName] :
             {std::tuple{".config/GIMP/2.10", 18'000'000, LeftoverKind::preferences, false},
              {".cache/gimp", 240'000'000, LeftoverKind::cache, false},
              {".local/share/gimp-plugins", 6'000'000, LeftoverKind::support, true}})
            plan.leftovers.push_back(
                {Uuid::random(), home / path, size, kind, byName, !byName, {}});
        gimp->show(plan);

        const QVariantMap walking{{"files", 48213},
                                  {"folder", "~/Pictures/Holidays 2023/Italy — Rome/raw"}};
        const QVariantMap comparing{
            {"files", 1822}, {"bytesDone", 1'400'000'000.0}, {"bytesTotal", 5'200'000'000.0}};
        const QVariantMap erasing{{"bytesDone", 900'000'000.0}, {"bytesTotal", 2'400'000'000.0}};
        const QVariant none = object(list<Path>({})), null = object(nullptr), yes = true;
        const QVariant result = object(found), target = object(gimp);
        const QVariant folder = walking["folder"], detail = object(list(videos));
        const QVariant trash = object(list<Path>({home / ".local/share/Trash/files/old-backup.tar",
                                                  home / ".local/share/Trash/files/notes.txt"}));
        const QVariant erased = QVariantMap{{"count", 128}, {"bytes", 2'400'000'000.0}};
        const QVariant firstTask =
            QStringList{state.tuneUpActionList().value(0).toMap().value("id").toString()};
        const QVariant freed = 19'300'000'000.0, skipped = QStringList{"Firefox", "Thunderbird"};
        return {
            {"clean/idle", {}},
            {"clean/scanning", {{"scanning", yes}, {"result", result}}},
            {"clean/results", {{"result", result}, {"freed", freed}}},
            {"clean/cleaning", {{"cleaning", yes}, {"scanning", yes}, {"result", result}}},
            // A clean that freed nothing has cleaned all the same.
            {"clean/cleaned", {{"freed", 0.0}, {"skipped", skipped}}},
            {"tuneup", {{"running", firstTask}}},
            {"developer/idle", {{"result", null}}},
            {"developer/busy", {{"busy", yes}}, walking},
            {"developer/result", {{"freed", freed}}},
            {"developer/result", {{"result", object(noJunk)}}},
            {"developer/cleaned", {{"result", null}, {"freed", freed}}},
            {"xray/empty", {{"categories", none}}},
            {"xray/busy", {{"busy", yes}, {"fileCount", 48213}, {"folder", folder}}},
            {"xray/overview", {}},
            {"xray/detail", {{"selectedKind", "videos"}, {"detailFiles", detail}}},
            {"duplicates/empty", {{"groups", none}}},
            {"duplicates/busy", {{"busy", yes}, {"groups", groups}}, comparing},
            {"duplicates/content",
             {{"groups", groups}},
             {},
             {{"copies", qtTrId("dup.copies", 3)},
              {"eachSave",
               qtTrId("dup.eachSave").arg(Fmt::bytes(4'800'000), Fmt::bytes(9'600'000))},
              {"reclaimable", qtTrId("dup.reclaimable").arg(Fmt::bytes(11'900'000))}}},
            {"large/empty", {{"files", none}}},
            {"large/busy", {{"busy", yes}}, walking},
            {"large/content", {}},
            {"installers/empty", {{"files", none}}},
            {"installers/busy", {{"busy", yes}, {"files", installers}}},
            {"installers/content", {{"files", installers}}},
            {"uninstall/picker", {{"apps", apps}}},
            {"uninstall/inspecting", {{"busy", yes}, {"target", target}}},
            {"uninstall/results",
             {{"target", target}},
             {},
             {{"removalNote", qtTrId("un.systemManaged")},
              {"matchLabel", qtTrId("un.matchedSafe")}}},
            {"shred/empty", {{"items", none}}},
            {"shred/listed", {{"items", trash}, {"bytes", 2'400'000'000.0}}},
            {"shred/shredding", {{"busy", yes}, {"items", trash}}, erasing},
            {"shred/outcome", {{"outcome", erased}, {"items", trash}}},
            {"settings", {}},
        };
    }
};

}  // namespace tornivo::app
