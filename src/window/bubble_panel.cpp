// The bubble over the information panel: the game counters, the first place
// and the ranking table. All of them only show something, so they speak in
// blue; the rank numbers say nothing and take the bubble's text away.
#include <string_view>

#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// The first place, as the line under its picture tells it. "tirage" stays
// singular in both ways of playing.
std::string textePremier(const JeuYam& j) {
    const int premier = j.ClassementPersonnage[1];
    const std::string nom =
        premier >= 0 && premier <= 24 ? j.NomsPersonnages[static_cast<std::size_t>(premier)] : "";
    return " " + nom + " est Premier en mode" + signedNumber(j.partie.ModeTirage) + " tirage avec un score de" +
           signedNumber(j.ClassementScore[1]) + " réalisé le " + j.ClassementDate[1];
}

}  // namespace

void JeuYam::registerPanelZones() {
    const auto passive = [this](const char* name, std::function<std::string()> texte) {
        on(name, EventKind::Move, [this, texte = std::move(texte)](int) {
            if (SansBulles) return;
            MessageBulle = texte();
            Bulle(colors::passiveZone);
        });
    };
    passive("PartiesJouées", [] { return " Nombre de parties terminées par l'ensemble des joueurs "; });
    passive("PartiesAbandonnées",
            [] { return " Nombre de parties abandonnées par l'ensemble des joueurs "; });
    // These two stay on screen with the character when the panel is hidden,
    // and the dice-style menu closes over them.
    for (const char* name : {"PartiesIndividuellesJouées", "IndividuelAbandon"}) {
        on(name, EventKind::Move, [this, name](int) {
            FermeMenuDés();
            if (SansBulles) return;
            MessageBulle = name == std::string_view("IndividuelAbandon")
                               ? " Nombre de parties abandonnées par le personnage sélectionné "
                               : " Nombre de parties terminées par le personnage sélectionné ";
            Bulle(colors::passiveZone);
        });
    }
    passive("NomsScore", [] { return " Nom du joueur "; });
    passive("LadateScore", [] { return " Date de réalisation du score "; });
    passive("ScoresScore", [] { return " Score "; });

    // The line of the first place lies over the panel even when it is hidden,
    // and says nothing then.
    on("PremierInfos", EventKind::Move, [this](int) {
        if (SansBulles || !Premier.visible()) return;
        MessageBulle = textePremier(*this);
        Bulle(colors::passiveZone);
    });

    // The rank numbers silence the bubble, switched on or not. The label is
    // not redrawn: it is narrowed until the next text sizes it again.
    on("Rang", EventKind::Move, [this](int) {
        MessageBulle.clear();
        if (MessagePrécédent.empty()) return;
        Infos.setWidth(15);
        MessagePrécédent.clear();
    });
}

}  // namespace dravonelle
