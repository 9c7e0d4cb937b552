// The layout of the web panels, of the offline panel and of the consent
// window that asks to switch a small screen.
#include "window/window_layout.h"

namespace dravonelle {
namespace {

ControlDesign box(ControlKind kind, int leftPx, int topPx, int widthPx, int heightPx) {
    return designAt(kind, leftPx, topPx, widthPx, heightPx);
}

ControlDesign inside(const char* holder, ControlDesign d) {
    d.container = holder;
    return d;
}

constexpr Color kPanelPaper{250, 246, 232};
constexpr Color kPanelInk{32, 64, 112};

// The logo page on its background, as both the consent window and the
// offline panel show it: one size for both, the size of the picture
// "LogoFond" (picture_recipes.cpp), the page 8 pixels inside it.
constexpr int kLogoWidth = 400, kLogoHeight = 156;

void addLogo(ControlModel& m, const char* holder, int leftPx, int topPx) {
    ControlDesign fond = box(ControlKind::PictureBox, leftPx, topPx, kLogoWidth, kLogoHeight);
    fond.picture = "LogoFond";
    fond.backcolor = kPanelPaper;  // about its corners
    if (holder) fond.container = holder;
    m.add("LogoFondPic", fond);
    m.add("LogoWeb", inside("LogoFondPic", box(ControlKind::Web, 8, 8, kLogoWidth - 16, kLogoHeight - 16)));
}

}  // namespace

// The two advertising panels sit where the window has room: the first in the
// corner of the information card beside the ways of playing, the second under
// the tool bar. Start-up puts them at their places (top 8880, left 11940).
// The offline panel covers the middle of the window until its OK closes it.
void addWebPanels(ControlModel& m) {
    ControlDesign pub0 = box(ControlKind::PictureBox, 280, 592, 140, 52);
    pub0.backcolor = kPanelPaper;
    pub0.border = true;
    m.add("Pub0Pic", pub0);
    m.add("Pub0Web", inside("Pub0Pic", box(ControlKind::Web, 0, 0, 140, 52)));

    ControlDesign pub1 = box(ControlKind::PictureBox, 796, 732, 192, 32);
    pub1.backcolor = kPanelPaper;
    pub1.border = true;
    m.add("Pub1Pic", pub1);
    m.add("Pub1Web", inside("Pub1Pic", box(ControlKind::Web, 0, 0, 192, 32)));

    constexpr int kWidth = 420, kHeight = 272;
    ControlDesign panel = box(ControlKind::PictureBox, 0, 0, kWidth, kHeight);
    panel.visible = false;
    panel.border = true;
    panel.backcolor = kPanelPaper;
    m.add("NonConnectéPic", panel);
    addLogo(m, "NonConnectéPic", (kWidth - kLogoWidth) / 2, 10);
    ControlDesign message = inside("NonConnectéPic", box(ControlKind::Label, 10, 178, kWidth - 20, 40));
    message.caption = " Vous devez être connecté à internet pour utiliser ce logiciel";
    message.fontsize = 10;
    message.bold = true;
    message.forecolor = kPanelInk;
    message.backcolor = kPanelPaper;
    m.add("NonConnectéLbl", message);
    ControlDesign ok = inside("NonConnectéPic", box(ControlKind::CommandButton, kWidth / 2 - 40, 226, 80, 32));
    ok.caption = "OK";
    ok.bold = true;
    m.add("NonConnectéCmd", ok);

    ControlDesign timer = box(ControlKind::Timer, 0, 0, 0, 0);
    timer.interval = 20000;
    m.add("NonConnectéTimer", timer);
}

void buildConsentForm(ControlModel& m) {
    if (m.hasName("AfficheForm")) return;
    constexpr int kWidth = 440, kHeight = 300;
    ControlDesign form = box(ControlKind::Form, 0, 0, kWidth, kHeight);
    form.visible = false;
    form.caption = "Dravonelle";
    m.add("AfficheForm", form);
    addLogo(m, nullptr, (kWidth - kLogoWidth) / 2, 10);
    ControlDesign label = box(ControlKind::Label, 10, 170, kWidth - 20, 24);
    label.fontsize = 11;
    label.bold = true;
    label.forecolor = kPanelInk;
    label.backcolor = kPanelPaper;
    label.caption = "La résolution doit être changée en 1024 X 768";
    m.add("Label1", label);
    label.top = px(196);
    label.bold = false;
    label.caption = "Elle sera restituée en sortant du programme";
    m.add("Label2", label);
    ControlDesign button = box(ControlKind::CommandButton, 20, 240, 190, 40);
    button.caption = "Je suis d'accord";
    button.bold = true;
    m.add("OkOuiCmd", button);
    button.left = px(kWidth - 210);
    button.caption = "Je ne suis pas d'accord";
    m.add("OkNonCmd", button);
}

}  // namespace dravonelle
