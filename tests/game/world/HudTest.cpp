#include <gtest/gtest.h>

#include <vector>

#include "game/characters/Player.h"
#include "game/media/TextRenderer.h"
#include "game/world/Hud.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/TestLevels.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::ScratchFolder;

namespace {

std::vector<Uint32> readArea(SDL_Renderer* renderer, const SDL_Rect& area) {
    std::vector<Uint32> pixels(static_cast<size_t>(area.w) * area.h);
    SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, pixels.data(), area.w * 4);
    return pixels;
}

// What a black small-font line of this text looks like at (x, y) on white.
std::vector<Uint32> referenceText(LevelHarness& harness, const char* text, int x, int y,
                                  const SDL_Rect& area) {
    harness.window().clear(255, 255, 255);
    TextRenderer reference(harness.window().renderer());
    reference.addText(text, SDL_Color{0, 0, 0, 0}, x, y);
    reference.renderAll();
    return readArea(harness.window().renderer(), area);
}

class HudTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.linkRepositoryAssetsExceptBestTimes();
        folder.writeFile("flat.txt",
                         testsupport::levelText({"....................", "....................",
                                                 "....................", "....................",
                                                 "..E.................", "GGGGGGGGGGGGGGGGGGGG"}));
        harness = std::make_unique<LevelHarness>();
        harness->loadLevelFile("flat.txt");
        ASSERT_NE(harness->level().getPlayer(), nullptr);
    }
    ScratchFolder folder;
    std::unique_ptr<LevelHarness> harness;
};

TEST_F(HudTest, TimerShowsTwoDecimals) {
    Player& player = *harness->level().getPlayer();
    player.getHud().setTimer(2.5f - 0.016f);
    harness->step();
    EXPECT_FLOAT_EQ(player.getTime(), 2.5f);
    const SDL_Rect area{200, 30, 130, 24};
    const auto shown = readArea(harness->window().renderer(), area);
    EXPECT_EQ(shown, referenceText(*harness, "Timer: 2.50", 200, 30, area));
    EXPECT_NE(shown, referenceText(*harness, "Timer: 2.49", 200, 30, area));
}

TEST_F(HudTest, ScoreAndChargesAreShownInBlack) {
    Player& player = *harness->level().getPlayer();
    player.addScore(800);
    harness->step();
    const SDL_Rect scoreArea{60, 30, 130, 24};
    const auto shown = readArea(harness->window().renderer(), scoreArea);
    EXPECT_EQ(shown, referenceText(*harness, "Score: 800", 60, 30, scoreArea));
    harness->step();
    const SDL_Rect chargeArea{340, 30, 120, 24};
    const auto charges = readArea(harness->window().renderer(), chargeArea);
    EXPECT_EQ(charges, referenceText(*harness, "Charge: 5", 340, 30, chargeArea));
}

TEST_F(HudTest, HealthBarIsOnePixelPerHealthPoint) {
    SDL_Surface* bar = SDL_LoadBMP("assets/sprites/healthBar.bmp");
    ASSERT_NE(bar, nullptr);
    Uint8 r, g, b;
    SDL_GetRGB(*static_cast<Uint32*>(bar->pixels) & 0xFFFFFF, bar->format, &r, &g, &b);
    SDL_FreeSurface(bar);

    Player& player = *harness->level().getPlayer();
    for (int health : {100, 35}) {
        player.adjustHealth(health - player.getHealth());
        harness->step();
        const SDL_Rect row{470, 31, 150, 1};
        // The bar's colour runs from x = 480 for exactly `health` pixels.
        EXPECT_TRUE(testsupport::sameRgb(harness->window().pixel(480, 31), r, g, b)) << health;
        EXPECT_TRUE(testsupport::sameRgb(harness->window().pixel(480 + health - 1, 31), r, g, b));
        EXPECT_FALSE(testsupport::sameRgb(harness->window().pixel(480 + health, 31), r, g, b));
        EXPECT_FALSE(testsupport::sameRgb(harness->window().pixel(479, 31), r, g, b));
        (void)row;
    }
}

TEST_F(HudTest, HugeValuesAreCutNotOverflowed) {
    Player& player = *harness->level().getPlayer();
    player.addScore(2147483647);
    player.addCharges(2147483642);
    player.getHud().setTimer(3.0e38f);
    harness->step();  // must not write past any buffer (checked under the sanitizers)
    EXPECT_EQ(player.getScore(), 2147483647);
}

}  // namespace
