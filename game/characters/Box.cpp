#include "game/characters/Box.h"

#include <cstdint>

bool Box::overlaps(const Box& other) const {
    const std::int64_t left = x;
    const std::int64_t top = y;
    const std::int64_t otherLeft = other.x;
    const std::int64_t otherTop = other.y;
    return otherLeft + other.w >= left && otherLeft <= left + w && otherTop + other.h >= top &&
           otherTop <= top + h;
}
