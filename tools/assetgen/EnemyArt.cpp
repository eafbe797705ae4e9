#include "tools/assetgen/EnemyArt.h"

#include "tools/assetgen/Palette.h"

namespace {

// Walker layout in pixels.
constexpr int kBodyLeft = 3;
constexpr int kBodyTop = 6;
constexpr int kBodyWidth = 22;
constexpr int kBodyHeight = 18;
constexpr int kFootWidth = 8;
constexpr int kFootHeight = 4;
constexpr int kFootTop = 22;  // feet reach row 25; outline on the last rows
constexpr int kBackFootX = 5;
constexpr int kFrontFootX = 14;
// Per step frame: front foot shift, back foot shift, body lift (pixels).
constexpr int kStride[EnemyArt::kWalkerFrames][3] = {{2, -2, 0}, {0, 0, 1}, {-2, 2, 0}};

// The near wing per frame, as a polygon in pixels from the shoulder round the
// feather tips: raised, level, lowered.
constexpr int kWingPoints = 7;
constexpr int kWing[EnemyArt::kFlyerFrames][kWingPoints][2] = {
    {{17, 12}, {15, 5}, {11, 1}, {9, 4}, {7, 5}, {7, 8}, {10, 12}},
    {{17, 12}, {12, 9}, {2, 8}, {4, 11}, {3, 13}, {6, 14}, {11, 15}},
    {{17, 12}, {14, 16}, {10, 22}, {9, 19}, {7, 19}, {8, 15}, {10, 12}},
};
// Where the feather line on the wing ends, per frame.
constexpr int kWingCrease[EnemyArt::kFlyerFrames][2] = {{10, 6}, {6, 11}, {10, 18}};

SubPoint px(int x, int y) {
    return pixelCorner(x, y);
}

}  // namespace

Canvas EnemyArt::walker(int frame) {
    using namespace palette;
    const int front = kStride[frame][0];
    const int back = kStride[frame][1];
    const int top = kBodyTop - kStride[frame][2];
    Canvas c(kWalkerSize, kWalkerSize);
    c.fillEllipse(kBackFootX + back, kFootTop, kFootWidth, kFootHeight, kGrumblerFeet);
    // Horns, then the body over their roots.
    c.fillPolygon({px(7, top + 4), px(8, top - 4), px(12, top + 3)}, kHorn);
    c.fillPolygon({px(15, top + 3), px(19, top - 5), px(20, top + 4)}, kHorn);
    c.shadedEllipse(kBodyLeft, top, kBodyWidth, kBodyHeight, kGrumbler);
    // Back spikes.
    for (int i = 0; i < 3; ++i) {
        const int y = top + 5 + 4 * i;
        c.fillPolygon({px(kBodyLeft + 1, y), px(kBodyLeft - 2, y + 2), px(kBodyLeft + 1, y + 4)},
                      kGrumbler.dark);
    }
    // One big eye under an angry brow, looking ahead.
    c.fillEllipse(15, top + 3, 7, 7, kWhite);
    c.fillRect(19, top + 5, 2, 3, kOutline);
    c.stroke(px(14, top + 3), px(22, top + 5), 12, kOutline);
    // Grimace with one tooth.
    c.stroke(px(15, top + 13), px(23, top + 12), 9, kOutline);
    c.set(20, top + 13, kWhite);
    c.fillEllipse(kFrontFootX + front, kFootTop, kFootWidth, kFootHeight, kGrumblerFeet);
    c.outline(kOutline);
    return c;
}

Canvas EnemyArt::flyer(int frame) {
    using namespace palette;
    Canvas c(kFlyerWidth, kFlyerHeight);
    // Tail feathers behind the body.
    c.fillPolygon({px(7, 12), px(1, 9), px(2, 13), px(1, 17), px(8, 16)}, kRaven.dark);
    c.shadedEllipse(4, 9, 17, 10, kRaven);
    c.shadedEllipse(15, 4, 10, 10, kRaven);
    c.fillEllipse(9, 14, 9, 4, kRaven.light);  // pale belly
    // Beak pointing ahead, eye above it.
    c.fillPolygon({px(23, 8), px(27, 10), px(23, 12)}, kBeak);
    c.fillRect(20, 7, 2, 2, kWhite);
    c.set(21, 8, kEyeRed);
    // Tucked claws.
    c.set(11, 19, kBeak);
    c.set(14, 19, kBeak);
    // The near wing, drawn over the body, with one feather line.
    std::vector<SubPoint> wing;
    for (const auto& point : kWing[frame]) {
        wing.push_back(px(point[0], point[1]));
    }
    Canvas wingShape(kFlyerWidth, kFlyerHeight);
    wingShape.fillPolygon(wing, kRaven.light);
    wingShape.outline(kRaven.dark);
    c.blit(wingShape, 0, 0);
    c.stroke(px(15, 12), px(kWingCrease[frame][0], kWingCrease[frame][1]), 8, kRaven.dark);
    c.outline(kOutline);
    return c;
}
