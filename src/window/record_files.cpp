// Reading and writing the data files beside the game.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "records/data_files.h"
#include "records/safe_file.h"
#include "window/jeu_yam.h"

namespace dravonelle {

std::string JeuYam::LitFichier(const std::string& name, const std::string& neutral) {
    if (auto bytes = readWhole(platform_.files.folder(), name)) return *bytes;
    // A missing file starts as a fresh installation has it. One that is there
    // but cannot be read (its permissions, a disk error) is left alone: a
    // fresh file in its place would wipe out the player's records.
    std::error_code error;
    const auto there = std::filesystem::symlink_status(platform_.files.folder() / name, error);
    if (there.type() == std::filesystem::file_type::not_found) {
        ÉcritFichier(name, neutral);
    } else {
        // Nor is it written over later with what this run could not read.
        illisibles_.insert(name);
    }
    return neutral;
}

void JeuYam::ÉcritFichier(const std::string& name, const std::string& bytes) {
    if (!seuleCopie_ || illisibles_.count(name)) return;
    if (endommagés_.count(name) && !GardeCopie(name)) return;
    if (writeWhole(platform_.files.folder(), name, bytes)) platform_.files.wrote(name);
}

// The bytes of a file read only in part go to a copy beside it, named after
// the moment ("Fichyam1.illisible-20260105-100000"), and the player is told
// where. Until the copy is made the file is not written over.
bool JeuYam::GardeCopie(const std::string& name) {
    const std::filesystem::path folder = platform_.files.folder();
    const auto bytes = readWhole(folder, name);
    if (!bytes) {
        // Gone since it was read: nothing is left to keep.
        std::error_code error;
        if (std::filesystem::symlink_status(folder / name, error).type() != std::filesystem::file_type::not_found)
            return false;
        endommagés_.erase(name);
        return true;
    }
    const DateTime t = platform_.clock.now();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.year % 10000, t.month % 100, t.day % 100,
                  t.hour % 100, t.minute % 100, t.second % 100);
    std::string copy = name + ".illisible-" + stamp;
    std::error_code error;
    for (int n = 2; std::filesystem::symlink_status(folder / copy, error).type() !=
                    std::filesystem::file_type::not_found;
         ++n) {
        copy = name + ".illisible-" + stamp + "-" + std::to_string(n);
    }
    if (!writeWhole(folder, copy, *bytes)) return false;
    endommagés_.erase(name);
    MessageBulle = " Le fichier " + name + " était abîmé : il est gardé tel quel dans " + copy + " ";
    Bulle(colors::passiveZone);
    platform_.files.warn("le fichier " + (folder / name).string() + " était abîmé ; il est gardé tel quel dans " +
                         (folder / copy).string());
    return true;
}

void JeuYam::LitNoms() {
    const Joueurs joueurs = Lit(kJoueursFile, formatJoueurs(joueursNeufs()), parseJoueurs);
    NomsPersonnages = joueurs.NomsPersonnages;
}

void JeuYam::ÉcritAbandons(int mode) {
    Abandons a;
    a.TotalAbandons = TotalAbandons;
    a.AbandonsPar = AbandonsPar;
    ÉcritFichier(abandonFile(mode), formatAbandons(a));
}

// The game counters and the faces and figures counted since creation.
void JeuYam::ÉcritInfos() {
    dravonelle::Infos info;
    info.TotalTerminées = TotalTerminées;
    info.TerminéesPar = TerminéesPar;
    info.CompteursCréation = partie.CompteursCréation;
    ÉcritFichier(infoFile(partie.ModeTirage), formatInfos(info));
}

}  // namespace dravonelle
