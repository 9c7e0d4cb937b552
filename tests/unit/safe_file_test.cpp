// Writing a data file whole or not at all, through links; the lock that lets
// one copy of the game per folder write; the copy kept of a damaged file.
#include "records/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>  // mkfifo
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <string>

#include "folder_fixture.h"
#include "records/data_files.h"

namespace dravonelle {
namespace {

namespace fs = std::filesystem;

std::set<std::string> entries(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

TEST(SafeFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    ScratchFolder f;
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    ASSERT_TRUE(writeWhole(f.path, "Joueurs", std::string(5000, 'A')));
    fs::permissions(f.path / "Joueurs", fs::perms(0640));
    ASSERT_TRUE(writeWhole(f.path, "Joueurs", bytes));
    ASSERT_TRUE(writeWhole(f.path, "Commence", ""));
    EXPECT_EQ(readWhole(f.path, "Joueurs"), bytes);
    EXPECT_EQ(readWhole(f.path, "Joueurs", 100), bytes.substr(0, 100));
    EXPECT_EQ(readWhole(f.path, "Commence"), "");
    EXPECT_EQ(entries(f.path), (std::set<std::string>{"Commence", "Joueurs"}));
    EXPECT_EQ(fs::status(f.path / "Joueurs").permissions(), fs::perms(0640));  // the old file's
}

// A file kept elsewhere behind a chain of links is written where they point,
// and the links stay; a loop of links is refused.
TEST(SafeFile, WritesThroughSymbolicLinks) {
    ScratchFolder f;
    fs::create_directory(f.path / "elsewhere");
    fs::create_symlink("elsewhere/Fichyam1", f.path / "middle");  // relative
    fs::create_symlink(f.path / "middle", f.path / "Fichyam1");
    ASSERT_TRUE(writeWhole(f.path, "Fichyam1", "new"));
    EXPECT_EQ(readWhole(f.path / "elsewhere", "Fichyam1"), "new");
    EXPECT_EQ(entries(f.path), (std::set<std::string>{"Fichyam1", "elsewhere", "middle"}));
    EXPECT_TRUE(fs::is_symlink(f.path / "Fichyam1") && fs::is_symlink(f.path / "middle"));
    fs::create_symlink("Info2", f.path / "Abandon2");
    fs::create_symlink("Abandon2", f.path / "Info2");
    EXPECT_FALSE(writeWhole(f.path, "Info2", "loop"));
    EXPECT_TRUE(fs::is_symlink(f.path / "Info2"));
}

// A write that cannot happen leaves what was there; what is not a file reads
// as nothing, and a pipe does not hang the game.
TEST(SafeFile, FailuresLeaveTheOldFile) {
    ScratchFolder f;
    EXPECT_FALSE(writeWhole(f.path / "missing", "Info1", "x") || writeWhole(f.path, "a/b", "x"));
    fs::create_directory(f.path / "Abandon1");
    std::ofstream(f.path / "Abandon1" / "inside") << "kept";
    EXPECT_FALSE(writeWhole(f.path, "Abandon1", "new content"));
    EXPECT_EQ(readWhole(f.path / "Abandon1", "inside"), "kept");
    EXPECT_EQ(entries(f.path), std::set<std::string>{"Abandon1"});
    ASSERT_EQ(::mkfifo((f.path / "Commence").c_str(), 0600), 0);
    for (const char* name : {"Abandon1", "Joueurs", "Commence"}) EXPECT_EQ(readWhole(f.path, name), std::nullopt);
}

// The lock is held by one copy at a time, in this process or another, and
// goes with a killed holder.
TEST(SingleCopy, OneHolderAtATimeAndNoStaleLock) {
    ScratchFolder f;
    {
        const SingleCopyLock first(f.path);
        EXPECT_TRUE(first.held());
        EXPECT_TRUE(SingleCopyLock(f.path).heldElsewhere());
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const SingleCopyLock lock(f.path);
        (void)!::write(ready[1], lock.held() ? "y" : "n", 1);
        for (;;) ::pause();
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(SingleCopyLock(f.path).heldElsewhere());
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(SingleCopyLock(f.path).held());
}

// A second copy of the game in the same folder says so and leaves without
// writing.
TEST(SingleCopy, ASecondCopySaysSoAndLeavesWithoutWriting) {
    FolderFixture first;
    first.jeu.Form_Load();
    ASSERT_FALSE(first.scripted.exited());
    FolderFixture second(first.folder);
    second.jeu.Form_Load();
    EXPECT_TRUE(second.scripted.exited());
    EXPECT_NE(second.out.str().find("box \" Dravonelle est déjà ouvert dans ce dossier. \""), std::string::npos);
    EXPECT_EQ(second.out.str().find("write "), std::string::npos);
}

// The first write over a damaged file keeps its bytes beside it under a name
// no other copy holds (damaged_files.sh plays the rest through).
TEST(DamagedFiles, ACopyNeverReplacesAnother) {
    FolderFixture f;
    // Character 3 in "1 tirage" at once.
    writeWhole(f.folder, "Commence", "#FALSE#\r\n0\r\n3\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n");
    writeWhole(f.folder, "Abandon1", "Ce fichier a été ouvert\r\n9\r\n");
    writeWhole(f.folder, "Abandon1.illisible-20260105-100000", "older copy");
    f.jeu.Form_Load();
    f.jeu.handle(Event::click("Ok"));
    f.jeu.handle(Event::move("Personnages", 0));
    f.jeu.handle(Event::click("Personnages", 5));
    EXPECT_EQ(f.bytes("Abandon1.illisible-20260105-100000"), "older copy");
    EXPECT_EQ(f.bytes("Abandon1.illisible-20260105-100000-2"), "Ce fichier a été ouvert\r\n9\r\n");
    EXPECT_EQ(parseAbandons(f.bytes("Abandon1")).TotalAbandons, 1);
}

}  // namespace
}  // namespace dravonelle
