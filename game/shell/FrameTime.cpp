#include "game/shell/FrameTime.h"

double deltaTime = 0.0;
int32_t lastClockValue = 0;
