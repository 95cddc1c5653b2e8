#pragma once
// Short sounds as feedback when scans and removals start and finish, unless the user has
// switched sounds off. The switch belongs to AppState (its soundEnabled property): the manager
// asks it at every play, so a change takes effect at once. Each cue keeps its name from the
// product's vocabulary and is played as an event of the desktop's sound theme (freedesktop sound
// theme and naming conventions) through libcanberra:
//
//   cue          name         theme event           why this event
//   scanStart    "Pop"        message-new-instant   the shortest, softest blip in the theme
//   scanDone     "Glass"      dialog-information    a light chime: results are there to look at
//   removeStart  "Blow"       trash-empty           the theme's own sound for throwing away
//   removeDone   "Hero"       complete              "an operation has been completed"
//   shredStart   "Submarine"  bell                  a single ping, attention without alarm
//   soundOn      "Tink"       audio-volume-change   the tick desktops play to preview sound
//
// All six are in the freedesktop theme, which every sound theme falls back to.

#include <QtQml/qqmlregistration.h>
#include <QObject>

#include <array>
#include <functional>
#include <memory>

#include "SoundCue.h"

class QQmlEngine;
class QJSEngine;

namespace tornivo::app {

// Plays theme events. Each cue has its own id, so that cancelling one stops only its own sound.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(SoundCue cue, const char* eventId) = 0;
    virtual void cancel(SoundCue cue) = 0;
};

// The desktop's sound service through libcanberra. Requests return at once: the context is
// opened and used on a worker thread of its own, so a slow or hung sound server never holds up
// the caller. It prefers the sound server (PulseAudio, or PipeWire's PulseAudio interface) and
// falls back to libcanberra's own choice of driver only where a playback device exists; with no
// device, no theme or no context every request is silently dropped.
class CanberraPlayer : public SoundPlayer {
  public:
    CanberraPlayer();
    // Waits for the queued requests and closes the context.
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    void play(SoundCue cue, const char* eventId) override;
    void cancel(SoundCue cue) override;

  private:
    struct Worker;
    std::unique_ptr<Worker> worker_;
};

class SoundManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    struct Sound {
        SoundCue cue;
        const char* name;
        const char* eventId;
    };
    // The one table from cue to sound.
    static const std::array<Sound, 6>& sounds();
    static const Sound& sound(SoundCue cue);

    // Whether sounds are on, asked at every play.
    using Switch = std::function<bool()>;

    // Plays through libcanberra.
    explicit SoundManager(Switch enabled, QObject* parent = nullptr);
    SoundManager(Switch enabled, std::unique_ptr<SoundPlayer> player, QObject* parent = nullptr);
    ~SoundManager() override;

    // The instance the application and QML use.
    static SoundManager* shared();
    static void setShared(SoundManager* manager);
    static SoundManager* create(QQmlEngine*, QJSEngine* engine);

    bool isEnabled() const { return enabled_ && enabled_(); }
    // Restarts the cue's sound if it is still playing; nothing when sounds are off.
    void play(SoundCue cue);
    // For AppState::setCuePlayer; does nothing once this manager is gone.
    CuePlayer cuePlayer();

    // The confirmation after the user has switched sounds on (call it after the switch is
    // stored, as it obeys the switch like every cue).
    Q_INVOKABLE void playSoundOn() { play(SoundCue::soundOn); }

  private:
    Switch enabled_;
    std::unique_ptr<SoundPlayer> player_;
};

}  // namespace tornivo::app
