#include "tools/assetgen/TileArt.h"

#include "tools/assetgen/Palette.h"

namespace {

constexpr int kCourseHeight = 8;  // four brick courses per tile
constexpr int kBrickLength = 16;  // two bricks per course
constexpr int kStagger = 8;       // odd courses shift by half a brick

// Fixed grit marks on the ground bricks, (x, y) per mark.
constexpr int kSpeckles[][2] = {{4, 3},  {11, 5},  {20, 2},  {27, 4}, {2, 12},  {14, 11}, {25, 13},
                                {8, 19}, {18, 20}, {29, 18}, {5, 27}, {13, 26}, {22, 28}};

// Platform plank rows, top down.
constexpr int kPlankTop = 0;
constexpr int kPlankBottom = 8;   // outline row under the plank
constexpr int kBracketDepth = 7;  // how far the corner brackets hang below the plank
constexpr int kNailInset = 4;

// Door opening inside the stone frame.
constexpr int kDoorLeft = 6;
constexpr int kDoorWidth = 20;
constexpr int kArchTop = 5;
constexpr int kPlankWidth = 5;
constexpr int kBandRows[] = {13, 25};
constexpr int kKnobX = 21;
constexpr int kKnobY = 19;

}  // namespace

Canvas TileArt::bricks(const Shades& brick, Colour mortar, bool speckled) {
    Canvas tile(kSize, kSize, brick.base);
    for (int course = 0; course < kSize / kCourseHeight; ++course) {
        const int top = course * kCourseHeight;
        const int offset = (course % 2 == 0) ? 0 : kStagger;
        tile.fillRect(0, top, kSize, 1, brick.light);
        tile.fillRect(0, top + kCourseHeight - 2, kSize, 1, brick.dark);
        tile.fillRect(0, top + kCourseHeight - 1, kSize, 1, mortar);
        for (int joint = offset + kBrickLength - 1; joint < kSize + kBrickLength;
             joint += kBrickLength) {
            const int x = joint % kSize;
            tile.fillRect(x, top, 1, kCourseHeight, mortar);
            tile.fillRect((x + 1) % kSize, top, 1, kCourseHeight - 1, brick.light);
            tile.fillRect((x + kSize - 1) % kSize, top + 1, 1, kCourseHeight - 2, brick.dark);
        }
    }
    if (speckled) {
        for (const auto& mark : kSpeckles) {
            tile.set(mark[0], mark[1], brick.dark);
            tile.set(mark[0] + 1, mark[1], brick.light);
        }
    }
    return tile;
}

Canvas TileArt::ground() {
    return bricks(palette::kBrick, palette::kMortar, true);
}

Canvas TileArt::black() {
    return bricks(palette::kNightBrick, palette::kNightMortar, false);
}

Canvas TileArt::platform() {
    using palette::kWood;
    Canvas tile(kSize, kSize, palette::kWhite);
    // Brackets under both ends; side by side, two tiles make one V-shaped support.
    for (int row = 0; row < kBracketDepth; ++row) {
        const int reach = kBracketDepth - row;
        tile.fillRect(0, kPlankBottom + 1 + row, reach, 1, kWood.dark);
        tile.fillRect(kSize - reach, kPlankBottom + 1 + row, reach, 1, kWood.dark);
        tile.set(reach, kPlankBottom + 1 + row, palette::kOutline);
        tile.set(kSize - reach - 1, kPlankBottom + 1 + row, palette::kOutline);
    }
    tile.fillRect(0, kPlankTop, kSize, 1, palette::kOutline);
    tile.fillRect(0, kPlankTop + 1, kSize, 1, kWood.light);
    tile.fillRect(0, kPlankTop + 2, kSize, kPlankBottom - 4, kWood.base);
    tile.fillRect(0, kPlankBottom - 2, kSize, 1, kWood.dark);
    tile.fillRect(0, kPlankBottom - 1, kSize, 1, kWood.dark);
    tile.fillRect(0, kPlankBottom, kSize, 1, palette::kOutline);
    // Grain and the seam between neighbouring planks.
    tile.fillRect(6, 3, 9, 1, kWood.dark);
    tile.fillRect(19, 5, 8, 1, kWood.dark);
    tile.fillRect(0, kPlankTop + 1, 1, kPlankBottom - 1, palette::kOutline);
    tile.set(kNailInset, 4, palette::kOutline);
    tile.set(kSize - kNailInset, 4, palette::kOutline);
    return tile;
}

Canvas TileArt::door() {
    using palette::kStone;
    Canvas tile(kSize, kSize, kStone.base);
    // Stone blocks of the frame: light tops, dark joints.
    constexpr int kJointRows[] = {0, 11, 22};
    for (int row : kJointRows) {
        tile.fillRect(0, row, kSize, 1, kStone.dark);
        tile.fillRect(0, row + 1, kSize, 1, kStone.light);
    }
    tile.fillRect(0, 0, 1, kSize, kStone.light);
    tile.fillRect(kSize - 1, 0, 1, kSize, kStone.dark);
    tile.fillRect(kSize / 2, 1, 1, 10, kStone.dark);
    // The opening: an arch over a rectangle reaching the floor, outlined dark.
    Canvas opening(kSize, kSize);
    opening.fillEllipse(kDoorLeft, kArchTop, kDoorWidth, kDoorWidth, palette::kDoorway);
    opening.fillRect(kDoorLeft, kArchTop + kDoorWidth / 2, kDoorWidth, kSize, palette::kDoorway);
    Canvas leaf = opening;
    opening.outline(palette::kOutline);
    tile.blit(opening, 0, 0);
    // Vertical planks in the opening, seams dark, iron bands across.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (leaf.at(x, y) == kTransparent) {
                continue;
            }
            const int plankColumn = (x - kDoorLeft) % kPlankWidth;
            Colour c = palette::kWood.base;
            if (plankColumn == 0) {
                c = palette::kWood.dark;
            } else if (plankColumn == 1) {
                c = palette::kWood.light;
            }
            tile.set(x, y, c);
        }
    }
    for (int band : kBandRows) {
        tile.fillRect(kDoorLeft, band, kDoorWidth, 2, palette::kOutline);
        tile.fillRect(kDoorLeft, band, kDoorWidth, 1, palette::kStone.dark);
    }
    tile.fillRect(kKnobX, kKnobY, 2, 2, palette::kGold.base);
    tile.set(kKnobX, kKnobY, palette::kGold.light);
    return tile;
}
