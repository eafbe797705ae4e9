#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "editor/EditorLevelFile.h"
#include "editor/EditorMap.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/ScratchFolder.h"

using editortest::ChildResult;
using editortest::filesStartingWith;
using editortest::makeAssetFolder;
using editortest::runInChild;
using testsupport::ScratchFolder;

namespace fs = std::filesystem;

namespace {

const char* const kLevel = "Assets/level.txt";
// Exit status of a child that could not drop its privileges.
constexpr int kNoUnprivilegedUser = 77;
// The user and group that an unprivileged child runs as.
constexpr uid_t kNobody = 65534;

class EditorSaveTest : public ::testing::Test {
protected:
    // Loads the level, empties or fills its first cell and saves; the answer of
    // save() becomes the exit status (0 when saved).
    static int editAndSave() {
        EditorMap map(nullptr, kLevel);
        map.toggleCell(0, 0, 'G');
        return map.save() ? 0 : 1;
    }
    std::vector<std::string> strayTemporaries() const {
        return filesStartingWith(folder.path() + "/assets", "level.txt.tmp");
    }

    ScratchFolder folder;
};

TEST_F(EditorSaveTest, UneditedLevelsComeBackRowForRowWithLfEnds) {
    const struct {
        std::string file;
        std::string saved;
    } cases[] = {
        {"..G\nPP.\n", "..G\nPP.\n"},
        {"..G\nPP.", "..G\nPP.\n"},        // gains the missing final line end
        {"..G\r\nPP.\r\n", "..G\nPP.\n"},  // CR LF comes back LF
        {"ab\n\n\ncd\n", "ab\n\n\ncd\n"},  // empty middle rows stay
        {"#~\t \x01\xff"
         "B\n",
         "#~\t \x01\xff"
         "B\n"},  // any other character stays
        {std::string("x\0y\n", 4), std::string("x\0y\n", 4)},
    };
    makeAssetFolder("");
    for (const auto& c : cases) {
        folder.writeFile("assets/level.txt", c.file);
        EditorMap map(nullptr, kLevel);
        ASSERT_TRUE(map.save());
        EXPECT_EQ(folder.readFile("assets/level.txt"), c.saved);
        EditorMap again(nullptr, kLevel);
        ASSERT_TRUE(again.save());
        EXPECT_EQ(folder.readFile("assets/level.txt"), c.saved);
    }
    EXPECT_TRUE(strayTemporaries().empty());
}

TEST_F(EditorSaveTest, EditsAreSavedKeepingPermissionsAndLinks) {
    makeAssetFolder("...\n...\n");
    fs::rename("assets/level.txt", "assets/real.txt");
    fs::create_symlink("real.txt", "assets/level.txt");
    chmod("assets/real.txt", 0640);
    EditorMap map(nullptr, kLevel);
    map.toggleCell(40, 40, 'B');
    ASSERT_TRUE(map.save());
    EXPECT_TRUE(fs::is_symlink("assets/level.txt"));
    EXPECT_EQ(folder.readFile("assets/real.txt"), "...\n.B.\n");
    EXPECT_EQ(fs::status("assets/real.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(EditorSaveTest, LevelsThatCannotBeReadAreRefusedAndNeverOverwritten) {
    makeAssetFolder("");
    fs::remove("assets/level.txt");
    const struct {
        const char* what;
        std::function<void()> make;
        const char* message;
    } cases[] = {
        {"missing", [] {}, "Could not read Assets/level.txt: No such file or directory"},
        {"empty", [&] { folder.writeFile("assets/level.txt", ""); }, "Assets/level.txt is empty"},
        {"folder", [] { fs::create_directory("assets/level.txt"); },
         "Could not read Assets/level.txt: not a regular file"},
        {"pipe", [] { mkfifo("assets/level.txt", 0644); },
         "Could not read Assets/level.txt: not a regular file"},
        {"huge", [] { fs::resize_file("assets/level.txt", EditorLevelFile::kMaxBytes + 1); },
         "Could not read Assets/level.txt: larger than 256 MiB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.what) == "huge") {
            folder.writeFile("assets/level.txt", "G");
        }
        c.make();
        const bool existed = fs::exists(fs::symlink_status("assets/level.txt"));
        const auto type = fs::symlink_status("assets/level.txt").type();
        const auto size =
            fs::is_regular_file("assets/level.txt") ? fs::file_size("assets/level.txt") : 0;
        testing::internal::CaptureStdout();
        {
            EditorMap map(nullptr, kLevel);
            EXPECT_FALSE(map.isLoaded());
            map.toggleCell(0, 0, 'G');
            EXPECT_FALSE(map.save());
        }
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output.rfind(c.message, 0), 0u) << output;
        EXPECT_NE(output.find("nothing was changed.\n"), std::string::npos) << output;
        EXPECT_EQ(fs::exists(fs::symlink_status("assets/level.txt")), existed);
        EXPECT_EQ(fs::symlink_status("assets/level.txt").type(), type);
        if (type == fs::file_type::regular) {
            EXPECT_EQ(fs::file_size("assets/level.txt"), size);
        }
        EXPECT_TRUE(strayTemporaries().empty());
        fs::remove_all("assets/level.txt");
    }
}

TEST_F(EditorSaveTest, SaveOntoAFolderPrintsOneLineAndLeavesIt) {
    makeAssetFolder("G.\n");
    EditorMap map(nullptr, kLevel);
    fs::remove("assets/level.txt");
    fs::create_directory("assets/level.txt");
    folder.writeFile("assets/level.txt/inside.txt", "kept");
    map.toggleCell(40, 0, 'P');
    testing::internal::CaptureStdout();
    EXPECT_FALSE(map.save());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Could not save Assets/level.txt: Is a directory\n");
    EXPECT_EQ(folder.readFile("assets/level.txt/inside.txt"), "kept");
    EXPECT_TRUE(strayTemporaries().empty());
    // The grid is untouched by the failure: a later save can still succeed.
    fs::remove_all("assets/level.txt");
    EXPECT_TRUE(map.save());
    EXPECT_EQ(folder.readFile("assets/level.txt"), "GP\n");
}

TEST_F(EditorSaveTest, SaveIntoAReadOnlyFolderPrintsOneLineAndKeepsTheFile) {
    makeAssetFolder("....\n");
    // Root may write anywhere, so the child gives up its privileges; the folders
    // must then be readable to everyone.
    chmod(folder.path().c_str(), 0755);
    chmod("assets", 0555);
    const ChildResult child = runInChild([] {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            return kNoUnprivilegedUser;
        }
        return editAndSave();
    });
    chmod("assets", 0755);
    if (child.exitCode == kNoUnprivilegedUser) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(child.exitCode, 1);
    EXPECT_EQ(child.output, "Could not save Assets/level.txt: Permission denied\n");
    EXPECT_EQ(folder.readFile("assets/level.txt"), "....\n");
}

TEST_F(EditorSaveTest, AReadOnlyFileInAWritableFolderIsNotReplaced) {
    makeAssetFolder("....\n");
    chmod(folder.path().c_str(), 0755);
    chmod("assets", 0777);
    chmod("assets/level.txt", 0444);
    const ChildResult child = runInChild([] {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            return kNoUnprivilegedUser;
        }
        return editAndSave();
    });
    if (child.exitCode == kNoUnprivilegedUser) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(child.exitCode, 1);
    EXPECT_EQ(child.output, "Could not save Assets/level.txt: Permission denied\n");
    EXPECT_EQ(folder.readFile("assets/level.txt"), "....\n");
    EXPECT_TRUE(strayTemporaries().empty());
}

TEST_F(EditorSaveTest, SaveIntoAFullDiskPrintsOneLineAndKeepsTheFile) {
    // The size limit makes every write past 1000 bytes fail as a full disk would.
    constexpr rlim_t kFileSizeLimit = 1000;
    const std::string before = editortest::levelText(100, 20);
    makeAssetFolder(before);
    const ChildResult child = runInChild([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        return editAndSave();
    });
    EXPECT_EQ(child.exitCode, 1);
    EXPECT_EQ(child.output, "Could not save Assets/level.txt: File too large\n");
    EXPECT_EQ(folder.readFile("assets/level.txt"), before);
    EXPECT_TRUE(strayTemporaries().empty());
}

TEST_F(EditorSaveTest, KillDuringASaveLeavesThePreviousFile) {
    const std::string before = editortest::levelText(60, 15);
    makeAssetFolder(before);
    // Large enough that writing it takes far longer than noticing the temporary file.
    const std::vector<std::string> bigRows(64, std::string(1024 * 1024, 'G'));
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        std::string problem;
        EditorLevelFile::write(kLevel, bigRows, problem);
        _exit(0);
    }
    bool sawTemporary = false;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (!strayTemporaries().empty()) {
            sawTemporary = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
    }
    ASSERT_TRUE(sawTemporary) << "the save ended before it could be interrupted";
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(folder.readFile("assets/level.txt"), before);
    // The next save replaces the file completely, stray temporary or not.
    EditorMap map(nullptr, kLevel);
    map.toggleCell(0, 0, 'E');
    ASSERT_TRUE(map.save());
    EXPECT_EQ(folder.readFile("assets/level.txt"), "E" + before.substr(1));
}

}  // namespace
