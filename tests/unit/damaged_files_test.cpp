#include <gtest/gtest.h>

#include "folder_fixture.h"
#include "records/data_files.h"
#include "records/safe_file.h"

namespace dravonelle {
namespace {

// A folder whose saved set-up starts character 3 in "1 tirage" at once,
// with an abandon file the game cannot read past its first line.
struct DamagedFolder : FolderFixture {
    static constexpr const char* kJunk = "Ce fichier a été ouvert\r\n9\r\n";
    DamagedFolder() {
        Commence c;
        c.PersonnageDépart = 3;
        c.ModeTirage = 1;
        writeWhole(folder, kCommenceFile, formatCommence(c));
        writeWhole(folder, "Abandon1", kJunk);
        jeu.Form_Load();
    }
    // A throw, then another character: the game under way is abandoned.
    void abandon(int next) {
        jeu.handle(Event::click("Ok"));
        jeu.handle(Event::move("Personnages", 0));
        jeu.handle(Event::click("Personnages", next));
    }
};

// The first write over a damaged file keeps its bytes beside it, says where
// in the bubble, and happens; later writes just write.
TEST(DamagedFiles, TheFirstWriteKeepsACopyAndTellsThePlayer) {
    DamagedFolder f;
    EXPECT_EQ(f.bytes("Abandon1"), DamagedFolder::kJunk);  // reading alone changes nothing
    f.abandon(5);
    const std::string copy = "Abandon1.illisible-20260105-100000";
    EXPECT_EQ(f.bytes(copy), DamagedFolder::kJunk);
    EXPECT_EQ(f.jeu.Infos.caption(), " Le fichier Abandon1 était abîmé : il est gardé tel quel dans " + copy + " ");
    EXPECT_EQ(parseAbandons(f.bytes("Abandon1")).TotalAbandons, 1);
    f.abandon(6);
    EXPECT_EQ(parseAbandons(f.bytes("Abandon1")).TotalAbandons, 2);
    EXPECT_FALSE(std::filesystem::exists(f.folder / (copy + "-2")));
}

// A copy already there under that name is not written over: the next name
// is taken.
TEST(DamagedFiles, CopiesNeverReplaceOneAnother) {
    DamagedFolder f;
    writeWhole(f.folder, "Abandon1.illisible-20260105-100000", "older copy");
    f.abandon(5);
    EXPECT_EQ(f.bytes("Abandon1.illisible-20260105-100000"), "older copy");
    EXPECT_EQ(f.bytes("Abandon1.illisible-20260105-100000-2"), DamagedFolder::kJunk);

}

}  // namespace
}  // namespace dravonelle
