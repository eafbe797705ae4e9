#include "game/world/Hud.h"

#include <cstdio>

#include "game/characters/Player.h"
#include "game/media/Sprite.h"
#include "game/media/TextRenderer.h"
#include "game/shell/FrameTime.h"

namespace {
constexpr SDL_Color kBlack{0, 0, 0, 0};
constexpr int kTextY = 30;
constexpr int kScoreX = 60;
constexpr int kTimerX = 200;
constexpr int kChargeX = 340;
constexpr int kBarBackgroundX = 479;
constexpr int kBarBackgroundY = 29;
constexpr int kBarX = 480;
constexpr int kBarY = 30;
}  // namespace

Hud::Hud(SDL_Renderer* renderer_, Player* player_)
    : renderer(renderer_), text(std::make_unique<TextRenderer>(renderer_)), player(player_) {
    scoreTextId = text->addText("Score: 0", kBlack, kScoreX, kTextY);
    timerTextId = text->addText("Timer: 0.0f", kBlack, kTimerX, kTextY);
    chargeTextId = text->addText("Charge: 0", kBlack, kChargeX, kTextY);
    healthBar = std::make_unique<Sprite>(renderer, "assets/sprites/healthBar.bmp");
    healthBarBackground = std::make_unique<Sprite>(renderer, "assets/sprites/healthBarBg.bmp");
}

Hud::~Hud() = default;

void Hud::update() {
    timer += static_cast<float>(deltaTime);
    std::snprintf(timerText, sizeof timerText, "Timer: %.2f", static_cast<double>(timer));
    text->setText(timerTextId, timerText);
    std::snprintf(scoreText, sizeof scoreText, "Score: %i", player->getScore());
    text->setText(scoreTextId, scoreText);
    std::snprintf(chargeText, sizeof chargeText, "Charge: %i", player->getCharges());
    text->setText(chargeTextId, chargeText);
    healthBarBackground->draw(kBarBackgroundX, kBarBackgroundY);
    healthBar->setWidth(player->getHealth());
    healthBar->draw(kBarX, kBarY);
    text->renderAll();
}
