#include <gtest/gtest.h>

#include "folder_fixture.h"

namespace dravonelle {
namespace {

// A second copy of the game in the same folder says so and leaves, without
// touching the first one's records.
TEST(SecondCopy, ASecondCopySaysSoAndLeavesWithoutWriting) {
    FolderFixture first;
    first.jeu.Form_Load();
    ASSERT_FALSE(first.scripted.exited());
    const std::string names = first.bytes("Joueurs");

    FolderFixture second(first.folder);
    second.jeu.Form_Load();
    EXPECT_TRUE(second.scripted.exited());
    EXPECT_NE(second.out.str().find("box \" Dravonelle est déjà ouvert dans ce dossier. \" \"Dravonelle\""),
              std::string::npos);
    EXPECT_EQ(second.out.str().find("write "), std::string::npos);
    EXPECT_EQ(second.bytes("Joueurs"), names);
}

// The lock goes with the copy that held it: the next start takes it.
TEST(SecondCopy, TheNextStartTakesTheFolderOnceTheFirstIsGone) {
    ScratchFolder folder;
    {
        FolderFixture first(folder.path);
        first.jeu.Form_Load();
    }
    FolderFixture next(folder.path);
    next.jeu.Form_Load();
    EXPECT_FALSE(next.scripted.exited());
}

}  // namespace
}  // namespace dravonelle
