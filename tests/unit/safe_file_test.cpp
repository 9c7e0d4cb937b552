#include "records/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace dravonelle {
namespace {

namespace fs = std::filesystem;

// A scratch program folder of its own, removed afterwards.
class Folder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dravonelle-safe-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        ::chmod(dir.c_str(), 0700);
        fs::remove_all(dir);
    }

    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
        return names;
    }

    fs::path dir;
};

using SafeFile = Folder;
using SingleCopy = Folder;

TEST_F(SafeFile, WritesAndReadsEveryByte) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    bytes += "\r\n";
    ASSERT_TRUE(writeWhole(dir, "Info1", bytes));
    EXPECT_EQ(readWhole(dir, "Info1"), bytes);
    EXPECT_EQ(entries(), std::set<std::string>{"Info1"});
}

TEST_F(SafeFile, ReplacesTheContentAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(writeWhole(dir, "Joueurs", std::string(5000, 'A')));
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(writeWhole(dir, "Joueurs", "round " + std::to_string(i)));
    ASSERT_TRUE(writeWhole(dir, "Commence", ""));
    EXPECT_EQ(readWhole(dir, "Joueurs"), "round 19");
    EXPECT_EQ(readWhole(dir, "Commence"), "");
    EXPECT_EQ(entries(), (std::set<std::string>{"Commence", "Joueurs"}));
}

// A data file kept elsewhere behind a link (a synchronised folder, say) is
// written where the link points, through a chain of links, relative or not;
// the links stay links. A loop of links is refused and changes nothing.
TEST_F(SafeFile, WritesThroughSymbolicLinks) {
    fs::create_directory(dir / "elsewhere");
    ASSERT_TRUE(writeWhole(dir / "elsewhere", "Fichyam1", "old"));
    fs::create_symlink("elsewhere/Fichyam1", dir / "middle");
    fs::create_symlink(dir / "middle", dir / "Fichyam1");
    ASSERT_TRUE(writeWhole(dir, "Fichyam1", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "Fichyam1"));
    EXPECT_TRUE(fs::is_symlink(dir / "middle"));
    EXPECT_EQ(readWhole(dir / "elsewhere", "Fichyam1"), "new");
    EXPECT_EQ(readWhole(dir, "Fichyam1"), "new");
    EXPECT_EQ(entries(), (std::set<std::string>{"Fichyam1", "elsewhere", "middle"}));
    // A link to a file not there yet makes it there.
    fs::create_symlink("elsewhere/Info1", dir / "Info1");
    ASSERT_TRUE(writeWhole(dir, "Info1", "made"));
    EXPECT_EQ(readWhole(dir / "elsewhere", "Info1"), "made");

    fs::create_symlink("Info2", dir / "Abandon2");
    fs::create_symlink("Abandon2", dir / "Info2");
    EXPECT_FALSE(writeWhole(dir, "Info2", "loop"));
    EXPECT_TRUE(fs::is_symlink(dir / "Info2"));
}

TEST_F(SafeFile, KeepsTheOldFilesPermissions) {
    ASSERT_TRUE(writeWhole(dir, "Fichyam1", "old"));
    ASSERT_EQ(::chmod((dir / "Fichyam1").c_str(), 0640), 0);
    ASSERT_TRUE(writeWhole(dir, "Fichyam1", "new"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "Fichyam1").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SafeFile, AFailedWriteLeavesTheOldFileAsItWas) {
    // Nowhere to write.
    EXPECT_FALSE(writeWhole(dir / "missing", "Info1", "x"));
    EXPECT_FALSE(writeWhole(dir, "", "x"));
    EXPECT_FALSE(writeWhole(dir, "a/b", "x"));

    // A folder stands where the file should be: the rename fails.
    fs::create_directory(dir / "Abandon1");
    std::ofstream(dir / "Abandon1" / "inside") << "kept";
    EXPECT_FALSE(writeWhole(dir, "Abandon1", "new content"));
    EXPECT_TRUE(fs::is_directory(dir / "Abandon1"));
    EXPECT_EQ(readWhole(dir / "Abandon1", "inside"), "kept");
    EXPECT_EQ(entries(), std::set<std::string>{"Abandon1"});
}

TEST_F(SafeFile, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_TRUE(writeWhole(dir, "Info2", "old"));
    ASSERT_EQ(::chmod(dir.c_str(), 0500), 0);
    EXPECT_FALSE(writeWhole(dir, "Info2", "new"));
    EXPECT_EQ(readWhole(dir, "Info2"), "old");
    ::chmod(dir.c_str(), 0700);
    EXPECT_EQ(entries(), std::set<std::string>{"Info2"});
}

TEST_F(SafeFile, ReadingWhatIsNotAFile) {
    EXPECT_EQ(readWhole(dir, "Joueurs"), std::nullopt);
    EXPECT_EQ(readWhole(dir / "missing", "Joueurs"), std::nullopt);
    fs::create_directory(dir / "Fichyam2");
    EXPECT_EQ(readWhole(dir, "Fichyam2"), std::nullopt);
    // A pipe under a data file's name must not hang the game.
    ASSERT_EQ(::mkfifo((dir / "Commence").c_str(), 0600), 0);
    EXPECT_EQ(readWhole(dir, "Commence"), std::nullopt);
}

TEST_F(SafeFile, ReadsAtMostTheLimit) {
    ASSERT_TRUE(writeWhole(dir, "Info1", std::string(10000, 'x') + "end"));
    EXPECT_EQ(readWhole(dir, "Info1", 100), std::string(100, 'x'));
    EXPECT_EQ(readWhole(dir, "Info1")->size(), 10003u);
}

// ---- the single running copy ---------------------------------------------------------

// What a child process found when it tried the lock: 0 held elsewhere, 1 held
// by it, 2 not tried.
int childTries(const fs::path& dir) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const SingleCopyLock lock(dir);
        ::_exit(lock.held() ? 1 : lock.heldElsewhere() ? 0 : 2);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SingleCopy, OneHolderAtATime) {
    {
        const SingleCopyLock first(dir);
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(first.heldElsewhere());
        EXPECT_EQ(childTries(dir), 0);
        // A second lock in the same process is refused too.
        const SingleCopyLock second(dir);
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.heldElsewhere());
    }
    // Released with its holder.
    EXPECT_EQ(childTries(dir), 1);
    const SingleCopyLock again(dir);
    EXPECT_TRUE(again.held());
    EXPECT_TRUE(fs::exists(dir / SingleCopyLock::kFileName));
}

TEST_F(SingleCopy, AKilledHolderLeavesNoStaleLock) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const SingleCopyLock lock(dir);
        const char held = lock.held() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        for (;;) ::pause();
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(held, 'y');
    {
        const SingleCopyLock mine(dir);
        EXPECT_FALSE(mine.held());
        EXPECT_TRUE(mine.heldElsewhere());
    }
    ::kill(holder, SIGKILL);
    int status = 0;
    ::waitpid(holder, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const SingleCopyLock mine(dir);
    EXPECT_TRUE(mine.held());
}

TEST_F(SingleCopy, NoFolderNoLock) {
    const SingleCopyLock lock(dir / "missing");
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.heldElsewhere());
}

}  // namespace
}  // namespace dravonelle
