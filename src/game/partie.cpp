// The turn: OK and its refusals, throwing the dice that are not kept, the
// announced cell played out at the end of its draw, keeping dice, a new game.
#include "game/partie.h"

#include <vector>

namespace dravonelle {

Partie::Partie(ÉcouteurPartie& écouteur) : écouteur_(écouteur) {
    Feuille.fill(kVide);
    CaseMontrée.fill(true);
    CaseMontrée[kValeur1] = CaseMontrée[kValeur2] = false;
    RemiseÀZéroFeuille();
}

void Partie::Ok() {
    // No way of playing yet: nothing could ever be placed for good.
    if (ModeTirage == 0) return écouteur_.bruit("Bonus");
    if (!FeuilleArmée) ArmeFeuille();
    if (RefuseOk()) return écouteur_.bruit("Bonus");

    if (ChoixValeur29) {
        // Both draws chose Montée's Mini with different points: the player
        // picks one of the two values before anything else.
        RetourOffert = false;
        if (Feuille[kMiniMontée] != kVide) {
            Feuille[kMiniMontée] = kVide;
            Feuille[kValeur1] = PointsTirage1;
            Feuille[kValeur2] = PointsTirage2;
            CaseMontrée[kValeur1] = CaseMontrée[kValeur2] = true;
        }
        if (CaseMontrée[kValeur1]) écouteur_.bruit("Bonus");
        return;
    }

    écouteur_.bruit("Quick");
    if (ChoixBloqué) RègleChoixBloqué();
    if (NuméroJet < 3 && !Lance()) return;
    int somme = 0;
    for (int d : Dés) somme += d;
    SommeDés = somme;
    ValeurCase(CaseÉvaluée);
}

// Once per window: the sheet shows the cells a game starts with.
void Partie::ArmeFeuille() {
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        if (k == 0 || (k >= 30 && sheet::isScoringCell(k))) CaseMontrée[at(k)] = true;
    }
    for (int k = 1; k <= kMiniMontée; ++k) {
        CaseFermée[at(k)] = true;
        if (sheet::isScoringCell(k)) CaseMontrée[at(k)] = false;
    }
    FeuilleArmée = true;
}

// The states in which OK may not throw; the first draw of a "2 tirages" turn
// is taken here when the second draw was thrown out without a cell.
bool Partie::RefuseOk() {
    if (NuméroJet == 0 && PointsTirage2 != -1 && !TourJoué && CaseTirage1 != CaseTirage2) return true;
    if (NuméroJet == 3 && PointsTirage1 != -1 && CaseTirage2 == -1) PrendPremierTirage();
    if (NuméroJet == 3 && PointsTirage1 == -1) return true;
    if (CaseAnnoncée == 0 && NuméroJet == 1 && DerniersCoupsSecs && AnnonceAuto == 0) return true;
    if (CaseAnnoncée == 0 && AnnonceAuto == 0 && NuméroJet >= 1) {
        bool tousGardés = true;
        for (bool gardé : DésGardés) tousGardés = tousGardés && gardé;
        if (tousGardés) return true;
    }
    return false;
}

// Steps of one throw; false when the game is over and nothing was thrown.
bool Partie::Lance() {
    ++NuméroJet;
    JetDuRésultat = NuméroJet;
    if (ChoixAuto && NuméroJet == 1) ChoixAuto = false;

    const bool secondTirage = CaseTirage1 != -1 && !TourJoué;
    if (NuméroJet == 1 && !secondTirage) {
        if (NuméroTirage < kDernierTirage) ++NuméroTirage;
        if (NuméroTirage == 1) {
            écouteur_.premierTirage();
            PartieEnCours = true;
        }
        CarréSec = YamSec = 0;
        if (TourJoué) {
            TourJoué = false;
            CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
            FigureTirage1.clear();
            FigureTirage2.clear();
        }
    }
    if (!OkActif) {
        // The game is over: the dice can no longer be chosen.
        DésChoisissables = false;
        return false;
    }
    JetAffiché = NuméroJet;
    for (int i = 0; i < 5; ++i) LanceDé(i);

    if (NuméroTirage >= kTirageDerniersCoups && NuméroJet == 1 && !DerniersCoupsSecs) DerniersCoups();
    if (NuméroTirage > kTirageSeulCoup) SeulCoup();
    if (NuméroJet == 2 && CaseAnnoncée == 0 && !ChoixAuto) {
        // Sèche and Annonce take only the first throw of a draw.
        for (int k = kPremièreSèche; k <= kDernièreAnnonce; ++k) {
            if (!CaseFermée[at(k)] && k != CaseTirage1) CaseMontrée[at(k)] = false;
        }
    }
    if (CaseAnnoncée > kLimiteAnnonce) PlaceAnnonce();
    return true;
}

void Partie::LanceDé(int i) {
    const auto d = at(i);
    if (!DésGardés[d]) {
        DésGardés[d] = true;
        const int face = écouteur_.lanceDé(i);
        Dés[d] = face;
        Compte(face - 1, 1);
        DéMontré[d] = true;
        FeuDé[d] = 6;
        ++ImageDé[d];
        écouteur_.déAnimé(i, true);
        ++ImageDéPetit[d];
    }
    if (NuméroJet == 1) {
        FeuMontré[d] = true;
        LettresMontrées = true;
        if (DernièreCase == kMaxiDescente || DernièreCase == kEgalDescente || DernièreCase == kMiniMontée) {
            ZéroOffert = false;
        }
        RetourOffert = false;
    }
    if (NuméroJet == 3) {
        FeuMontré[d] = false;
        DésGardés[d] = false;
        LettresMontrées = false;
    }
}

// The announced Annonce cell follows the dice of its draw and takes them
// when the draw ends.
void Partie::PlaceAnnonce() {
    const auto a = at(CaseAnnoncée);
    if (NuméroJet == 2) {
        RetourOffert = false;
        CaseSurlignée[a] = true;
        EncreCase[a] = Encre::Bleue;
    }
    if (NuméroJet == 3) {
        CaseSurlignée[a] = false;
        EncreCase[a] = ModeTirage == 2 ? Encre::Rouge : Encre::Noire;
    }
    CaseÉvaluée = CaseAnnoncée;
    ValeurCase(CaseAnnoncée);
    DernièreCase = CaseAnnulable;
    if (ModeTirage == 2 && NuméroJet == 3) RègleAnnonceDeuxTirages();
    AfficheRésultat();
    CaseÉvaluée = -1;
    if (NuméroJet == 3) {
        CaseAnnoncée = 0;
        JetAffiché = 0;
        if (ModeTirage == 1) {
            DernièreCase = CaseAnnulable;
            Tbt(DernièreCase);
            StatsEtIndex();
        }
        NuméroJet = 0;
        if (!SansRepères) CachePointeurs();
    }
}

void Partie::CachePointeurs() { Pointeurs.fill(false); }

// A die clicked or keyed between throws: kept, or given back.
void Partie::GardeOuRend(int i) {
    DéChoisi = i;
    const auto d = at(i);
    if (NuméroJet == 3) return écouteur_.bruit("Bonus");
    if (NuméroJet == 0) return;
    if (DésGardés[d]) {
        FeuDé[d] = 5;
        DésGardés[d] = false;
        écouteur_.déAnimé(i, false);
        DéMontré[d] = false;
    } else {
        FeuDé[d] = 6;
        ++ImageDé[d];
        DéMontré[d] = true;
        écouteur_.déAnimé(i, true);
        ++ImageDéPetit[d];
        DésGardés[d] = true;
    }
    Pourcentage();
    écouteur_.bruit("Eau");
}

void Partie::Pourcentage() {
    std::vector<int> fixés;
    // After the third throw no die is left to throw, kept or not.
    for (std::size_t i = 0; i < Dés.size(); ++i) {
        if (NuméroJet == 3 || DésGardés[i]) fixés.push_back(Dés[i]);
    }
    if (NuméroJet == 0) {
        ChancesFigures = kChancesDébut;
    } else if (fixés.size() == Dés.size()) {
        // The label names one figure only: five fixed dice that form a Yam
        // are no Full and no Carré here.
        ChancesFigures = chancesÉtiquette(Figure);
    } else {
        ChancesFigures = chancesDés(fixés);
    }
}

void Partie::Nouveau() {
    DésChoisissables = true;
    if (ChoixValeur29) {
        ChoixValeur29 = false;
        for (int b : {kValeur1, kValeur2}) {
            Feuille[at(b)] = kVide;
            CaseMontrée[at(b)] = false;
        }
    }
    if (PartieEnCours) écouteur_.bruit("Bonsai");
    PartieEnCours = ChoixBloqué = Assistée = false;
    AnnonceAuto = 0;
    CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
    FigureTirage1.clear();
    FigureTirage2.clear();
    TourJoué = false;
    SommeDés = kVide;
    CompteursPartie.fill(0);
    OkActif = true;
    JetAffiché = 0;
    NuméroJet = 0;
    if (!SansRepères) CachePointeurs();
    Pourcentage();
    NuméroTirage = 0;
    CaseAnnoncée = 0;
    DerniersCoupsSecs = false;
    CaseÉvaluée = -1;
    RemiseÀZéroFeuille();
    RangeLesDés();
    ZéroOffert = RetourOffert = false;
}

void Partie::RemiseÀZéroFeuille() {
    // Until the first OK arms the sheet, only the texts and the closed flags
    // are reset; the cells stay as first drawn.
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        Feuille[at(k)] = kVide;
        EncreCase[at(k)] = Encre::Noire;
        CaseSurlignée[at(k)] = false;
        CaseFermée[at(k)] = false;
        if (FeuilleArmée && (k == 0 || (k >= 30 && sheet::isScoringCell(k)))) CaseMontrée[at(k)] = true;
    }
    for (int i = 0; i < 15; ++i) Totaux[at(i)] = i % 3 == 2 ? 0 : kVide;
    Totaux[15] = 0;
    for (int k = 1; k <= kMiniMontée; ++k) {
        CaseFermée[at(k)] = true;
        if (FeuilleArmée && sheet::isScoringCell(k)) CaseMontrée[at(k)] = false;
    }
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        if (sheet::isPlaceholder(k)) CaseFermée[at(k)] = true;
    }
    CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
    FigureTirage1.clear();
    FigureTirage2.clear();
    TourJoué = false;
    CaseAnnoncée = 0;
    DerniersCoupsSecs = false;
    ChoixBloqué = false;
    ZéroOffert = RetourOffert = false;
}

// Every die off the table: no light, no die held, no letter.
void Partie::RangeLesDés() {
    for (std::size_t d = 0; d < 5; ++d) {
        FeuMontré[d] = DéMontré[d] = DésGardés[d] = false;
    }
    LettresMontrées = false;
}

// The draw is over on the table: lights, held dice, letters, OK.
void Partie::FinDuTirage(bool cacheRetour) {
    for (std::size_t d = 0; d < 5; ++d) {
        FeuMontré[d] = DésGardés[d] = false;
        if (!ChoixAuto) DéMontré[d] = false;
    }
    LettresMontrées = false;
    if (cacheRetour) RetourOffert = false;
    JetAffiché = 0;
    NuméroJet = 0;
    if (!SansRepères) CachePointeurs();
    Pourcentage();
}

}  // namespace dravonelle
