#include "tools/assetgen/FixedMath.h"

namespace fixedmath {

namespace {

constexpr std::int64_t kTurn = std::int64_t{1} << 32;
constexpr Phase kQuarterTurn = Phase{1} << 30;
constexpr int kDegreesPerTurn = 360;

// sin(x * pi / 2) on [0, 1] as x * (a + x^2 * (b + c * x^2)), with a = pi/2 and b, c
// chosen so the curve reaches exactly 1 with zero slope at x = 1. Scaled by 2^20.
constexpr std::int64_t kPolyShift = 20;
constexpr std::int64_t kCoefA = 1647099;  // 1.5707963 * 2^20
constexpr std::int64_t kCoefB = -672759;  // (1 - a) - c
constexpr std::int64_t kCoefC = 74235;    // (-a - 3 * (1 - a)) / 2

// sin over the first quadrant; x is the position in the quadrant scaled by 2^20.
std::int64_t quarterSine(std::int64_t x) {
    const std::int64_t x2 = (x * x) >> kPolyShift;
    const std::int64_t inner = kCoefB + ((kCoefC * x2) >> kPolyShift);
    const std::int64_t outer = kCoefA + ((inner * x2) >> kPolyShift);
    return (outer * x) >> kPolyShift;
}

}  // namespace

Phase degrees(int wholeDegrees) {
    return turnFraction(wholeDegrees, kDegreesPerTurn);
}

Phase turnFraction(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t units = numerator * kTurn / denominator;
    return static_cast<Phase>(static_cast<std::uint64_t>(units));
}

int sine(Phase phase) {
    const unsigned quadrant = phase >> 30;
    const Phase within = phase & (kQuarterTurn - 1);
    // Quadrants 1 and 3 run the quarter curve backwards.
    const Phase folded = (quadrant & 1U) != 0 ? kQuarterTurn - within : within;
    const std::int64_t x = static_cast<std::int64_t>(folded) >> (30 - kPolyShift);
    const std::int64_t value = quarterSine(x) >> (kPolyShift - 14);
    return static_cast<int>(quadrant >= 2 ? -value : value);
}

int cosine(Phase phase) {
    return sine(phase + kQuarterTurn);
}

int scale(int value, int fraction) {
    const std::int64_t product = std::int64_t{value} * fraction;
    const std::int64_t half = kOne / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kOne : -((-product + half) / kOne));
}

}  // namespace fixedmath
