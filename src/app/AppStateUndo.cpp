// AppState: the way back from a move to the Trash.

#include <QPointer>

#include "AppState.h"
#include "Fmt.h"

namespace tornivo::app {

std::function<void()> AppState::undoAction(std::vector<TrashedItem> moved) {
    return [state = QPointer<AppState>(this), moved = std::move(moved)] {
        if (state) state->undoTrashMove(moved);
    };
}

void AppState::offerUndo(const RemovalOutcome& outcome) {
    if (outcome.trashed.empty()) return;
    const int moved = static_cast<int>(outcome.trashed.size());
    showBanner("trash.fill", qtTrId("banner.trashedTitle"),
               qtTrId("banner.trashedMessage", moved).arg(Fmt::bytes(outcome.freed)),
               undoAction(outcome.trashed));
}

void AppState::undoTrashMove(std::vector<TrashedItem> moved) {
    restorer_
        .run([moved = std::move(moved)](Layout& layout) {
            return restoreLastTrashMove(layout, &moved);
        })
        .then(this, [this](RestoreOutcome outcome) {
            reportRestore(outcome);
            if (!outcome.restored.empty()) monitor_->refresh();
        });
}

void AppState::reportRestore(const RestoreOutcome& outcome) {
    const int back = static_cast<int>(outcome.restored.size());
    QStringList lines;
    if (outcome.problem) {
        lines << qtTrId("banner.restoreUnreadable");
    } else if (back == 0 && outcome.stayed.empty()) {
        lines << qtTrId("banner.nothingToRestore");
    } else {
        if (back > 0) lines << qtTrId("banner.restoredMessage", back);
        // Why the rest stayed: a place taken since the move, an item the Trash no longer holds,
        // and anything else (its folder gone, the system refused).
        const auto occupied = static_cast<int>(outcome.count(RestoreRefusal::occupied));
        const auto gone = static_cast<int>(outcome.count(RestoreRefusal::notInTrash));
        const int other = static_cast<int>(outcome.stayed.size()) - occupied - gone;
        if (occupied > 0) lines << qtTrId("banner.stayedOccupied", occupied);
        if (gone > 0) lines << qtTrId("banner.stayedNotInTrash", gone);
        if (other > 0) lines << qtTrId("banner.stayedOther", other);
    }
    showBanner(back > 0 ? "arrow.uturn.backward" : "exclamationmark.triangle.fill",
               qtTrId(back > 0 ? "banner.restoredTitle" : "banner.notRestoredTitle"),
               lines.join(' '));
}

}  // namespace tornivo::app
