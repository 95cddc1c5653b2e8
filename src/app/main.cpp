// Tornivo: a disk-space and maintenance utility that lives in the tray.

#include <QApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include "AppState.h"
#include "Autostart.h"
#include "BannerCenter.h"
#include "FileImages.h"
#include "FolderChooser.h"
#include "LocalizationManager.h"
#include "ScreenshotExporter.h"
#include "SingleInstance.h"
#include "SoundManager.h"
#include "ThemeManager.h"
#include "TrayDetector.h"
#include "TrayShell.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace {

bool isSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

bool hasDesktopSession() {
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return true;
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
    // The screenshot mode renders offscreen: no desktop session, no tray, no single instance.
    const std::optional<tornivo::Path> shots = tornivo::app::ScreenshotExporter::requestedFolder();
    if (shots) {
        tornivo::app::ScreenshotExporter::prepareProcess();
    } else if (!hasDesktopSession()) {
        std::fputs(
            "tornivo: needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
            stderr);
        return 1;
    }
    // On Wayland the panel and the banners cannot place themselves; through XWayland they can.
    if (isSet("WAYLAND_DISPLAY") && isSet("DISPLAY") && !isSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The panel is small and still most of the time: drawn by the processor, it redraws only
    // what changed, loads no GPU driver and needs no GPU at all. QT_QUICK_BACKEND overrides.
    if (!isSet("QT_QUICK_BACKEND")) QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tornivo");
    QApplication::setOrganizationName("Tornivo");
    QApplication::setApplicationVersion(QStringLiteral(TORNIVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TORNIVO_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);  // it lives on in the tray

    // Before anything else is built: a second start only shows the first one's panel.
    std::optional<tornivo::app::SingleInstance> instance;
    if (!shots) {
        instance.emplace(QStringLiteral(TORNIVO_APP_ID),
                         tornivo::app::SingleInstance::defaultSocketFolder());
        switch (instance->claim(tornivo::app::SingleInstance::defaultTransport())) {
            case tornivo::app::SingleInstance::Outcome::forwarded:
                return 0;
            case tornivo::app::SingleInstance::Outcome::unanswered:
                std::fputs("tornivo: another Tornivo is running but does not answer\n", stderr);
                return 1;
            case tornivo::app::SingleInstance::Outcome::claimed:
            case tornivo::app::SingleInstance::Outcome::unavailable:
                break;
        }
    }
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
    QQuickStyle::setStyle(QStringLiteral("Fusion"));

    tornivo::Layout layout = tornivo::Layout::currentUser();
    auto store = std::make_shared<tornivo::PreferencesStore>(layout.settingsFile);
    tornivo::app::LocalizationManager l10n(*store);
    tornivo::app::LocalizationManager::setShared(&l10n);
    tornivo::app::ThemeManager theme(*store);
    tornivo::app::ThemeManager::setShared(&theme);
    if (shots) return tornivo::app::ScreenshotExporter::run(*shots, layout, store);

    tornivo::app::AppState state(layout, store);
    tornivo::app::AppState::setInstance(&state);
    // The sound switch belongs to AppState; the sound service asks it at every play.
    tornivo::app::SoundManager sound([&state] { return state.soundEnabled(); });
    tornivo::app::SoundManager::setShared(&sound);
    state.setCuePlayer(sound.cuePlayer());
    // The banner style belongs to the schedule card; banners ask it at every banner.
    tornivo::app::BannerCenter::shared().setStyleSource(
        [schedule = state.schedule()] { return schedule->bannerStyle(); });

    // The settings screen's start at login and its chooser of folders to protect.
    tornivo::app::Autostart autostart(tornivo::app::AutostartFolder(
        layout.configHome / "autostart", TORNIVO_APP_ID, tornivo::app::runningExecutable()));
    tornivo::app::Autostart::setInstance(&autostart);
    tornivo::app::FolderChooser chooser(*state.exclusions(),
                                        tornivo::app::makeDesktopFolderPortal());
    tornivo::app::FolderChooser::setInstance(&chooser);

    tornivo::app::TrayDetector trays;
    tornivo::app::TrayShell shell(state, trays);
    tornivo::app::TrayShell::setInstance(&shell);
    QObject::connect(&*instance, &tornivo::app::SingleInstance::showRequested, &shell,
                     &tornivo::app::TrayShell::showPanel);

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));  // where the Tornivo module's files are
    l10n.attach(&engine);
    tornivo::app::FileImages::install(&engine);
    engine.load(QUrl(QStringLiteral("qrc:/Tornivo/PopoverRootView.qml")));
    auto* panel = engine.rootObjects().isEmpty()
                      ? nullptr
                      : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!panel) return 1;
    shell.setPanel(panel);
    shell.start();
    // Only once this process holds the single instance: one scheduler per user.
    state.schedule()->start();
    return QApplication::exec();
}
