#include "SoundManager.h"
