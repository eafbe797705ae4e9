#include "tools/levelcheck/SearchBudget.h"

SearchBudget::SearchBudget(std::chrono::milliseconds timeLimit, std::uint32_t statesPerSearch)
    : deadline(std::chrono::steady_clock::now() + timeLimit),
      limitSeconds(std::chrono::duration_cast<std::chrono::seconds>(timeLimit).count()),
      maxStates(statesPerSearch) {}

bool SearchBudget::outOfTime() {
    if (std::chrono::steady_clock::now() >= deadline) {
        timeUp = true;
        hit = true;
    }
    return timeUp;
}

bool SearchBudget::tooManyStates(std::uint32_t states) {
    if (states >= maxStates) {
        hit = true;
        return true;
    }
    return false;
}
