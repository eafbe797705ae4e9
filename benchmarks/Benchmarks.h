#pragma once

// Each group of benchmarks registers itself from the benchmark program's main,
// after SDL is set up on its dummy drivers.

// findPath on the shipped levels and the stress maps, production and reference.
void registerPathBenchmarks();
// One level step (update, draw, present) on each shipped level and the stress level.
void registerStepBenchmarks();
// Game construction, one main-menu frame and one HUD frame.
void registerGameBenchmarks();
// The level checker on generated worst cases of 200 x 15 cells.
void registerCheckerBenchmarks();
