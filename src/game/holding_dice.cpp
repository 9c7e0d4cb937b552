// Holding dice between throws: by a click on a die or by its key.
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::AfficheDés() {
    const int i = DéChoisi;
    const auto d = static_cast<std::size_t>(i);
    if (NuméroJet == 3) return Bruit("Bonus");
    if (NuméroJet == 0) return;
    if (DésGardés[d]) {
        FeuxDés(i).copyPicture(FeuxDés(5));
        DésGardés[d] = false;
        if (!SansAnimation) platform_.animator.animate(NégocieDés(i).id(), Animation::Shrink);
        NégocieDés(i).hide();
        NégocieDés2(i).hide();
    } else {
        FeuxDés(i).copyPicture(FeuxDés(6));
        NégocieDés(i).copyPicture(GrosDé(Dés[d]));
        NégocieDés(i).show();
        if (!SansAnimation) platform_.animator.animate(NégocieDés(i).id(), Animation::Grow);
        NégocieDés2(i).copyPicture(PetitDé(Dés[d]));
        DésGardés[d] = true;
        NégocieDés2(i).show();
    }
    Pourcentage();
    Bruit("Eau");
}

void JeuYam::ChoixDés_Click(int index) { ClicDé(index, NégocieDés(index)); }

void JeuYam::Choixdés2_Click(int index) { ClicDé(index, NégocieDés2(index)); }

void JeuYam::ClicDé(int index, const Control& picture) {
    // The die being drawn is still moving: it cannot be taken yet.
    if (platform_.animator.busy()) return;
    DéChoisi = index;
    AfficheDés();
    if (!SansBulles && (NuméroJet == 1 || NuméroJet == 2)) {
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
            DéChoisi = i;
            AfficheDés();
        }
    }
}

}  // namespace dravonelle
