#include <gtest/gtest.h>

#include <string>

#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"
#include "tools/levelpicture/LevelPicture.h"

namespace {

SDL_Color pixelAt(const SDL_Surface& picture, int x, int y) {
    const auto* row = static_cast<const Uint8*>(picture.pixels) + y * picture.pitch;
    SDL_Color colour;
    SDL_GetRGBA(reinterpret_cast<const Uint32*>(row)[x], picture.format, &colour.r, &colour.g,
                &colour.b, &colour.a);
    return colour;
}

bool isWhite(const SDL_Color& colour) {
    return testsupport::sameRgb(colour, 255, 255, 255);
}

// A level three screens wide: every column is drawn, the last one included (the
// game's camera never shows it at a screen's left edge), and each entity at its cell.
TEST(LevelPictureTest, DrawsEveryColumnAndTheEntitiesAtTheirCells) {
    testsupport::HeadlessWindow window;
    testsupport::ScratchFolder scratch;
    scratch.linkRepositoryAssets();
    scratch.writeFile("wide.txt", "C" + std::string(58, '.') + "G\n" + std::string(60, 'G') + "\n");
    LevelPicture picture(window.renderer());
    ASSERT_TRUE(picture.draw(scratch.path() + "/wide.txt")) << picture.error();
    const SDL_Surface& drawn = *picture.picture();
    ASSERT_EQ(drawn.w, 60 * 32);
    ASSERT_EQ(drawn.h, 2 * 32);
    EXPECT_FALSE(isWhite(pixelAt(drawn, 59 * 32 + 16, 16))) << "the last column's ground";
    EXPECT_FALSE(isWhite(pixelAt(drawn, 30 * 32 + 16, 48))) << "the floor in the middle";
    EXPECT_TRUE(isWhite(pixelAt(drawn, 30 * 32 + 16, 16))) << "an empty cell";
    EXPECT_FALSE(isWhite(pixelAt(drawn, 16, 16))) << "the coin";
    EXPECT_FALSE(picture.draw(scratch.path() + "/missing.txt"));
}

}  // namespace
