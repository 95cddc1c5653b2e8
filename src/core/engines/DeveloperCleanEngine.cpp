#include "engines/DeveloperCleanEngine.h"

namespace tornivo {

DeveloperCleanEngine::DeveloperCleanEngine(Layout layout) : layout_(std::move(layout)) {}

}  // namespace tornivo
