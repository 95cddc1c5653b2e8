#include "platform/HostFigures.h"
