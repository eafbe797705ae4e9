#include "tools/assetgen/ContactSheet.h"

#include <SDL_image.h>

#include <algorithm>

namespace {

constexpr int kMaxWidth = 720;
constexpr int kGap = 8;
constexpr int kCheckSize = 8;
constexpr Colour kCheckLight{236, 236, 244};
constexpr Colour kCheckDark{206, 206, 218};
constexpr Colour kSheetBackground{60, 56, 76};

struct Placement {
    int x;
    int y;
};

}  // namespace

void ContactSheet::newRow() {
    rows_.emplace_back();
}

void ContactSheet::add(const Canvas& sprite) {
    rows_.back().push_back(sprite.scaled(kZoom));
}

Canvas ContactSheet::compose() const {
    // Lay out first, to know the sheet's size.
    std::vector<std::pair<const Canvas*, Placement>> placed;
    int y = kGap;
    int width = 0;
    for (const auto& row : rows_) {
        if (row.empty()) {
            continue;
        }
        int x = kGap;
        int rowHeight = 0;
        for (const Canvas& sprite : row) {
            if (x > kGap && x + sprite.width() + kGap > kMaxWidth) {
                x = kGap;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({&sprite, Placement{x, y}});
            x += sprite.width() + kGap;
            width = std::max(width, x);
            rowHeight = std::max(rowHeight, sprite.height());
        }
        y += rowHeight + kGap;
    }
    Canvas sheet(std::max(width, 1), std::max(y, 1), kSheetBackground);
    for (const auto& [sprite, at] : placed) {
        for (int row = 0; row < sprite->height(); ++row) {
            for (int column = 0; column < sprite->width(); ++column) {
                Colour c = sprite->at(column, row);
                if (c == kTransparent) {
                    const bool light = ((column / kCheckSize) + (row / kCheckSize)) % 2 == 0;
                    c = light ? kCheckLight : kCheckDark;
                }
                sheet.set(at.x + column, at.y + row, c);
            }
        }
    }
    return sheet;
}

bool ContactSheet::savePng(const std::string& path) const {
    const auto surface = compose().toSurface();
    return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}
