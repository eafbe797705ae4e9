#pragma once

#include <string>
#include <vector>

namespace reliability {

// One editing session of the real editor, headless, on the level of the working
// folder (made by AssetTree), and what it saw.
struct EditingSession {
    // The editor's level, relative to the working folder.
    static constexpr const char* kLevel = "assets/level.txt";

    // Starts the editor; when it is ready, clicks the cell at column 1, row 1
    // twice, scrolls right and back, saves with Left Ctrl + S and quits with
    // Escape, saving again on the way out; then shuts SDL down.
    static EditingSession run();

    // Queues a press (down) or release of the left mouse button at window point (x, y).
    static void pushButton(bool down, int x, int y);

    bool ready = false;
    std::vector<std::string> rowsAtStart;
    std::vector<std::string> rowsAtEnd;
};

}  // namespace reliability
