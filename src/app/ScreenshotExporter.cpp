#include "ScreenshotExporter.h"

#include <QAnimationDriver>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "AppState.h"
#include "FileImages.h"
#include "LocalizationManager.h"
#include "ThemeManager.h"
#include "TrayDetector.h"
#include "TrayShell.h"

namespace tornivo::app {

namespace {

// Every animation of the panel follows this clock instead of the wall clock while shots are
// taken: stepped well past the longest animation before each capture, it leaves each one at its
// end, however slow or busy the machine is.
class ShotClock : public QAnimationDriver {
  public:
    qint64 elapsed() const override { return now_ - startedAt_; }
    void step(qint64 ms) {
        now_ += ms;
        advance();
    }

  protected:
    void start() override {
        startedAt_ = now_;
        QAnimationDriver::start();
    }

  private:
    qint64 now_ = 0;
    qint64 startedAt_ = 0;
};

// Time given to the layout and the animations before a capture: longer than every finite
// animation of the panel (the longest counts up for 0.9 s), in steps that let the event loop
// run the bindings, layouts and loaders that each step sets off.
constexpr int kSettleSteps = 12;
constexpr qint64 kStepMs = 250;

// The font of the shots, embedded with the program, with fixed hinting and antialiasing so that
// fontconfig's settings on the machine change nothing. Texts in scripts it lacks fall back to the
// system's fonts.
void useShotFont() {
    static const QString family = [] {
        QString name;
        for (const char* file : {":/fonts/Inter-Regular.otf", ":/fonts/Inter-SemiBold.otf",
                                 ":/fonts/Inter-Bold.otf"}) {
            const QStringList families = QFontDatabase::applicationFontFamilies(
                QFontDatabase::addApplicationFont(QString::fromLatin1(file)));
            if (name.isEmpty() && !families.isEmpty()) name = families.first();
        }
        return name;
    }();
    QFont font(family);
    font.setPixelSize(13);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    QGuiApplication::setFont(font);
}

QString option(const char* variable, const char* fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

bool writePng(const QImage& image, const Path& file) {
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(png.constData(), png.size());
    out.close();
    return !out.fail();
}

// A fresh panel for the state as it is now, shown offscreen, settled, captured and written.
bool renderPanel(QQmlComponent& component, ShotClock& clock, const Path& file) {
    std::unique_ptr<QObject> root(component.create());
    auto* panel = qobject_cast<QQuickWindow*>(root.get());
    if (!panel) {
        for (const auto& error : component.errors()) qWarning().noquote() << error.toString();
        return false;
    }
    panel->show();
    for (int i = 0; i < kSettleSteps; ++i) {
        QCoreApplication::processEvents();
        clock.step(kStepMs);
    }
    QCoreApplication::processEvents();
    const QImage image = panel->grabWindow().convertToFormat(QImage::Format_RGB32);
    panel->hide();
    return writePng(image, file);
}

}  // namespace

std::optional<Path> ScreenshotExporter::requestedFolder() {
    const char* value = std::getenv(kFolderVariable);
    if (!value) return std::nullopt;
    return Path(*value ? value : ".");
}

void ScreenshotExporter::prepareProcess() {
    // No display server is needed, and whatever the session offers is not used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Exactly two device pixels per point, whatever scaling the user set up.
    for (const char* scaling :
         {"QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
          "QT_USE_PHYSICAL_DPI", "QT_FONT_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(scaling);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kPixelRatio));
    // Drawn by the processor, the same way on every machine; the animations follow the shots'
    // own clock; no configuration file of the user's restyles the controls.
    qunsetenv("QT_QUICK_BACKEND");
    qunsetenv("QSG_FIXED_ANIMATION_STEP");
    qunsetenv("QT_QUICK_CONTROLS_CONF");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

int ScreenshotExporter::run(const Path& folder, const Layout& layout,
                            std::shared_ptr<PreferencesStore> store, std::FILE* log,
                            const StateHook& beforeSample) {
    useShotFont();
    // Through the ordinary setters: the choices stay stored after the run.
    LocalizationManager* l10n = LocalizationManager::shared();
    l10n->setCode(option(kLanguageVariable, "en"));
    ThemeManager::shared()->setAppearance(option(kAppearanceVariable, "light") == "dark"
                                              ? AppearanceMode::dark
                                              : AppearanceMode::light);
    ThemeManager::shared()->setAccentID("blue");
    // Byte counts follow the system's locale: here, a system in the language of the shots.
    l10n->setSystemLocale(QLocale(l10n->code()));

    AppState state(layout, std::move(store));
    if (beforeSample) beforeSample(state);
    state.monitor()->refresh();
    populate(state, Clock::now());
    std::error_code ignored;  // a folder that cannot be made shows in the lines below
    std::filesystem::create_directories(folder, ignored);

    // What the panel reaches besides the state: the shell, which never shows an icon here.
    TrayDetector noTray([] { return false; });
    TrayShell shell(state, noTray);
    AppState::setInstance(&state);
    TrayShell::setInstance(&shell);
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        l10n->attach(&engine);
        FileImages::install(&engine);
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tornivo/PopoverRootView.qml")));
        ShotClock clock;
        clock.install();
        for (const Shot& shot : kShots) {
            state.setSection(shot.section);
            std::fprintf(log, "shot: %s\u2026\n", shot.name);
            std::fflush(log);
            const bool written =
                renderPanel(component, clock, folder / (std::string(shot.name) + ".png"));
            // A file that could not be written is said so, never reported as written.
            std::fprintf(log, written ? "  wrote %s.png\n" : "  could not write %s.png\n",
                         shot.name);
            std::fflush(log);
        }
    }
    TrayShell::setInstance(nullptr);
    AppState::setInstance(nullptr);
    std::fputs("done\n", log);
    std::fflush(log);
    return 0;
}

void ScreenshotExporter::populate(AppState& state, TimePoint now) {
    const Path& home = state.layout().home;
    auto daysAgo = [now](int days) { return now - std::chrono::seconds(86'400LL * days); };

    std::vector<DiskCategory> categories;
    for (const auto& [kind, size, files] :
         {std::tuple{FileKind::videos, 48'400'000'000LL, 214},
          std::tuple{FileKind::developer, 22'100'000'000LL, 5'120},
          std::tuple{FileKind::images, 17'600'000'000LL, 8'940},
          std::tuple{FileKind::documents, 9'300'000'000LL, 3'410},
          std::tuple{FileKind::archives, 6'800'000'000LL, 142},
          std::tuple{FileKind::audio, 4'200'000'000LL, 1'020},
          std::tuple{FileKind::other, 12'500'000'000LL, 6'300}})
        categories.push_back({kind, size, files, {}});

    std::vector<LargeFile> largeFiles;
    for (const auto& [name, size, days] :
         {std::tuple{"Movies/Trip 2023 \u2014 Master.mov", 8'900'000'000LL, 210},
          std::tuple{"Downloads/Xcode_15.4.xip", 7'100'000'000LL, 95},
          std::tuple{"Documents/VM/ubuntu.qcow2", 5'400'000'000LL, 160},
          std::tuple{"Downloads/dataset-2022.zip", 3'300'000'000LL, 300}})
        largeFiles.push_back({Uuid::random(), home / name, size, daysAgo(days), false, {}});

    // Idle outputs first, largest first, then those in use, as a scan lists them.
    DeveloperScanResult developer;
    for (const auto& [project, output, size, days] :
         {std::tuple{"Projects/rust-tracer", "target", 9'400'000'000LL, 96},
          std::tuple{"Projects/PhotoEditor", "build", 5'500'000'000LL, 61},
          std::tuple{"Projects/old-prototype", "node_modules", 3'100'000'000LL, 140},
          std::tuple{"Projects/PhotoEditor", ".gradle", 1'300'000'000LL, 61},
          std::tuple{"Projects/tornivo", "build", 2'200'000'000LL, 1}}) {
        const Path folder = home / project;
        const bool active = days < 7;
        developer.projects.push_back({Uuid::random(),
                                      folder.filename().native() + " (" + output + ")",
                                      folder / output,
                                      size,
                                      daysAgo(days),
                                      active,
                                      !active,
                                      {},
                                      folder});
    }

    state.showSample(std::move(categories), std::move(largeFiles), std::move(developer));
}

}  // namespace tornivo::app
