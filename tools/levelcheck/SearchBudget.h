#pragma once

#include <chrono>
#include <cstdint>

// Bounds the work of the route searches for one level: a wall-clock deadline
// shared by every search, and a number of states each single search may store.
class SearchBudget {
public:
    // Starts the clock now.
    SearchBudget(std::chrono::milliseconds timeLimit, std::uint32_t statesPerSearch);

    // True (and remembered) once the deadline has passed.
    bool outOfTime();
    // True (and remembered) when a search holding states has reached its limit.
    bool tooManyStates(std::uint32_t states);
    // Records that a search stopped at some other bound.
    void markHit() { hit = true; }
    // The limits, for naming the one that stopped a search.
    long long seconds() const { return limitSeconds; }
    std::uint32_t stateLimit() const { return maxStates; }
    // Whether a search stopped at a bound, so that its answer is incomplete.
    bool wasHit() const { return hit; }

private:
    std::chrono::steady_clock::time_point deadline;
    long long limitSeconds;
    std::uint32_t maxStates;
    bool hit = false;
    bool timeUp = false;
};
