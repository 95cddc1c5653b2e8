#include "SoundManager.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "AppState.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// Records "cancel <cue>" and "play <cue> <event>".
class RecordingPlayer : public SoundPlayer {
  public:
    explicit RecordingPlayer(std::vector<std::string>& calls) : calls_(calls) {}
    void play(SoundCue cue, const char* eventId) override {
        calls_.push_back("play " + std::to_string(int(cue)) + " " + eventId);
    }
    void cancel(SoundCue cue) override { calls_.push_back("cancel " + std::to_string(int(cue))); }

  private:
    std::vector<std::string>& calls_;
};

class SoundManagerTest : public ::testing::Test {
  protected:
    TempHome home;
    std::shared_ptr<PreferencesStore> store =
        std::make_shared<PreferencesStore>(home.layout().settingsFile);
    std::vector<std::string> calls;
    AppState state{home.layout(), store};
    SoundManager manager{[this] { return state.soundEnabled(); },
                         std::make_unique<RecordingPlayer>(calls)};
};

const SoundCue kAllCues[] = {SoundCue::scanStart,  SoundCue::scanDone,   SoundCue::removeStart,
                             SoundCue::removeDone, SoundCue::shredStart, SoundCue::soundOn};

// A mapped event that no theme provides would leave its cue silent everywhere.
TEST_F(SoundManagerTest, EveryEventIsProvidedByTheFreedesktopSoundTheme) {
    std::vector<std::filesystem::path> themes;
    const char* env = std::getenv("XDG_DATA_DIRS");
    std::stringstream dirs(env && *env ? env : "/usr/local/share:/usr/share");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (std::filesystem::is_directory(dir + "/sounds/freedesktop/stereo"))
            themes.push_back(dir + "/sounds/freedesktop/stereo");
    if (themes.empty()) GTEST_SKIP() << "the freedesktop sound theme is not installed";

    for (const auto& sound : SoundManager::sounds()) {
        bool found = false;
        for (const auto& theme : themes)
            for (const char* ext : {".oga", ".ogg", ".wav"})
                found =
                    found || std::filesystem::exists(theme / (sound.eventId + std::string(ext)));
        EXPECT_TRUE(found) << sound.name << " -> " << sound.eventId;
    }
}

TEST_F(SoundManagerTest, TheApplicationsSwitchIsAskedAtEveryPlay) {
    EXPECT_TRUE(manager.isEnabled()) << "never written counts as on";
    manager.play(SoundCue::scanStart);
    EXPECT_EQ(calls, (std::vector<std::string>{"cancel 0", "play 0 message-new-instant"}));

    state.setSoundEnabled(false);
    EXPECT_FALSE(manager.isEnabled());
    calls.clear();
    for (SoundCue cue : kAllCues) manager.play(cue);
    manager.playSoundOn();
    EXPECT_TRUE(calls.empty()) << "switched off, yet something was played or cancelled";

    state.setSoundEnabled(true);
    manager.playSoundOn();
    manager.cuePlayer()(SoundCue::removeDone);
    EXPECT_EQ(calls, (std::vector<std::string>{"cancel 5", "play 5 audio-volume-change", "cancel 3",
                                               "play 3 complete"}));
}

TEST_F(SoundManagerTest, ARepeatedCueRestartsItsOwnSoundAndAPlayerOutlivingItsManagerIsSilent) {
    manager.play(SoundCue::scanStart);
    manager.play(SoundCue::scanDone);
    manager.play(SoundCue::scanStart);
    EXPECT_EQ(calls, (std::vector<std::string>{"cancel 0", "play 0 message-new-instant", "cancel 1",
                                               "play 1 dialog-information", "cancel 0",
                                               "play 0 message-new-instant"}));

    calls.clear();
    CuePlayer player;
    {
        SoundManager shortLived([] { return true; }, std::make_unique<RecordingPlayer>(calls));
        player = shortLived.cuePlayer();
    }
    player(SoundCue::scanStart);
    EXPECT_TRUE(calls.empty());
}

// The real libcanberra path, on whatever this machine has: a sound server, a bare device, or
// nothing at all. Requests must return at once, and with no device nothing may be printed.
TEST(SoundManagerCanberraTest, PlaysEveryCueWithoutBlockingCrashingOrPrinting) {
    ::testing::internal::CaptureStderr();
    QElapsedTimer requests, total;
    total.start();
    qint64 requestMs = 0;
    {
        SoundManager manager([] { return true; });
        requests.start();
        for (int round = 0; round < 2; ++round)
            for (SoundCue cue : kAllCues) manager.play(cue);
        requestMs = requests.elapsed();
    }  // waits for the worker and closes the context
    const qint64 totalMs = total.elapsed();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_LT(requestMs, 250) << "playing held up the caller";
    EXPECT_LT(totalMs, 15000);
    EXPECT_TRUE(printed.empty() || std::filesystem::exists("/dev/snd"))
        << "printed with no audio device: " << printed.substr(0, 200);
}

}  // namespace
}  // namespace tornivo::app
