// Which zone of the main window says what in the bubble. The zones that only
// show something speak in blue; those that can be clicked in yellow.
#include <numeric>
#include <optional>

#include "window/bubble_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::registerBubbleZones() {
    using Texte = std::optional<std::string>;
    // A zone that shows something: its text, when it has one now.
    const auto passive = [this](const char* name, std::function<Texte(int)> texte) {
        on(name, EventKind::Move, [this, texte = std::move(texte)](int i) {
            if (SansBulles) return;
            if (Texte t = texte(i)) {
                MessageBulle = std::move(*t);
                Bulle(colors::passiveZone);
            }
        });
    };
    const auto seulementSi = [](bool montré, std::string texte) -> Texte {
        return montré ? Texte(std::move(texte)) : std::nullopt;
    };

    passive("Heure", [](int) -> Texte { return " Heure "; });
    passive("Jour", [](int) -> Texte { return " Jour de la semaine "; });
    passive("LaDate", [](int) -> Texte { return " Date "; });
    passive("Nom", [](int) -> Texte { return " Nom du joueur "; });
    // Over the red news of a game, the bubble keeps the news.
    passive("Infos", [this, seulementSi](int) {
        return seulementSi(Infos.backcolor() != colors::announcement, " Affichage des informations ");
    });
    passive("CoupInfo", [this](int) -> Texte { return texteCoupInfo(partie.ModeTirage); });
    passive("TotalFigure", [this, seulementSi](int) {
        return seulementSi(TotalFigure.visible(), " " + TotalFigure.caption() + " ");
    });
    passive("TotalDés", [this, seulementSi](int) {
        return seulementSi(partie.PartieEnCours, texteSommeDés(std::accumulate(partie.Dés.begin(), partie.Dés.end(), 0)));
    });
    passive("Tirage_No", [this, seulementSi](int) {
        return seulementSi(partie.PartieEnCours, texteTirageNo(partie.NuméroTirage, partie.ModeTirage));
    });
    // FeuxDés(5) and (6) only lend their pictures.
    passive("FeuxDés", [this](int i) -> Texte {
        if (i > 4 || !FeuxDés(i).visible()) return std::nullopt;
        return texteFeu(partie.DésGardés[static_cast<std::size_t>(i)]);
    });
    passive("Lettres",
            [this, seulementSi](int i) { return seulementSi(Lettres(i).visible(), texteLettre(i)); });

    // Leaving the sheet for its headings or totals takes the preview away,
    // bubble or not.
    on("InfosJeu", EventKind::Move, [this](int i) {
        FermeMenuDés();
        EffaceCases();
        if (SansBulles) return;
        MessageBulle = texteInfosJeu(i);
        Bulle(colors::passiveZone);
    });
    on("Totaux", EventKind::Move, [this](int i) {
        EffaceCases();
        if (SansBulles) return;
        MessageBulle = texteTotaux(i);
        Bulle(colors::passiveZone);
    });

    on(kWindowName, EventKind::Move, [this](int) { Form_MouseMove(); });
    on("Ok", EventKind::Move, [this](int) { Ok_MouseMove(); });
    on("ChoixDés", EventKind::Move, [this](int i) { ChoixDés_MouseMove(i, false); });
    on("Choixdés2", EventKind::Move, [this](int i) { ChoixDés_MouseMove(i, true); });
    on("Coup1", EventKind::Move, [this](int) { Coup_MouseMove(1); });
    on("Coup2", EventKind::Move, [this](int) { Coup_MouseMove(2); });
    registerStatisticsZones();
}

}  // namespace dravonelle
