// The advisor: for the dice on the table, which dice to keep and what
// placing them now is worth. A pure function of the game: it reads a Partie
// and changes nothing.
//
// The value of a placement is what it adds to the grand total: the points of
// a figure; for a number cell, the change it makes to its column's TOTAL plus
// BONUS, the column's number cells still empty reckoned at par (0), so that a
// column's last number cell is valued exactly by what Tbt will add. In the
// second draw of a "2 tirages" turn the first draw's result stays at hand (a
// click on it, or OK after the third throw), so the draw is worth at least
// what that result is worth.
//
// The expectations are exact: a dynamic programme over the 252 hands and the
// 462 ways to keep dice, the best keep taken at every later throw, and at the
// end of the draw the best cell that the game allows then (the column orders,
// Sèche and announcements at the first throw only, an announced cell alone,
// Maxi Egal Mini, the cells the last turns choose by themselves).
#pragma once

#include "advisor/layer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/partie.h"

namespace dravonelle {

// How a placement is valued. Gloutonne: what it adds to the grand total now.
// Prévoyante: the same less part of what the cell would be worth to a later
// turn that played for it (its par), so that a cell is not spent cheaply;
// a Maxi, Egal or Mini by what its sum leaves the other two of its column.
enum class Visée { Gloutonne, Prévoyante };

// One way of keeping dice before the next throw.
struct Garde {
    std::array<bool, 5> positions{};  // which dice stay (left to right, keys W X C V B)
    int relancés = 0;                 // dice thrown again
    double espérance = 0;             // expected value at the end of the draw, best play after
    int annonce = -1;                 // the Annonce cell announced for it at this throw, -1 none
};

struct Conseil {
    // A draw is under way and something is left to decide: which dice to
    // keep (first or second throw) or which cell to take (third throw).
    bool àConseiller = false;
    int jet = 0;  // NuméroJet of the advice

    // The best keep (first and second throw), ties going to the fewest dice
    // thrown again; `annonce` the Annonce cell to announce first, or -1.
    bool peutRelancer = false;
    Garde garde;
    // The cell the draw ends in most often when the best keep is played and
    // the best choices after it (the cell of most points on a tie); the
    // first draw's cell when keeping that draw is what ends it.
    int caseVisée = -1;
    bool annonceAuto = false;  // the game announces caseVisée by itself at the next throw

    // Placing now: the best cell the game takes at this throw, its points
    // as the sheet will show them and its value; -1 when no cell can be
    // taken now (an announced cell waits for its dice).
    int caseMaintenant = -1;
    int pointsMaintenant = 0;
    double valeurMaintenant = 0;
    // "2 tirages", second draw: what the first draw's result is worth, and
    // whether keeping it beats every cell now (after the third throw, OK
    // takes it).
    std::optional<double> valeurPremierTirage;
    bool premierTirage = false;

    // Every distinct keep, best first.
    std::vector<Garde> gardes;

    // The best that can be made of the draw at this throw without throwing
    // again: the cell now, or the first draw's result.
    double meilleurMaintenant() const;
    // Placing now (or keeping the first draw) is at least as good as the
    // best keep.
    bool placerMaintenant() const;
};

Conseil Conseille(const Partie& partie, Visée visée = Visée::Gloutonne);

// What `points` written in cell k are worth, as Conseille reckons it for the
// sheet of `partie` (how two results of a "2 tirages" turn compare).
double ValeurPoints(const Partie& partie, int k, int points, Visée visée = Visée::Gloutonne);

// The bubble's text, one blank at each end:
//   " Gardez 5 5 5 : 46,3 points espérés au Carré de la Libre ; placer
//     maintenant : 18 au Maxi de la Libre. "
//   " Placez maintenant : 47 au Full de la Libre ; en relançant au mieux
//     (gardez 5 5 5) : 36,7 points espérés au Maxi de la Libre. "
//   " Placez 12 au Maxi de la Libre. " (third throw), " Gardez le premier
//     tirage : cliquez sur OK. ", " Rien à conseiller : lancez les dés. "
// A number cell's points are followed by their value: "2 aux As de la
// Descente (12,0 au total)".
std::string TexteConseil(const Conseil& conseil, const Dice& dés);

// One line for the script driver:
//   advice none                                         nothing to advise
//   advice [announce A] keep P... expect X.X cell K now N cell C [first]
//   advice now N cell C [first]                         third throw
// P are the positions to keep (0 to 4, "none" for none), X.X the
// expectation (one decimal, a point), K the cell aimed at, N the points of
// the best cell C now ("now none" when no cell can be taken now); "first"
// when keeping the first draw of a "2 tirages" turn beats the cell now.
std::string LigneConseil(const Conseil& conseil);

// The name of a cell in a phrase: "au Carré de la Libre", "aux As de
// l'Annonce".
std::string NomCase(int k);

}  // namespace dravonelle
