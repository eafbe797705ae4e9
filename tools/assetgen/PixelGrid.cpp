#include "tools/assetgen/PixelGrid.h"

#include <stdexcept>

Canvas PixelGrid::paint(const std::vector<std::string>& rows, const Legend& legend) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    Canvas canvas(width, static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            throw std::invalid_argument("pixel grid row " + std::to_string(y) + " has length " +
                                        std::to_string(rows[y].size()));
        }
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char key = rows[y][x];
            if (key == '.') {
                continue;
            }
            bool found = false;
            for (const auto& entry : legend) {
                if (entry.first == key) {
                    canvas.set(static_cast<int>(x), static_cast<int>(y), entry.second);
                    found = true;
                    break;
                }
            }
            if (!found) {
                throw std::invalid_argument(std::string("pixel grid uses unknown key '") + key +
                                            "'");
            }
        }
    }
    return canvas;
}
