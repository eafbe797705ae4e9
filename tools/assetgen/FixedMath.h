#pragma once

#include <cstdint>

// Integer trigonometry, so that every generated picture and sound comes out
// bit-for-bit the same on any machine and any maths library.
namespace fixedmath {

// A full turn is 2^32 phase units; angles wrap for free in unsigned arithmetic.
using Phase = std::uint32_t;

// Unit 1.0 of the fixed-point results below.
constexpr int kOne = 1 << 14;

// Phase units of an angle given in whole degrees (may be negative).
Phase degrees(int wholeDegrees);
// Phase units of the fraction numerator / denominator of a full turn.
Phase turnFraction(std::int64_t numerator, std::int64_t denominator);
// sin(phase) scaled by kOne; within 0.2 % of the exact value.
int sine(Phase phase);
// cos(phase) scaled by kOne.
int cosine(Phase phase);
// value * fraction / kOne, rounded to nearest (halves away from zero).
int scale(int value, int fraction);

}  // namespace fixedmath
