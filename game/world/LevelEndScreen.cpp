#include "game/world/LevelEndScreen.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "game/media/TextRenderer.h"
#include "game/shell/Game.h"
#include "game/shell/KeyState.h"

namespace {
constexpr SDL_Color kBlack{0, 0, 0, 0};
constexpr int kTextX = 200;
constexpr int kHeadlineY = 170;
constexpr int kTimeY = 200;
constexpr int kScoreY = 230;
constexpr int kPromptY = 300;
constexpr int32_t kCompleted = 1;

// Whole seconds, truncated toward zero; a time beyond 32 bits files the largest value.
int32_t wholeSeconds(float seconds) {
    if (!(seconds < static_cast<float>(std::numeric_limits<int32_t>::max()))) {
        return std::numeric_limits<int32_t>::max();
    }
    if (seconds < static_cast<float>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(std::trunc(seconds));
}
}  // namespace

LevelEndScreen::LevelEndScreen(SDL_Renderer* renderer, int32_t score_, float seconds_,
                               int32_t outcome_, KeyState& keyState_, LevelEndHost& game_)
    : outcome(outcome_),
      score(score_),
      seconds(seconds_),
      keyState(keyState_),
      game(game_),
      text(std::make_unique<TextRenderer>(renderer)),
      headline(outcome_ == kCompleted ? "You completed the level!" : "You died!") {
    std::snprintf(timeText, sizeof timeText, "Game Finished in: %.2f",
                  static_cast<double>(seconds));
    std::snprintf(scoreText, sizeof scoreText, "Score: %i", score);
    text->addText(headline, kBlack, kTextX, kHeadlineY);
    text->addText(timeText, kBlack, kTextX, kTimeY);
    text->addText(scoreText, kBlack, kTextX, kScoreY);
    text->addText("Press Enter for level select!", kBlack, kTextX, kPromptY);
}

LevelEndScreen::~LevelEndScreen() = default;

void LevelEndScreen::update() {
    text->renderAll();
    if (keyState.consumePress(KeyReturn)) {
        if (outcome == kCompleted) {
            game.saveBestTime(wholeSeconds(seconds));
        }
        game.setState(LevelSelect);
    }
}
