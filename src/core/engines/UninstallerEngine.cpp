#include "engines/UninstallerEngine.h"

namespace tornivo {

UninstallerEngine::UninstallerEngine(Layout layout) : layout_(std::move(layout)) {}

}  // namespace tornivo
