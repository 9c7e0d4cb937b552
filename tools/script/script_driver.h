// dravonelle-script: the game's window logic driven by a script, with no
// display. Reads commands, runs them on the same core as the window, prints
// what a person would see and hear.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>

namespace dravonelle {

// Exit status: 0 at the end of the script or when the game ends, 2 for a
// wrong command, control, index or property, 3 for a dialog with no answer.
int runScript(std::istream& in, std::ostream& out, const std::filesystem::path& folder);

}  // namespace dravonelle
