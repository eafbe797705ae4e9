#pragma once

#include <cstdint>

// Process-wide frame timing, written only by the Game at the start of each frame.
// deltaTime: seconds between the starts of the two latest frames (0.0 before the
// first measurement). Characters' timers and the HUD's level timer read it.
extern double deltaTime;
// The millisecond clock reading of the previous measurement.
extern int32_t lastClockValue;
