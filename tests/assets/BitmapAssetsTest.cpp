// The committed bitmaps: present under both spellings of the asset folder,
// loadable by SDL, and shaped the way the game's drawing and collisions need.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/assets/AssetCatalogue.h"

using assettest::Drawn;
using assettest::loadPicture;
using assettest::Picture;

namespace {

constexpr int kCell = 32;

// Bounding box of the pixels that are not magenta.
struct Box {
    int left;
    int top;
    int right;
    int bottom;
};

Box visibleBox(const Picture& p) {
    Box box{p.width, p.height, -1, -1};
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (!p.isMagenta(x, y)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

int magentaCount(const Picture& p) {
    int count = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            count += p.isMagenta(x, y) ? 1 : 0;
        }
    }
    return count;
}

Picture load(const std::string& relative) {
    return loadPicture("assets/" + relative);
}

}  // namespace

TEST(BitmapAssets, EveryBitmapLoadsUnderBothFolderSpellings) {
    for (const auto& entry : assettest::bitmaps()) {
        for (const std::string folder : {"assets/", "Assets/"}) {
            SDL_Surface* surface = SDL_LoadBMP((folder + entry.path).c_str());
            EXPECT_NE(surface, nullptr) << folder << entry.path << ": " << SDL_GetError();
            SDL_FreeSurface(surface);
        }
    }
}

TEST(BitmapAssets, TransparencyMatchesHowEachBitmapIsDrawn) {
    for (const auto& entry : assettest::bitmaps()) {
        const Picture p = load(entry.path);
        ASSERT_GT(p.width, 0) << entry.path;
        if (entry.drawn == Drawn::Opaque) {
            // Drawn without a colour key: any magenta would show as magenta.
            EXPECT_EQ(magentaCount(p), 0) << entry.path;
        } else {
            const int last = p.width - 1;
            const int bottom = p.height - 1;
            EXPECT_TRUE(p.isMagenta(0, 0) && p.isMagenta(last, 0) && p.isMagenta(0, bottom) &&
                        p.isMagenta(last, bottom))
                << entry.path << " should stand on a transparent background";
            EXPECT_LT(magentaCount(p), p.width * p.height) << entry.path << " shows nothing";
        }
    }
}

TEST(BitmapAssets, TilesAndEditorCardsFillOneCell) {
    for (const std::string path :
         {"tiles/groundTile.bmp", "tiles/blackTile.bmp", "tiles/platformTile.bmp",
          "tiles/doorTile.bmp", "sprites/player.bmp", "sprites/birdEnemy.bmp",
          "sprites/dumbEnemy.bmp"}) {
        const Picture p = load(path);
        EXPECT_EQ(p.width, kCell) << path;
        EXPECT_EQ(p.height, kCell) << path;
    }
}

TEST(BitmapAssets, RunFramesShareOneSizeThatFitsThroughOneCellGaps) {
    const auto frames = assettest::runFrames();
    ASSERT_EQ(frames.size(), 26U);
    const Picture first = load(frames.front());
    EXPECT_LT(first.width, kCell);
    EXPECT_LT(first.height, kCell);
    for (const auto& path : frames) {
        const Picture p = load(path);
        EXPECT_EQ(p.width, first.width) << path;
        EXPECT_EQ(p.height, first.height) << path;
    }
}

TEST(BitmapAssets, RunFramesAnimateWithTheFeetNearTheBoxBottom) {
    // The collision box is the frame: feet drawn high would make the hero hover.
    constexpr int kMostBob = 2;
    const auto frames = assettest::runFrames();
    int lowest = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        const Picture p = load(frames[i]);
        const Picture next = load(frames[(i + 1) % frames.size()]);
        const Box box = visibleBox(p);
        EXPECT_GE(box.bottom, p.height - 1 - kMostBob) << frames[i];
        lowest = std::max(lowest, box.bottom);
        bool differs = false;
        for (size_t k = 0; k < p.pixels.size() && k < next.pixels.size(); ++k) {
            const SDL_Color a = p.pixels[k];
            const SDL_Color b = next.pixels[k];
            differs = differs || a.r != b.r || a.g != b.g || a.b != b.b;
        }
        EXPECT_TRUE(differs) << frames[i] << " repeats the next frame";
    }
    EXPECT_EQ(lowest, load(frames.front()).height - 1) << "no frame touches the floor";
}

TEST(BitmapAssets, EnemyFramesShareOneSizeWithinACell) {
    for (const std::string folder :
         {"sprites/dumbenemy/dumb_anim_", "sprites/birdenemy/bird_anim_"}) {
        const Picture first = load(folder + "1.bmp");
        EXPECT_LE(first.width, kCell) << folder;
        EXPECT_LE(first.height, kCell) << folder;
        for (const std::string n : {"2", "3"}) {
            const Picture p = load(folder + n + ".bmp");
            EXPECT_EQ(p.width, first.width) << folder << n;
            EXPECT_EQ(p.height, first.height) << folder << n;
        }
    }
}

TEST(BitmapAssets, PickupsFillACellWithTheItemCentred) {
    for (const std::string path :
         {"sprites/coin.bmp", "sprites/healthPack.bmp", "sprites/attackCharge.bmp"}) {
        const Picture p = load(path);
        ASSERT_EQ(p.width, kCell) << path;
        ASSERT_EQ(p.height, kCell) << path;
        const Box box = visibleBox(p);
        // Margins left and right (and top and bottom) differ by at most a pixel.
        EXPECT_LE(std::abs(box.left - (kCell - 1 - box.right)), 1) << path;
        EXPECT_LE(std::abs(box.top - (kCell - 1 - box.bottom)), 1) << path;
    }
}

TEST(BitmapAssets, BulletIsSmallerThanAnEnemy) {
    const Picture bullet = load("sprites/bullet.bmp");
    EXPECT_GT(bullet.width, 0);
    EXPECT_LE(bullet.width, kCell / 2);
    EXPECT_LE(bullet.height, kCell / 2);
}

TEST(BitmapAssets, HealthBarIsOnePixelPerPointAndSqueezesEvenly) {
    const Picture bar = load("sprites/healthBar.bmp");
    const Picture frame = load("sprites/healthBarBg.bmp");
    ASSERT_EQ(bar.width, 100);
    // The frame is drawn one pixel up and left of the bar and shows round it.
    EXPECT_EQ(frame.width, bar.width + 2);
    EXPECT_EQ(frame.height, bar.height + 2);
    // Every column alike, so the bar squeezed to a lower health looks the same.
    for (int y = 0; y < bar.height; ++y) {
        for (int x = 1; x < bar.width; ++x) {
            const SDL_Color a = bar.at(0, y);
            const SDL_Color b = bar.at(x, y);
            ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << "column " << x << " row " << y;
        }
    }
}

TEST(BitmapAssets, ArrowFitsLeftOfTheMenuItems) {
    // Items are 50 px apart and the arrow is drawn 80 px to their left.
    const Picture arrow = load("sprites/menu/arrow.bmp");
    EXPECT_GT(arrow.width, 0);
    EXPECT_LE(arrow.width, 80);
    EXPECT_LE(arrow.height, 50);
    // Points right: the rightmost visible column is a narrow tip.
    const Box box = visibleBox(arrow);
    int tipPixels = 0;
    for (int y = 0; y < arrow.height; ++y) {
        tipPixels += arrow.isMagenta(box.right, y) ? 0 : 1;
    }
    EXPECT_LE(tipPixels, 3);
}
