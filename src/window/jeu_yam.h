// JeuYam, the main window's presenter: one handler per control event, the
// window's procedures under their own names (the bubble, options, rankings,
// characters, rules panel, start-up and shutdown), and the drawing of the
// game that Partie holds (AfficheJeu). It drives the control model and knows
// nothing of any toolkit. The member functions live in the files of their
// subsystem: the turn's handlers in turn_handlers.cpp, the drawing in
// partie_view.cpp, and so on.
#pragma once

#include "window/layer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "game/partie.h"
#include "records/data_files.h"
#include "window/accessible_texts.h"
#include "window/controls/control_model.h"
#include "platform/display_mode.h"
#include "window/event.h"
#include "platform/platform.h"

namespace dravonelle {

class JeuYam : private ÉcouteurPartie {
public:
    JeuYam(ControlModel& model, Platform& platform);
    JeuYam(const JeuYam&) = delete;
    JeuYam& operator=(const JeuYam&) = delete;

    // Window load: the whole start-up. On a screen of fewer than 768 lines
    // it stops at the consent window, and goes on once the player agrees.
    void Form_Load();

    // The consent window (`AfficheForm`, its labels, buttons and logo page).
    // While it waits for the player, events go to it alone: the main window
    // is not shown yet.
    ControlModel& consentement() { return consentement_; }
    bool consentementAttendu();

    // Where the advertising pages are fetched from: "pub0.htm" and
    // "pub1.htm" are read under it.
    std::string AdresseSite = kAdresseSiteParDéfaut;
    static constexpr const char* kAdresseSiteParDéfaut = "https://www.dravonelle.fr/";

    // The program is told to end (SIGINT, SIGTERM, SIGHUP): the same farewell
    // as closing the window.
    void FinParSignal();

    // Every window event enters here. Events for a hidden or disabled control
    // are dropped, as a window drops them.
    void handle(const Event& event);

    ControlModel& model() { return model_; }
    const ControlModel& model() const { return model_; }

    // ---- the game ------------------------------------------------------------
    // The game's state and rules; the window shows it (AfficheJeu) after
    // every step and whenever the game asks for a sound or the end.
    Partie partie{*this};

    // ---- statistics ---------------------------------------------------------
    // The game counters of the way of playing in force.
    int TotalTerminées = 0;
    int TotalAbandons = 0;

    // ---- records: images of the data files --------------------------------
    std::array<std::string, 25> NomsPersonnages{};
    std::array<int, 25> TerminéesPar{};
    std::array<int, 25> AbandonsPar{};
    std::array<int, 11> ClassementPersonnage{};
    std::array<std::string, 11> ClassementDate{};
    std::array<int, 11> ClassementScore{};
    std::array<int, 21> PersonnagesClassés{};
    int PersonnageCourant = 0;
    int PersonnageDépart = 0;
    int DernierSurvolé = 0;
    bool PanneauAffiché = false;

    // ---- options and bubble -----------------------------------------------
    bool SansBulles = false;
    bool SansSons = false;
    bool SansAnimation = false;
    bool Verrouillé = false;
    int JeuDeDés = 1;
    // The page of the rules panel shown when it opens, 1 to 3.
    int PageRègles = 1;
    std::string MessageBulle;
    std::string MessagePrécédent;
    int MessageChoisi = 0;
    // How the last finished game ranked: 0 not ranked (or not known), 1
    // first, 2 to 10 among the ten best. The background repeats its news.
    int RangObtenu = 0;
    std::string NomBruit;
    // What the bubble last said over each control, for screen readers.
    BullesVues bullesVues;

    // ---- procedures --------------------------------------------------------
    void AfficheMessage();
    void Nouveau();
    // Draws the game as Partie holds it: the sheet, totals, counters, odds,
    // dice, lights, letters and buttons; only what changed is touched.
    void AfficheJeu();
    void Jouebruit();
    void EffaceCases();
    void EnregistreScore();
    void InitScores();
    void AbandonPartie();
    void AfficheScore();
    void AfficheClassement(int nouveau);
    // Puts the character menu away, with the name button; a closed menu stays
    // as it is, so every hover may ask.
    void FermeMenuPersonnages();
    // Puts the dice-style menu away: its three entries hidden.
    void FermeMenuDés();
    bool MenuDésOuvert();
    // Gives OK the keyboard focus back when it can take it, so that Space and
    // Return keep throwing.
    void Recentre();
    // The three pages of the rules panel, built once at start-up.
    void ConstruitRègles();
    void AffichePageRègles();

    // Data files: read whole (a missing one is created with its neutral
    // content first) and written whole, never half.
    std::string LitFichier(const std::string& name, const std::string& neutral);
    // A data file read whole, or read as far as it is sound and then kept
    // aside before the first write over it.
    template <typename T>
    T Lit(const std::string& name, const std::string& neutral, T (*parse)(std::string_view, ReadReport*)) {
        ReadReport report;
        T value = parse(LitFichier(name, neutral), &report);
        if (!report.whole) endommagés_.insert(name);
        return value;
    }
    // False when the file could not be written: the old one stays whole, and
    // the player is told why (RaisonÉchec), in the bubble and on standard
    // error.
    bool ÉcritFichier(const std::string& name, const std::string& bytes);
    std::string RaisonÉchec;
    void LitNoms();
    bool ÉcritAbandons(int mode);
    bool ÉcritInfos();
    // A game under way is abandoned: counted against the character who was
    // playing, in the way of playing given.
    void Abandonne(int mode);
    // The shutdown by either road, the question asked or not.
    void Quitte();
    // Ends the program, the screen's mode put back first.
    void Termine();

    // The display-mode switch and its consent window.
    bool DemandeResolution();
    void OkOuiCmd_Click();
    void OkNonCmd_Click();
    ModuleModeEcran& modeEcran() { return modeEcran_; }

    // The web panels and the connection check.
    void AffichePublicités();
    bool NetworkStatus();
    std::string PageLocale();
    void NonConnectéTimer_Timer();
    void NonConnectéCmd_Click();

    // Plays NomBruit unless the effects are off: every caller's convention.
    void Bruit(const char* name);
    // Shows MessageBulle in the given colour when it differs from the text
    // already shown: the tail of every hover handler.
    void Bulle(Color zone);


    // ---- handlers ------------------------------------------------------------
    void Ok_Click();
    void Ok_MouseMove();
    void Cases_Click(int index);
    void Zéro_Click();
    void Zéro_MouseMove();
    void Cases_MouseMove(int k);
    void Retour_Click();
    void Retour_MouseMove();
    void ChoixDés_Click(int index);
    void Choixdés2_Click(int index);
    void ChoixDés_MouseMove(int index, bool small);
    void Form_KeyDown(char letter);
    void Form_MouseMove();
    void Coup_Click(int mode);
    void Coup_MouseMove(int mode);
    void Timer1_Timer();
    void Halte_Click();
    void Halte_MouseMove();
    void Form_QueryUnload();
    void Score_Click();
    void Score_MouseMove();
    void Personnages_Click(int index);
    void Personnages_MouseMove(int index);
    void CliqueNom_Click();
    void CliqueNom_MouseMove();
    void Conseil_Click();
    // Each advice given, as one line ("advice keep 0 1 2 …").
    std::function<void(const std::string&)> surConseil;
    void Paramètres_Click();
    void Paramètres_MouseMove();
    void Aides_Click();
    void Sons_Click();
    void Animation_Click();
    void Verrou_Click();
    void MenuDés_Click(int i);
    void MenuDés_MouseMove(int i);
    void Règles_Click();
    void SSPanel2_Click();
    void ScrollBas_Click();
    void ScrollHaut_Click();
    void Iconify_Click();

    // ---- controls, by the names the game gives them ----------------------
    ControlArray& Cases;
    ControlArray& Totaux;
    ControlArray& InfosJeu;
    ControlArray& NégocieDés;
    ControlArray& NégocieDés2;
    ControlArray& FeuxDés;
    ControlArray& ChoixDés;
    ControlArray& Choixdés2;
    ControlArray& Lettres;
    ControlArray& GrosDésImage;
    ControlArray& PetitsDésImage;
    ControlArray& Pointeur;
    Control& Ok;
    Control& Tirage_No;
    Control& TotalDés;
    Control& TotalFigure;
    Control& Infos;
    Control& Premier;
    Control& Retour;
    Control& Zéro;
    ControlArray& Stats;
    ControlArray& Stats2;
    ControlArray& Stats3;
    Control& Coup1;
    Control& Coup2;
    Control& Nom;
    Control& Jour;
    Control& LaDate;
    Control& Heure;
    Control& CoupInfo;
    ControlArray& Rang;
    ControlArray& NomsScore;
    ControlArray& LadateScore;
    ControlArray& ScoresScore;
    ControlArray& Personnages;
    Control& PartiesJouées;
    Control& PartiesAbandonnées;
    Control& PartiesIndividuellesJouées;
    Control& IndividuelAbandon;
    Control& Score;
    Control& Lighton;
    Control& Lightoff;
    Control& MenuPersonnages;
    Control& CliqueNom;
    Control& CapteNom;

private:
    using Handler = std::function<void(int index)>;
    void on(const std::string& name, EventKind kind, Handler h);
    void registerHandlers();
    void registerBubbleZones();
    void registerStatisticsZones();
    void registerPanelZones();
    void registerOptionTools();
    void registerRulesPanel();
    void registerWebPanels();
    void registerAdvisor();
    void EffaceMarquesConseil();
    void MarqueAssistée();
    bool diceMarked_ = false;
    void keyDown(const Event& event);
    // The window walked by keyboard (keyboard.cpp).
    bool RaccourciClavier(const Event& event);
    bool ZoneClavier(const Control& c);
    std::vector<Control*> ZonesDuMaillon(std::size_t maillon);
    std::vector<std::pair<Control*, std::size_t>> ZonesClavier();
    void FocusClavier(Control& cible);
    void TabulationClavier(bool enAvant);
    void FlècheClavier(Key touche);
    void PresseClavier(const char* nom);
    void ConsentementClavier(const Event& event);
    int caseClavier_ = 0;  // the sheet's cell the keyboard last stood on
    // Start-up from the window's size on, once the screen is settled.
    void Démarre();

    // What the game asks of the window (ÉcouteurPartie).
    int lanceDé(int i) override;
    void bruit(const char* nom) override;
    void bruitDuRésultat(const char* nom) override;
    void déAnimé(int i, bool grandit) override;
    void premierTirage() override;
    void figureÉvaluée() override;
    void partieTerminée() override;
    std::string TexteCase(int k);
    std::string TexteDeuxValeurs();
    std::string TexteGuidageOk();
    void ClicDé(int index, const Control& picture);
    // The pictures each die showed when last drawn.
    std::array<int, 5> imagesDés_{}, imagesDésPetits_{};
    // Partie's values as AfficheJeu last drew them.
    struct Vue {
        bool dessinée = false;
        std::array<int, sheet::kCellCount> feuille{};
        std::array<bool, sheet::kCellCount> montrée{}, surlignée{};
        std::array<Partie::Encre, sheet::kCellCount> encre{};
        std::array<int, 16> totaux{};
        std::array<int, 12> compteurs{};
        std::array<std::int32_t, 12> création{};
        Chances chances{};
        std::array<bool, 20> pointeurs{};
        std::string figure;
        int sommeDés = 0, tirage = 0, jet = 0;
        std::array<int, 5> feux{};
    } vue_;

    // The name dialog, back until the name is one the game can keep.
    void EntreNom(int personnage);

    // The picture store of a die face in the current set.
    Control& GrosDé(int face);
    Control& PetitDé(int face);

    ControlModel& model_;
    Platform& platform_;
    ControlModel consentement_;
    ModuleModeEcran modeEcran_;
    // Only the copy of the game that holds the folder's lock writes its files.
    bool seuleCopie_ = true;
    std::shared_ptr<void> verrouDossier_;
    // Data files that are there but could not be read this run: kept as they
    // are rather than replaced by what the game holds in their place.
    std::set<std::string, std::less<>> illisibles_;
    // Data files that were read only in part: their bytes are copied beside
    // them before the game first writes over them.
    std::set<std::string, std::less<>> endommagés_;
    bool GardeCopie(const std::string& name, std::error_code& failure);
    // Writes a data file whole, telling no one; false with the reason when it
    // could not (an empty reason: nothing to tell).
    bool Enregistre(const std::string& name, const std::string& bytes, std::string& raison);
    std::map<std::pair<std::string, EventKind>, Handler, std::less<>> handlers_;
};

}  // namespace dravonelle
