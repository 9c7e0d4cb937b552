// The player's moves on the turn: OK, the cells, the dice by click or key,
// the cross, the yellow panel, the ways of playing, a new game. Each asks
// Partie, then draws what changed.
#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::Ok_Click() {
    // A throw never starts while the previous one is still being shown.
    if (platform_.animator.busy()) return;
    partie.Ok();
    AfficheJeu();
}

void JeuYam::Cases_Click(int k) {
    partie.ClicCase(k);
    AfficheJeu();
    if (Ok.enabled()) Ok.setFocus();
}

void JeuYam::Zéro_Click() {
    partie.Zéro();
    AfficheJeu();
    if (Ok.enabled()) Ok.setFocus();
}

void JeuYam::Retour_Click() {
    partie.Retour();
    AfficheJeu();
}

void JeuYam::EffaceCases() {
    partie.EffaceCases();
    AfficheJeu();
}

void JeuYam::ChoixDés_Click(int index) { ClicDé(index, NégocieDés(index)); }

void JeuYam::Choixdés2_Click(int index) { ClicDé(index, NégocieDés2(index)); }

void JeuYam::ClicDé(int index, const Control& picture) {
    // The die being drawn is still moving: it cannot be taken yet.
    if (platform_.animator.busy()) return;
    partie.GardeOuRend(index);
    AfficheJeu();
    if (!SansBulles && (partie.NuméroJet == 1 || partie.NuméroJet == 2)) {
        MessageBulle = picture.visible() ? " Cliquez pour ne pas garder le dé " : " Cliquez pour garder le dé ";
        Bulle(colors::activeZone);
    }
    if (Ok.enabled()) Ok.setFocus();
}

void JeuYam::Form_KeyDown(char letter) {
    if (!Lettres(0).visible()) return;
    MessageBulle.clear();
    MessagePrécédent.clear();
    static constexpr char kKeys[] = "WXCVB";
    for (int i = 0; i < 5; ++i) {
        if (letter == kKeys[i]) {
            if (platform_.animator.busy()) return;
            partie.GardeOuRend(i);
            AfficheJeu();
        }
    }
}

void JeuYam::Nouveau() {
    if (JeuDeDés == 0) JeuDeDés = 1;
    partie.Nouveau();
    TotalFigure.hide();
    AfficheJeu();
}

void JeuYam::Coup_Click(int mode) {
    Control& chosen = mode == 1 ? Coup1 : Coup2;
    Control& other = mode == 1 ? Coup2 : Coup1;
    Bruit(Verrouillé || partie.ModeTirage == mode ? "Bonus" : "Robot3");
    if (partie.ModeTirage != mode && !Verrouillé) {
        chosen.setForecolor(colors::red);
        chosen.setValue(1);
        other.setForecolor(colors::black);
        other.setValue(0);
        const int left = partie.ModeTirage;
        partie.ModeTirage = mode;
        if (NomsPersonnages[1].empty()) LitNoms();
        if (!Nom.caption().empty()) {
            // The game of the way being left is charged to that way's file.
            if (partie.PartieEnCours) Abandonne(left);
            partie.OkActif = true;
            Nouveau();
        }
        InitScores();
    }
    if (Ok.enabled()) Ok.setFocus();
}

void JeuYam::Timer1_Timer() {
    static const char* const lower[] = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    static const char* const upper[] = {"LUNDI", "MARDI", "MERCREDI", "JEUDI", "VENDREDI", "SAMEDI", "DIMANCHE"};
    const std::string today = platform_.clock.weekdayName();
    std::string day;
    for (int i = 0; i < 7; ++i) {
        if (today == lower[i]) day = upper[i];
    }
    Jour.setCaption(day);
    const DateTime t = platform_.clock.now();
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", t.day % 100, t.month % 100, t.year % 10000);
    LaDate.setCaption(date);
    Heure.setCaption(platform_.clock.timeText());
}

}  // namespace dravonelle
