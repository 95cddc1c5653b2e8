// The screenshot mode in the process, with the system figures fixed: two runs draw the same
// pixels, and those are the pictures kept in tests/data/shots/, so that a change that moves a
// screen's layout shows here. When it fails, the pictures drawn stay in the build folder
// (shots-differing/). After a deliberate change of the panel, look at them and accept them with
//   TORNIVO_UPDATE_SHOTS=1 ctest -R ScreenshotExporter
// which writes the pictures drawn into tests/data/shots/.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QQuickStyle>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "AppState.h"
#include "LocalizationManager.h"
#include "ScreenshotExporter.h"
#include "TempHome.h"
#include "ThemeManager.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

// Figures that stay put, in place of the machine's: memory, processor, disk.
SystemStats fixedFigures() {
    return {0.62, 10'400'000'000, 16'800'000'000, 0.18, 0.74, 370'000'000'000, 500'000'000'000};
}

// A pixel differs when one of its channels is off by more than this; a picture differs when more
// than this share of its pixels do (a line of text that moves changes many more).
constexpr int kChannelTolerance = 24;
constexpr double kPixelShareTolerance = 0.001;

// How many pixels of `actual` differ from `expected`; -1 when the sizes differ.
qint64 difference(const QImage& expected, const QImage& actual) {
    if (expected.size() != actual.size()) return -1;
    qint64 count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = expected.pixel(x, y), b = actual.pixel(x, y);
            count += std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
                     std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
                     std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance;
        }
    }
    return count;
}

class ScreenshotExporterTest : public ::testing::Test {
  protected:
    test::TempDir scratch;
    // A home at a fixed place, so that the paths drawn are the same on every machine; the
    // preferences, the one thing the mode writes there, live in the scratch folder.
    Layout layout = [this] {
        Layout l = Layout::freedesktop("/home/sample", {});
        l.settingsFile = scratch / "config/tornivo/settings.json";
        return l;
    }();
    std::shared_ptr<PreferencesStore> store =
        std::make_shared<PreferencesStore>(layout.settingsFile);
    LocalizationManager l10n{*store};
    ThemeManager theme{*store};

    void SetUp() override {
        LocalizationManager::setShared(&l10n);
        ThemeManager::setShared(&theme);
    }
    void TearDown() override {
        ThemeManager::setShared(nullptr);
        LocalizationManager::setShared(nullptr);
    }

    // Runs the mode into `folder`; what it wrote on its log.
    std::string run(const Path& folder) {
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* log = open_memstream(&text, &size);
        const int status = ScreenshotExporter::run(folder, layout, store, log, [](AppState& s) {
            s.monitor()->setSampler(fixedFigures);
            // The mode draws the user's real state: its schedule must never clean it.
            EXPECT_FALSE(s.schedule()->isStarted());
        });
        std::fclose(log);
        std::string lines(text, size);
        std::free(text);
        EXPECT_EQ(status, 0);
        return lines;
    }
};

TEST_F(ScreenshotExporterTest, TwoRunsDrawTheKeptPicturesPixelForPixel) {
    // Whatever was chosen before, the shots are English, light and blue, and stay chosen.
    store->set(LocalizationManager::kKey, "de");
    store->set(ThemeManager::kAppearanceKey, "dark");
    store->set(ThemeManager::kAccentKey, "pink");
    const Path first = scratch / "first/missing/parents", second = scratch / "second";
    run(first);
    run(second);

    const PreferencesStore stored(layout.settingsFile);
    EXPECT_EQ(setting::read(stored, setting::appLanguage), "en");
    EXPECT_EQ(setting::read(stored, setting::themeAppearance), "light");
    EXPECT_EQ(setting::read(stored, setting::themeAccent), "blue");

    const Path references = Path(TORNIVO_SOURCE_DIR) / "tests/data/shots";
    const Path kept = TORNIVO_SHOTS_KEPT;
    const bool update = qEnvironmentVariableIsSet("TORNIVO_UPDATE_SHOTS");
    const auto image = [](const Path& file) {
        return QImage(QString::fromStdString(file.native()));
    };
    constexpr auto overwrite = std::filesystem::copy_options::overwrite_existing;
    for (const auto& shot : ScreenshotExporter::kShots) {
        const std::string file = std::string(shot.name) + ".png";
        const QImage drawn = image(first / file);
        EXPECT_TRUE(drawn == image(second / file))
            << file << ": two runs with the same figures drew different pixels";

        // Updating makes the drawn picture the reference, which it then matches.
        const Path reference = references / file;
        if (update) std::filesystem::copy_file(first / file, reference, overwrite);
        const qint64 count = difference(image(reference), drawn);
        const qint64 allowed = qint64(kPixelShareTolerance * drawn.width() * drawn.height());
        if (count >= 0 && count <= allowed) continue;
        std::filesystem::create_directories(kept);
        std::filesystem::copy_file(first / file, kept / file, overwrite);
        ADD_FAILURE() << file << " differs from " << reference << ": "
                      << (count < 0 ? std::string("another size or no reference")
                                    : std::to_string(count) + " pixels, " +
                                          std::to_string(allowed) + " allowed")
                      << ". Drawn pictures kept in " << kept
                      << "; a deliberate change is accepted with TORNIVO_UPDATE_SHOTS=1.";
    }
}

TEST_F(ScreenshotExporterTest, AFolderThatCannotBeMadeIsSaidShotByShotAndStillEndsWithZero) {
    test::writeText(scratch / "file", "a file where the folder should go");
    std::string expected;
    for (const auto& shot : ScreenshotExporter::kShots)
        expected +=
            std::string("shot: ") + shot.name + "\u2026\n  could not write " + shot.name + ".png\n";
    EXPECT_EQ(run(scratch / "file/shots"), expected + "done\n");
}

}  // namespace
}  // namespace tornivo::app

// The mode sets up the process before the application object exists, as the program does. It
// stores its language and appearance: in a scratch home, never the user's.
int main(int argc, char** argv) {
    qputenv("HOME", TORNIVO_SHOTS_SCRATCH "/home");
    qputenv("XDG_CONFIG_HOME", TORNIVO_SHOTS_SCRATCH "/config");
    qunsetenv(tornivo::app::ScreenshotExporter::kLanguageVariable);
    qunsetenv(tornivo::app::ScreenshotExporter::kAppearanceVariable);
    tornivo::app::ScreenshotExporter::prepareProcess();
    QApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
