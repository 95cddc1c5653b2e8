// How the panel's screens hold up on a big home, measured in the panel itself (offscreen, drawn
// by the software renderer as the application draws it):
//
//   tornivo-bench-screens xray HOME     the X-Ray screen while it walks HOME: the longest gap
//                                       between ticks of a 5 ms timer on the main thread and
//                                       between frames (the busy ring turns all along), and the
//                                       resident memory before the walk and after it
//   tornivo-bench-screens lists HOME    the X-Ray detail list and the duplicates list of HOME:
//                                       how many rows and pictures exist after opening each list
//                                       and after scrolling it from end to end, against the
//                                       rows listed
//
// The tray and the sounds of the user are not touched; the settings file is the one the XDG
// variables lead to (bench/run-screens.sh points them at a scratch folder).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

#include "AppState.h"
#include "FileImages.h"
#include "LocalizationManager.h"
#include "SoundManager.h"
#include "ThemeManager.h"
#include "TrayDetector.h"
#include "TrayShell.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace {

using namespace tornivo;
using namespace tornivo::app;

double residentMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) * 1024 / 1e6;
    return 0;
}

// Runs the event loop until `done` holds (checked every 10 ms) or `seconds` pass. The loop
// sleeps between events as the application's does: spinning here would take a core from the
// walk and measure the benchmark instead of the panel.
bool waitFor(const std::function<bool()>& done, int seconds) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > seconds * 1000) loop.quit();
    });
    poll.start(10);
    if (!done()) loop.exec();
    return done();
}

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    waitFor([&] { return clock.elapsed() >= ms; }, ms / 1000 + 1);
}

// Processor time the calling thread has used, in seconds.
double threadCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The items below `item` whose object name starts with `prefix`, along the visual tree.
int countItems(QQuickItem* item, const QString& prefix, bool visibleOnly = false) {
    int n = 0;
    for (QQuickItem* child : item->childItems()) {
        if (child->objectName().startsWith(prefix) && (!visibleOnly || child->isVisible())) ++n;
        n += countItems(child, prefix, visibleOnly);
    }
    return n;
}
QQuickItem* findItem(QQuickItem* item, const QString& name) {
    for (QQuickItem* child : item->childItems()) {
        if (child->objectName() == name) return child;
        if (QQuickItem* found = findItem(child, name)) return found;
    }
    return nullptr;
}

// The longest time between two calls of `tick`, after the first.
struct GapMeter {
    QElapsedTimer clock;
    qint64 last = -1, longest = 0, count = 0;
    void tick() {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0) longest = std::max(longest, now - last);
        last = now;
        ++count;
    }
    double longestMs() const { return longest / 1e6; }
};

int measureXRay(AppState& state, QQuickWindow* panel) {
    state.setSection(Section::xray);
    settle(2000);
    const double idle = residentMB();
    GapMeter ticks, frames;
    ticks.clock.start();
    frames.clock.start();
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] { ticks.tick(); });
    auto link = QObject::connect(panel, &QQuickWindow::frameSwapped, [&] { frames.tick(); });
    QElapsedTimer walk;
    walk.start();
    const double cpuBefore = threadCpuSeconds();
    timer.start();
    state.runDiskAnalysis();
    const bool done = waitFor([&] { return !state.isAnalyzing(); }, 900);
    const double seconds = walk.elapsed() / 1e3;
    const double cpu = threadCpuSeconds() - cpuBefore;
    timer.stop();
    QObject::disconnect(link);
    settle(2000);
    const double after = residentMB();
    std::printf("X-Ray walk of %lld files: %.2f s%s\n",
                static_cast<long long>(state.analysisFileCount()), seconds,
                done ? "" : " (did not finish)");
    std::printf("main thread, longest gap between 5 ms ticks: %.1f ms (%lld ticks)\n",
                ticks.longestMs(), static_cast<long long>(ticks.count));
    std::printf("longest gap between frames: %.1f ms (%lld frames)\n", frames.longestMs(),
                static_cast<long long>(frames.count));
    std::printf("main thread busy %.2f s of the walk's %.2f s\n", cpu, seconds);
    std::printf("resident memory: idle %.1f MB, after the walk %.1f MB (+%.1f MB)\n", idle, after,
                after - idle);
    return done ? 0 : 1;
}

// Rows and pictures of a list when it opens and after it was scrolled from end to end.
void reportList(const char* what, QQuickItem* root, QQuickItem* list, const QString& rowPrefix,
                int listed) {
    auto* view = qobject_cast<QQuickItem*>(list);
    settle(1500);
    const int rows = countItems(root, rowPrefix), pictures = countItems(root, "picture");
    int mostRows = rows, mostPictures = pictures;
    const qreal end = view->property("contentHeight").toReal() - view->height();
    for (qreal y = 0; y <= end; y += view->height() / 2) {
        view->setProperty("contentY", y);
        settle(60);
        mostRows = std::max(mostRows, countItems(root, rowPrefix));
        mostPictures = std::max(mostPictures, countItems(root, "picture"));
    }
    std::printf(
        "%s: %d listed; on opening %d rows and %d pictures made; scrolling from end to "
        "end, at most %d rows and %d pictures at once\n",
        what, listed, rows, pictures, mostRows, mostPictures);
}

int measureLists(AppState& state, QQuickWindow* panel) {
    QQuickItem* root = panel->contentItem();
    state.setSection(Section::xray);
    settle(500);
    state.runDiskAnalysis();
    if (!waitFor([&] { return !state.isAnalyzing(); }, 300)) return 1;
    // The kind with the most listed files.
    QString kind;
    std::size_t most = 0;
    for (const auto& c : state.diskCategories())
        if (c.files.size() > most) {
            most = c.files.size();
            kind = QString::fromUtf8(rawValue(c.kind).data());
        }
    settle(300);
    QQuickItem* row = findItem(root, "category-" + kind);
    if (!row) return std::fprintf(stderr, "no category row for %s\n", qPrintable(kind)), 1;
    QMetaObject::invokeMethod(row, "clicked");
    if (!waitFor([&] { return findItem(root, "fileList") != nullptr; }, 5)) return 1;
    reportList(qPrintable("X-Ray detail (" + kind + ")"), root, findItem(root, "fileList"), "file-",
               static_cast<int>(most));

    state.setSection(Section::duplicates);
    settle(300);
    state.runDuplicateScan();
    if (!waitFor([&] { return !state.isFindingDuplicates(); }, 300)) return 1;
    int copies = 0;
    for (const auto& g : state.duplicateGroups()) copies += static_cast<int>(g.files.size());
    if (!waitFor([&] { return findItem(root, "groupList") != nullptr; }, 5)) return 1;
    reportList(qPrintable(QStringLiteral("duplicates (%1 groups, %2 copies)")
                              .arg(state.duplicateGroups().size())
                              .arg(copies)),
               root, findItem(root, "groupList"), "copy-", copies);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 || (std::string(argv[1]) != "xray" && std::string(argv[1]) != "lists")) {
        std::fprintf(stderr, "usage: %s xray|lists HOME\n", argv[0]);
        return 2;
    }
    // The XDG folders stay as the environment gives them: run-screens.sh keeps them out of the
    // shared trees.
    qputenv("HOME", argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));

    Layout layout = Layout::currentUser();
    auto store = std::make_shared<PreferencesStore>(layout.settingsFile);
    store->set(LocalizationManager::kKey, "en");
    LocalizationManager l10n(*store);
    LocalizationManager::setShared(&l10n);
    ThemeManager theme(*store);
    ThemeManager::setShared(&theme);
    AppState state(layout, store);
    AppState::setInstance(&state);
    SoundManager sound([] { return false; });
    SoundManager::setShared(&sound);
    TrayDetector noTray([] { return false; });
    TrayShell shell(state, noTray);
    TrayShell::setInstance(&shell);

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    l10n.attach(&engine);
    FileImages::install(&engine);
    engine.load(QUrl(QStringLiteral("qrc:/Tornivo/PopoverRootView.qml")));
    auto* panel = engine.rootObjects().isEmpty()
                      ? nullptr
                      : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!panel) return 1;
    panel->show();
    settle(500);
    return std::string(argv[1]) == "xray" ? measureXRay(state, panel) : measureLists(state, panel);
}
