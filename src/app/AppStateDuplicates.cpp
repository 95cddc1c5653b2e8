// AppState: the duplicates section.

#include "AppState.h"

namespace tornivo::app {

void AppState::runDuplicateScan() {}
void AppState::removeDuplicates(const Path&, const DuplicateGroup&) {}
void AppState::removeDuplicates(const QString&, const QString&) {}
void AppState::autoResolveDuplicates(const DuplicateGroup&) {}
void AppState::autoResolveDuplicates(const QString&) {}
void AppState::removeAllDuplicates() {}

}  // namespace tornivo::app
