// Every screen of the panel in every language, at the panel's size, with sample data of
// realistic lengths: no text is cut short or runs out of its box, across or down. Names and
// paths, which the views mark `mayElide`, may end in an ellipsis. A failure names the language,
// the screen, the key the text came from and what went wrong, so that either the layout or the
// wording can be mended.

#include <QtQuickTest/quicktest.h>
#include <QQuickStyle>
#include <QRegularExpression>
#include <QtQml/QQmlExtensionPlugin>

#include <algorithm>
#include <functional>
#include <set>

#include "DeveloperResultView.h"
#include "PanelFixture.h"
#include "ScanResultView.h"
#include "TsTable.h"
#include "UninstallTargetView.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

const QString kTables = QStringLiteral(TORNIVO_SOURCE_DIR "/translations/tornivo_%1.ts");

// Which key a text on screen came from: every form of every text of the language's table (then
// of the English one), its placeholders standing for anything; the texts with the fewest
// placeholders are tried first.
class KeyFinder {
  public:
    explicit KeyFinder(const QString& code) {
        static const QRegularExpression placeholder(QStringLiteral(R"(\\%L?(n|[0-9]{1,2}))"));
        for (const QString& table : {code, QStringLiteral("en")})
            for (const auto& [key, message] : test::readTsTable(kTables.arg(table)).messages)
                for (const QString& form : message.forms) {
                    QString pattern = QRegularExpression::escape(form);
                    const auto holes = pattern.count(placeholder);
                    pattern.replace(placeholder, QStringLiteral(".*"));
                    patterns_.push_back({holes, key, QRegularExpression('^' + pattern + '$')});
                }
        std::stable_sort(patterns_.begin(), patterns_.end(),
                         [](const auto& a, const auto& b) { return a.holes < b.holes; });
    }
    QString keyOf(const QString& text) const {
        for (const auto& p : patterns_)
            if (p.pattern.match(text).hasMatch()) return p.key;
        return QStringLiteral("(no key)");
    }

  private:
    struct Pattern {
        qsizetype holes;
        QString key;
        QRegularExpression pattern;
    };
    std::vector<Pattern> patterns_;
};

// A screen in one of its states: its section, its view, the properties that put it there, the
// progress its busy state reports, and whether its notes (what a removal left, what a scan could
// not read) are shown.
struct Scene {
    const char* name;
    const char* section;
    const char* view;
    std::vector<std::pair<const char*, QVariant>> properties;
    QVariantMap progress = {};
    bool notes = false;
};

class TextFitTest : public PanelTest {
  protected:
    QQuickWindow* panel = nullptr;
    const Path home = "/home/alexandra";

    static TimePoint daysAgo(int days) { return Clock::now() - std::chrono::hours(24 * days); }
    static QVariant object(QObject* o) { return QVariant::fromValue(o); }

    // Lets the bindings, the layouts and the lists settle.
    void settle() {
        for (int round = 0; round < 4 && QQuickTest::qIsPolishScheduled(panel); ++round)
            if (!QQuickTest::qWaitForPolish(panel, 1000)) break;
    }
    // The scene's screen made afresh and put in its state.
    void show(const Scene& scene) {
        state.setSectionId(scene.section);
        QQuickItem* loader = find(panel, "sectionScreen");
        loader->setProperty("active", false);
        loader->setProperty("active", true);
        QQuickItem* screen = find(panel, scene.view);
        ASSERT_TRUE(screen) << scene.view;
        for (const auto& [name, value] : scene.properties) screen->setProperty(name, value);
        // The notes and the busy state say what AppState holds unless told otherwise.
        const QVariantMap outcome{{"left", 3},
                                  {"reasons", QVariantMap{{"changed", 1}, {"busy", 2}}}};
        const QVariantMap unread{{"unread", 12},
                                 {"refused", QVariantList{"~/Private"}},
                                 {"folders", QVariantList{"~/.local/share/containers"}}};
        const std::tuple<bool, const char*, const char*, QVariantMap> around[] = {
            {scene.notes, "outcomeText", "outcome", outcome},
            {scene.notes, "unreadText", "report", unread},
            {!scene.progress.isEmpty(), "busyText", "progress", scene.progress}};
        for (const auto& [wanted, name, property, value] : around)
            if (QQuickItem* item = wanted ? find(screen, name) : nullptr)
                item->parentItem()->setProperty(property, value);
        settle();
    }

    // The screens in their main states, with sample data of realistic lengths.
    std::vector<Scene> scenes() {
        auto* junk = new ScanResultView(&owner);
        ScanResult found{{}, Clock::now()};
        for (const auto& [path, size] :
             {std::pair{".cache/mozilla", 1'840'000'000}, {".cache/thumbnails", 412'000'000}})
            found.items.push_back(
                {Uuid::random(), home / path, size, CleanCategory::appCache, true, {}});
        found.items.push_back({Uuid::random(),
                               "/var/log/Xorg.0.log.old",
                               48'000'000,
                               CleanCategory::systemLogs,
                               true,
                               {}});
        junk->show(found);

        auto* projects = new DeveloperResultView(&owner);
        DeveloperScanResult developer;
        for (const auto& [name, size, days] : {std::tuple{"LegacyBank-iOS", 9'400'000'000, 96},
                                               {"PhotoEditor", 6'800'000'000, 61},
                                               {"old-prototype", 3'100'000'000, 140},
                                               {"Tornivo", 2'200'000'000, 1}})
            developer.projects.push_back({Uuid::random(),
                                          name,
                                          home / "Developer" / name / "build",
                                          size,
                                          daysAgo(days),
                                          days < 7,
                                          days >= 7,
                                          {}});
        projects->show(developer);

        std::vector<DiskCategory> kinds;
        for (const auto& [kind, size, count] : {std::tuple{FileKind::videos, 48'400'000'000, 214},
                                                {FileKind::developer, 22'100'000'000, 5120},
                                                {FileKind::images, 17'600'000'000, 8940},
                                                {FileKind::documents, 9'300'000'000, 3410},
                                                {FileKind::archives, 6'800'000'000, 142},
                                                {FileKind::audio, 4'200'000'000, 1020},
                                                {FileKind::other, 12'500'000'000, 6300}})
            kinds.push_back({kind, size, count, {}});
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

        auto group = [this](ByteCount size, std::vector<const char*> paths) {
            DuplicateGroup g{Uuid::random(), std::string(64, 'a'), size, {}, {}};
            for (const char* path : paths) g.files.push_back(home / path);
            return g;
        };
        std::vector<LargeFile> large;
        for (const auto& [path, size, days] :
             {std::tuple{"Videos/Trip 2023 — Master.mov", 8'900'000'000, 210},
              {"Downloads/Xcode_15.4.xip", 7'100'000'000, 95},
              {"Documents/VM/ubuntu.qcow2", 5'400'000'000, 160},
              {"Downloads/dataset-2022.zip", 3'300'000'000, 300}})
            large.push_back({Uuid::random(), home / path, size, daysAgo(days), days == 95, {}});

        auto* gimp = new UninstallTargetView(&owner);
        UninstallTarget target{"/usr/share/applications/org.gimp.GIMP.desktop",
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
            target.leftovers.push_back(
                {Uuid::random(), home / path, size, kind, byName, !byName, {}});
        gimp->show(target);

        const QVariantMap walking{{"files", 48213},
                                  {"folder", "~/Pictures/Holidays 2023/Italy — Rome/raw"}};
        const QVariantMap comparing{
            {"files", 1822}, {"bytesDone", 1'400'000'000.0}, {"bytesTotal", 5'200'000'000.0}};
        const QVariant none = object(list<Path>({}));
        const QVariant firstTask =
            QStringList{state.tuneUpActionList().value(0).toMap().value("id").toString()};
        return {
            {"clean, idle", "clean", "cleanView", {}},
            {"clean, scanning", "clean", "cleanView", {{"scanning", true}}},
            {"clean, results", "clean", "cleanView", {{"result", object(junk)}}},
            {"clean, cleaning", "clean", "cleanView", {{"cleaning", true}}},
            {"clean, cleaned",
             "clean",
             "cleanView",
             {{"freed", 2'568'000'000.0}, {"skipped", QStringList{"Firefox", "Thunderbird"}}},
             {},
             true},
            {"tune-up", "tuneup", "tuneUpView", {{"running", firstTask}}},
            {"developer, idle", "developer", "developerView", {}},
            {"developer, busy", "developer", "developerView", {{"busy", true}}, walking},
            {"developer, result",
             "developer",
             "developerView",
             {{"result", object(projects)}},
             {},
             true},
            {"developer, cleaned",
             "developer",
             "developerView",
             {{"freed", 19'300'000'000.0}},
             {},
             true},
            {"x-ray, empty", "xray", "xrayView", {{"categories", none}}, {}, true},
            {"x-ray, busy",
             "xray",
             "xrayView",
             {{"busy", true}, {"fileCount", 48213}, {"folder", walking.value("folder")}}},
            {"x-ray, overview",
             "xray",
             "xrayView",
             {{"categories", object(list(kinds))}},
             {},
             true},
            {"x-ray, detail",
             "xray",
             "xrayView",
             {{"categories", object(list(kinds))},
              {"selectedKind", "videos"},
              {"detailFiles", object(list(videos))}},
             {},
             true},
            {"duplicates, empty", "duplicates", "duplicatesView", {{"groups", none}}, {}, true},
            {"duplicates, busy", "duplicates", "duplicatesView", {{"busy", true}}, comparing},
            {"duplicates, groups",
             "duplicates",
             "duplicatesView",
             {{"groups", object(list<DuplicateGroup>(
                             {group(4'800'000, {"Pictures/Camera/IMG_20230814_183522.jpg",
                                                "Pictures/Backup 2023/IMG_20230814_183522.jpg",
                                                "Downloads/IMG_20230814_183522.jpg"}),
                              group(2'300'000, {"Documents/Quarterly report — final.pdf",
                                                "Desktop/Quarterly report — final.pdf"})}))}},
             {},
             true},
            {"large files, empty", "large", "largeFilesView", {{"files", none}}, {}, true},
            {"large files, busy", "large", "largeFilesView", {{"busy", true}}, walking},
            {"large files, list",
             "large",
             "largeFilesView",
             {{"files", object(list(large))}},
             {},
             true},
            {"installers, empty", "installers", "installerView", {{"files", none}}, {}, true},
            {"installers, list",
             "installers",
             "installerView",
             {{"files", object(list<InstallerFile>(
                            {{Uuid::random(),
                              home / "Downloads/google-chrome-stable_current_amd64.deb",
                              112'000'000,
                              "deb",
                              "Google Chrome",
                              true,
                              {}},
                             {Uuid::random(),
                              home / "Downloads/VSCode-linux-x64-1.85.1.tar.gz",
                              146'000'000,
                              "gz",
                              std::nullopt,
                              false,
                              {}}}))}},
             {},
             true},
            {"uninstall, applications",
             "uninstall",
             "uninstallView",
             {{"apps",
               object(list<InstalledApp>(
                   {{"GNU Image Manipulation Program", "/usr/share/applications/gimp.desktop"},
                    {"LibreOffice Writer", "/usr/share/applications/writer.desktop"}}))}},
             {},
             true},
            {"uninstall, inspecting", "uninstall", "uninstallView", {{"busy", true}}},
            {"uninstall, leftovers", "uninstall", "uninstallView", {{"target", object(gimp)}}},
            {"shred, empty", "shred", "shredView", {{"items", none}}, {}, true},
            {"shred, listed",
             "shred",
             "shredView",
             {{"items", object(list<Path>({home / ".local/share/Trash/files/old-backup.tar",
                                           home / ".local/share/Trash/files/notes.txt"}))},
              {"bytes", 2'400'000'000.0}},
             {},
             true},
            {"shred, erasing",
             "shred",
             "shredView",
             {{"busy", true}},
             {{"bytesDone", 900'000'000.0}, {"bytesTotal", 2'400'000'000.0}}},
            {"shred, erased",
             "shred",
             "shredView",
             {{"outcome", QVariantMap{{"count", 128}, {"bytes", 2'400'000'000.0}}}},
             {},
             true},
            {"settings", "settings", "settingsView", {}},
        };
    }

    // The texts below `item` that are cut short or leave their box, with what is wrong.
    void misfits(QQuickItem* item, const std::function<void(QQuickItem*, QString)>& report) {
        for (QQuickItem* child : item->childItems()) {
            if (!child->isVisible() || child->opacity() == 0) continue;
            if (child->inherits("QQuickText") || child->inherits("QQuickTextInput")) {
                const QString why = misfit(child);
                if (!why.isEmpty()) report(child, why);
            }
            misfits(child, report);
        }
    }
    QString misfit(QQuickItem* text) const {
        // Symbols are drawn from a font but are no words; names and paths may be cut.
        if (text->property("text").toString().trimmed().isEmpty() ||
            text->property("symbol").isValid() || text->property("mayElide").toBool())
            return {};
        const auto number = [text](const char* name) { return text->property(name).toReal(); };
        const qreal width = text->width() - number("leftPadding") - number("rightPadding");
        const qreal height = text->height() - number("topPadding") - number("bottomPadding");
        if (text->property("truncated").toBool()) return QStringLiteral("cut short");
        if (number("contentWidth") > width + 1)
            return QStringLiteral("%1 wide in %2").arg(number("contentWidth")).arg(width);
        if (number("contentHeight") > height + 1)
            return QStringLiteral("%1 high in %2").arg(number("contentHeight")).arg(height);
        // A wrapped text given lines it does not fill: measured at another width than its own.
        if (text->property("wrapMode").toInt() != 0 &&
            height > number("contentHeight") + text->property("font").value<QFont>().pixelSize())
            return QStringLiteral("%1 high for a text of %2")
                .arg(height)
                .arg(number("contentHeight"));
        // Its box inside its parent's, inside what clips it and inside the panel; a list that
        // scrolls that way lets its rows run on.
        const QRectF box = text->mapRectToScene(QRectF(0, 0, text->width(), text->height()));
        QRectF bounds(-1e6, -1e6, 2e6, 2e6);
        bool across = true, down = true;
        const auto keepWithin = [&](const QRectF& area) {
            if (across) bounds.setLeft(std::max(bounds.left(), area.left()));
            if (across) bounds.setRight(std::min(bounds.right(), area.right()));
            if (down) bounds.setTop(std::max(bounds.top(), area.top()));
            if (down) bounds.setBottom(std::min(bounds.bottom(), area.bottom()));
        };
        for (QQuickItem* p = text->parentItem(); p; p = p->parentItem()) {
            const bool flickable = p->inherits("QQuickFlickable");
            if (flickable) {
                across = across && p->property("contentWidth").toReal() <= p->width() + 1;
                down = down && p->property("contentHeight").toReal() <= p->height() + 1;
            }
            const bool parent = p == text->parentItem() && p->width() > 0 && p->height() > 0;
            if (flickable || p->clip() || parent)
                keepWithin(p->mapRectToScene(QRectF(0, 0, p->width(), p->height())));
        }
        keepWithin(QRectF(0, 0, panel->width(), panel->height()));
        if (!bounds.adjusted(-1, -1, 1, 1).contains(box)) return QStringLiteral("leaves its box");
        return {};
    }
};

TEST_F(TextFitTest, EveryTextFitsItsBoxOnEveryScreenInEveryLanguage) {
    QQuickStyle::setStyle(QStringLiteral("Fusion"));  // the application's style
    panel = openPanel();
    ASSERT_TRUE(panel);
    ASSERT_EQ(panel->width(), 380);
    // The settings with every row they can show.
    state.exclusions()->add(home / "Documents/Tax returns/2019 — 2023 scans");
    state.schedule()->setProperty("interval", "weekly");
    const std::vector<Scene> scenes = this->scenes();
    QStringList failures;
    for (const auto& language : LocalizationManager::table()) {
        const QString code = QString::fromUtf8(language.code);
        l10n.setCode(code);
        const KeyFinder keys(code.toLower());
        // The longest advice the strip shows.
        find(panel, "suggestionStrip")
            ->setProperty(
                "advice",
                QVariantMap{
                    {"icon", "opticaldiscdrive.fill"},
                    {"message", qtTrId("suggest.installers", 3).arg(Fmt::bytes(1'240'000'000))},
                    {"actionLabel", qtTrId("suggest.review")},
                    {"action", "openInstallers"}});
        std::set<QString> seen;
        for (const Scene& scene : scenes) {
            show(scene);
            misfits(panel->contentItem(), [&](QQuickItem* item, const QString& why) {
                const QString text = item->property("text").toString();
                const QString line = code + "  " + keys.keyOf(text) + "  \"" + text + "\": " + why;
                if (seen.insert(keys.keyOf(text) + why).second)
                    failures << line + "  (" + scene.name + ")";
            });
        }
    }
    EXPECT_TRUE(failures.isEmpty())
        << failures.size() << " texts do not fit:\n  " << failures.join("\n  ").toStdString();
}

}  // namespace
}  // namespace tornivo::app
