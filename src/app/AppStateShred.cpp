// AppState: the shred section.

#include "AppState.h"

namespace tornivo::app {

void AppState::loadTrash() {
    secureEraser_.run([](SecureEraser& engine) { return engine.trashContents(); })
        .then(this, [this](TrashContents contents) {
            trashItems_->replace(std::move(contents.items));
            emit trashItemsChanged();
            assign(trashBytes_, static_cast<qint64>(contents.totalBytes),
                   &AppState::trashBytesChanged);
        });
}

void AppState::runSecureEmptyTrash() {
    if (trashItems().empty()) return;
    setIsShredding(true);
    play(SoundCue::shredStart);
    secureEraser_
        .run([items = trashItems(), passes = shredStrengthPasses()](SecureEraser& engine) {
            return engine.erase(items, passes);
        })
        .then(this, [this](ShredOutcome outcome) {
            lastShredOutcome_ = outcome;  // announced even when equal to the previous one
            emit lastShredOutcomeChanged();
            // What stayed behind shows again at the next loadTrash.
            trashItems_->replace({});
            emit trashItemsChanged();
            assign(trashBytes_, qint64{0}, &AppState::trashBytesChanged);
            monitor_->refresh();
            play(SoundCue::removeDone);
            setIsShredding(false);
        });
}

}  // namespace tornivo::app
