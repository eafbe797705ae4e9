#include "tools/assetgen/Canvas.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kBytesPerPixel = 3;

std::int64_t square(std::int64_t v) {
    return v * v;
}

// Squared distance from p to the segment a-b, all in sub-pixel units.
std::int64_t distanceToSegment2(SubPoint p, SubPoint a, SubPoint b) {
    const std::int64_t abx = b.x - a.x;
    const std::int64_t aby = b.y - a.y;
    const std::int64_t apx = p.x - a.x;
    const std::int64_t apy = p.y - a.y;
    const std::int64_t length2 = abx * abx + aby * aby;
    const std::int64_t dot = apx * abx + apy * aby;
    if (length2 == 0 || dot <= 0) {
        return apx * apx + apy * apy;
    }
    if (dot >= length2) {
        return square(p.x - b.x) + square(p.y - b.y);
    }
    // |ap x ab|^2 / |ab|^2, rounded down: the perpendicular distance squared.
    const std::int64_t cross = apx * aby - apy * abx;
    return cross * cross / length2;
}

SubPoint pixelCentre(int x, int y) {
    return SubPoint{x * kSub + kSub / 2, y * kSub + kSub / 2};
}

}  // namespace

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), fill) {}

Colour Canvas::at(int x, int y) const {
    return inside(x, y) ? pixels_[static_cast<size_t>(y * width_ + x)] : kTransparent;
}

void Canvas::set(int x, int y, Colour colour) {
    if (inside(x, y)) {
        pixels_[static_cast<size_t>(y * width_ + x)] = colour;
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Colour colour) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            set(column, row, colour);
        }
    }
}

void Canvas::fillEllipse(int left, int top, int w, int h, Colour colour) {
    // Pixel centres in half-pixel units against the inscribed ellipse.
    const std::int64_t limit = square(std::int64_t{w} * h);
    for (int y = top; y < top + h; ++y) {
        for (int x = left; x < left + w; ++x) {
            const std::int64_t dx = 2 * (x - left) + 1 - w;
            const std::int64_t dy = 2 * (y - top) + 1 - h;
            if (square(dx * h) + square(dy * w) <= limit) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::shadedEllipse(int left, int top, int w, int h, const Shades& shades) {
    fillEllipse(left, top, w, h, shades.dark);
    // The lit body is the same ellipse nudged up-left; what stays dark is the shadow rim.
    fillEllipse(left, top, w - 1, h - 1, shades.base);
    // A small highlight in the upper-left quarter.
    fillEllipse(left + w / 5, top + h / 6, std::max(1, w / 3), std::max(1, h / 4), shades.light);
}

void Canvas::stroke(SubPoint a, SubPoint b, int radius, Colour colour) {
    const int minX = (std::min(a.x, b.x) - radius) / kSub - 1;
    const int maxX = (std::max(a.x, b.x) + radius) / kSub + 1;
    const int minY = (std::min(a.y, b.y) - radius) / kSub - 1;
    const int maxY = (std::max(a.y, b.y) + radius) / kSub + 1;
    const std::int64_t radius2 = square(radius);
    for (int y = minY; y <= maxY; ++y) {
        for (int x = minX; x <= maxX; ++x) {
            if (distanceToSegment2(pixelCentre(x, y), a, b) <= radius2) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::fillPolygon(const std::vector<SubPoint>& vertices, Colour colour) {
    const size_t count = vertices.size();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const SubPoint p = pixelCentre(x, y);
            bool in = false;
            for (size_t i = 0, j = count - 1; i < count; j = i++) {
                const SubPoint& vi = vertices[i];
                const SubPoint& vj = vertices[j];
                if ((vi.y > p.y) == (vj.y > p.y)) {
                    continue;
                }
                // Does the edge cross the horizontal ray to the right of p?
                const std::int64_t lhs = std::int64_t{p.x - vi.x} * (vj.y - vi.y);
                const std::int64_t rhs = std::int64_t{vj.x - vi.x} * (p.y - vi.y);
                const bool crosses = (vj.y > vi.y) ? lhs < rhs : lhs > rhs;
                if (crosses) {
                    in = !in;
                }
            }
            if (in) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::outline(Colour colour) {
    const Canvas before = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (before.at(x, y) != kTransparent) {
                continue;
            }
            if (before.at(x - 1, y) != kTransparent || before.at(x + 1, y) != kTransparent ||
                before.at(x, y - 1) != kTransparent || before.at(x, y + 1) != kTransparent) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row) {
        for (int column = 0; column < source.width(); ++column) {
            const Colour c = source.at(column, row);
            if (c != kTransparent) {
                set(x + column, y + row, c);
            }
        }
    }
}

void Canvas::replace(Colour from, Colour to) {
    std::replace(pixels_.begin(), pixels_.end(), from, to);
}

Canvas Canvas::scaled(int factor) const {
    Canvas big(width_ * factor, height_ * factor);
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            big.set(x, y, at(x / factor, y / factor));
        }
    }
    return big;
}

std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> Canvas::toSurface() const {
    // BGR24 is the layout a 24-bit BMP stores, so SDL writes it without converting.
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 24, SDL_PIXELFORMAT_BGR24),
        SDL_FreeSurface);
    if (!surface) {
        return surface;
    }
    auto* bytes = static_cast<std::uint8_t*>(surface->pixels);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = bytes + static_cast<ptrdiff_t>(y) * surface->pitch;
        std::fill(row, row + surface->pitch, std::uint8_t{0});
        for (int x = 0; x < width_; ++x) {
            const Colour c = at(x, y);
            row[x * kBytesPerPixel + 0] = c.b;
            row[x * kBytesPerPixel + 1] = c.g;
            row[x * kBytesPerPixel + 2] = c.r;
        }
    }
    return surface;
}

bool Canvas::saveBmp(const std::string& path) const {
    const auto surface = toSurface();
    return surface && SDL_SaveBMP(surface.get(), path.c_str()) == 0;
}
