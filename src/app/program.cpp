#include "program.h"

#include <QAudioDevice>
#include <QIcon>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "qt/picture_icon.h"

namespace dravonelle {

namespace {

constexpr const char* kUsage = "Usage : dravonelle [--help | --version | --data-dir DOSSIER]\n";
constexpr const char* kHelp =
    "Dravonelle, un jeu de dés de la famille du Yam pour un joueur : cinq dés\n"
    "lancés jusqu'à trois fois, une feuille de cinq colonnes, 65 coups.\n"
    "\n"
    "  -h, --help     affiche cette aide et quitte\n"
    "      --version  affiche la version et quitte\n"
    "      --data-dir DOSSIER\n"
    "                 garde les sauvegardes dans DOSSIER plutôt que dans le\n"
    "                 dossier de données de l'utilisateur (~/.local/share/Dravonelle)\n"
    "\n"
    "Le jeu ouvre une fenêtre : il lui faut un écran (DISPLAY ou WAYLAND_DISPLAY).\n"
    "Voir aussi dravonelle(6).\n";

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

QtMessageHandler qtHandler = nullptr;

// With no audio output, Qt Multimedia repeats its complaint for every sound
// (in its own categories, or in the default one with its class's name first):
// the game has said it once already.
void hushMultimedia(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::string_view category = context.category ? context.category : "";
    if (category.starts_with("qt.multimedia")) return;
    for (const char* source : {"PulseAudioService", "QSoundEffect", "QAudioSink", "QAudioOutput"})
        if (text.startsWith(QLatin1String(source))) return;
    if (qtHandler) qtHandler(type, context, text);
}

}  // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            line.action = CommandLine::Action::Help;
        } else if (arg == "--version") {
            line.action = CommandLine::Action::Version;
        } else if (arg == "--data-dir" && i + 1 < argc && *argv[i + 1]) {
            line.dataDir = argv[++i];
        } else if (arg.starts_with("--data-dir=") && arg.size() > 11) {
            line.dataDir = arg.substr(11);
        } else {
            return {CommandLine::Action::Refused, std::string(arg), {}};
        }
    }
    return line;
}

int answer(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("Dravonelle %s\n", DRAVONELLE_VERSION);
        return 0;
    case CommandLine::Action::Refused:
        std::fprintf(stderr, "dravonelle: argument inconnu : %s\n%s", line.refused.c_str(), kUsage);
        return 2;
    case CommandLine::Action::Play: break;
    }
    return 0;
}

std::string displayMissing() {
    // Qt tries the platforms QT_QPA_PLATFORM lists ("wayland;xcb"), its
    // default when unset; the others (offscreen, vnc, eglfs…) need no server.
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const std::string_view platform = chosen ? chosen : "";
    const bool needsServer = platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    if (!needsServer || named("DISPLAY") || named("WAYLAND_DISPLAY")) return {};
    return "aucun écran : ni DISPLAY ni WAYLAND_DISPLAY n'est défini, la fenêtre ne peut pas s'ouvrir";
}

void checkAudioOutput() {
    // Qt Multimedia complains while it looks for a device (dropped either
    // way: the game tells the outcome), and again at every sound when there
    // is none.
    qtHandler = qInstallMessageHandler(hushMultimedia);
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        qInstallMessageHandler(qtHandler);
        return;
    }
    std::fprintf(stderr, "dravonelle: aucune sortie audio : le jeu sera muet\n");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
}

QIcon gameIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        art::paintIcon(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace dravonelle
