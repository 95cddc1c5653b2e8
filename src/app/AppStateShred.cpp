// AppState: the shred section.

#include "AppState.h"

namespace tornivo::app {}  // namespace tornivo::app
