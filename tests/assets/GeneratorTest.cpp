// The generator run into a scratch folder: it must reproduce every committed
// bitmap, sound and menu background byte for byte (so art is never edited only
// in binary), leave the hand-made levels alone, and write well-formed starter files.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "tests/assets/AssetCatalogue.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using assettest::readFile;

namespace {

// Rewritten at run time by the game (best times) and the editor (its level), so
// they are checked for their form, not their bytes.
const std::set<std::string> kRunTimeFiles = {"highscores.txt", "level.txt"};

std::vector<std::string> splitRows(const std::string& text) {
    std::vector<std::string> rows;
    std::istringstream lines(text);
    std::string row;
    while (std::getline(lines, row)) {
        rows.push_back(row);
    }
    return rows;
}

// Files under folder, as paths relative to it, with the given extensions.
std::set<std::string> filesUnder(const fs::path& folder, const std::set<std::string>& extensions) {
    std::set<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && extensions.count(entry.path().extension().string()) != 0) {
            found.insert(fs::relative(entry.path(), folder).generic_string());
        }
    }
    return found;
}

// Runs the generator with a scratch folder as its root.
class Generator : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string command =
            std::string("'") + KESTRUN_ASSETGEN + "' '" + scratch.path() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        generated = fs::path(scratch.path()) / "assets";
        committed = fs::path(testsupport::repositoryRoot()) / "assets";
    }

    std::string generatedText(const std::string& relative) const {
        return readFile((generated / relative).string());
    }

    testsupport::ScratchFolder scratch;
    fs::path generated;
    fs::path committed;
};

}  // namespace

TEST_F(Generator, ReproducesEveryCommittedFileByteForByte) {
    const auto written = filesUnder(generated, {".bmp", ".wav", ".txt"});
    ASSERT_FALSE(written.empty());
    for (const auto& relative : written) {
        if (kRunTimeFiles.count(relative) != 0) {
            continue;
        }
        const std::string expected = readFile((committed / relative).string());
        EXPECT_FALSE(expected.empty()) << relative << " is generated but not committed";
        EXPECT_TRUE(generatedText(relative) == expected)
            << relative << " differs from what tools/assetgen makes; regenerate and commit";
    }
    // And nothing committed is left over from an older version of the sources.
    for (const auto& relative : filesUnder(committed, {".bmp", ".wav"})) {
        EXPECT_EQ(written.count(relative), 1U) << relative << " is committed but not generated";
    }
}

TEST_F(Generator, LeavesTheHandMadeLevelsAndTheFontAlone) {
    for (const std::string name :
         {"levels/level1.txt", "levels/level2.txt", "levels/level3.txt", "DejaVuSans.ttf"}) {
        EXPECT_FALSE(fs::exists(generated / name)) << name;
        EXPECT_TRUE(fs::exists(committed / name)) << name;
        EXPECT_TRUE(fs::exists(fs::path(testsupport::repositoryRoot()) / "Assets" / name)) << name;
    }
}

TEST_F(Generator, WritesTheContactSheetAsAPng) {
    const std::string png = readFile(scratch.path() + "/docs/sprites.png");
    ASSERT_GT(png.size(), 8U);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_TRUE(fs::exists(fs::path(testsupport::repositoryRoot()) / "docs" / "sprites.png"));
}

TEST_F(Generator, ReproducesTheCommittedIconPixelForPixel) {
    // Compared decoded: PNG compression may differ between library versions.
    const auto pixels = [](const std::string& path) {
        SDL_Surface* loaded = IMG_Load(path.c_str());
        SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
        const std::string bytes =
            rgba ? std::string(static_cast<const char*>(rgba->pixels), rgba->pitch * rgba->h) +
                       std::to_string(rgba->w)
                 : "";
        SDL_FreeSurface(rgba);
        SDL_FreeSurface(loaded);
        return bytes;
    };
    const std::string kept = pixels(testsupport::repositoryRoot() + "/packaging/kestrun2.png");
    ASSERT_FALSE(kept.empty()) << "packaging/kestrun2.png is not committed";
    EXPECT_TRUE(pixels(scratch.path() + "/packaging/kestrun2.png") == kept)
        << "packaging/kestrun2.png differs from what tools/assetgen makes; regenerate and commit";
}

TEST_F(Generator, StartsBestTimesAtNoTimeYet) {
    EXPECT_EQ(generatedText("highscores.txt"), "99999\n99999\n99999");
}

TEST_F(Generator, EditorLevelIsAPlayableSixtyByFifteenLevel) {
    const std::string text = generatedText("level.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const auto rows = splitRows(text);
    ASSERT_EQ(rows.size(), 15U);
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 60U) << row;
    }
    EXPECT_EQ(rows.back(), std::string(60, 'G')) << "ground along the bottom";
    EXPECT_EQ(std::count(text.begin(), text.end(), 'E'), 1);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'U'), 1);
    // Eight coins of 100 open the door.
    EXPECT_GE(std::count(text.begin(), text.end(), 'C'), 8);
    EXPECT_GE(std::count(text.begin(), text.end(), 'D') + std::count(text.begin(), text.end(), 'I'),
              2);
    EXPECT_GE(std::count(text.begin(), text.end(), 'P'), 1);
}

TEST_F(Generator, MenuBackgroundsAreOneDarkScreenOfTiles) {
    for (const std::string name : {"levels/mainMenu.txt", "levels/optionsMenu.txt"}) {
        const auto rows = splitRows(generatedText(name));
        ASSERT_EQ(rows.size(), 15U) << name;
        for (const auto& row : rows) {
            EXPECT_EQ(row.size(), 20U) << name;
            EXPECT_EQ(row.find_first_not_of("GMP"), std::string::npos) << name << ": " << row;
        }
        // Behind the items (columns 5 to 18, rows 5 to 11) only black tiles, so
        // the white text and the arrow read clearly.
        for (int r = 5; r <= 11; ++r) {
            EXPECT_EQ(rows[r].substr(5, 14), std::string(14, 'M')) << name << " row " << r;
        }
    }
}

TEST(WorkingFiles, BestTimesAndEditorLevelAreWellFormed) {
    // These change as the game and the editor run; their form must not.
    const auto times = splitRows(readFile("assets/highscores.txt"));
    ASSERT_GE(times.size(), 3U);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(times[i].empty());
        EXPECT_EQ(times[i].find_first_not_of("-0123456789\r"), std::string::npos) << times[i];
    }
    const auto rows = splitRows(readFile("Assets/level.txt"));
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), rows.front().size());
    }
    EXPECT_GE(rows.front().size(), 20U) << "the editor shows 20 columns at a time";
}

TEST(WorkingFiles, EveryTextFileAndTheFontAreReachableUnderBothFolderSpellings) {
    for (const std::string name :
         {"highscores.txt", "level.txt", "levels/level1.txt", "levels/level2.txt",
          "levels/level3.txt", "levels/mainMenu.txt", "levels/optionsMenu.txt", "DejaVuSans.ttf"}) {
        const std::string lower = readFile("assets/" + name);
        EXPECT_FALSE(lower.empty()) << "assets/" << name;
        EXPECT_EQ(readFile("Assets/" + name), lower) << "Assets/" << name;
    }
}
