#include <gtest/gtest.h>

#include "game/characters/Player.h"
#include "game/shell/ControllerInput.h"
#include "game/shell/EventPump.h"
#include "game/shell/Game.h"
#include "game/shell/KeyState.h"
#include "game/world/LevelPlay.h"
#include "tests/game/support/GameFixture.h"
#include "tests/support/HeadlessWindow.h"

namespace {

// A controller plugged in through SDL's virtual joystick driver, with every button
// and axis of SDL's standard controller layout. Unplugged on destruction.
class VirtualController {
public:
    VirtualController() {
        // SDL drops controller input while no window has the keyboard focus, and a
        // window of the dummy video driver never gets it.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        joystick = SDL_JoystickOpen(deviceIndex);
    }
    ~VirtualController() { unplug(); }
    VirtualController(const VirtualController&) = delete;
    VirtualController& operator=(const VirtualController&) = delete;

    bool plugged() const { return joystick != nullptr; }
    void button(SDL_GameControllerButton which, bool down) {
        SDL_JoystickSetVirtualButton(joystick, which, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void axis(SDL_GameControllerAxis which, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, which, value);
    }
    void unplug() {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            SDL_JoystickDetachVirtual(deviceIndex);
            joystick = nullptr;
        }
    }

private:
    int deviceIndex = -1;
    SDL_Joystick* joystick = nullptr;
};

class ControllerPumpTest : public ::testing::Test {
protected:
    testsupport::HeadlessWindow window;
    KeyState keys;
    EventPump pump{keys};
};

TEST_F(ControllerPumpTest, ButtonsAndDpadHoldTheirGameKeys) {
    VirtualController pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pump.pollEvents();
    const struct {
        SDL_GameControllerButton button;
        KeyFlag flag;
    } mapping[] = {
        {SDL_CONTROLLER_BUTTON_A, KeyZ},
        {SDL_CONTROLLER_BUTTON_X, KeyX},
        {SDL_CONTROLLER_BUTTON_B, KeyX},
        {SDL_CONTROLLER_BUTTON_START, KeyReturn},
        {SDL_CONTROLLER_BUTTON_BACK, KeyEscape},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, KeyLeft},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, KeyRight},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, KeyUp},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, KeyDown},
    };
    for (const auto& m : mapping) {
        pad.button(m.button, true);
        pump.pollEvents();
        EXPECT_TRUE(keys.isDown(m.flag)) << m.button;
        pump.pollEvents();  // held: no new press, the flag stays
        EXPECT_TRUE(keys.consumePress(m.flag)) << m.button;
        EXPECT_FALSE(keys.consumePress(m.flag)) << m.button;
        pad.button(m.button, false);
        pump.pollEvents();
        EXPECT_FALSE(keys.isDown(m.flag)) << m.button;
    }
    pad.button(SDL_CONTROLLER_BUTTON_Y, true);  // drives nothing
    pump.pollEvents();
    for (int i = 0; i < KeyState::kFlagCount; ++i) {
        EXPECT_FALSE(keys.isDown(static_cast<KeyFlag>(i))) << i;
    }
}

TEST_F(ControllerPumpTest, AButtonTappedWithinOnePollIsOnePress) {
    VirtualController pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pump.pollEvents();
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    SDL_JoystickUpdate();  // queues the press before the release
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    SDL_JoystickUpdate();
    pump.pollEvents();
    EXPECT_FALSE(keys.isDown(KeyZ));
    EXPECT_TRUE(keys.consumePress(KeyZ));
    EXPECT_FALSE(keys.consumePress(KeyZ));
}

TEST_F(ControllerPumpTest, LeftStickHasADeadZone) {
    VirtualController pad;
    pump.pollEvents();
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, ControllerInput::kStickDeadZone);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -ControllerInput::kStickDeadZone);
    pump.pollEvents();
    EXPECT_FALSE(keys.isDown(KeyRight));
    EXPECT_FALSE(keys.isDown(KeyUp));
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, ControllerInput::kStickDeadZone + 1);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -ControllerInput::kStickDeadZone - 1);
    pump.pollEvents();
    EXPECT_TRUE(keys.isDown(KeyRight));
    EXPECT_TRUE(keys.isDown(KeyUp));
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);  // straight across to the left
    pump.pollEvents();
    EXPECT_TRUE(keys.isDown(KeyLeft));
    EXPECT_FALSE(keys.isDown(KeyRight));
}

class ControllerGameTest : public testsupport::GameFixture {
protected:
    // Holds a button across one frame, then releases it before the next.
    void pressButton(VirtualController& pad, SDL_GameControllerButton button) {
        pad.button(button, true);
        game->runFrame();
        pad.button(button, false);
        game->runFrame();
    }
};

TEST_F(ControllerGameTest, DpadStartAndBackDriveTheMenus) {
    VirtualController pad;
    frames(1);
    pressButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    pressButton(pad, SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game->getState(), Options);
    pressButton(pad, SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(game->isFinished());
}

TEST_F(ControllerGameTest, PluggedInMidLevelItJumpsShootsAndWalksUntilUnplugged) {
    pressKey(SDLK_RETURN);
    pressKey(SDLK_RETURN);
    ASSERT_EQ(game->getState(), Playing);
    frames(60);  // the player lands and may shoot
    Player& player = *game->getLevelPlay().getPlayer();
    VirtualController pad;
    frames(1);
    pressButton(pad, SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(game->getLevelPlay().getBullets().size(), 1u);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    game->runFrame();
    EXPECT_LT(player.getVelocityY(), 0.0f);
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    frames(60);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MAX);
    game->runFrame();
    const int walking = player.getPosition().x;
    game->runFrame();
    EXPECT_GT(player.getPosition().x, walking);
    pad.unplug();  // while the stick is still pushed
    game->runFrame();
    const int stopped = player.getPosition().x;
    frames(3);
    EXPECT_EQ(player.getPosition().x, stopped);
    EXPECT_FALSE(game->getKeyState().isDown(KeyRight));
}

}  // namespace
