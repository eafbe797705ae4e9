#pragma once

#include <string>
#include <vector>

// The text files a fresh checkout starts with: the best-time file, the level
// editor's working level and the two menu backgrounds. Levels are written here
// as rows of cell codes, exactly as they appear in the files.
class StarterFiles {
public:
    // Three best times of 99999 s, which the game reads as "no time yet" since
    // any real completion beats it; no line break after the third.
    static std::string highScores();
    // The editor's working level: 60 columns by 15 rows.
    static std::string editorLevel();
    // The main menu and level select background: 20 by 15, dark in the middle
    // where the white menu text and the arrow are drawn.
    static std::string mainMenu();
    // The options screen background: 20 by 15.
    static std::string optionsMenu();

    // The file text of rows, each followed by "\n". Throws std::invalid_argument
    // when the rows are not all width long or are not height in number.
    static std::string levelText(const std::vector<std::string>& rows, size_t width, size_t height);
};
