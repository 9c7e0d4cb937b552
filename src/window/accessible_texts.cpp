#include "window/accessible_texts.h"

#include <array>
#include <utility>

#include "rules/number_text.h"
#include "rules/sheet_index.h"
#include "window/bubble_texts.h"
#include "window/jeu_yam.h"
#include "window/statistics_texts.h"

namespace dravonelle {

// ---- the bubble over each control ------------------------------------------

BullesVues::Handler BullesVues::suit(ControlModel& model, std::string name, Handler handler) {
    return [this, &model, name = std::move(name), handler = std::move(handler)](int index) {
        const Control* c = model.find(name, index);
        const int avant = std::exchange(survolé_, c ? c->id() : -1);
        handler(index);
        survolé_ = avant;
    };
}

void BullesVues::note(const std::string& texte) {
    if (survolé_ >= 0) textes_[survolé_] = texte;
}

const std::string* BullesVues::sur(int id) const {
    auto it = textes_.find(id);
    return it == textes_.end() ? nullptr : &it->second;
}

// ---- names -------------------------------------------------------------------

namespace {

using Role = AccessibleRole;

constexpr std::array<const char*, 5> kColonnes{"Descente", "Montée", "Libre", "Sèche", "Annonce"};
constexpr std::array<const char*, 7> kFigures{"Suite", "Full", "Carré", "Maxi", "Egal", "Mini", "Yam"};
constexpr std::array<const char*, 16> kLignes{"As",    "Deux",  "Trois",   "Quatre", "Cinq", "Six",
                                               "Total", "Bonus", "Suite",   "Full",   "Carré", "Maxi",
                                               "Egal",  "Mini",  "Yam",     "Total de la colonne"};

// The game's texts carry blanks around them for the bubble's looks.
std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string orElse(std::string text, const char* fallback) { return text.empty() ? fallback : text; }

std::string rowName(int row) {
    return sheet::isNumberRow(row) ? std::to_string(row + 1) : kFigures[static_cast<std::size_t>(row - sheet::Suite)];
}

std::string onOff(const char* what, bool on, const char* yes, const char* no) {
    return std::string(what) + " : " + (on ? yes : no);
}

// What a cell of the sheet holds, in words: "vide", "barrée" or its points,
// with the ink's meaning when it is not the final black.
std::string cellValue(const std::string& caption, Partie::Encre encre) {
    const std::string t = trimmed(caption);
    if (t.empty()) return "vide";
    std::string v = t == "XXX" ? "barrée" : t;
    if (encre == Partie::Encre::Rouge) v += ", provisoire";
    if (encre == Partie::Encre::Bleue) v += ", en aperçu";
    return v;
}

std::string throwName(int jet) {
    if (jet <= 0) return "OK";
    return "OK, " + std::to_string(jet) + (jet == 1 ? "er jet" : "e jet");
}

// The dice zones, large and small, over the tray and the row under it: a die
// speaks once thrown, kept or taken back for the next throw.
void describeDie(const JeuYam& jeu, const Control& c, bool small, AccessibleText& t) {
    const std::size_t i = static_cast<std::size_t>(c.index());
    const bool thrown = jeu.partie.NuméroJet > 0 || jeu.NégocieDés(c.index()).visible();
    t.role = Role::Button;
    t.checkable = true;
    t.checked = thrown && jeu.partie.DésGardés[i];
    t.shown = c.visible() && thrown;
    t.name = std::string(small ? "Petit dé " : "Dé ") + std::to_string(c.index() + 1);
    if (thrown) {
        t.value = std::to_string(jeu.partie.Dés[i]);
        t.name += " : " + t.value;
    }
    if (t.checked) t.name += ", gardé";
}

void describeSheet(const JeuYam& jeu, const Control& c, AccessibleText& t) {
    const int k = c.index();
    if (k == Partie::kValeur1 || k == Partie::kValeur2) {
        t.role = Role::Button;
        t.name = std::string("Garder le ") + (k == Partie::kValeur1 ? "1er" : "2e") + " tirage : " + trimmed(c.caption());
        return;
    }
    if (!sheet::isScoringCell(k)) return;  // placeholders: never shown
    t.role = Role::Cell;
    t.name = std::string(kColonnes[static_cast<std::size_t>(sheet::column(k))]) + ", " + rowName(sheet::row(k));
    t.value = cellValue(c.caption(), jeu.partie.EncreCase[Partie::at(k)]);
}

void describeTotal(const Control& c, AccessibleText& t) {
    const int i = c.index();
    t.role = Role::Cell;
    if (i == 15) {
        t.name = "Total général";
    } else {
        static constexpr std::array<const char*, 3> kKinds{"total", "bonus", "total de la colonne"};
        t.name = std::string(kColonnes[static_cast<std::size_t>(i / 3)]) + ", " + kKinds[static_cast<std::size_t>(i % 3)];
    }
    t.value = orElse(trimmed(c.caption()), "vide");
}

void describeStats(const Control& c, const std::string& heading, AccessibleText& t) {
    const int r = c.index();
    const bool titles = r == 16;
    if (c.name() == "Stats" || titles) {
        t.role = Role::Label;
        t.name = orElse(trimmed(c.caption()), "Statistiques");
        return;
    }
    t.role = Role::Cell;
    t.name = (r < 12 ? "Sortis, " : "Chances, ") + trimmed(heading) +
             (c.name() == "Stats2" ? ", cette partie" : ", depuis la création");
    t.value = orElse(trimmed(c.caption()), "vide");
}

void describeRanking(const Control& c, AccessibleText& t) {
    const std::string rang = "Rang " + std::to_string(c.index() + 1);
    if (c.name() == "Rang") {
        t.role = Role::Label;
        t.name = rang;
        return;
    }
    t.role = Role::Cell;
    t.name = rang + (c.name() == "NomsScore" ? ", joueur" : c.name() == "LadateScore" ? ", date" : ", score");
    t.value = orElse(trimmed(c.caption()), "vide");
}

// The tool bar and the dice-style menu: a tool that switches an option is
// checked while the option is on.
bool describeTool(const JeuYam& jeu, const Control& c, AccessibleText& t) {
    const std::string& n = c.name();
    const auto toggle = [&t](std::string name, bool on) {
        t.name = std::move(name);
        t.checkable = true;
        t.checked = on;
    };
    t.role = Role::Button;
    if (n == "Aides") {
        toggle(onOff("Bulle d'aide", !jeu.SansBulles, "activée", "désactivée"), !jeu.SansBulles);
    } else if (n == "Sons") {
        toggle(onOff("Sons", !jeu.SansSons, "activés", "désactivés"), !jeu.SansSons);
    } else if (n == "Animation") {
        toggle(onOff("Animation des dés", !jeu.SansAnimation, "activée", "désactivée"), !jeu.SansAnimation);
    } else if (n == "Verrou") {
        toggle(onOff("Verrou du début et de la fin", jeu.Verrouillé, "fermé", "ouvert"), jeu.Verrouillé);
    } else if (n == "Score") {
        toggle(onOff("Panneau d'informations", jeu.Premier.visible(), "affiché", "masqué"), jeu.Premier.visible());
    } else if (n == "Paramètres") {
        t.name = "Enregistrer les paramètres de départ";
    } else if (n == "Règles") {
        t.name = "Règles du jeu";
    } else if (n == "Iconify") {
        t.name = "Réduire la fenêtre";
    } else if (n == "Halte") {
        t.name = "Quitter";
    } else if (n == "Conseil") {
        t.name = "Conseil : dés à garder et meilleure case";
    } else if (n == "MenuDés") {
        const int jeuDeDés = jeu.JeuDeDés == 0 ? 1 : jeu.JeuDeDés;
        if (c.index() == 0) {
            t.name = "Style des dés : " + std::to_string(jeuDeDés);
        } else {
            toggle("Dés " + std::to_string(c.index()), c.index() == jeuDeDés);
        }
    } else {
        t.role = Role::None;
        return false;
    }
    return true;
}

// Labels that show their text; a fallback names one while it is empty.
bool describeLabel(const Control& c, AccessibleText& t) {
    static const std::map<std::string, const char*, std::less<>> kLabels{
        {"Tirage_No", "Numéro du tirage"},
        {"TotalDés", "Somme des dés"},
        {"TotalFigure", "Figure des dés"},
        {"PremierInfos", "Premier du classement"},
        {"PartiesJouées", "Parties jouées"},
        {"PartiesAbandonnées", "Parties abandonnées"},
        {"PartiesIndividuellesJouées", "Parties jouées par le personnage"},
        {"IndividuelAbandon", "Parties abandonnées par le personnage"},
        {"Jour", "Jour"},
        {"LaDate", "Date"},
        {"Heure", "Heure"},
        {"Nom", "Nom du joueur"},
        {"TitreTotal", "Total général"},
        {"PageAffiche", "Page des règles"},
        {"NonConnectéLbl", "Hors connexion"},
        {"Label1", "Résolution"},
        {"Label2", "Résolution"},
    };
    const auto it = kLabels.find(c.name());
    if (it == kLabels.end()) return false;
    t.role = Role::Label;
    t.name = orElse(trimmed(c.caption()), it->second);
    return true;
}

bool describeFixed(const Control& c, AccessibleText& t) {
    struct Fixed { const char* control; Role role; const char* name; };
    static constexpr Fixed kFixed[] = {
        {"Retour", Role::Button, "Retour"},
        {"Zéro", Role::Button, "Croix : marquer 0"},
        {"Premier", Role::Picture, "Premier du classement"},
        {"MenuPersonnages", Role::Group, "Menu des personnages"},
        {"SSRèglesCadre", Role::Group, "Règles du jeu"},
        {"SSOutils", Role::Picture, "Outils"},
        {"ScrollHaut", Role::Button, "Page précédente"},
        {"ScrollBas", Role::Button, "Page suivante"},
        {"SSPanel2", Role::Button, "Fermer les règles"},
        {"Pub0Pic", Role::Group, "Publicité"},
        {"Pub1Pic", Role::Group, "Publicité"},
        {"Pub0Web", Role::Web, "Page de publicité"},
        {"Pub1Web", Role::Web, "Page de publicité"},
        {"NonConnectéPic", Role::Group, "Hors connexion"},
        {"LogoFondPic", Role::Group, "Logo de Dravonelle"},
        {"LogoWeb", Role::Web, "Logo de Dravonelle"},
    };
    for (const Fixed& f : kFixed) {
        if (c.name() != f.control) continue;
        t.role = f.role;
        t.name = f.name;
        return true;
    }
    return false;
}

// The bubble's own text where the zone's table gives one from the game's
// numbers alone, for a control the pointer has not been over yet.
std::string staticBubble(const JeuYam& jeu, const Control& c) {
    const std::string& n = c.name();
    const int i = c.index();
    const Partie& p = jeu.partie;
    if (n == "InfosJeu") return texteInfosJeu(i);
    if (n == "Totaux") return texteTotaux(i);
    if (n == "Lettres") return texteLettre(i);
    if (n == "FeuxDés" && i < 5) return texteFeu(p.DésGardés[static_cast<std::size_t>(i)]);
    if (n == "CoupInfo") return texteCoupInfo(p.ModeTirage);
    if (n == "Coup1" || n == "Coup2") {
        const int mode = n == "Coup1" ? 1 : 2;
        return texteCoup(mode, p.ModeTirage == mode, jeu.Verrouillé);
    }
    if (n == "Stats2") return texteStatPartie(i, p.ModeTirage);
    if (n == "Stats3") return texteStatCréation(i, p.ModeTirage, jeu.TotalTerminées, jeu.TotalAbandons);
    if (n == "Tirage_No" && p.PartieEnCours) return texteTirageNo(p.NuméroTirage, p.ModeTirage);
    return {};
}

void describeMain(const JeuYam& jeu, const Control& c, AccessibleText& t) {
    const std::string& n = c.name();
    const int i = c.index();
    if (n == kWindowName) {
        t.role = Role::Window;
        t.name = "Dravonelle";
    } else if (n == "Cases") {
        describeSheet(jeu, c, t);
    } else if (n == "Totaux") {
        describeTotal(c, t);
    } else if (n == "InfosJeu") {
        t.role = Role::Label;
        t.name = i < 5 ? kColonnes[static_cast<std::size_t>(i)] : kLignes[static_cast<std::size_t>(i - 5)];
    } else if (n == "ChoixDés" || n == "Choixdés2") {
        describeDie(jeu, c, n == "Choixdés2", t);
    } else if (n == "FeuxDés" && i < 5) {
        t.role = Role::Picture;
        t.name = "Feu du dé " + std::to_string(i + 1) + (jeu.partie.DésGardés[static_cast<std::size_t>(i)]
                                                              ? " : gardé au prochain OK"
                                                              : " : relancé au prochain OK");
    } else if (n == "Lettres") {
        t.role = Role::Label;
        t.name = "Touche " + trimmed(c.caption()) + " : dé " + std::to_string(i % 5 + 1);
    } else if (n == "Ok") {
        t.role = Role::Button;
        t.name = throwName(jeu.partie.JetAffiché);
    } else if (n == "Infos") {
        t.role = Role::Bubble;
        t.name = orElse(trimmed(c.caption()), "Bulle d'aide");
    } else if (n == "Coup1" || n == "Coup2") {
        t.role = Role::Button;
        t.name = trimmed(c.caption());
        t.checkable = true;
        t.checked = jeu.partie.ModeTirage == (n == "Coup1" ? 1 : 2);
    } else if (n == "CoupInfo") {
        t.role = Role::Label;
        t.name = "Mode " + orElse(trimmed(c.caption()), "non choisi");
    } else if (n == "Stats" || n == "Stats2" || n == "Stats3") {
        describeStats(c, jeu.Stats(i).caption(), t);
    } else if (n == "Rang" || n == "NomsScore" || n == "LadateScore" || n == "ScoresScore") {
        describeRanking(c, t);
    } else if (n == "Personnages") {
        t.role = Role::Button;
        const std::string& nom = jeu.NomsPersonnages[static_cast<std::size_t>(i == 0 ? jeu.PersonnageCourant : i)];
        t.name = i == 0 ? "Personnage : " + orElse(nom, "aucun") : orElse(nom, "Personnage");
        // The portraits wait below the window while the menu is closed.
        if (i > 0) t.shown = c.visible() && jeu.MenuPersonnages.top() < 12000;
    } else if (n == "CliqueNom") {
        t.role = Role::Button;
        t.name = "Renommer : " + trimmed(c.caption());
    } else if (n == "SSRègle") {
        t.role = Role::Label;
        t.name = orElse(trimmed(c.caption()), "Règles");
    } else if (n == "NonConnectéCmd") {
        t.role = Role::Button;
        t.name = orElse(trimmed(c.caption()), "OK");
    } else if (!describeTool(jeu, c, t) && !describeLabel(c, t)) {
        describeFixed(c, t);  // anything else (stores, timers, frames) stays unexposed
    }
    if (n == "MenuPersonnages") t.shown = c.visible() && c.top() < 12000;
    // The best-score line stands over the hidden panel with nothing to say.
    if (n == "PremierInfos") t.shown = c.visible() && jeu.Premier.visible();
}

void describeConsent(const Control& c, AccessibleText& t) {
    const std::string& n = c.name();
    if (n == "AfficheForm") {
        t.role = Role::Window;
        t.name = orElse(trimmed(c.caption()), "Dravonelle");
    } else if (n == "OkOuiCmd" || n == "OkNonCmd") {
        t.role = Role::Button;
        t.name = trimmed(c.caption());
    } else if (!describeLabel(c, t)) {
        describeFixed(c, t);
    }
}

}  // namespace

AccessibleText accessibleText(const JeuYam& jeu, const Control& c) {
    AccessibleText t;
    t.enabled = c.enabled();
    t.shown = c.visible();
    t.focused = c.hasFocus();
    const auto& main = jeu.model().controls();
    const bool inMain = c.id() < static_cast<int>(main.size()) && &main[static_cast<std::size_t>(c.id())] == &c;
    if (!inMain) {
        describeConsent(c, t);  // no bubble there
        return t;
    }
    describeMain(jeu, c, t);
    const std::string* vue = jeu.bullesVues.sur(c.id());
    t.description = trimmed(vue ? *vue : staticBubble(jeu, c));
    return t;
}

}  // namespace dravonelle
