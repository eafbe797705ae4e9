#include <gtest/gtest.h>

#include "game/media/Sprite.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using testsupport::HeadlessWindow;
using testsupport::sameRgb;
using testsupport::ScratchFolder;

namespace {

// Writes a 24-bit BMP whose pixels come from fill(x, y).
template <typename Fill>
void writeBitmap(const std::string& path, int w, int h, Fill fill) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            SDL_Color c = fill(x, y);
            Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

class SpriteTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    HeadlessWindow window;
};

TEST_F(SpriteTest, MagentaIsTransparentButNearMagentaIsNot) {
    writeBitmap("key.bmp", 2, 1, [](int x, int) {
        return x == 0 ? SDL_Color{255, 0, 255, 255} : SDL_Color{254, 0, 255, 255};
    });
    Sprite sprite(window.renderer(), "key.bmp");
    window.clear(10, 20, 30);
    sprite.draw(100, 100);
    EXPECT_TRUE(sameRgb(window.pixel(100, 100), 10, 20, 30));
    EXPECT_TRUE(sameRgb(window.pixel(101, 100), 254, 0, 255));
}

TEST_F(SpriteTest, FacingZeroMirrorsAndOtherFacingsDoNot) {
    // Left half red, right half blue.
    writeBitmap("half.bmp", 10, 4, [](int x, int) {
        return x < 5 ? SDL_Color{255, 0, 0, 255} : SDL_Color{0, 0, 255, 255};
    });
    Sprite sprite(window.renderer(), "half.bmp");
    window.clear(0, 0, 0);
    sprite.draw(0, 0, 0);
    sprite.draw(20, 0, 1);
    sprite.draw(40, 0);
    EXPECT_TRUE(sameRgb(window.pixel(0, 0), 0, 0, 255));
    EXPECT_TRUE(sameRgb(window.pixel(9, 0), 255, 0, 0));
    EXPECT_TRUE(sameRgb(window.pixel(20, 0), 255, 0, 0));
    EXPECT_TRUE(sameRgb(window.pixel(29, 0), 0, 0, 255));
    EXPECT_TRUE(sameRgb(window.pixel(40, 0), 255, 0, 0));
}

TEST_F(SpriteTest, SetWidthSqueezesTheWholePicture) {
    writeBitmap("wide.bmp", 100, 6, [](int x, int) {
        return x == 99 ? SDL_Color{0, 255, 0, 255} : SDL_Color{200, 0, 0, 255};
    });
    Sprite sprite(window.renderer(), "wide.bmp");
    EXPECT_EQ(sprite.getWidth(), 100);
    sprite.setWidth(37);
    window.clear(255, 255, 255);
    sprite.draw(10, 10);
    EXPECT_EQ(window.countPixels({0, 10, 200, 1}, 255, 255, 255), 200 - 37);
    EXPECT_FALSE(sameRgb(window.pixel(46, 10), 255, 255, 255));
    EXPECT_TRUE(sameRgb(window.pixel(47, 10), 255, 255, 255));
    EXPECT_EQ(sprite.getHeight(), 6);
    EXPECT_TRUE(sameRgb(window.pixel(10, 16), 255, 255, 255));
}

TEST_F(SpriteTest, WidthZeroOrBelowDrawsNothing) {
    writeBitmap("bar.bmp", 100, 3, [](int, int) { return SDL_Color{0, 200, 0, 255}; });
    Sprite sprite(window.renderer(), "bar.bmp");
    for (int w : {0, -5}) {
        sprite.setWidth(w);
        window.clear(255, 255, 255);
        sprite.draw(50, 50);
        EXPECT_EQ(window.countPixels({0, 50, 640, 3}, 255, 255, 255), 640 * 3);
    }
}

TEST_F(SpriteTest, MissingBitmapReportsAndDrawsNothing) {
    testing::internal::CaptureStdout();
    Sprite sprite(window.renderer(), "nowhere/missing.bmp");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("SURFACE for bitmap 'nowhere/missing.bmp' not loaded \n", 0), 0u) << out;
    EXPECT_GT(out.size(),
              std::string("SURFACE for bitmap 'nowhere/missing.bmp' not loaded \n").size());
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(sprite.getWidth(), 0);
    EXPECT_EQ(sprite.getHeight(), 0);
    window.clear(1, 2, 3);
    sprite.draw(0, 0);
    sprite.draw(0, 0, 0);
    EXPECT_TRUE(sameRgb(window.pixel(0, 0), 1, 2, 3));
}

TEST_F(SpriteTest, DamagedBitmapsDoNotCrash) {
    folder.writeFile("empty.bmp", "");
    folder.writeFile("text.bmp", "this is not a bitmap");
    folder.writeFile("truncated.bmp", std::string("BM\x36\x00\x00\x00", 6));
    testing::internal::CaptureStdout();
    for (const char* name : {"empty.bmp", "text.bmp", "truncated.bmp"}) {
        Sprite sprite(window.renderer(), name);
        EXPECT_EQ(sprite.getWidth(), 0) << name;
        sprite.draw(0, 0);
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("'truncated.bmp'"), std::string::npos);
}

}  // namespace
