#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/shell/KeyState.h"
#include "game/world/LevelPlay.h"
#include "tests/game/support/ReplayScript.h"
#include "tests/support/HeadlessWindow.h"

class AudioManager;

namespace testsupport {

// One reported end of a level.
struct LevelEnd {
    int score;
    float seconds;
    int outcome;
    int step;
};

// Plays a level headless (software renderer, dummy audio) step by step with a
// fixed frame time of 16 ms and scripted keys, without waiting: the same script
// always gives the same result.
class LevelHarness : public LevelEndListener {
public:
    static constexpr double kStepSeconds = 0.016;

    // Window, audio and an empty level play; the working directory must hold assets/.
    LevelHarness();
    ~LevelHarness() override;

    // Loads game level index 0..2.
    void loadLevel(int index);
    // Loads any level file.
    void loadLevelFile(const std::string& path);
    // Key events as the event pump would deliver them.
    void keyDown(KeyFlag flag);
    void keyUp(KeyFlag flag);
    // Runs one level step with deltaTime fixed at 16 ms.
    void step();
    // Runs steps with the keys of each run; stops early after the first level end
    // when stopAtEnd is set. Returns the number of steps run.
    int run(const std::vector<ReplayRun>& runs, bool stopAtEnd = true);
    // Releases every held key.
    void releaseAll();

    void showLevelEnd(int score, float seconds, int outcome) override;

    LevelPlay& level() { return *levelPlay; }
    KeyState& keys() { return keyState; }
    AudioManager& audio() { return *audioManager; }
    HeadlessWindow& window() { return headless; }
    const std::vector<LevelEnd>& ends() const { return levelEnds; }
    int steps() const { return stepCount; }

private:
    HeadlessWindow headless;
    KeyState keyState;
    std::unique_ptr<AudioManager> audioManager;
    std::unique_ptr<LevelPlay> levelPlay;
    std::vector<LevelEnd> levelEnds;
    std::vector<KeyFlag> heldKeys;
    int stepCount = 0;
};

}  // namespace testsupport
