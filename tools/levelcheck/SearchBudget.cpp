#include "tools/levelcheck/SearchBudget.h"

SearchBudget::SearchBudget(std::chrono::milliseconds timeLimit, std::uint32_t statesPerSearch)
    : deadline(std::chrono::steady_clock::now() + timeLimit), stateLimit(statesPerSearch) {}

bool SearchBudget::outOfTime() {
    if (std::chrono::steady_clock::now() >= deadline) {
        hit = true;
    }
    return hit;
}

bool SearchBudget::tooManyStates(std::uint32_t states) {
    if (states >= stateLimit) {
        hit = true;
        return true;
    }
    return false;
}
