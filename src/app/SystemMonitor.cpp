#include "SystemMonitor.h"
