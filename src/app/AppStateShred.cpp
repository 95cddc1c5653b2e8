// AppState: the shred section.

#include "AppState.h"

namespace tornivo::app {

QVariantList AppState::shredStrengthList() {
    static const std::pair<ShredStrength, const char*> labels[] = {
        {ShredStrength::quick, "shred.strength.quick"},
        {ShredStrength::standard, "shred.strength.standard"},
        {ShredStrength::paranoid, "shred.strength.paranoid"},
    };
    static_assert(std::size(labels) == allShredStrengths.size());
    QVariantList list;
    for (const auto& [strength, key] : labels)
        list << QVariantMap{{"passes", static_cast<int>(strength)},
                            {"labelKey", QString::fromLatin1(key)}};
    return list;
}

void AppState::loadTrash() {
    secureEraser_
        .run([protection = exclusions_->protection()](SecureEraser& engine) {
            return listTrash(engine, protection);
        })
        .then(this, [this](TrashContents contents) {
            ScanReport report;
            if (contents.refused) report.refused.push_back(*contents.refused);
            publishReport(Section::shred, std::move(report));
            // What the user protected is neither listed nor erased (its bytes still count).
            trashItems_->replace(std::vector<Path>(contents.items));
            trashContents_ = std::move(contents);
            emit trashItemsChanged();
            assign(trashBytes_, static_cast<qint64>(trashContents_.totalBytes),
                   &AppState::trashBytesChanged);
        });
}

void AppState::runSecureEmptyTrash() {
    if (trashItems().empty()) return;
    setIsShredding(true);
    play(SoundCue::shredStart);
    const Operation operation = start(Section::shred);
    secureEraser_
        .run([listed = trashContents_, passes = shredStrengthPasses(),
              protection = exclusions_->protection(), stop = operation.stop.get_token(),
              slot = operation.callback()](SecureEraser& engine) {
            // The bytes written, of all the passes will write.
            struct Written : ShredObserver {
                ScanProgress progress;
                ScanProgressCallback report;
                void wrote(const Path&, int, ByteCount, ByteCount length) override {
                    progress.bytesHashed += length;
                    report(progress);
                }
            } written;
            written.progress.bytesToHash = listed.totalBytes * passes;
            written.report = slot;
            return shredTrash(engine, listed, passes, protection, &written, stop);
        })
        .then(this, [this, stop = operation.stop](ShredOutcome outcome) {
            finish(Section::shred, stop);
            RemovalOutcome removal;
            removal.done = outcome.count;
            removal.left = outcome.left;
            removal.refused = outcome.refused;
            publishOutcome(Section::shred, std::move(removal));
            lastShredOutcome_ = std::move(outcome);  // announced even when equal to the last
            emit lastShredOutcomeChanged();
            // What stayed behind shows again at the next loadTrash.
            trashItems_->replace({});
            trashContents_ = {};
            emit trashItemsChanged();
            assign(trashBytes_, qint64{0}, &AppState::trashBytesChanged);
            monitor_->refresh();
            play(SoundCue::removeDone);
            setIsShredding(false);
        });
}

}  // namespace tornivo::app
