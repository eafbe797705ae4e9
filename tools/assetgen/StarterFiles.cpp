#include "tools/assetgen/StarterFiles.h"

#include <stdexcept>

namespace {

constexpr size_t kEditorColumns = 60;
constexpr size_t kMenuColumns = 20;  // one screen wide
constexpr size_t kRows = 15;         // one screen tall

}  // namespace

std::string StarterFiles::highScores() {
    return "99999\n99999\n99999";
}

std::string StarterFiles::levelText(const std::vector<std::string>& rows, size_t width,
                                    size_t height) {
    if (rows.size() != height) {
        throw std::invalid_argument("level has " + std::to_string(rows.size()) + " rows");
    }
    std::string text;
    for (const std::string& row : rows) {
        if (row.size() != width) {
            throw std::invalid_argument("level row is " + std::to_string(row.size()) +
                                        " long: " + row);
        }
        text += row + "\n";
    }
    return text;
}

std::string StarterFiles::editorLevel() {
    // Platforms three cells up are within a jump (136 px) of the floor, and the
    // upper ones three cells above those; ten coins, so the door can be opened.
    return levelText({"............................................................",
                      "............................................................",
                      "............................................................",
                      "............................................................",
                      "........................................I...................",
                      "............................................................",
                      ".................CC............CC...........................",
                      "............................................................",
                      "................PPPP..........PPPP..........................",
                      "............................................................",
                      "..........C.C.............C.C...............C.H.............",
                      ".........PPPPP..........PPPPP...............PPPPP...........",
                      "G..................................GG.......................",
                      "G.E.....A.......D...GG.............GG..........D........CU..",
                      "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG"},
                     kEditorColumns, kRows);
}

std::string StarterFiles::mainMenu() {
    // Menu items sit in columns 7 to 18 of rows 5 to 11 and the arrow in
    // columns 5 and 6, so the bricks keep to the edges.
    return levelText({"GGGGGGGGGGGGGGGGGGGG", "GGMMMMMMMMMMMMMMMMGG", "GMMMMMMMMMMMMMMMMMMG",
                      "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM",
                      "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM",
                      "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM",
                      "GGMMMMMMMMMMMMMMMMMG", "GGGMMMGMMMMMMGMMMGGG", "GGGGGGGGGGGGGGGGGGGG"},
                     kMenuColumns, kRows);
}

std::string StarterFiles::optionsMenu() {
    // Only two lines of text here (rows 7 to 11), so the hills can rise higher.
    return levelText({"MMMMMMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMMMMMM", "MMGGMMMMMMMMMMMMGGMM",
                      "MMMMMMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMMMMMM",
                      "MMMMMMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMMMMMM", "GMMMMMMMMMMMMMMMMMMM",
                      "GMMMMMMMMMMMMMMMMMMM", "GGMMMMMMMMMMMMMMMMMM", "GGMMMMMMMMMMMMMMMMMG",
                      "GGGMMMMMMMMMMMMMMMGG", "GGGGMMMGGMMMMMMGGGGG", "GGGGGGGGGGGGGGGGGGGG"},
                     kMenuColumns, kRows);
}
