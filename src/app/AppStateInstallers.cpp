// AppState: the installers section.

#include "AppState.h"

namespace tornivo::app {

void AppState::runInstallerScan() {}
void AppState::toggleInstaller(const InstallerFile&) {}
void AppState::toggleInstaller(const QString&) {}
void AppState::removeSelectedInstallers() {}

}  // namespace tornivo::app
