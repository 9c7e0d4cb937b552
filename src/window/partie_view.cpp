// The window's side of the game: it draws what Partie holds, and answers what
// Partie asks at the moment it asks (a die, a sound, an animation, the end).
#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// An empty cell or total shows three blanks; a crossed cell, three X.
constexpr const char* kTexteVide = "   ";
constexpr const char* kTexteCroix = "XXX";

std::string texteCase(int v) {
    if (v == Partie::kVide) return kTexteVide;
    if (v == Partie::kCroix) return kTexteCroix;
    return plainNumber(v);
}

Color couleur(Partie::Encre e) {
    switch (e) {
    case Partie::Encre::Bleue: return colors::blue;
    case Partie::Encre::Rouge: return colors::red;
    case Partie::Encre::Noire: break;
    }
    return colors::black;
}

// Each control is touched only where it differs, as a window repaints.
void texte(Control& c, const std::string& t) {
    if (c.caption() != t) c.setCaption(t);
}
void montre(Control& c, bool on) {
    if (c.visible() != on) c.setVisible(on);
}
void active(Control& c, bool on) {
    if (c.enabled() != on) c.setEnabled(on);
}

}  // namespace

void JeuYam::AfficheJeu() {
    const Partie& p = partie;
    // What was drawn last time: a part whose values have not moved since is
    // not looked at again (the window is drawn many times an event).
    Vue& v = vue_;
    const bool tout = !v.dessinée;
    v.dessinée = true;
    if (tout || p.Feuille != v.feuille || p.CaseMontrée != v.montrée || p.EncreCase != v.encre ||
        p.CaseSurlignée != v.surlignée) {
        for (int k = 0; k < sheet::kCellCount; ++k) {
            const auto i = Partie::at(k);
            Control& cell = Cases(k);
            if (tout || p.Feuille[i] != v.feuille[i]) texte(cell, texteCase(p.Feuille[i]));
            montre(cell, p.CaseMontrée[i]);
            if (cell.forecolor() != couleur(p.EncreCase[i])) cell.setForecolor(couleur(p.EncreCase[i]));
            if (cell.highlight() != p.CaseSurlignée[i]) cell.setHighlight(p.CaseSurlignée[i]);
        }
        v.feuille = p.Feuille;
        v.montrée = p.CaseMontrée;
        v.encre = p.EncreCase;
        v.surlignée = p.CaseSurlignée;
    }
    active(Cases(0), p.FeuilleArmée);
    if (tout || p.Totaux != v.totaux) {
        for (int t = 0; t < 16; ++t) {
            const int n = p.Totaux[Partie::at(t)];
            texte(Totaux(t), n == Partie::kVide ? kTexteVide : plainNumber(n));
        }
        v.totaux = p.Totaux;
    }
    if (tout || p.CompteursPartie != v.compteurs || p.CompteursCréation != v.création) {
        for (int r = 0; r < 12; ++r) {
            texte(Stats2(r), plainNumber(p.CompteursPartie[Partie::at(r)]));
            texte(Stats3(r), plainNumber(p.CompteursCréation[Partie::at(r)]));
        }
        v.compteurs = p.CompteursPartie;
        v.création = p.CompteursCréation;
    }
    // The odds at the next throw: a percentage for this game, a fraction in
    // the since-creation column.
    if (tout || p.ChancesFigures != v.chances) {
        const int possibles = p.ChancesFigures[kPossibles];
        for (int f = kSuite; f <= kYam; ++f) {
            const int favorables = p.ChancesFigures[Partie::at(f)];
            texte(Stats2(12 + f), textePourcentage(favorables, possibles));
            texte(Stats3(12 + f), texteFraction(favorables, possibles));
        }
        v.chances = p.ChancesFigures;
    }
    if (tout || p.Figure != v.figure) texte(TotalFigure, v.figure = p.Figure);
    if (tout || p.SommeDés != v.sommeDés) {
        texte(TotalDés, p.SommeDés == Partie::kVide ? "" : "DES =" + signedNumber(p.SommeDés));
        v.sommeDés = p.SommeDés;
    }
    if (tout || p.NuméroTirage != v.tirage) {
        texte(Tirage_No, p.NuméroTirage == 0 ? "  " : plainNumber(p.NuméroTirage));
        v.tirage = p.NuméroTirage;
    }
    if (tout || p.JetAffiché != v.jet) {
        texte(Ok, p.JetAffiché == 0 ? " OK " : "  " + plainNumber(p.JetAffiché) + "  ");
        v.jet = p.JetAffiché;
    }
    active(Ok, p.OkActif);
    montre(Retour, p.RetourOffert);
    montre(Zéro, p.ZéroOffert);
    for (int d = 0; d < 5; ++d) {
        const auto i = Partie::at(d);
        active(ChoixDés(d), p.DésChoisissables);
        active(Choixdés2(d), p.DésChoisissables);
        if (imagesDés_[i] != p.ImageDé[i]) {
            NégocieDés(d).copyPicture(GrosDé(p.Dés[i]));
            imagesDés_[i] = p.ImageDé[i];
        }
        if (imagesDésPetits_[i] != p.ImageDéPetit[i]) {
            NégocieDés2(d).copyPicture(PetitDé(p.Dés[i]));
            imagesDésPetits_[i] = p.ImageDéPetit[i];
        }
        montre(NégocieDés(d), p.DéMontré[i]);
        montre(NégocieDés2(d), p.DéMontré[i]);
        active(NégocieDés(d), p.DéActif[i]);
        if (p.FeuDé[i] != 0 && p.FeuDé[i] != v.feux[i]) FeuxDés(d).copyPicture(FeuxDés(p.FeuDé[i]));
        v.feux[i] = p.FeuDé[i];
        montre(FeuxDés(d), p.FeuMontré[i]);
    }
    for (int l = 0; l < 10; ++l) montre(Lettres(l), p.LettresMontrées);
    if (tout || p.Pointeurs != v.pointeurs) {
        for (int m = 0; m < static_cast<int>(p.Pointeurs.size()); ++m) {
            if (Control* repère = Pointeur.find(m)) montre(*repère, p.Pointeurs[Partie::at(m)]);
        }
        v.pointeurs = p.Pointeurs;
    }
}

// Each die thrown takes its face from the generator, seeded anew from the
// clock's seconds since midnight.
int JeuYam::lanceDé(int) {
    const DateTime t = platform_.clock.now();
    platform_.dice.reseed(static_cast<float>(t.hour * 3600 + t.minute * 60 + t.second));
    return static_cast<int>(platform_.dice.next() * 6) + 1;
}

// What is heard comes after what is seen: the window is drawn first.
void JeuYam::bruit(const char* nom) {
    AfficheJeu();
    Bruit(nom);
}

void JeuYam::bruitDuRésultat(const char* nom) {
    AfficheJeu();
    if (nom) NomBruit = nom;
    if (!SansSons) Jouebruit();
}

void JeuYam::déAnimé(int i, bool grandit) {
    AfficheJeu();
    if (!SansAnimation) platform_.animator.animate(NégocieDés(i).id(), grandit ? Animation::Grow : Animation::Shrink);
}

// The turn number and the dice's sum belong to the information panel.
void JeuYam::premierTirage() {
    if (Premier.visible()) {
        Tirage_No.show();
        TotalDés.show();
    }
}

void JeuYam::figureÉvaluée() { TotalFigure.setVisible(Premier.visible() && !partie.Figure.empty()); }

void JeuYam::partieTerminée() {
    AfficheJeu();
    EnregistreScore();
}

}  // namespace dravonelle
