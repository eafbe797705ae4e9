// Level files the editor cannot use, and saves it must make or cannot make: an
// unreadable file or something other than a file stops the start with one line
// and is kept; a save that cannot complete (read-only file, full disk) prints one
// line per attempt, leaves the previous file intact and puts the grid in a
// recovery file on the way out. Saves keep links, owners, groups and modes, in
// writable and read-only folders alike, and survive kill -9.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "editor/EditorLevelFile.h"
#include "tests/reliability/editor/EditingSession.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ForkedChild.h"
#include "tests/reliability/support/Sanitizers.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace reliability {
namespace {

constexpr const char* kLevel = EditingSession::kLevel;
const std::string kNotRegularMessage =
    "Could not read Assets/level.txt: not a regular file. The editor needs a readable level "
    "file; nothing was changed.\n";

// Files the editor cannot use, and saves it must make or cannot make.
class UnusableEditorFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        AssetTree::build();
        AssetTree::replace(kLevel, kRows);
        // A child running as another user must reach the folder and may write
        // its recovery file in "recovery".
        fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read |
                                           fs::perms::others_exec);
        fs::create_directory("recovery");
        fs::permissions("recovery", fs::perms::all);
    }
    // In a child restricted by limits, with the recovery folder as its temporary
    // folder: one editing session; answers 0 when the editor was ready, 1 when it
    // refused to start.
    ChildOutcome sessionInChild(const ChildLimits& limits) const {
        const std::string recovery = folder.path() + "/recovery";
        return ForkedChild::run(
            [recovery] {
                setenv("TMPDIR", recovery.c_str(), 1);
                setenv("HOME", recovery.c_str(), 1);
                return EditingSession::run().ready ? 0 : 1;
            },
            limits);
    }
    static void expectUntouched(const std::string& contents) {
        EXPECT_EQ(AssetTree::read(kLevel), contents);
        for (const std::string& file : AssetTree::filesUnder("assets")) {
            EXPECT_EQ(file.rfind("assets/level.txt.", 0), std::string::npos) << file;
        }
    }
    // Left Ctrl + S and the save on the way out each print the reason; then the
    // grid, as edited, is in the one recovery file named last.
    void expectRecovered(const ChildOutcome& outcome, const std::string& reason) const {
        const std::vector<std::string> files = AssetTree::filesUnder("recovery");
        ASSERT_EQ(files.size(), 1u) << outcome.output;
        const std::string line = "Could not save Assets/level.txt: " + reason + "\n";
        EXPECT_EQ(outcome.output, line + line + "The edited level was written to " + folder.path() +
                                      "/" + files[0] + " instead.\n");
        EXPECT_EQ(files[0].rfind("recovery/level.txt.save-", 0), 0u) << files[0];
        EXPECT_EQ(AssetTree::read(files[0]), kRows + "\n");
    }
    // As the file's owner in a shared group: the users of the group-shared case.
    static ChildLimits member(uid_t user) {
        ChildLimits limits;
        limits.asNobody = true;
        limits.user = user;
        limits.group = user;
        limits.extraGroups = {ForkedChild::kSharedGroup};
        return limits;
    }
    static void giveToNobody(const std::string& path) {
        ASSERT_EQ(chown(path.c_str(), ForkedChild::kNobody, ForkedChild::kNobody), 0);
    }
    // Fifteen rows of sixty cells, one line without its end: larger than the
    // file size limit below, and saved with a line end added.
    const std::string kRows = std::string(15 * 61, '.');
    static constexpr long long kFileSizeLimit = 100;
    testsupport::ScratchFolder folder;
};

TEST_F(UnusableEditorFileTest, AReadOnlyFileIsEditedButNeverReplaced) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions("assets", fs::perms::all);
    fs::permissions(kLevel, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 0);
    expectRecovered(outcome, "Permission denied");
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AWritableFileInAReadOnlyFolderIsSaved) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions(kLevel, fs::perms::all);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, "");
    expectUntouched(kRows + "\n");
}

TEST_F(UnusableEditorFileTest, AFullDiskKeepsTheFileAndTheGridGoesToARecoveryFile) {
    ChildLimits limits{false, kFileSizeLimit};
    limits.softLimitOnly = true;
    const ChildOutcome outcome = sessionInChild(limits);
    EXPECT_EQ(outcome.exitCode, 0);
    expectRecovered(outcome, "File too large");
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AFullDiskInAReadOnlyFolderKeepsTheFile) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions(kLevel, fs::perms::all);
    ChildLimits limits{true, kFileSizeLimit};
    limits.softLimitOnly = true;
    const ChildOutcome outcome = sessionInChild(limits);
    EXPECT_EQ(outcome.exitCode, 0);
    expectRecovered(outcome, "File too large");
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, ALinkKeepsPointingAtTheSavedFile) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::create_directory("assets/linked");
    giveToNobody("assets/linked");
    fs::rename(kLevel, "assets/linked/level.txt");
    giveToNobody("assets/linked/level.txt");
    fs::create_symlink("linked/level.txt", kLevel);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.output, "");
    EXPECT_TRUE(fs::is_symlink(kLevel));
    EXPECT_EQ(AssetTree::read("assets/linked/level.txt"), kRows + "\n");
}

TEST_F(UnusableEditorFileTest, ASecondHardLinkShowsTheSavedLevel) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    // The user owns the file and may write the folder: only the link forbids a rename.
    fs::permissions("assets", fs::perms::all);
    giveToNobody(kLevel);
    fs::create_hard_link(kLevel, "assets/other-name.txt");
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.output, "");
    EXPECT_EQ(AssetTree::read("assets/other-name.txt"), kRows + "\n");
    EXPECT_EQ(fs::hard_link_count(kLevel), 2u);
}

TEST_F(UnusableEditorFileTest, AGroupSharedFileKeepsItsModeAndGroupForEveryMember) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as other users";
    }
    // The folder and the level belong to one user and a group shared with another.
    ASSERT_EQ(chown("assets", ForkedChild::kNobody, ForkedChild::kSharedGroup), 0);
    ASSERT_EQ(chmod("assets", 02775), 0);
    ASSERT_EQ(chown(kLevel, ForkedChild::kNobody, ForkedChild::kSharedGroup), 0);
    ASSERT_EQ(chmod(kLevel, 0664), 0);
    const uid_t users[] = {ForkedChild::kSecondUser, ForkedChild::kNobody,
                           ForkedChild::kSecondUser};
    for (const uid_t user : users) {
        SCOPED_TRACE(user);
        const ChildOutcome outcome = sessionInChild(member(user));
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_EQ(outcome.output, "");
        struct stat info {};
        ASSERT_EQ(stat(kLevel, &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0664u);
        EXPECT_EQ(info.st_uid, ForkedChild::kNobody);
        EXPECT_EQ(info.st_gid, ForkedChild::kSharedGroup);
    }
    expectUntouched(kRows + "\n");
}

TEST_F(UnusableEditorFileTest, KillNineDuringRepeatedSavesLeavesOneWholeVersion) {
    // Forking a sanitized test program takes over a second.
    constexpr int kKills = kUnderAddressSanitizer ? 10 : 40;
    constexpr int kMaxDelayMicroseconds = 4000;
    constexpr unsigned kSeed = 16;
    // In memory where there is such a folder: syncing costs nothing there, so the
    // kills land in the writes and renames themselves.
    std::string shared = "/dev/shm/kestrun-kill-XXXXXX";
    const std::string place = mkdtemp(shared.data()) != nullptr ? shared : folder.path();
    const std::string level = place + "/level.txt";
    // Two versions of a large level, so that kills land inside writes.
    const std::vector<std::string> versions[] = {
        std::vector<std::string>(2000, std::string(500, 'G')),
        std::vector<std::string>(1000, std::string(700, 'P'))};
    const std::string texts[] = {EditorLevelFile::join(versions[0]),
                                 EditorLevelFile::join(versions[1])};
    std::string problem;
    ASSERT_TRUE(EditorLevelFile::write(level, versions[0], problem));
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);
    for (int kill = 0; kill < kKills; ++kill) {
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0;; ++i) {
                EditorLevelFile::write(level, versions[i % 2], problem);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string now = AssetTree::read(level);
        EXPECT_TRUE(now == texts[0] || now == texts[1]) << "kill " << kill << ": " << now.size();
    }
    if (place != folder.path()) {
        fs::remove_all(place);
    }
}

TEST_F(UnusableEditorFileTest, AnUnreadableFileStopsTheStartAndIsKept) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions(kLevel, fs::perms::owner_read | fs::perms::owner_write);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output,
              "Could not read Assets/level.txt: Permission denied. The editor needs a readable "
              "level file; nothing was changed.\n");
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AFolderInPlaceOfTheFileStopsTheStart) {
    fs::remove(kLevel);
    fs::create_directories(std::string(kLevel) + "/kept");
    const ChildOutcome outcome = sessionInChild({});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, kNotRegularMessage);
    EXPECT_TRUE(fs::is_directory(std::string(kLevel) + "/kept"));
}

TEST_F(UnusableEditorFileTest, ANamedPipeInPlaceOfTheFileStopsTheStartWithoutWaiting) {
    fs::remove(kLevel);
    ASSERT_EQ(mkfifo(kLevel, S_IRUSR | S_IWUSR), 0);
    const ChildOutcome outcome = sessionInChild({});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, kNotRegularMessage);
    EXPECT_TRUE(fs::is_fifo(kLevel));
}

}  // namespace
}  // namespace reliability
