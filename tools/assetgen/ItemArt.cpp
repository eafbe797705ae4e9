#include "tools/assetgen/ItemArt.h"

#include "tools/assetgen/Palette.h"
#include "tools/assetgen/PixelGrid.h"

namespace {

SubPoint px(int x, int y) {
    return pixelCorner(x, y);
}

// Places a picture centred on a transparent cell-sized canvas.
Canvas centred(const Canvas& item) {
    Canvas cell(ItemArt::kPickupSize, ItemArt::kPickupSize);
    cell.blit(item, (ItemArt::kPickupSize - item.width()) / 2,
              (ItemArt::kPickupSize - item.height()) / 2);
    return cell;
}

}  // namespace

Canvas ItemArt::bullet() {
    using namespace palette;
    // clang-format off
    return PixelGrid::paint({"..kkkkkk..",
                             ".kcCCCCck.",
                             "kcCwwwwCck",
                             "kcCwwwwCck",
                             ".kcccccck.",
                             "..kkkkkk.."},
                            {{'k', kOutline}, {'c', kEnergy.dark}, {'C', kEnergy.base},
                             {'w', kEnergy.light}});
    // clang-format on
}

Canvas ItemArt::coin() {
    using namespace palette;
    Canvas item(18, 20);
    item.shadedEllipse(1, 1, 16, 18, kGold);
    // A raised rim around a sunken face with a bright slot.
    item.fillEllipse(4, 4, 10, 12, kGold.dark);
    item.fillEllipse(5, 5, 9, 11, kGold.base);
    item.fillRect(8, 7, 2, 6, kGold.light);
    item.set(9, 13, kGold.dark);
    item.outline(kOutline);
    return centred(item);
}

Canvas ItemArt::healthPack() {
    using namespace palette;
    // clang-format off
    return centred(PixelGrid::paint({"......kkkkkk......",
                                     ".....kggggggk.....",
                                     ".....kgkkkkgk.....",
                                     ".kkkkkkkkkkkkkkkk.",
                                     "kWWWWWWWWWWWWWWWWk",
                                     "kWwwwwwRRRRwwwwwgk",
                                     "kWwwwwwRrrRwwwwwgk",
                                     "kWwwRRRRrrRRRRwwgk",
                                     "kWwwRrrrrrrrrRwwgk",
                                     "kWwwRrrrrrrrrRwwgk",
                                     "kWwwRRRRrrRRRRwwgk",
                                     "kWwwwwwRrrRwwwwwgk",
                                     "kWwwwwwRRRRwwwwwgk",
                                     "kWwwwwwwwwwwwwwwgk",
                                     "kggggggggggggggggk",
                                     ".kkkkkkkkkkkkkkkk."},
                                    {{'k', kOutline}, {'W', kMedic.light}, {'w', kMedic.base},
                                     {'g', kMedic.dark}, {'R', kCross.dark}, {'r', kCross.base}}));
    // clang-format on
}

Canvas ItemArt::attackCharge() {
    using namespace palette;
    Canvas item(kPickupSize, kPickupSize);
    const SubPoint top = px(16, 4);
    const SubPoint right = px(24, 14);
    const SubPoint bottom = px(16, 28);
    const SubPoint left = px(8, 14);
    const SubPoint middle = px(16, 14);
    item.fillPolygon({top, right, bottom, left}, kEnergy.base);
    item.fillPolygon({top, middle, left}, kEnergy.light);
    item.fillPolygon({right, bottom, middle}, kEnergy.dark);
    item.fillPolygon(
        {px(18, 8), px(12, 17), px(16, 17), px(14, 25), px(21, 14), px(17, 14), px(20, 8)},
        kGold.base);
    item.outline(kOutline);
    return item;
}

Canvas ItemArt::healthBar() {
    using palette::kHealthGreen;
    const Colour rows[kBarHeight] = {kHealthGreen.light, kHealthGreen.light, kHealthGreen.base,
                                     kHealthGreen.base,  kHealthGreen.base,  kHealthGreen.base,
                                     kHealthGreen.base,  kHealthGreen.dark,  kHealthGreen.dark,
                                     kHealthGreen.dark};
    Canvas bar(kBarWidth, kBarHeight);
    for (int y = 0; y < kBarHeight; ++y) {
        bar.fillRect(0, y, kBarWidth, 1, rows[y]);
    }
    return bar;
}

Canvas ItemArt::healthBarBackground() {
    using palette::kHealthRed;
    const int width = kBarWidth + 2 * kBarBorder;
    const int height = kBarHeight + 2 * kBarBorder;
    Canvas frame(width, height, palette::kOutline);
    // The groove: shaded at the top as if sunk into the frame.
    frame.fillRect(kBarBorder, kBarBorder, kBarWidth, kBarHeight, kHealthRed.base);
    frame.fillRect(kBarBorder, kBarBorder, kBarWidth, 2, kHealthRed.dark);
    frame.fillRect(kBarBorder, kBarBorder + kBarHeight - 1, kBarWidth, 1, kHealthRed.light);
    return frame;
}

Canvas ItemArt::arrow() {
    using namespace palette;
    Canvas a(kArrowWidth, kArrowHeight);
    a.fillPolygon({px(6, 12), px(26, 12), px(26, 4), px(44, 16), px(26, 28), px(26, 20), px(6, 20)},
                  kWhite);
    // Shade the lower half so the arrow keeps its shape on light backgrounds too.
    a.fillPolygon({px(6, 17), px(43, 17), px(26, 28), px(26, 20), px(6, 20)}, kMist);
    a.outline(kOutline);
    return a;
}
