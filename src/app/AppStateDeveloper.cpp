// AppState: the developer section.

#include "AppState.h"

namespace tornivo::app {}  // namespace tornivo::app
