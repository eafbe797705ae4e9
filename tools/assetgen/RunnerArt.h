#pragma once

#include "tools/assetgen/Canvas.h"

// The hero's run cycle, drawn from a stick skeleton whose joint angles follow
// sine curves of the cycle phase, then dressed and outlined. Faces right.
class RunnerArt {
public:
    // Frames in the cycle; the game plays them in order, one per ~0.03 s of running.
    static constexpr int kFrames = 26;
    // Every frame is this size: narrow enough for a one-cell gap, short enough
    // to pass under a one-cell ceiling.
    static constexpr int kWidth = 22;
    static constexpr int kHeight = 30;

    // Frame index (0 to kFrames - 1) of the cycle.
    static Canvas frame(int index);
    // The file number of a frame: 1 to 27, skipping 12, as the game loads them.
    static int fileNumber(int index);
};
