// AppState: the X-Ray section.

#include "AppState.h"

namespace tornivo::app {

void AppState::runDiskAnalysis() {}
void AppState::trashDiskFile(const DiskFile&, FileKind) {}
void AppState::trashDiskFile(const QString&, const QString&) {}

}  // namespace tornivo::app
