#pragma once

#include "tools/assetgen/Canvas.h"

// The two enemy kinds, three frames each, facing right like every character.
class EnemyArt {
public:
    static constexpr int kWalkerFrames = 3;
    static constexpr int kWalkerSize = 28;
    static constexpr int kFlyerFrames = 3;
    static constexpr int kFlyerWidth = 28;
    static constexpr int kFlyerHeight = 24;

    // The walking enemy, a horned green grumbler, at step frame 0 to 2.
    static Canvas walker(int frame);
    // The flying enemy, a purple raven, with its wing up (0), level (1) or down (2).
    static Canvas flyer(int frame);
};
