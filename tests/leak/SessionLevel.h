#pragma once

namespace leaktest {

// The level 1 of the long session: a corridor of attack charges, so that the
// player can fire hundreds of shots, closed by a one-cell wall; beyond it three
// walking enemies wait for a player who jumps over.
class SessionLevel {
public:
    // The level's rows, each ending in a line feed.
    static const char* text();
};

}  // namespace leaktest
