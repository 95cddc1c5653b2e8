#include "SoundManager.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <filesystem>

namespace tornivo::app {
namespace {

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
    std::vector<std::string> calls;
    bool enabled = true;
    SoundManager manager{[this] { return enabled; }, std::make_unique<RecordingPlayer>(calls)};
};

const SoundCue kAllCues[] = {SoundCue::scanStart,  SoundCue::scanDone,   SoundCue::removeStart,
                             SoundCue::removeDone, SoundCue::shredStart, SoundCue::soundOn};

TEST_F(SoundManagerTest, TheApplicationsSwitchIsAskedAtEveryPlay) {
    enabled = false;
    for (SoundCue cue : kAllCues) manager.play(cue);
    manager.playSoundOn();
    EXPECT_TRUE(calls.empty()) << "switched off, yet something was played or cancelled";

    enabled = true;
    manager.playSoundOn();
    EXPECT_EQ(calls, (std::vector<std::string>{"cancel 5", "play 5 audio-volume-change"}));
}

TEST_F(SoundManagerTest, APlayerOutlivingItsManagerIsSilent) {
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
