#pragma once

#include <cstdint>
#include <vector>

// The nine sound effects, each a few tones whose shape suits its action.
// Every effect starts and ends in silence.
class SoundEffects {
public:
    using Samples = std::vector<std::int16_t>;

    // Two quick rising chimes.
    static Samples coin();
    // An upward pitch sweep, as long as the rise feels.
    static Samples jump();
    // A sharp falling zap with a hiss of noise.
    static Samples shoot();
    // A rough falling buzz with a thump.
    static Samples hurt();
    // Three falling notes, then a long sinking wail.
    static Samples death();
    // A noisy pop that sinks away.
    static Samples enemyDeath();
    // A fast climbing arpeggio over a rising shimmer.
    static Samples attackCharge();
    // A warm major arpeggio resolving into a chord.
    static Samples healthPack();
    // A short two-note blip.
    static Samples menuNavigate();
};
