#include "window/jeu_yam.h"

#include "window/window_layout.h"

namespace dravonelle {
namespace {

ControlModel& laidOut(ControlModel& model) {
    buildMainWindow(model);
    return model;
}

}  // namespace

JeuYam::JeuYam(ControlModel& model, Platform& platform)
    : Cases(laidOut(model).array("Cases")),
      Totaux(model.array("Totaux")),
      InfosJeu(model.array("InfosJeu")),
      NégocieDés(model.array("NégocieDés")),
      NégocieDés2(model.array("NégocieDés2")),
      FeuxDés(model.array("FeuxDés")),
      ChoixDés(model.array("ChoixDés")),
      Choixdés2(model.array("Choixdés2")),
      Lettres(model.array("Lettres")),
      GrosDésImage(model.array("GrosDésImage")),
      PetitsDésImage(model.array("PetitsDésImage")),
      Pointeur(model.array("Pointeur")),
      Ok(model.at("Ok")),
      Tirage_No(model.at("Tirage_No")),
      TotalDés(model.at("TotalDés")),
      TotalFigure(model.at("TotalFigure")),
      Infos(model.at("Infos")),
      Premier(model.at("Premier")),
      Retour(model.at("Retour")),
      Zéro(model.at("Zéro")),
      Stats(model.array("Stats")),
      Stats2(model.array("Stats2")),
      Stats3(model.array("Stats3")),
      Coup1(model.at("Coup1")),
      Coup2(model.at("Coup2")),
      Nom(model.at("Nom")),
      Jour(model.at("Jour")),
      LaDate(model.at("LaDate")),
      Heure(model.at("Heure")),
      CoupInfo(model.at("CoupInfo")),
      Rang(model.array("Rang")),
      NomsScore(model.array("NomsScore")),
      LadateScore(model.array("LadateScore")),
      ScoresScore(model.array("ScoresScore")),
      Personnages(model.array("Personnages")),
      PartiesJouées(model.at("PartiesJouées")),
      PartiesAbandonnées(model.at("PartiesAbandonnées")),
      PartiesIndividuellesJouées(model.at("PartiesIndividuellesJouées")),
      IndividuelAbandon(model.at("IndividuelAbandon")),
      Score(model.at("Score")),
      Lighton(model.at("Lighton")),
      Lightoff(model.at("Lightoff")),
      MenuPersonnages(model.at("MenuPersonnages")),
      CliqueNom(model.at("CliqueNom")),
      CapteNom(model.at("CapteNom")),
      model_(model),
      platform_(platform),
      modeEcran_(platform.display) {
    buildConsentForm(consentement_);
    // The sheet starts as a new game leaves it; until the first OK only the
    // texts and the closed flags are set, and the cells stay as drawn.
    for (int k = 0; k < sheet::kCellCount; ++k) partie.CaseMontrée[Partie::at(k)] = Cases(k).visible();
    AfficheJeu();
    registerHandlers();
}

void JeuYam::on(const std::string& name, EventKind kind, Handler h) {
    if (kind == EventKind::Move) h = bullesVues.suit(model_, name, std::move(h));
    handlers_[{name, kind}] = std::move(h);
}

void JeuYam::registerHandlers() {
    using enum EventKind;
    on("Ok", Click, [this](int) { Ok_Click(); });
    on("Cases", Click, [this](int k) { Cases_Click(k); });
    on("Zéro", Click, [this](int) { Zéro_Click(); });
    on("Zéro", Move, [this](int) { Zéro_MouseMove(); });
    on("Cases", Move, [this](int k) { Cases_MouseMove(k); });
    on("Retour", Click, [this](int) { Retour_Click(); });
    on("Retour", Move, [this](int) { Retour_MouseMove(); });
    on("ChoixDés", Click, [this](int i) { ChoixDés_Click(i); });
    on("Choixdés2", Click, [this](int i) { Choixdés2_Click(i); });
    on(kWindowName, Key, [this](int letter) { Form_KeyDown(static_cast<char>(letter)); });
    on("Coup1", Click, [this](int) { Coup_Click(1); });
    on("Coup2", Click, [this](int) { Coup_Click(2); });
    on("Timer1", Tick, [this](int) { Timer1_Timer(); });
    on("Halte", Click, [this](int) { Halte_Click(); });
    on(kWindowName, Close, [this](int) { Form_QueryUnload(); });
    on("Halte", Move, [this](int) { Halte_MouseMove(); });
    on("Score", Click, [this](int) { Score_Click(); });
    on("Score", Move, [this](int) { Score_MouseMove(); });
    on("Personnages", Click, [this](int i) { Personnages_Click(i); });
    on("Personnages", Move, [this](int i) { Personnages_MouseMove(i); });
    on("CliqueNom", Click, [this](int) { CliqueNom_Click(); });
    on("CliqueNom", Move, [this](int) { CliqueNom_MouseMove(); });
    on("Paramètres", Click, [this](int) { Paramètres_Click(); });
    on("Paramètres", Move, [this](int) { Paramètres_MouseMove(); });
    registerOptionTools();
    registerAdvisor();
    registerRulesPanel();
    registerWebPanels();
    registerPanelZones();
    registerBubbleZones();
}

bool JeuYam::consentementAttendu() { return consentement_.at("AfficheForm").visible(); }

void JeuYam::handle(const Event& event) {
    // No bubble, no frames around the valued cell either.
    partie.SansRepères = SansBulles;
    // Until the player has answered the consent window, it is the only
    // window there is: it takes clicks, and nothing else reaches the game.
    const bool accord = consentementAttendu();
    if (accord && event.kind == EventKind::Key) return ConsentementClavier(event);
    if (accord && (event.kind != EventKind::Click || event.name == kWindowName)) return;
    ControlModel& fenêtre = accord ? consentement_ : model_;
    if (event.kind == EventKind::Key) {
        EffaceMarquesConseil();
        keyDown(event);
        return;
    }
    if (event.kind == EventKind::Tick) {
        // A disabled timer does not tick.
        const Control* timer = model_.find(event.name, event.index);
        if (timer && !timer->enabled()) return;
    } else if (event.name != kWindowName) {
        Control* target = fenêtre.find(event.name, event.index);
        if (!target) return;
        // A hidden control receives nothing, nor does one inside a hidden
        // container; a disabled one takes no click.
        if (!fenêtre.reachable(*target)) return;
        if (event.kind == EventKind::Click && !target->enabled()) return;
    }
    // The advice's marks stand until the player does something.
    if (event.kind == EventKind::Click && event.name != "Conseil") EffaceMarquesConseil();
    auto it = handlers_.find(std::pair{event.name, event.kind});
    if (it != handlers_.end()) it->second(event.index);
    MarqueAssistée();
}

void JeuYam::keyDown(const Event& event) {
    // The window sees keys before its controls: the dice letters first, then
    // Space and Return press the control that holds the focus.
    if (RaccourciClavier(event)) return;
    if (event.key == Key::Letter) {
        auto it = handlers_.find(std::pair{std::string(kWindowName), EventKind::Key});
        if (it != handlers_.end()) it->second(event.letter);
        return;
    }
    if (event.key == Key::Space || event.key == Key::Return) {
        // Like the dice letters, these keys reach the window first: while
        // the letters show, the next hover says its text again.
        if (Lettres(0).visible()) {
            MessageBulle.clear();
            MessagePrécédent.clear();
        }
        const int id = model_.focus();
        if (id < 0) return;
        const Control& focused = model_.byId(id);
        if (focused.visible() && focused.enabled()) handle(Event::click(focused.name(), focused.index()));
    }
}

namespace {

// The dice set whose pictures show: 0 means not chosen yet and shows the
// first set, and a set the game does not have never reaches its pictures.
int jeuAffiché(int jeuDeDés) { return jeuDeDés >= 1 && jeuDeDés <= 3 ? jeuDeDés : 1; }

}  // namespace

Control& JeuYam::GrosDé(int face) { return GrosDésImage(jeuAffiché(JeuDeDés) * 10 + face); }

Control& JeuYam::PetitDé(int face) { return PetitsDésImage(jeuAffiché(JeuDeDés) * 10 + face); }

}  // namespace dravonelle
