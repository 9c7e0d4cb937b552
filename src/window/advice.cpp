// The advisor's button: during a draw, the dice to keep and the best cell,
// with the points to expect, said in the bubble; the dice to keep are
// marked and the cell aimed at is previewed as a hover would. A game in
// which it was asked is assisted: it counts in the statistics, never in
// the ranking.
#include "advisor/conseil.h"
#include "window/jeu_yam.h"

namespace dravonelle {

namespace {

constexpr const char* kTexteConseil =
    " Conseil : les dés à garder et la meilleure case, avec les points espérés. Une partie conseillée ne compte "
    "pas au Ranking ";

}  // namespace

void JeuYam::registerAdvisor() {
    using enum EventKind;
    on("Conseil", Click, [this](int) { Conseil_Click(); });
    on("Conseil", Move, [this](int) {
        if (SansBulles) return;
        MessageBulle = kTexteConseil;
        Bulle(colors::activeZone);
    });
}

void JeuYam::Conseil_Click() {
    Bruit("Robot3");
    const Conseil conseil = Conseille(partie);
    if (surConseil) surConseil(LigneConseil(conseil));
    if (conseil.àConseiller) {
        partie.Assistée = true;
        // The cell the draw aims at, or the one to take now, as its hover
        // shows it.
        const int visée = conseil.peutRelancer && !conseil.placerMaintenant() ? conseil.caseVisée
                                                                              : conseil.caseMaintenant;
        if (visée >= 0 && !conseil.premierTirage) {
            partie.SurvolCase(visée);
            AfficheJeu();
        }
        for (int i = 0; i < 5; ++i) {
            const bool garde = conseil.peutRelancer && !conseil.placerMaintenant() && conseil.garde.positions[static_cast<std::size_t>(i)];
            NégocieDés(i).setHighlight(garde);
        }
        diceMarked_ = true;
    }
    // Said even with the bubble off: it was asked for.
    MessageBulle = TexteConseil(conseil, partie.Dés);
    Infos.setBackcolor(colors::activeZone);
    AfficheMessage();
    MarqueAssistée();
    if (Ok.enabled()) Ok.setFocus();
}

// The advice's marks last until the next move of the game.
void JeuYam::EffaceMarquesConseil() {
    if (!diceMarked_) return;
    for (int i = 0; i < 5; ++i) NégocieDés(i).setHighlight(false);
    diceMarked_ = false;
}

// The information panel tells an assisted game while it shows.
void JeuYam::MarqueAssistée() { model_.at("PartieAssistée").setVisible(partie.Assistée && CoupInfo.visible()); }

}  // namespace dravonelle
