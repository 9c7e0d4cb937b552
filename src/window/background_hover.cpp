// The window background: leaving every zone puts the focus back on OK, takes
// the preview off the sheet, and tells where the game stands. Its news of a
// game, the credit line and the announcements, is shown even with the bubble
// off.
#include "window/bubble_texts.h"
#include "window/guidance_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

void choisit(JeuYam& j, const std::string& texte) {
    if (texte.empty()) return;
    j.MessageBulle = texte;
    j.MessageChoisi = 1;
}

// What a click on OK does now that the game chose the cell by itself.
void guideSélection(JeuYam& j) {
    if (j.SansBulles || !j.Ok.enabled()) return;
    choisit(j, texteChoixAuto(j, kTexteTirage2èmeTirage));
}

// The state of the game, whatever the bubble says: during a game the credit
// line, after it the news of its ranking, before it the greeting.
void annonce(JeuYam& j) {
    if (j.partie.NuméroTirage == 0) {
        if (std::string texte = texteNouvellePartie(j.partie.ModeTirage); !texte.empty()) j.MessageBulle = texte;
    } else if (!j.Ok.enabled()) {
        j.MessageBulle = j.partie.Assistée ? kTexteAssistée : texteRang(j.RangObtenu);
    } else if (j.MessageChoisi == 0) {
        j.MessageBulle = kCrédit;
        j.Bulle(colors::creditLine);
    }
}

}  // namespace

void JeuYam::Form_MouseMove() {
    if (Ok.enabled()) Ok.setFocus();
    FermeMenuPersonnages();
    FermeMenuDés();
    EffaceCases();
    MessageChoisi = 0;
    guideSélection(*this);
    if (deuxièmeJetImpossible(*this)) choisit(*this, kTexteDeuxièmeJetImpossible);
    annonce(*this);
    if (MessageChoisi == 1) Bulle(colors::activeZone);
    if (!Ok.enabled() || partie.NuméroTirage == 0) Bulle(colors::announcement);
}

}  // namespace dravonelle
