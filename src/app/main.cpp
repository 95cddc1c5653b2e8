// Tornivo: a disk-space and maintenance utility for the desktop.

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "AppState.h"
#include "LocalizationManager.h"
#include "SoundManager.h"
#include "ThemeManager.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace {

bool hasDesktopSession() {
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    // An explicit headless platform (offscreen rendering, as tests and screenshots use) needs
    // no display server.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform &&
           (std::string_view(platform) == "offscreen" || std::string_view(platform) == "minimal");
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before anything looks for a display: in a terminal, over ssh, in a package check.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("tornivo %s\n", TORNIVO_VERSION);
            return 0;
        }
    }
    if (!hasDesktopSession()) {
        std::fputs(
            "tornivo: needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tornivo");
    QApplication::setOrganizationName("Tornivo");
    QApplication::setApplicationVersion(QStringLiteral(TORNIVO_VERSION));

    tornivo::Layout layout = tornivo::Layout::currentUser();
    auto store = std::make_shared<tornivo::PreferencesStore>(layout.settingsFile);
    tornivo::app::LocalizationManager l10n(*store);
    tornivo::app::LocalizationManager::setShared(&l10n);
    tornivo::app::ThemeManager theme(*store);
    tornivo::app::ThemeManager::setShared(&theme);
    tornivo::app::AppState state(layout, store);
    tornivo::app::AppState::setInstance(&state);
    // The sound switch belongs to AppState; the sound service asks it at every play.
    tornivo::app::SoundManager sound([&state] { return state.soundEnabled(); });
    tornivo::app::SoundManager::setShared(&sound);
    state.setCuePlayer(sound.cuePlayer());

    QQmlApplicationEngine engine;
    l10n.attach(&engine);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/Tornivo/Main.qml")));
    if (engine.rootObjects().isEmpty()) return 1;
    return QApplication::exec();
}
