// The option tools of the tool bar: the bubble, the sounds, the dice
// animation, the safety lock and the dice-style menu. Each button shows the
// state of its option by the picture it copies from a hidden store.
#include <algorithm>

#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

constexpr const char* kTexteVerrouOuvert = " Début et Fin Autorisés ";
constexpr const char* kTexteVerrouFermé = " Début et Fin Vérouillés ";

}  // namespace

void JeuYam::Recentre() {
    if (Ok.enabled()) Ok.setFocus();
}

bool JeuYam::MenuDésOuvert() { return model_.at("MenuDés", 1).visible(); }

void JeuYam::FermeMenuDés() {
    for (int i = 3; i >= 1; --i) model_.at("MenuDés", i).hide();
}

void JeuYam::Aides_Click() {
    Bruit("Robot3");
    Recentre();
    Control& aides = model_.at("Aides");
    if (!SansBulles) {
        aides.copyPicture(model_.at("NoInfosImage"));
        SansBulles = partie.SansRepères = true;
        MessageBulle.clear();
        MessagePrécédent.clear();
        AfficheMessage();
    } else {
        aides.copyPicture(model_.at("InfosImage"));
        SansBulles = partie.SansRepères = false;
    }
}

void JeuYam::Sons_Click() {
    // Heard only while the sounds are still on: switching them off is the
    // last effect played.
    Bruit("Robot3");
    Recentre();
    Control& sons = model_.at("Sons");
    if (SansSons) {
        sons.copyPicture(model_.at("SonsImage"));
        SansSons = false;
    } else {
        sons.copyPicture(model_.at("NoSonsImges"));
        SansSons = true;
    }
}

void JeuYam::Animation_Click() {
    Bruit("Robot3");
    Control& animation = model_.at("Animation");
    if (!SansAnimation) {
        animation.copyPicture(model_.at("NoAnimeImage"));
        SansAnimation = true;
    } else {
        animation.copyPicture(model_.at("AnimeImage"));
        SansAnimation = false;
    }
    Recentre();
}

void JeuYam::Verrou_Click() {
    Bruit("Robot3");
    Recentre();
    // Nothing to lock before a way of playing and a character are chosen.
    if (partie.ModeTirage == 0 || Nom.caption().empty()) return;
    Control& verrou = model_.at("Verrou");
    if (Verrouillé) {
        verrou.copyPicture(FeuxDés(5));
        Verrouillé = false;
    } else {
        verrou.copyPicture(FeuxDés(6));
        Verrouillé = true;
    }
}

void JeuYam::MenuDés_Click(int i) {
    if (i == 0) {
        // The button only opens the menu under the pointer; a click on it
        // does nothing but say so.
        Bruit("Bonus");
        Recentre();
        return;
    }
    Bruit("Robot2");
    model_.at("MenuDés", 0).copyPicture(model_.at("DésImage", i));
    FermeMenuDés();
    JeuDeDés = i;
    // The dice on the table take the new style: the kept ones, or all five
    // when the draw is over and waits for its cell.
    const bool aucunGardé = std::none_of(partie.DésGardés.begin(), partie.DésGardés.end(), [](bool g) { return g; });
    for (std::size_t d = 0; d < 5; ++d) {
        if (!partie.DésGardés[d] && !(aucunGardé && partie.NuméroJet == 3)) continue;
        const int position = static_cast<int>(d);
        NégocieDés(position).copyPicture(GrosDé(partie.Dés[d]));
        NégocieDés2(position).copyPicture(PetitDé(partie.Dés[d]));
    }
}

void JeuYam::MenuDés_MouseMove(int i) {
    if (!MenuDésOuvert()) {
        for (int e = 1; e <= 3; ++e) model_.at("MenuDés", e).show();
    }
    if (SansBulles) return;
    if (i != 0) {
        MessageBulle = " Dés No" + signedNumber(i) + " . Cliquez pour les sélectionner ";
    } else {
        if (JeuDeDés == 0) JeuDeDés = 1;
        MessageBulle = " Dés No" + signedNumber(JeuDeDés) + " Sélectionnés ";
    }
    Bulle(colors::activeZone);
}

void JeuYam::registerOptionTools() {
    using enum EventKind;
    const auto survol = [this](const char* name, std::function<std::string()> texte) {
        on(name, Move, [this, texte = std::move(texte)](int) {
            if (SansBulles) return;
            MessageBulle = texte();
            Bulle(colors::activeZone);
        });
    };
    on("Aides", Click, [this](int) { Aides_Click(); });
    survol("Aides", [] { return std::string(" Infos Bulle "); });
    on("Sons", Click, [this](int) { Sons_Click(); });
    survol("Sons", [this] { return std::string(SansSons ? " Pas de Son " : " Effets Sonores "); });
    on("Animation", Click, [this](int) { Animation_Click(); });
    on("Animation", Move, [this](int) {
        FermeMenuDés();
        if (SansBulles) return;
        MessageBulle = SansAnimation ? " Dés non Animés " : " Dés Animes ";
        Bulle(colors::activeZone);
    });
    on("Verrou", Click, [this](int) { Verrou_Click(); });
    survol("Verrou", [this] { return std::string(Verrouillé ? kTexteVerrouFermé : kTexteVerrouOuvert); });
    on("MenuDés", Click, [this](int i) { MenuDés_Click(i); });
    on("MenuDés", Move, [this](int i) { MenuDés_MouseMove(i); });
}

}  // namespace dravonelle
