// Reading and writing the data files beside the game.
#include <filesystem>
#include <system_error>

#include "records/data_files.h"
#include "records/safe_file.h"
#include "ui/jeu_yam.h"

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
    if (writeWhole(platform_.files.folder(), name, bytes)) platform_.files.wrote(name);
}

void JeuYam::LitNoms() {
    const Joueurs joueurs = parseJoueurs(LitFichier(kJoueursFile, formatJoueurs(joueursNeufs())));
    NomsPersonnages = joueurs.NomsPersonnages;
}

void JeuYam::ÉcritAbandons(int mode) {
    Abandons a;
    a.TotalAbandons = TotalAbandons;
    a.AbandonsPar = AbandonsPar;
    ÉcritFichier(abandonFile(mode), formatAbandons(a));
}

// The counters since creation are written as the panel shows them.
void JeuYam::ÉcritInfos() {
    dravonelle::Infos info;
    info.TotalTerminées = TotalTerminées;
    info.TerminéesPar = TerminéesPar;
    for (int r = 0; r < 12; ++r) CompteursCréation[static_cast<std::size_t>(r)] = Stats3(r).number();
    info.CompteursCréation = CompteursCréation;
    ÉcritFichier(infoFile(ModeTirage), formatInfos(info));
}

}  // namespace dravonelle
