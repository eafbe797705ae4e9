// Runs searches of one stress map for instruction counts under callgrind, which
// are steadier than timings on a shared machine:
//   kestrun_path_driver corridor|maze|unreachable production|reference [searches]
// Only measuredSearches is meant to be counted (callgrind's
// --toggle-collect=measuredSearches); building the maps is left out.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "benchmarks/ProductionSearch.h"
#include "benchmarks/StressMaps.h"
#include "tests/game/world/ReferencePathSearch.h"

namespace {
constexpr int kDefaultSearches = 10;

template <typename Search>
void runAll(Search& search, const stressmaps::PathCase& path, int searches, SDL_Point& out) {
    for (int i = 0; i < searches; ++i) {
        for (const auto& [start, goal] : path.searches) {
            search.findPath(start.x, start.y, goal.x, goal.y, out.x, out.y);
        }
    }
}
}  // namespace

// Not inlined and with a plain name, so callgrind can count just this call.
extern "C" __attribute__((noinline)) void measuredSearches(
    ProductionSearch* production, worldtest::ReferencePathSearch* reference,
    const stressmaps::PathCase* path, int searches, SDL_Point* out) {
    if (production != nullptr) {
        runAll(*production, *path, searches, *out);
    } else {
        runAll(*reference, *path, searches, *out);
    }
}

int main(int argc, char** argv) {
    const std::string map = argc > 1 ? argv[1] : "corridor";
    const std::string which = argc > 2 ? argv[2] : "production";
    const int searches = argc > 3 ? std::atoi(argv[3]) : kDefaultSearches;
    const stressmaps::PathCase path = map == "maze"          ? stressmaps::maze()
                                      : map == "unreachable" ? stressmaps::unreachable()
                                                             : stressmaps::corridor();
    ProductionSearch production(path.rows);
    worldtest::ReferencePathSearch reference(path.rows, stressmaps::kTile, stressmaps::kTile);
    SDL_Point out{0, 0};
    measuredSearches(which == "reference" ? nullptr : &production,
                     which == "reference" ? &reference : nullptr, &path, searches, &out);
    std::printf("%s %s: %d searches, first step (%d, %d)\n", path.name.c_str(), which.c_str(),
                searches, out.x, out.y);
    return 0;
}
