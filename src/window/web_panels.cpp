// The two advertising panels, and the offline panel that a connection check
// shows every 20 seconds while the machine has no connection.
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::AffichePublicités() {
    model_.at("Pub0Pic").setTop(8880);
    model_.at("Pub1Pic").setLeft(11940);
    platform_.web.navigate("Pub0Web", AdresseSite + "pub0.htm");
    platform_.web.navigate("Pub1Web", AdresseSite + "pub1.htm");
    const Control& fenêtre = model_.at(kWindowName);
    Control& horsLigne = model_.at("NonConnectéPic");
    horsLigne.setLeft((fenêtre.width() - horsLigne.width()) / 2);
    horsLigne.setTop((fenêtre.height() - horsLigne.height()) / 2);
}

bool JeuYam::NetworkStatus() { return platform_.network.online(); }

// The logo page lies beside the program, addressed by its full path.
std::string JeuYam::PageLocale() { return (platform_.files.programFolder() / "logovel200.htm").string(); }

void JeuYam::NonConnectéTimer_Timer() {
    // Back online, a panel that shows stays until the player closes it.
    if (NetworkStatus()) return;
    platform_.web.navigate("LogoWeb", PageLocale());
    model_.at("NonConnectéPic").show();
}

void JeuYam::NonConnectéCmd_Click() { model_.at("NonConnectéPic").hide(); }

void JeuYam::registerWebPanels() {
    using enum EventKind;
    on("NonConnectéTimer", Tick, [this](int) { NonConnectéTimer_Timer(); });
    on("NonConnectéCmd", Click, [this](int) { NonConnectéCmd_Click(); });
    on("OkOuiCmd", Click, [this](int) { OkOuiCmd_Click(); });
    on("OkNonCmd", Click, [this](int) { OkNonCmd_Click(); });
}

}  // namespace dravonelle
