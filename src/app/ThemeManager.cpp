#include "ThemeManager.h"
