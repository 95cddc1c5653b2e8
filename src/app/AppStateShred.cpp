// AppState: the shred section.

#include "AppState.h"

namespace tornivo::app {

void AppState::loadTrash() {
    secureEraser_.run([](SecureEraser& engine) { return engine.trashContents(); })
        .then(this, [this](TrashContents contents) {
            if (contents.refused) reportRefused({*contents.refused});
            // What the user protected is neither listed nor erased (its bytes still count).
            trashItems_->replace(
                withoutProtected(std::move(contents.items), exclusions_->protection()));
            emit trashItemsChanged();
            assign(trashBytes_, static_cast<qint64>(contents.totalBytes),
                   &AppState::trashBytesChanged);
        });
}

void AppState::runSecureEmptyTrash() {
    if (trashItems().empty() || !mayRemove()) return;
    setIsShredding(true);
    play(SoundCue::shredStart);
    secureEraser_
        .run([items = withoutProtected(trashItems(), exclusions_->protection()),
              passes = shredStrengthPasses()](SecureEraser& engine) {
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
