// The advice in words: the bubble's phrase and the driver's line.
#include <cstdio>

#include "advisor/conseil.h"

namespace dravonelle {

namespace {

const char* const kAuRang[] = {"aux As", "aux Deux", "aux Trois", "aux Quatre", "aux Cinq", "aux Six", "", "",
                               "à la Suite", "au Full", "au Carré", "au Maxi", "à l'Egal", "au Mini", "au Yam"};
const char* const kLeRang[] = {"les As", "les Deux", "les Trois", "les Quatre", "les Cinq", "les Six", "", "",
                               "la Suite", "le Full", "le Carré", "le Maxi", "l'Egal", "le Mini", "le Yam"};
const char* const kDeLaColonne[] = {"de la Descente", "de la Montée", "de la Libre", "de la Sèche",
                                    "de l'Annonce"};

std::string colonne(int k) { return kDeLaColonne[sheet::column(k)]; }

// One decimal, with a point for the driver or a comma for the player.
std::string décimal(double v, char virgule) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    if (s == "-0.0") s = "0.0";
    for (char& ch : s) {
        if (ch == '.') ch = virgule;
    }
    return s;
}

// "21 au Maxi de la Libre", "2 aux Quatre de la Libre (12 au total)".
std::string placement(const Conseil& c) {
    std::string s = std::to_string(c.pointsMaintenant) + " " + NomCase(c.caseMaintenant);
    if (c.valeurMaintenant != c.pointsMaintenant) s += " (" + décimal(c.valeurMaintenant, ',') + " au total)";
    return s;
}

// "Gardez 5 5 5", "Relancez tout", "Annoncez le Yam de l'Annonce et gardez
// 6 6"; in small letters inside a phrase.
std::string garde(const Conseil& c, const Dice& dés, bool capitale) {
    std::string s;
    if (c.garde.annonce >= 0) {
        s = std::string(capitale ? "A" : "a") + "nnoncez " + kLeRang[sheet::row(c.garde.annonce)] + " " +
            colonne(c.garde.annonce) + " et ";
    }
    const bool début = s.empty() && capitale;
    if (c.garde.relancés == 5) return s + (début ? "Relancez tout" : "relancez tout");
    s += début ? "Gardez" : "gardez";
    if (c.garde.relancés == 0) return s + " tout";
    for (std::size_t i = 0; i < 5; ++i) {
        if (c.garde.positions[i]) s += " " + std::to_string(dés[i]);
    }
    return s;
}

std::string espéré(const Conseil& c) {
    std::string s = décimal(c.garde.espérance, ',') + " points espérés";
    if (c.caseVisée >= 0) s += " " + NomCase(c.caseVisée);
    if (c.annonceAuto) s += " (annoncé par le jeu)";
    return s;
}

}  // namespace

std::string NomCase(int k) {
    if (!sheet::isScoringCell(k)) return "";
    return std::string(kAuRang[sheet::row(k)]) + " " + colonne(k);
}

std::string TexteConseil(const Conseil& c, const Dice& dés) {
    if (!c.àConseiller) return " Rien à conseiller : lancez les dés. ";
    std::string maintenant;
    if (c.premierTirage) {
        maintenant = "garder le premier tirage";
    } else if (c.caseMaintenant >= 0) {
        maintenant = placement(c);
    }
    if (!c.peutRelancer) {
        if (c.premierTirage) return " Gardez le premier tirage : cliquez sur OK. ";
        return " Placez " + maintenant + ". ";
    }
    if (c.placerMaintenant() && !maintenant.empty()) {
        const std::string placez = c.premierTirage ? "Gardez le premier tirage" : "Placez maintenant : " + maintenant;
        return " " + placez + " ; en relançant au mieux (" + garde(c, dés, false) + ") : " + espéré(c) + ". ";
    }
    std::string s = " " + garde(c, dés, true) + " : " + espéré(c);
    if (!maintenant.empty()) s += " ; placer maintenant : " + maintenant;
    return s + ". ";
}

std::string LigneConseil(const Conseil& c) {
    if (!c.àConseiller) return "advice none";
    std::string s = "advice";
    if (c.peutRelancer) {
        if (c.garde.annonce >= 0) s += " announce " + std::to_string(c.garde.annonce);
        s += " keep";
        if (c.garde.relancés == 5) s += " none";
        for (std::size_t i = 0; i < 5; ++i) {
            if (c.garde.positions[i]) s += " " + std::to_string(i);
        }
        s += " expect " + décimal(c.garde.espérance, '.') + " cell " + std::to_string(c.caseVisée);
    }
    if (c.caseMaintenant >= 0) {
        s += " now " + std::to_string(c.pointsMaintenant) + " cell " + std::to_string(c.caseMaintenant);
    } else {
        s += " now none";
    }
    if (c.premierTirage) s += " first";
    return s;
}

}  // namespace dravonelle
