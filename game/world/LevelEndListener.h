#pragma once

// Receives the end of a level: the Game in the program, a recorder in tests and tools.
class LevelEndListener {
public:
    virtual ~LevelEndListener() = default;
    // score and seconds as the player had them; outcome 0 = died, 1 = completed.
    virtual void showLevelEnd(int score, float seconds, int outcome) = 0;
};
