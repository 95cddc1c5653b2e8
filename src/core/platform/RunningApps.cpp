#include "platform/RunningApps.h"
