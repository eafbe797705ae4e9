#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "tools/assetgen/Colour.h"

// Sub-pixel precision of drawing coordinates: 16 units per pixel, so shapes can
// move smoothly by less than a pixel from one animation frame to the next.
constexpr int kSub = 16;

// A point in sub-pixel units (pixel * kSub); pixel (x, y) has its centre at
// (x * kSub + kSub / 2, y * kSub + kSub / 2).
struct SubPoint {
    int x = 0;
    int y = 0;
};

// The sub-pixel point at the top-left corner of pixel (x, y).
constexpr SubPoint pixelCorner(int x, int y) {
    return SubPoint{x * kSub, y * kSub};
}

// A picture being drawn: opaque RGB pixels, where magenta means transparent.
// All drawing is integer arithmetic, so a picture is the same on every machine.
class Canvas {
public:
    // A width x height picture filled with one colour (transparent by default).
    Canvas(int width, int height, Colour fill = kTransparent);

    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y); transparent outside the picture.
    Colour at(int x, int y) const;
    // Sets one pixel; positions outside the picture are ignored.
    void set(int x, int y, Colour colour);
    // Fills a w x h rectangle whose top-left pixel is (x, y).
    void fillRect(int x, int y, int w, int h, Colour colour);
    // Fills the ellipse inscribed in the w x h rectangle at (left, top).
    void fillEllipse(int left, int top, int w, int h, Colour colour);
    // Fills an ellipse lit from the top left: light rim up-left, dark rim down-right.
    void shadedEllipse(int left, int top, int w, int h, const Shades& shades);
    // Paints every pixel whose centre lies within radius of the segment a-b
    // (all in sub-pixel units): a round-ended thick line.
    void stroke(SubPoint a, SubPoint b, int radius, Colour colour);
    // Fills the polygon (sub-pixel vertices) by the even-odd rule at pixel centres.
    void fillPolygon(const std::vector<SubPoint>& vertices, Colour colour);
    // Surrounds every drawn shape with a one-pixel line (4-neighbours) of colour.
    void outline(Colour colour);
    // Copies the non-transparent pixels of source with its top-left at (x, y).
    void blit(const Canvas& source, int x, int y);
    // Every pixel of colour from becomes colour to.
    void replace(Colour from, Colour to);
    // The picture enlarged factor times in both directions.
    Canvas scaled(int factor) const;
    // An SDL surface (24-bit BGR) holding a copy of the picture; null on failure.
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> toSurface() const;
    // Writes a 24-bit BMP; returns false when SDL cannot write it.
    bool saveBmp(const std::string& path) const;

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};
