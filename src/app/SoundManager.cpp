#include "SoundManager.h"

#include <canberra.h>

#include <QCoreApplication>
#include <QJSEngine>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "SerialExecutor.h"

namespace tornivo::app {

namespace {

SoundManager* g_shared = nullptr;

std::uint32_t canberraId(SoundCue cue) {
    return static_cast<std::uint32_t>(cue) + 1;
}

// ALSA playback devices appear as /dev/snd/pcmC<card>D<device>p.
bool hasPlaybackDevice() {
    std::error_code error;
    for (std::filesystem::directory_iterator it("/dev/snd", error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (std::string_view(name).starts_with("pcmC") && name.back() == 'p') return true;
    }
    return false;
}

// One libcanberra context, opened on first use and only ever touched by the player's worker.
class CanberraContext {
  public:
    explicit CanberraContext(QByteArray applicationName)
        : applicationName_(std::move(applicationName)) {}
    ~CanberraContext() {
        if (context_) ca_context_destroy(context_);
    }
    CanberraContext(const CanberraContext&) = delete;
    CanberraContext& operator=(const CanberraContext&) = delete;

    void play(std::uint32_t id, const std::string& eventId) {
        if (ca_context* c = context())
            ca_context_play(c, id, CA_PROP_EVENT_ID, eventId.c_str(),
                            CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    }
    void cancel(std::uint32_t id) {
        if (context_) ca_context_cancel(context_, id);
    }

  private:
    ca_context* context() {
        if (!tried_) {
            tried_ = true;
            context_ = open();
        }
        return context_;
    }

    // Without a sound server, libcanberra's fallback talks to ALSA, which complains on the
    // standard error at every attempt when there is no device; so it is tried only where a
    // playback device exists. Neither outcome is retried: no sound is a valid state for the run.
    ca_context* open() const {
        if (ca_context* c = openWith("pulse")) return c;
        return hasPlaybackDevice() ? openWith(nullptr) : nullptr;
    }

    ca_context* openWith(const char* driver) const {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) return nullptr;
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, applicationName_.constData(), nullptr);
        if (ca_context_set_driver(c, driver) != CA_SUCCESS || ca_context_open(c) != CA_SUCCESS) {
            ca_context_destroy(c);
            return nullptr;
        }
        return c;
    }

    QByteArray applicationName_;
    bool tried_ = false;
    ca_context* context_ = nullptr;
};

}  // namespace

struct CanberraPlayer::Worker {
    explicit Worker(QByteArray applicationName)
        : executor(std::make_shared<CanberraContext>(std::move(applicationName))) {}
    SerialExecutor<CanberraContext> executor;
};

CanberraPlayer::CanberraPlayer()
    : worker_(std::make_unique<Worker>(QCoreApplication::applicationName().toUtf8())) {}

CanberraPlayer::~CanberraPlayer() = default;

void CanberraPlayer::play(SoundCue cue, const char* eventId) {
    worker_->executor.run([id = canberraId(cue), event = std::string(eventId)](
                              CanberraContext& context) { context.play(id, event); });
}

void CanberraPlayer::cancel(SoundCue cue) {
    worker_->executor.run([id = canberraId(cue)](CanberraContext& context) { context.cancel(id); });
}

const std::array<SoundManager::Sound, 6>& SoundManager::sounds() {
    static const std::array<Sound, 6> table{{
        {SoundCue::scanStart, "Pop", "message-new-instant"},
        {SoundCue::scanDone, "Glass", "dialog-information"},
        {SoundCue::removeStart, "Blow", "trash-empty"},
        {SoundCue::removeDone, "Hero", "complete"},
        {SoundCue::shredStart, "Submarine", "bell"},
        {SoundCue::soundOn, "Tink", "audio-volume-change"},
    }};
    return table;
}

const SoundManager::Sound& SoundManager::sound(SoundCue cue) {
    for (const Sound& s : sounds())
        if (s.cue == cue) return s;
    Q_UNREACHABLE();
}

SoundManager::SoundManager(Switch enabled, QObject* parent)
    : SoundManager(std::move(enabled), std::make_unique<CanberraPlayer>(), parent) {}

SoundManager::SoundManager(Switch enabled, std::unique_ptr<SoundPlayer> player, QObject* parent)
    : QObject(parent), enabled_(std::move(enabled)), player_(std::move(player)) {}

SoundManager::~SoundManager() {
    if (g_shared == this) g_shared = nullptr;
}

SoundManager* SoundManager::shared() {
    return g_shared;
}

void SoundManager::setShared(SoundManager* manager) {
    g_shared = manager;
}

SoundManager* SoundManager::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT(g_shared && engine->thread() == g_shared->thread());
    QJSEngine::setObjectOwnership(g_shared, QJSEngine::CppOwnership);
    return g_shared;
}

void SoundManager::play(SoundCue cue) {
    if (!isEnabled()) return;
    // Cancelling the cue's own id first makes a quick repeat restart the sound rather than
    // overlap it; other cues keep playing.
    player_->cancel(cue);
    player_->play(cue, sound(cue).eventId);
}

CuePlayer SoundManager::cuePlayer() {
    return [manager = QPointer<SoundManager>(this)](SoundCue cue) {
        if (manager) manager->play(cue);
    };
}

}  // namespace tornivo::app
