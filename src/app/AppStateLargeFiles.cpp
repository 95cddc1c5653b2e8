// AppState: the large-files section.

#include "AppState.h"

namespace tornivo::app {

void AppState::runLargeFileScan() {}
void AppState::toggleSelection(const LargeFile&) {}
void AppState::toggleSelection(const QString&) {}
void AppState::removeSelectedLargeFiles() {}

}  // namespace tornivo::app
