// Partie, the game model: the sheet as values, the turn, the counters, and
// the procedures that change them, under the names the game gives them. It
// knows nothing of the window: what the sheet, the dice and the buttons show
// is held here as values, and the window draws them (window/jeu_yam.h).
#pragma once

#include "game/layer.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "rules/dice.h"
#include "rules/odds.h"
#include "rules/sheet_index.h"

namespace dravonelle {

// What the game asks of the one who shows it, at the moment it happens: a
// sound, a die that grows or shrinks, the figure label, the end of a game.
// The dice come from here too, one face a die thrown.
class ÉcouteurPartie {
public:
    virtual ~ÉcouteurPartie() = default;
    // The next face, 1 to 6, for die `i` thrown now.
    virtual int lanceDé(int i) = 0;
    // An effect to play (Bruit).
    virtual void bruit(const char*) {}
    // The effect that follows a written cell (QuelBruit then Jouebruit):
    // `nom` is null when the last effect is played again.
    virtual void bruitDuRésultat(const char* /*nom*/) {}
    // Die `i` comes onto the kept row (grows) or leaves it (shrinks).
    virtual void déAnimé(int /*i*/, bool /*grandit*/) {}
    // The first throw of a game, and the figure label valued again: what
    // the information panel shows of them is the window's business.
    virtual void premierTirage() {}
    virtual void figureÉvaluée() {}
    // The sixty-fifth result is written: the game is over (EnregistreScore).
    virtual void partieTerminée() {}
};

class Partie {
public:
    // A cell's text as a value: empty ("   "), crossed ("XXX"), or points.
    // The two marks lie beyond any total a sheet can make, however low.
    static constexpr int kVide = std::numeric_limits<int>::min();
    static constexpr int kCroix = kVide + 1;
    // The cells and turn limits the rules name.
    static constexpr int kDernierTirage = 65;   // NuméroTirage of the last turn
    static constexpr int kTirageDerniersCoups = 39;  // from here the last turns may be played alone
    static constexpr int kTirageSeulCoup = 26;  // beyond it, SeulCoup looks for a forced cell
    static constexpr int kMaxiDescente = 11, kEgalDescente = 12, kMiniMontée = 29;
    static constexpr int kPremièreSèche = 48, kDernièreAnnonce = 78;
    static constexpr int kPremièreAnnonce = 64;
    static constexpr int kLimiteAnnonce = 63;   // cells above it are announced, not placed
    static constexpr int kValeur1 = 81, kValeur2 = 82;  // the two-value buttons of Montée's Mini
    // A cell's ink: black, blue while previewed or announced, red while
    // provisional in "2 tirages".
    enum class Encre { Noire, Bleue, Rouge };

    // A fresh game as the window first draws it: every cell shown but the two
    // values, the sheet not yet set out by a first OK.
    explicit Partie(ÉcouteurPartie& écouteur);

    // ---- the turn -----------------------------------------------------------
    Dice Dés{1, 1, 1, 1, 1};             // the five dice on the table
    std::array<bool, 5> DésGardés{};     // kept for the next throw
    int NuméroJet = 0;                   // throws made in this draw, 0 to 3; 0 between draws
    int JetDuRésultat = 0;               // the throw at which the last result was taken
    int NuméroTirage = 0;                // turns begun in this game, 1 to 65
    int ModeTirage = 0;                  // the way of playing: 1 or 2 draws a turn, 0 not chosen
    bool Assistée = false;               // the advisor was asked during this game
    int CaseAnnoncée = 0;                // the Annonce cell announced in this draw, 0 none
    int CaseAnnulable = -1;              // the cell the yellow panel would take back
    int CaseÉvaluée = -1;                // the cell previewed under the pointer, -1 none
    int CaseChoisie = -1;                // the cell last clicked
    int DernièreCase = -1;               // the cell of the last result written
    int Points = -1;                     // the points of the last cell valued
    bool DerniersCoupsSecs = false;      // the last turns are played in Sèche and Annonce alone
    bool ChoixAuto = false;              // the game chose the cell of this draw by itself
    int AnnonceAuto = 0;                 // the Annonce cell the game announces by itself, 0 none
    int CaseTirage1 = -1;                // "2 tirages": the cells of the two draws
    int CaseTirage2 = -1;
    int PointsTirage1 = -1;              // and their points
    int PointsTirage2 = -1;
    std::string FigureTirage1;           // and their figures
    std::string FigureTirage2;
    bool TourJoué = false;               // this turn's result is written for good
    bool ChoixBloqué = false;            // both draws chose the same cell: the better one wins
    bool ChoixValeur29 = false;          // both chose Montée's Mini with other points: the player picks
    int CarréSec = 0;                    // a Carré at the first throw: 1, or 2 in the second draw
    int YamSec = 0;                      // the same for a Yam
    bool PartieEnCours = false;          // a game was begun and is not over
    int DéChoisi = 0;                    // the die last clicked or keyed
    Dice DésTriés{1, 1, 1, 1, 1};        // the dice in order, as the last valuing sorted them
    int SommeChiffres = 0;               // the six number cells of the column last totalled
    std::string MessageCase;             // the phrase of the last cell valued, for the bubble
    std::string Figure;                  // the figure the dice form: "FULL = 32", or empty
    int SommeDés = kVide;                // the five dice added, shown as "DES = n"; kVide before a throw
    // Favourable outcomes of Suite, Full, Carré and Yam at the next throw,
    // then the possible outcomes.
    Chances ChancesFigures = kChancesDébut;

    // ---- the sheet ----------------------------------------------------------
    // Index 16 × column + row (rules/sheet_index.h); 81 and 82 are the two
    // values of Montée's Mini.
    std::array<int, sheet::kCellCount> Feuille;        // what each cell shows: kVide, kCroix or points
    std::array<bool, sheet::kCellCount> CaseFermée{};  // filled, placeholder, or not reached by its column
    std::array<bool, sheet::kCellCount> CaseMontrée{}; // shown, and so clickable
    std::array<Encre, sheet::kCellCount> EncreCase{};  // its ink
    std::array<bool, sheet::kCellCount> CaseSurlignée{};  // framed (previewed or announced)
    bool FeuilleArmée = false;           // the first OK of the window set the sheet out
    // TOTAL, BONUS and the column's sum for each column (3c, 3c+1, 3c+2), then
    // the grand total (15); kVide where nothing is written.
    std::array<int, 16> Totaux;

    // ---- the table on the right: faces and figures counted ------------------
    // Rows 0-5 the faces thrown, 6 the crosses, 7 Full, 8 Carré, 9 Yam,
    // 10 Carré and 11 Yam made at the first throw.
    std::array<int, 12> CompteursPartie{};            // in this game
    std::array<std::int32_t, 12> CompteursCréation{}; // since the data files were made

    // ---- the buttons and dice as they show ----------------------------------
    bool OkActif = true;                 // OK can be pressed: false once the game is over
    int JetAffiché = 0;                  // OK reads "  n  " for this throw, " OK " when 0
    bool RetourOffert = false;           // the yellow panel (undo) shows
    bool ZéroOffert = false;             // the cross shows
    bool DésChoisissables = true;        // the dice can be clicked
    std::array<bool, 5> DéMontré{};      // die i shows on the kept row
    std::array<bool, 5> DéActif{true, true, true, true, true};  // and can be clicked there
    std::array<int, 5> ImageDé{};        // its picture was set anew this many times (face Dés[i])
    std::array<int, 5> ImageDéPetit{};   // the same for its small copy under the tray
    std::array<int, 5> FeuDé{};          // its light: 5 off, 6 on, 0 as first drawn
    std::array<bool, 5> FeuMontré{};     // its light shows
    bool LettresMontrées = false;        // the letters W X C V B show under the dice
    std::array<bool, 20> Pointeurs{};    // the frames of the valued cell's column (0-4) and row (5-19)
    bool SansRepères = false;            // no frames: the bubble is off

    // ---- what the player does -------------------------------------------------
    void Ok();                           // OK: throw, or settle the turn
    void ClicCase(int k);                // a click on cell k (81 and 82 included)
    void GardeOuRend(int i);             // die i kept, or given back
    void Zéro();                         // the cross
    void Retour();                       // the yellow panel: one step back
    void SurvolCase(int k);              // the pointer over cell k

    // ---- the procedures -------------------------------------------------------
    // Values cell k for the dice on the table: the points (returned, and in
    // Points), the figure, the sorted dice, the first-throw figures and the
    // phrase; the frames of the cell show while a throw is under way.
    int ValeurCase(int k);
    void Tbt(int k);                     // the totals after the result of cell k
    void StatsEtIndex();                 // the sound and counters of a written result, then FermeCase
    void FermeCase(int k);               // the closing step: the next cell of the column, the cross
    void SeulCoup();                     // the cells the last turns leave to the game
    void DerniersCoups();                // whether the last turns are played in Sèche and Annonce
    void Pourcentage();                  // the odds at the next throw
    void EffaceCases();                  // the preview of the cell left by the pointer taken away
    void Nouveau();                      // a new game
    void RemiseÀZéroFeuille();           // the sheet as a new game finds it
    void CachePointeurs();

    bool CaseVide(int k) const { return Feuille[at(k)] == kVide; }
    // A cell's points as a number: empty and crossed cells read 0.
    int Valeur(int k) const { return valeur(Feuille[at(k)]); }
    static int valeur(int v) { return v == kVide || v == kCroix ? 0 : v; }
    static std::size_t at(int k) { return static_cast<std::size_t>(k); }

private:
    void ArmeFeuille();
    bool RefuseOk();
    bool Lance();
    void LanceDé(int i);
    void PlaceAnnonce();
    void AfficheCases();
    bool CaseJouable(int k) const;
    void PlaceRésultat(int k);
    void NoteTirage(int k);
    void ColonneSeule();
    void AnnonceDesDerniersCoups();
    bool FiltreClic(int k);
    void AfficheRésultat();
    void MontreCasesVides();
    void FinDuTirage(bool cacheRetour);
    void RangeLesDés();
    void ChoixFinal();
    void ChoixValeur(int bouton);
    void ChoisitAuto(int k);
    void PrendPremierTirage();
    void RègleChoixBloqué();
    void RègleAnnonceDeuxTirages();
    void OuvreCase(int k);
    void Compte(int row, int delta);
    const char* QuelBruit() const;
    bool LibreComplète() const;
    bool Remplie(int k) const { return CaseFermée[at(k)] && !CaseVide(k); }
    // The undo, step by step.
    void RetrouveCasesDuJet();
    void DéfaitPlacement(int c);
    void DécompteFigures(int c);
    void RetireDesTotaux(int c);
    void RemetDés();
    void RouvreJet();
    void OublieDernierTirage();

    ÉcouteurPartie& écouteur_;
};

}  // namespace dravonelle
