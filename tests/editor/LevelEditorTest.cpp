#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editor/LevelEditor.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using editortest::levelText;
using editortest::pushButton;
using editortest::pushKey;
using editortest::pushMotion;
using testsupport::ScratchFolder;

namespace {

class LevelEditorTest : public ::testing::Test {
protected:
    // Starts the editor on a level of the given text.
    void open(const std::string& level) {
        editortest::makeAssetFolder(level);
        editor = std::make_unique<LevelEditor>(input);
        ASSERT_TRUE(editor->isReady());
    }
    void TearDown() override {
        editor.reset();
        SDL_Quit();
    }
    std::string onDisk() const { return folder.readFile("assets/level.txt"); }
    // Runs one main-loop pass; answers whether the loop goes on.
    bool pass() { return editor->runLoopPass(); }
    // One held-key press per pass, as system key repeats give; answers the camera.
    int pressRight() {
        pushKey(SDLK_RIGHT, true);
        pass();
        return editor->getMap()->getCameraX();
    }

    ScratchFolder folder;
    EditorInput input;
    std::unique_ptr<LevelEditor> editor;
};

TEST_F(LevelEditorTest, OnlyLeftCtrlWithSSaves) {
    const std::string before = levelText(20, 2);
    open(before);
    editor->getMap()->toggleCell(0, 0, 'G');
    const std::string edited = "G" + before.substr(1);

    pushKey(SDLK_s, true);
    pass();
    EXPECT_EQ(onDisk(), before) << "S alone";
    pushKey(SDLK_s, false);
    pushKey(SDLK_RCTRL, true);
    pushKey(SDLK_s, true);
    pass();
    EXPECT_EQ(onDisk(), before) << "Right Ctrl + S";
    // S is still held (its flag set) when Left Ctrl goes down.
    pushKey(SDLK_LCTRL, true);
    pass();
    EXPECT_EQ(onDisk(), edited) << "S then Left Ctrl";

    editor->getMap()->toggleCell(0, 0, 'G');
    pass();
    EXPECT_EQ(onDisk(), edited) << "the S press was consumed";
    pushKey(SDLK_s, true);  // a key repeat of S while Left Ctrl is held
    pass();
    EXPECT_EQ(onDisk(), before);
}

TEST_F(LevelEditorTest, EscapeEndsTheNextPassAndTheEditorSavesOnTheWayOut) {
    open(levelText(20, 3));
    pushKey(SDLK_ESCAPE, true);
    pushKey(SDLK_ESCAPE, false);
    EXPECT_TRUE(pass());
    EXPECT_TRUE(pass()) << "an Escape pressed and released in one poll does not quit";
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_TRUE(pass()) << "the close button does nothing";
    EXPECT_TRUE(pass());

    pushKey(SDLK_ESCAPE, true);
    pushButton(SDL_BUTTON_LEFT, true, 40, 70);
    EXPECT_TRUE(pass()) << "the pass that polls Escape still runs";
    EXPECT_EQ(editor->getMap()->rowText(2), "." + std::string("G") + std::string(18, '.'));
    EXPECT_FALSE(pass());
    EXPECT_EQ(onDisk(), levelText(20, 3)) << "not saved before the editor ends";
    editor.reset();
    EXPECT_EQ(onDisk(), levelText(20, 2) + ".G" + std::string(18, '.') + "\n");
}

TEST_F(LevelEditorTest, ClicksToggleOncePerPressWithThePreviouslySelectedCode) {
    open(levelText(20, 3));
    pushButton(SDL_BUTTON_LEFT, true, 5, 5);
    pushKey(SDLK_p, true);
    pass();
    EXPECT_EQ(editor->getMap()->rowText(0)[0], 'G') << "the click uses the earlier code";
    EXPECT_EQ(editor->getSelectedCode(), 'P');
    pass();  // the button is still held: no second toggle
    EXPECT_EQ(editor->getMap()->rowText(0)[0], 'G');
    pushButton(SDL_BUTTON_LEFT, false, 5, 5);
    pushButton(SDL_BUTTON_LEFT, true, 36, 5);
    pass();
    EXPECT_EQ(editor->getMap()->rowText(0).substr(0, 2), "GP");
    pushButton(SDL_BUTTON_RIGHT, true, 70, 5);
    pushButton(SDL_BUTTON_LEFT, true, 5, 40);
    pushButton(SDL_BUTTON_LEFT, false, 5, 40);
    pass();
    EXPECT_EQ(editor->getMap()->rowText(0).substr(0, 3), "GP.");
    EXPECT_EQ(editor->getMap()->rowText(1)[0], '.') << "a click released in the same poll";
}

TEST_F(LevelEditorTest, SelectionKeysAreTestedInTheirOrder) {
    open(levelText(20, 3));
    pushKey(SDLK_m, true);
    pushKey(SDLK_m, false);
    pass();
    EXPECT_EQ(editor->getSelectedCode(), 'G') << "pressed and released in one poll";
    pushKey(SDLK_m, true);
    pass();
    EXPECT_EQ(editor->getSelectedCode(), 'M');
    pushKey(SDLK_p, true);
    pushKey(SDLK_g, true);
    pass();
    EXPECT_EQ(editor->getSelectedCode(), 'G');
    pass();  // p is still held and its flag still set
    EXPECT_EQ(editor->getSelectedCode(), 'P');
    pushKey(SDLK_p, false);
    const struct {
        SDL_Keycode key;
        char code;
    } keys[] = {{SDLK_g, 'G'}, {SDLK_b, 'B'}, {SDLK_e, 'E'}, {SDLK_i, 'I'}, {SDLK_d, 'D'},
                {SDLK_c, 'C'}, {SDLK_h, 'H'}, {SDLK_a, 'A'}, {SDLK_u, 'U'}};
    // Pressed together, the keys are taken one per pass in their test order.
    for (int k = 8; k >= 0; --k) {  // pushed in the reverse of their order
        pushKey(keys[k].key, true);
    }
    for (const auto& k : keys) {
        pass();
        EXPECT_EQ(editor->getSelectedCode(), k.code);
    }
}

TEST_F(LevelEditorTest, ArrowsMoveTheViewByTheFocusRuleOnASixtyColumnLevel) {
    open(levelText(60, 15));
    pushKey(SDLK_LEFT, true);  // the view cannot go left of the start...
    pass();
    EXPECT_EQ(editor->getScrollX(), -39);
    pushKey(SDLK_LEFT, false);
    for (int press = 1; press <= 10; ++press) {
        EXPECT_EQ(pressRight(), 0) << press;  // ...and that press must be undone
    }
    const int expected[] = {96, 128, 160, 192, 256};
    for (int camera : expected) {
        EXPECT_EQ(pressRight(), camera);
    }
    int largest = 0;
    for (int press = 0; press < 50; ++press) {
        largest = std::max(largest, pressRight());
    }
    EXPECT_EQ(largest, 1280);
    EXPECT_EQ(editor->getMap()->getCameraX(), 1280);
}

TEST_F(LevelEditorTest, AHundredColumnLevelScrollsToItsLastColumn) {
    open(levelText(100, 2));
    std::vector<int> cameras;
    for (int press = 0; press < 90; ++press) {
        cameras.push_back(pressRight());
    }
    // The steps jump over the focus that would give 2560; the press past the end
    // shows the last 20 columns instead.
    EXPECT_EQ(cameras[72], 2528);
    EXPECT_EQ(cameras[73], 3200 - 640);
    EXPECT_EQ(cameras.back(), 3200 - 640);
    pushKey(SDLK_RIGHT, false);
    for (int press = 0; press < 20; ++press) {  // back inside, the view moves again
        pushKey(SDLK_LEFT, true);
        pass();
    }
    EXPECT_LT(editor->getMap()->getCameraX(), 2528);
}

TEST_F(LevelEditorTest, TheCursorOutlinesTheCellUnderThePointerInBlack) {
    open(levelText(20, 15));
    pushMotion(100, 70);
    pass();
    SDL_Renderer* renderer = editor->getRenderer();
    auto isBlack = [renderer](int x, int y) {
        Uint32 value = 0;
        const SDL_Rect one{x, y, 1, 1};
        SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &value, 4);
        return (value & 0xFFFFFFu) == 0;
    };
    // The cell at (96, 64): its outline is black, inside and outside stay white.
    for (int d = 0; d < 32; ++d) {
        EXPECT_TRUE(isBlack(96 + d, 64)) << d;
        EXPECT_TRUE(isBlack(96 + d, 95)) << d;
        EXPECT_TRUE(isBlack(96, 64 + d)) << d;
        EXPECT_TRUE(isBlack(127, 64 + d)) << d;
    }
    EXPECT_FALSE(isBlack(110, 80));
    EXPECT_FALSE(isBlack(95, 64));
    EXPECT_FALSE(isBlack(128, 96));
    pushMotion(639, 479);
    pass();
    EXPECT_TRUE(isBlack(608, 448));
    EXPECT_TRUE(isBlack(639, 479));
    EXPECT_FALSE(isBlack(96, 64));
}

}  // namespace
