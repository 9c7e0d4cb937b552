// What the program settles around Qt's start: its command line, the display
// it needs, the sound it may not have, and its icon.
#pragma once

#include <string>

class QIcon;

namespace dravonelle {

struct CommandLine {
    enum class Action { Play, Help, Version, Refused };
    Action action = Action::Play;
    std::string refused;  // the argument that was not understood
    std::string dataDir;  // --data-dir DIR: where the records live; empty, the player's own
};

// The options: -h/--help, --version, --data-dir DIR; anything else is refused.
CommandLine readCommandLine(int argc, char* argv[]);

// Prints what the command line asked, or why it was refused, and returns the
// program's status: 0 for help and version, 2 for a refusal.
int answer(const CommandLine& line);

// The reason the window cannot open, empty when it can: Qt's platform needs a
// display server (X11 or Wayland) and the environment names none.
std::string displayMissing();

// Once the application exists: with no audio output, one line says the game
// is silent and Qt Multimedia's warnings about it are hushed.
void checkAudioOutput();

// The game's icon (qt/picture_icon.h) at the sizes a desktop shows.
QIcon gameIcon();

}  // namespace dravonelle
