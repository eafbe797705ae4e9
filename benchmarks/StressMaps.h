#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

// Maps and searches for the path benchmarks: the shipped levels with their flying
// enemies chasing the player, and stress maps as long as a big level.
namespace stressmaps {

// Stress maps are this many cells wide and high, with 32-pixel tiles.
constexpr int kWidth = 1000;
constexpr int kHeight = 15;
constexpr int kTile = 32;

// A map and the searches to time on it, as (start pixel, goal pixel) pairs.
struct PathCase {
    std::string name;
    std::vector<std::string> rows;
    std::vector<std::pair<SDL_Point, SDL_Point>> searches;
};

// A shipped level file, searched from each flying enemy's cell to the player's.
PathCase shippedLevel(const std::string& name, const std::string& path);
// Ground above and below, open between; searched from the left end to the right.
PathCase corridor();
// The corridor cut by walls every few cells, each with a gap at its own height, and
// platform ledges between them; searched end to end.
PathCase maze();
// The corridor with the goal at the right end walled in: the search visits every
// reachable cell and its open list runs empty.
PathCase unreachable();

}  // namespace stressmaps
