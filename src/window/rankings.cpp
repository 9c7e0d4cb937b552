// The rankings and game counters of the way of playing in force.
#include <cstdio>

#include "window/bubble_texts.h"
#include "window/counter_labels.h"
#include "records/data_files.h"
#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

Classement neutralClassement() { return Classement{}; }

}  // namespace

void JeuYam::InitScores() {
    const std::string neutral = formatClassement(neutralClassement());
    const Classement un = Lit(classementFile(1), neutral, parseClassement);
    const Classement deux = Lit(classementFile(2), neutral, parseClassement);
    PersonnagesClassés = personnagesClassés(un, deux);

    const Abandons a = Lit(abandonFile(partie.ModeTirage), formatAbandons(Abandons{}), parseAbandons);
    TotalAbandons = a.TotalAbandons;
    AbandonsPar = a.AbandonsPar;
    AbandonPartie();

    const dravonelle::Infos info = Lit(infoFile(partie.ModeTirage), formatInfos(dravonelle::Infos{}), parseInfos);
    TotalTerminées = info.TotalTerminées;
    TerminéesPar = info.TerminéesPar;
    partie.CompteursCréation = info.CompteursCréation;
    PartiesJouées.setCaption(textePartiesJouées(TotalTerminées));
    if (!Nom.caption().empty()) {
        PartiesIndividuellesJouées.show();
        PartiesIndividuellesJouées.setCaption(
            textePartiesIndividuellesJouées(TerminéesPar[static_cast<std::size_t>(PersonnageCourant)]));
    }
    AfficheJeu();

    const Classement c = Lit(classementFile(partie.ModeTirage), neutral, parseClassement);
    ClassementPersonnage = c.ClassementPersonnage;
    ClassementDate = c.ClassementDate;
    ClassementScore = c.ClassementScore;
    AfficheClassement(0);
    CoupInfo.setCaption(plainNumber(partie.ModeTirage));
}

// The ten rows of the ranking; the row of a new entry in blue.
void JeuYam::AfficheClassement(int nouveau) {
    for (int k = 0; k < 10; ++k) {
        const auto r = static_cast<std::size_t>(k + 1);
        const int who = ClassementPersonnage[r];
        NomsScore(k).setCaption(who >= 0 && who <= 24 ? NomsPersonnages[static_cast<std::size_t>(who)] : "");
        LadateScore(k).setCaption(ClassementDate[r]);
        ScoresScore(k).setCaption(plainNumber(ClassementScore[r]));
        const Color ink = k + 1 == nouveau ? colors::blue : colors::black;
        for (ControlArray* column : {&NomsScore, &LadateScore, &ScoresScore}) (*column)(k).setForecolor(ink);
    }
    const int first = ClassementPersonnage[1];
    if (first >= 0 && first <= 24) Premier.copyPicture(Personnages(first));
}

void JeuYam::EnregistreScore() {
    TotalTerminées = plusUn(TotalTerminées);
    PartiesJouées.setCaption(textePartiesJouées(TotalTerminées));
    auto& mine = TerminéesPar[static_cast<std::size_t>(PersonnageCourant)];
    mine = plusUn(mine);
    PartiesIndividuellesJouées.setCaption(textePartiesIndividuellesJouées(mine));
    bool sauvé = ÉcritInfos();

    RangObtenu = 0;
    const int total = Partie::valeur(partie.Totaux[15]);
    // A game played with the advisor's help is not ranked.
    for (int i = 1; i <= 10 && !partie.Assistée; ++i) {
        // An equal score never passes an older one.
        if (total <= ClassementScore[static_cast<std::size_t>(i)]) continue;
        RangObtenu = i;
        for (int j = 9; j >= i; --j) {
            const auto from = static_cast<std::size_t>(j), to = static_cast<std::size_t>(j + 1);
            ClassementPersonnage[to] = ClassementPersonnage[from];
            ClassementDate[to] = ClassementDate[from];
            ClassementScore[to] = ClassementScore[from];
        }
        const DateTime t = platform_.clock.now();
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%02d ", t.day % 100, t.month % 100, t.year % 100);
        const auto at = static_cast<std::size_t>(i);
        ClassementPersonnage[at] = PersonnageCourant;
        ClassementDate[at] = date;
        ClassementScore[at] = total;
        Classement c;
        c.ClassementPersonnage = ClassementPersonnage;
        c.ClassementDate = ClassementDate;
        c.ClassementScore = ClassementScore;
        sauvé = ÉcritFichier(classementFile(partie.ModeTirage), formatClassement(c)) && sauvé;
        AfficheClassement(i);
        break;
    }
    if (!Premier.visible()) {
        Score.copyPicture(Lightoff);
        for (int k = 0; k < 10; ++k) {
            for (ControlArray* column : {&Rang, &NomsScore, &LadateScore, &ScoresScore}) (*column)(k).show();
        }
        for (Control* c : {&CoupInfo, &Premier, &PartiesAbandonnées, &PartiesJouées, &Jour, &LaDate, &Heure}) c->show();
        for (int r = 0; r <= 16; ++r) {
            for (ControlArray* column : {&Stats, &Stats2, &Stats3}) (*column)(r).show();
        }
    }
    if (RangObtenu == 1) Premier.copyPicture(Personnages(PersonnageCourant));

    static const char* const messages[] = {
        " Désolé ! Vous n'êtes pas dans les 10 premiers. Pour rejouer, cliquez sur votre personnage ",
        " M A G N I F I Q U E ! ! ! Vous êtes Premier au Ranking. Pour rejouer, cliquez sur votre personnage ",
        " B R A V O ! ! ! Vous êtes classés dans les 10 premiers du Ranking. Pour rejouer, cliquez sur votre "
        "personnage "};
    static const char* const sounds[] = {"Canard", "Classic", "Clap"};
    const int result = RangObtenu == 0 ? 0 : RangObtenu == 1 ? 1 : 2;
    // A score that could not be kept is said instead of the ranking.
    MessageBulle = sauvé && partie.Assistée ? kTexteAssistée
                   : sauvé                 ? messages[result]
                         : " Score non sauvegardé (" + RaisonÉchec + "). Pour rejouer, cliquez sur votre personnage ";
    Infos.setBackcolor(colors::announcement);
    AfficheMessage();
    Bruit(sounds[result]);
    partie.PartieEnCours = false;
}

// The abandon labels, from the counters in memory.
void JeuYam::AbandonPartie() {
    if (partie.ModeTirage != 0) PartiesAbandonnées.setCaption(textePartiesAbandonnées(TotalAbandons));
    if (!Nom.caption().empty()) {
        IndividuelAbandon.show();
        IndividuelAbandon.setCaption(texteIndividuelAbandon(AbandonsPar[static_cast<std::size_t>(PersonnageCourant)]));
    }
}

void JeuYam::Abandonne(int mode) {
    TotalAbandons = plusUn(TotalAbandons);
    auto& mine = AbandonsPar[static_cast<std::size_t>(PersonnageCourant)];
    mine = plusUn(mine);
    ÉcritAbandons(mode);
}

// The information panel, shown or hidden as a whole.
void JeuYam::AfficheScore() {
    if (partie.ModeTirage == 0) return;
    const bool show = !Premier.visible();
    Score.copyPicture(show ? Lightoff : Lighton);
    for (int k = 0; k < 10; ++k) {
        for (ControlArray* column : {&Rang, &NomsScore, &LadateScore, &ScoresScore}) (*column)(k).setVisible(show);
    }
    for (Control* c : {&CoupInfo, &Premier, &PartiesAbandonnées, &PartiesJouées, &Jour, &LaDate, &Heure, &Tirage_No}) {
        c->setVisible(show);
    }
    TotalDés.setVisible(show && !TotalDés.caption().empty());
    TotalFigure.setVisible(show && !TotalFigure.caption().empty());
    for (int r = 0; r <= 16; ++r) {
        for (ControlArray* column : {&Stats, &Stats2, &Stats3}) (*column)(r).setVisible(show);
    }
}

void JeuYam::Score_Click() {
    if (Ok.enabled()) Ok.setFocus();
    Bruit("Robot3");
    AfficheScore();
}

void JeuYam::Score_MouseMove() {
    if (SansBulles) return;
    MessageBulle = Premier.visible() ? " Statistiques " : " Pas de Statistiques ";
    Bulle(colors::activeZone);
}

}  // namespace dravonelle
