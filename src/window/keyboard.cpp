// The game by keyboard. The dice letters, Space and Return are the game's
// first keys; the others walk the window: Tab and Shift+Tab carry the focus
// frame from zone to zone in reading order, the arrows move inside a zone
// (cell to cell on the sheet, portrait to portrait in the characters' menu),
// and the shortcuts press a button the player could press with the mouse at
// that moment. A zone that takes the focus is hovered, as the pointer would,
// and Space or Return then click it: the keyboard never does more than the
// mouse could.
#include <algorithm>
#include <array>
#include <optional>

#include "window/jeu_yam.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// The zones in reading order. Controls of one group stand together on the
// screen: moving the focus to another group first takes the pointer off
// the group it leaves (menus close, the preview goes off the sheet), as a
// hand on the mouse crosses the background between them.
struct Maillon {
    const char* nom;
    int premier, dernier;  // index range; -1 for a single control
    int groupe;
};

enum Groupe { kJeux, kPersonnages, kDés, kOk, kFeuille, kRetour, kOutils, kRègles, kHorsLigne };

constexpr std::array kChaîne{
    Maillon{"Coup1", -1, -1, kJeux},
    Maillon{"Coup2", -1, -1, kJeux},
    Maillon{"Personnages", 0, 24, kPersonnages},
    Maillon{"CliqueNom", -1, -1, kPersonnages},
    Maillon{"ChoixDés", 0, 4, kDés},
    Maillon{"Ok", -1, -1, kOk},
    Maillon{"Cases", 0, Partie::kValeur2, kFeuille},
    Maillon{"Retour", -1, -1, kRetour},
    Maillon{"Zéro", -1, -1, kRetour},
    Maillon{"Conseil", -1, -1, kOutils},
    Maillon{"Aides", -1, -1, kOutils},
    Maillon{"Sons", -1, -1, kOutils},
    Maillon{"Animation", -1, -1, kOutils},
    Maillon{"Verrou", -1, -1, kOutils},
    Maillon{"MenuDés", 0, 3, kOutils},
    Maillon{"Paramètres", -1, -1, kOutils},
    Maillon{"Score", -1, -1, kOutils},
    Maillon{"Règles", -1, -1, kOutils},
    Maillon{"Iconify", -1, -1, kOutils},
    Maillon{"Halte", -1, -1, kOutils},
    Maillon{"ScrollHaut", -1, -1, kRègles},
    Maillon{"ScrollBas", -1, -1, kRègles},
    Maillon{"SSPanel2", -1, -1, kRègles},
    Maillon{"NonConnectéCmd", -1, -1, kHorsLigne},
};

// What opens over the window and hides what lies under it.
constexpr std::array<std::pair<const char*, int>, 6> kCouvertures{{
    {"MenuPersonnages", -1},
    {"SSRèglesCadre", -1},
    {"NonConnectéPic", -1},
    {"MenuDés", 1},
    {"MenuDés", 2},
    {"MenuDés", 3},
}};

constexpr int kPortraitsParLigne = 6;

struct Rectangle {
    int gauche, haut, droite, bas;  // twips, in the window
    bool contient(int x, int y) const { return x >= gauche && x < droite && y >= haut && y < bas; }
};

// ---- where the keyboard may go ------------------------------------------

Rectangle dansLaFenêtre(ControlModel& m, const Control& c) {
    int x = c.left(), y = c.top();
    const Control* at = &c;
    for (int depth = 0; depth < 8 && !at->design().container.empty(); ++depth) {
        at = m.find(at->design().container);
        if (!at) break;
        x += at->left();
        y += at->top();
    }
    return {x, y, x + c.width(), y + c.height()};
}

bool contenuDans(ControlModel& m, const Control& c, const Control& boîte) {
    const Control* at = &c;
    for (int depth = 0; depth < 8 && at && !at->design().container.empty(); ++depth) {
        at = m.find(at->design().container);
        if (at == &boîte) return true;
    }
    return false;
}

// Something drawn over the middle of C hides it from the pointer.
bool couvert(ControlModel& m, const Control& c) {
    const Rectangle r = dansLaFenêtre(m, c);
    const int x = (r.gauche + r.droite) / 2, y = (r.haut + r.bas) / 2;
    for (const auto& [nom, index] : kCouvertures) {
        const Control* dessus = m.find(nom, index);
        if (!dessus || dessus == &c || dessus->id() < c.id() || !m.reachable(*dessus)) continue;
        if (contenuDans(m, c, *dessus)) continue;
        if (dansLaFenêtre(m, *dessus).contient(x, y)) return true;
    }
    return false;
}

bool surLÉcran(ControlModel& m, const Control& c) {
    const Rectangle r = dansLaFenêtre(m, c);
    const Rectangle fenêtre{0, 0, kWindowWidth * kTwipsPerPixel, kWindowHeight * kTwipsPerPixel};
    return fenêtre.contient((r.gauche + r.droite) / 2, (r.haut + r.bas) / 2);
}

}  // namespace

// The keyboard stops on the zones the pointer can reach and click; on the
// sheet it also stops on the cells that take no click, to read them, as
// the pointer hovers them.
bool JeuYam::ZoneClavier(const Control& c) {
    if (!model_.reachable(c) || !surLÉcran(model_, c) || couvert(model_, c)) return false;
    if (!c.enabled() && c.name() != "Cases") return false;
    // A die's zone takes the keyboard while its letter says it can be kept.
    if (c.name() == "ChoixDés") return Lettres(c.index()).visible();
    if (c.name() == "Cases") return sheet::isScoringCell(c.index()) || c.index() >= Partie::kValeur1;
    return true;
}

namespace {

// The place of control C in the chain, or nullopt when it is not there.
std::optional<std::size_t> maillonDe(const Control& c) {
    for (std::size_t i = 0; i < kChaîne.size(); ++i) {
        const Maillon& m = kChaîne[i];
        if (c.name() != m.nom) continue;
        if (m.premier < 0 || (c.index() >= m.premier && c.index() <= m.dernier)) return i;
    }
    return std::nullopt;
}

}  // namespace

// The zones of link I that take the keyboard now, in reading order: the
// sheet reads row by row.
std::vector<Control*> JeuYam::ZonesDuMaillon(std::size_t i) {
    const Maillon& m = kChaîne[i];
    std::vector<Control*> zones;
    const auto essaie = [&](Control* c) {
        if (c && ZoneClavier(*c)) zones.push_back(c);
    };
    if (m.premier < 0) {
        essaie(model_.find(m.nom));
    } else if (std::string_view(m.nom) == "Cases") {
        for (int ligne = 0; ligne < 16; ++ligne) {
            for (int colonne = 0; colonne < sheet::kColumns; ++colonne) essaie(&Cases(sheet::cell(colonne, ligne)));
        }
        essaie(&Cases(Partie::kValeur1));
        essaie(&Cases(Partie::kValeur2));
    } else {
        for (int k = m.premier; k <= m.dernier; ++k) essaie(model_.find(m.nom, k));
    }
    return zones;
}

// Every zone that takes the keyboard now, in reading order, each with its
// link; the sheet's cells come as one stop, the cell the keyboard last
// stood on (the arrows walk the others).
std::vector<std::pair<Control*, std::size_t>> JeuYam::ZonesClavier() {
    std::vector<std::pair<Control*, std::size_t>> zones;
    for (std::size_t i = 0; i < kChaîne.size(); ++i) {
        std::vector<Control*> lien = ZonesDuMaillon(i);
        if (std::string_view(kChaîne[i].nom) == "Cases" && !lien.empty()) {
            const auto dernière = std::find(lien.begin(), lien.end(), &Cases(caseClavier_));
            lien = {dernière != lien.end() ? *dernière : lien.front()};
        }
        for (Control* c : lien) zones.emplace_back(c, i);
    }
    return zones;
}

// ---- moving the focus ---------------------------------------------------

namespace {

int groupeDe(const Control* c) {
    const std::optional<std::size_t> i = c ? maillonDe(*c) : std::nullopt;
    return i ? kChaîne[*i].groupe : -1;
}

}  // namespace

void JeuYam::FocusClavier(Control& cible) {
    const Control* avant = model_.focus() >= 0 ? &model_.byId(model_.focus()) : nullptr;
    // The pointer leaves one group for another across the background.
    if (avant && groupeDe(avant) != groupeDe(&cible)) handle(Event::move(kWindowName));
    if (!ZoneClavier(cible)) return;
    handle(Event::move(cible.name(), cible.index()));
    Control* focus = &cible;
    // The character button opens its menu over itself: the keyboard goes on
    // to the portrait of the one playing, as the pointer would.
    if (cible.name() == "Personnages" && cible.index() == 0 && MenuPersonnages.top() < 10000) {
        focus = &Personnages(std::max(1, PersonnageCourant));
        handle(Event::move(focus->name(), focus->index()));
    }
    if (focus->name() == "Cases" && sheet::isScoringCell(focus->index())) caseClavier_ = focus->index();
    focus->setFocus();
}

void JeuYam::TabulationClavier(bool enAvant) {
    const std::vector<std::pair<Control*, std::size_t>> zones = ZonesClavier();
    if (zones.empty()) return;
    const Control* ici = model_.focus() >= 0 ? &model_.byId(model_.focus()) : nullptr;
    const std::optional<std::size_t> maillon = ici ? maillonDe(*ici) : std::nullopt;
    // Where the focus stands in the walk: its own place, or for a zone that
    // left the walk (a cell, a closed menu's portrait), the place of its link.
    const auto n = static_cast<std::ptrdiff_t>(zones.size());
    std::ptrdiff_t ici_ = -1;
    for (std::ptrdiff_t i = 0; i < n && ici_ < 0; ++i) {
        const auto& [c, lien] = zones[static_cast<std::size_t>(i)];
        if (c == ici || (ici && c->name() == "Cases" && ici->name() == "Cases" && sheet::isScoringCell(ici->index())))
            ici_ = i;
    }
    std::ptrdiff_t suivante = 0;
    if (ici_ >= 0) {
        suivante = (ici_ + (enAvant ? 1 : n - 1)) % n;
    } else if (maillon) {
        // The first zone after (or the last before) the link.
        const std::size_t sien = *maillon;
        suivante = enAvant ? 0 : n - 1;
        for (std::ptrdiff_t i = 0; i < n; ++i) {
            const std::size_t lien = zones[static_cast<std::size_t>(enAvant ? i : n - 1 - i)].second;
            if (enAvant ? lien > sien : lien < sien) {
                suivante = enAvant ? i : n - 1 - i;
                break;
            }
        }
    } else if (!enAvant) {
        suivante = n - 1;
    }
    FocusClavier(*zones[static_cast<std::size_t>(suivante)].first);
}

void JeuYam::FlècheClavier(Key touche) {
    if (model_.focus() < 0) return;
    Control& ici = model_.byId(model_.focus());
    const bool avant = touche == Key::Right || touche == Key::Down;
    const bool verticale = touche == Key::Up || touche == Key::Down;
    if (ici.name() == "Cases" && sheet::isScoringCell(ici.index())) {
        // Column by column, row by row, over the cells that show.
        int colonne = sheet::column(ici.index()), ligne = sheet::row(ici.index());
        for (int pas = 0; pas < 16; ++pas) {
            if (verticale) ligne += avant ? 1 : -1;
            else colonne += avant ? 1 : -1;
            if (ligne < 0 || ligne > 15 || colonne < 0 || colonne >= sheet::kColumns) return;
            Control& voisine = Cases(sheet::cell(colonne, ligne));
            if (sheet::isScoringCell(voisine.index()) && ZoneClavier(voisine)) return FocusClavier(voisine);
        }
        return;
    }
    // Elsewhere, from zone to zone of the group; the portraits by row too.
    std::vector<Control*> groupe;
    for (const auto& [c, lien] : ZonesClavier())
        if (kChaîne[lien].groupe == groupeDe(&ici)) groupe.push_back(c);
    const auto it = std::find(groupe.begin(), groupe.end(), &ici);
    if (it == groupe.end()) return;
    int pas = avant ? 1 : -1;
    if (verticale && ici.name() == "Personnages" && ici.index() > 0) pas *= kPortraitsParLigne;
    // The dice menu opens upwards from its button.
    if (verticale && ici.name() == "MenuDés") pas = -pas;
    const auto place = (it - groupe.begin()) + pas;
    if (place >= 0 && place < static_cast<std::ptrdiff_t>(groupe.size()))
        FocusClavier(*groupe[static_cast<std::size_t>(place)]);
}

// ---- shortcuts ----------------------------------------------------------

// The button's click, only when the pointer could click it now.
void JeuYam::PresseClavier(const char* nom) {
    Control* c = model_.find(nom);
    if (c && ZoneClavier(*c)) handle(Event::click(nom));
}

bool JeuYam::RaccourciClavier(const Event& event) {
    const Control* cadre = model_.find("SSRèglesCadre");
    const bool règles = cadre && model_.reachable(*cadre);
    switch (event.key) {
        case Key::Tab:
        case Key::BackTab:
            TabulationClavier(event.key == Key::Tab);
            return true;
        case Key::Up:
        case Key::Down:
        case Key::Left:
        case Key::Right:
            FlècheClavier(event.key);
            return true;
        case Key::F1:
            PresseClavier(règles ? "SSPanel2" : "Règles");
            return true;
        case Key::PageUp:
            if (règles) PresseClavier("ScrollHaut");
            return true;
        case Key::PageDown:
            if (règles) PresseClavier("ScrollBas");
            return true;
        case Key::Escape:
            if (règles) {
                PresseClavier("SSPanel2");
            } else if (MenuPersonnages.top() < 10000 || MenuDésOuvert()) {
                // The pointer leaves the menu.
                handle(Event::move(kWindowName));
            }
            return true;
        case Key::Letter:
            // Ctrl with a letter is never a die's key.
            if (!event.ctrl) return false;
            if (event.letter == 'Z') PresseClavier("Retour");
            if (event.letter == 'Q') PresseClavier("Halte");
            return true;
        default:
            return false;
    }
}

// The consent window, its two buttons: Tab and the arrows go from one to the
// other, Space and Return press the one that holds the focus.
void JeuYam::ConsentementClavier(const Event& event) {
    Control& oui = consentement_.at("OkOuiCmd");
    Control& non = consentement_.at("OkNonCmd");
    switch (event.key) {
        case Key::Tab:
        case Key::BackTab:
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
            (oui.hasFocus() ? non : oui).setFocus();
            return;
        case Key::Space:
        case Key::Return:
            if (oui.hasFocus() || non.hasFocus()) {
                const Control& choisi = oui.hasFocus() ? oui : non;
                handle(Event::click(choisi.name()));
            }
            return;
        default:
            return;
    }
}

}  // namespace dravonelle
