#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "game/media/TextRenderer.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using testsupport::HeadlessWindow;
using testsupport::ScratchFolder;

namespace {

constexpr SDL_Color kBlack{0, 0, 0, 0};
constexpr SDL_Color kRed{255, 0, 0, 0};
constexpr SDL_Color kGreen{0, 255, 0, 0};
constexpr SDL_Color kBlue{0, 0, 255, 0};
const SDL_Rect kWholeWindow{0, 0, 640, 480};

// Keeps the font library initialised for one test.
struct TtfSession {
    TtfSession() { TTF_Init(); }
    ~TtfSession() { TTF_Quit(); }
};

// The box a line of text occupies when drawn at (x, y) in the game font at size points.
SDL_Rect textBox(const char* text, int size, int x, int y) {
    TTF_Font* font = TTF_OpenFont("assets/DejaVuSans.ttf", size);
    int w = 0;
    int h = 0;
    TTF_SizeText(font, text, &w, &h);
    TTF_CloseFont(font);
    return SDL_Rect{x, y, w, h};
}

int countMatches(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}

class TextRendererTest : public ::testing::Test {
protected:
    TextRendererTest() { folder.linkRepositoryAssets(); }

    ScratchFolder folder;
    HeadlessWindow window;
    TtfSession ttf;
};

TEST_F(TextRendererTest, IdsStartAtOneAndContinueAcrossRenderers) {
    // A re-executed child process sees the counter as a fresh game run does.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TextRenderer first(window.renderer());
            TextRenderer second(window.renderer());
            const bool fresh = first.addText("a", kBlack, 0, 0) == 1 &&
                               first.addTitleText("b", 0, 0) == 2 &&
                               second.addText("c", kBlack, 0, 0) == 3;
            std::exit(fresh ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    TextRenderer first(window.renderer());
    const int a = first.addText("a", kBlack, 0, 0);
    TextRenderer second(window.renderer());
    const int b = second.addTitleText("b", 0, 0);
    const int c = first.addText("c", kBlack, 0, 0);
    EXPECT_GE(a, 1);
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(c, b + 1);
}

TEST_F(TextRendererTest, BlackTextIsDrawnOnlyInItsBox) {
    TextRenderer text(window.renderer());
    text.addText("Score: 800", kBlack, 60, 30);
    window.clear(255, 255, 255);
    text.renderAll();
    const SDL_Rect box = textBox("Score: 800", 18, 60, 30);
    const int inside = window.countPixels(box, 0, 0, 0);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(window.countPixels(kWholeWindow, 0, 0, 0), inside);
}

TEST_F(TextRendererTest, TitleTextIsWhiteInTheLargeFont) {
    TextRenderer text(window.renderer());
    text.addTitleText("Level Select", 100, 200);
    window.clear(20, 20, 40);
    text.renderAll();
    const SDL_Rect box = textBox("Level Select", 30, 100, 200);
    const int inside = window.countPixels(box, 255, 255, 255);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(window.countPixels(kWholeWindow, 255, 255, 255), inside);
    // Glyphs reach below the height of the small font.
    const SDL_Rect small = textBox("Level Select", 18, 100, 200);
    EXPECT_GT(window.countPixels({box.x, box.y + small.h, box.w, box.h - small.h}, 255, 255, 255),
              0);
}

TEST_F(TextRendererTest, RemovingTheMiddleLineKeepsTheOthersInOrder) {
    TextRenderer text(window.renderer());
    // The first and third lines overlap, so the later one drawn covers the earlier.
    text.addText("MMMM", kRed, 10, 10);
    const int middle = text.addText("MMMM", kGreen, 10, 100);
    text.addText("MMMM", kBlue, 10, 10);
    text.removeText(middle);
    window.clear(255, 255, 255);
    text.renderAll();
    EXPECT_EQ(window.countPixels(kWholeWindow, 0, 255, 0), 0);
    EXPECT_EQ(window.countPixels(kWholeWindow, 255, 0, 0), 0);
    EXPECT_GT(window.countPixels(textBox("MMMM", 18, 10, 10), 0, 0, 255), 20);
}

TEST_F(TextRendererTest, ForeignAndUnknownIdsChangeNothing) {
    TextRenderer mine(window.renderer());
    TextRenderer other(window.renderer());
    mine.addText("I", kBlack, 10, 10);
    const int foreign = other.addText("I", kBlack, 300, 10);
    window.clear(255, 255, 255);
    mine.renderAll();
    const int before = window.countPixels(kWholeWindow, 0, 0, 0);

    mine.setText(foreign, "WWWWWWWW");
    mine.setText(0, "WWWWWWWW");
    mine.removeText(foreign);
    mine.removeText(-7);
    window.clear(255, 255, 255);
    mine.renderAll();
    EXPECT_EQ(window.countPixels(kWholeWindow, 0, 0, 0), before);
    EXPECT_EQ(window.countPixels({300, 0, 340, 480}, 0, 0, 0), 0);
}

TEST_F(TextRendererTest, SetTextAndRewrittenBuffersShowAtTheNextRender) {
    char buffer[16] = "I";
    TextRenderer text(window.renderer());
    const int id = text.addText(buffer, kBlack, 10, 10);
    window.clear(255, 255, 255);
    text.renderAll();
    const int narrow = window.countPixels(kWholeWindow, 0, 0, 0);

    std::strcpy(buffer, "WWW");
    window.clear(255, 255, 255);
    text.renderAll();
    const int wide = window.countPixels(kWholeWindow, 0, 0, 0);
    EXPECT_GT(wide, narrow);
    EXPECT_EQ(window.countPixels(textBox("WWW", 18, 10, 10), 0, 0, 0), wide);

    text.setText(id, "I");
    window.clear(255, 255, 255);
    text.renderAll();
    EXPECT_EQ(window.countPixels(kWholeWindow, 0, 0, 0), narrow);
}

TEST_F(TextRendererTest, MissingFontReportsOnEveryRender) {
    ScratchFolder empty;
    TextRenderer text(window.renderer());
    text.addText("Score: 0", kBlack, 60, 30);
    text.addTitleText("Play", 60, 100);
    window.clear(255, 255, 255);
    testing::internal::CaptureStdout();
    text.renderAll();
    text.renderAll();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Surface not loaded for font \n", 0), 0u) << out;
    EXPECT_EQ(countMatches(out, "Surface not loaded for font \n"), 4) << out;
    EXPECT_EQ(countMatches(out, " \n"), 8) << out;
    EXPECT_EQ(window.countPixels(kWholeWindow, 255, 255, 255), 640 * 480);
}

TEST_F(TextRendererTest, TextureFailureReportsAndIsSkipped) {
    // Without a renderer no texture can be made from the rasterised line.
    TextRenderer text(nullptr);
    text.addText("Score: 0", kBlack, 60, 30);
    testing::internal::CaptureStdout();
    text.renderAll();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Texture not loaded for font \n", 0), 0u) << out;
    EXPECT_EQ(countMatches(out, " \n"), 2) << out;
    EXPECT_EQ(out.back(), '\n');
}

TEST_F(TextRendererTest, NullTextReportsAndTheOtherLinesStillDraw) {
    TextRenderer text(window.renderer());
    text.addText(nullptr, kBlack, 10, 10);
    text.addText("MMMM", kBlue, 10, 100);
    window.clear(255, 255, 255);
    testing::internal::CaptureStdout();
    text.renderAll();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Surface not loaded for font \n", 0), 0u) << out;
    EXPECT_GT(window.countPixels(textBox("MMMM", 18, 10, 100), 0, 0, 255), 20);
}

}  // namespace
