// AppState: the uninstall section.

#include "AppState.h"

namespace tornivo::app {}  // namespace tornivo::app
