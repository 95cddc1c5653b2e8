#pragma once
// Screenshot mode: when TORNIVO_SHOTS is present at launch (also empty), the program renders five
// screens of the panel, filled with fixed sample data, into PNG files in the folder the variable
// names, reports each on standard error and ends with status 0. It needs no display server and
// no tray: the offscreen platform and Qt Quick's software renderer draw the panel as the tray
// shows it, 380 x 560 at a device pixel ratio of 2, in a font the program carries, so that the
// same Debian packages give the same pictures on every machine. Main thread only.

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "Section.h"
#include "models/Types.h"
#include "platform/Layout.h"
#include "platform/PreferencesStore.h"

namespace tornivo::app {

class AppState;

class ScreenshotExporter {
  public:
    static constexpr const char* kFolderVariable = "TORNIVO_SHOTS";
    // For developers: the language and the appearance ("light" or "dark") of the shots.
    static constexpr const char* kLanguageVariable = "TORNIVO_SHOTS_LANGUAGE";
    static constexpr const char* kAppearanceVariable = "TORNIVO_SHOTS_APPEARANCE";
    static constexpr int kPixelRatio = 2;

    struct Shot {
        const char* name;  // the file's base name
        Section section;
    };
    // In the order they are rendered.
    static constexpr std::array<Shot, 5> kShots{{{"xray", Section::xray},
                                                 {"tuneup", Section::tuneup},
                                                 {"developer", Section::developer},
                                                 {"large", Section::large},
                                                 {"clean", Section::clean}}};

    // The output folder when the mode is asked for; an empty value is the current folder.
    static std::optional<Path> requestedFolder();
    // Before the application object exists: the offscreen platform, the software renderer and
    // the fixed pixel ratio, whatever the environment asked for.
    static void prepareProcess();

    // Called on the new state before its one sample of the figures (tests fix them there).
    using StateHook = std::function<void(AppState&)>;
    // The whole mode: language, appearance and accent through the shared managers (they stay
    // stored), a new AppState on `layout` with one sample of the figures and the sample data,
    // then the shots, each reported on `log`. Returns the exit status: 0, whatever failed.
    static int run(const Path& folder, const Layout& layout,
                   std::shared_ptr<PreferencesStore> store, std::FILE* log = stderr,
                   const StateHook& beforeSample = {});

    // Writes the sample lists (X-Ray categories, large files, developer projects) into the
    // state, dated from `now`, under the state's home.
    static void populate(AppState& state, TimePoint now);
};

}  // namespace tornivo::app
