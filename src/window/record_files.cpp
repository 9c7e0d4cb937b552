// Reading and writing the data files in the records' folder; a write that
// cannot be made is told to the player and leaves the old file whole.
#include <cerrno>
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
        // Not told when it fails: nothing is lost, the game plays from the
        // neutral values, and the first save that fails says so.
        std::string raison;
        Enregistre(name, neutral, raison);
    } else {
        // Nor is it written over later with what this run could not read.
        illisibles_.insert(name);
    }
    return neutral;
}

namespace {

// Why a write failed, in the player's words.
std::string raisonÉchec(const std::error_code& error) {
    switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "le disque est plein";
        case EACCES:
        case EPERM:
        case EROFS:
            return "le dossier est en lecture seule";
        case ENOENT:
        case ENOTDIR:
            return "le dossier n'existe pas";
        default:
            return "erreur système " + std::to_string(error.value());
    }
}

}  // namespace

bool JeuYam::Enregistre(const std::string& name, const std::string& bytes, std::string& raison) {
    if (!seuleCopie_) return false;  // the game is ending: another copy writes here
    if (illisibles_.count(name)) {
        raison = "il n'a pas pu être lu au démarrage";
        return false;
    }
    std::error_code error;
    if (endommagés_.count(name) && !GardeCopie(name, error)) {
        raison = raisonÉchec(error) + ", sa copie n'a pas pu être faite";
        return false;
    }
    if (!writeWhole(platform_.files.folder(), name, bytes, &error)) {
        raison = raisonÉchec(error);
        return false;
    }
    platform_.files.wrote(name);
    return true;
}

bool JeuYam::ÉcritFichier(const std::string& name, const std::string& bytes) {
    std::string raison;
    if (Enregistre(name, bytes, raison)) return true;
    RaisonÉchec = raison;
    if (raison.empty()) return false;
    // The player is told, bubble or not; the caller may say more.
    MessageBulle = " Le fichier " + name + " n'a pas pu être sauvegardé : " + raison + " ";
    Bulle(colors::passiveZone);
    platform_.files.warn("le fichier " + (platform_.files.folder() / name).string() + " n'a pas pu être écrit (" +
                         raison + ") ; il reste tel qu'il était");
    return false;
}

// The bytes of a file read only in part go to a copy beside it, named after
// the moment ("Fichyam1.illisible-20260105-100000"), and the player is told
// where. Until the copy is made the file is not written over.
bool JeuYam::GardeCopie(const std::string& name, std::error_code& failure) {
    const std::filesystem::path folder = platform_.files.folder();
    const auto bytes = readWhole(folder, name);
    if (!bytes) {
        // Gone since it was read: nothing is left to keep.
        std::error_code error;
        if (std::filesystem::symlink_status(folder / name, error).type() != std::filesystem::file_type::not_found) {
            failure = std::error_code(EIO, std::generic_category());
            return false;
        }
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
    if (!writeWhole(folder, copy, *bytes, &failure)) return false;
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

bool JeuYam::ÉcritAbandons(int mode) {
    Abandons a;
    a.TotalAbandons = TotalAbandons;
    a.AbandonsPar = AbandonsPar;
    return ÉcritFichier(abandonFile(mode), formatAbandons(a));
}

// The game counters and the faces and figures counted since creation.
bool JeuYam::ÉcritInfos() {
    dravonelle::Infos info;
    info.TotalTerminées = TotalTerminées;
    info.TerminéesPar = TerminéesPar;
    info.CompteursCréation = partie.CompteursCréation;
    return ÉcritFichier(infoFile(partie.ModeTirage), formatInfos(info));
}

}  // namespace dravonelle
