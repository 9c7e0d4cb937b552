// dravonelle-script: the game's window logic driven by a script, with no
// display. Reads commands, runs them on the same core as the window, prints
// what a person would see and hear.
#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace dravonelle {

class JeuYam;

// One script played a line at a time, for a caller that chooses each line
// from what the game shows (runScript is a session fed from a stream).
class ScriptSession {
public:
    ScriptSession(std::ostream& out, std::filesystem::path folder);
    ~ScriptSession();
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Runs one script line (blank lines and comments do nothing): 0 when it
    // ran, else the exit status runScript would end with, its error printed.
    // Once the game has ended, further lines do nothing.
    int run(std::string line);
    // The game has ended (`exit` printed): runScript stops reading here.
    bool ended() const { return ended_; }
    // The game's core, or null before `start`.
    const JeuYam* jeu() const;

private:
    class Driver;
    std::ostream& out_;
    std::unique_ptr<Driver> driver_;
    bool ended_ = false;
};

// The longest script line the driver takes, in bytes: a longer one is
// refused ("error: line too long", status 2) without being read whole.
inline constexpr std::size_t kLongestLine = 1 << 20;

// Exit status: 0 at the end of the script or when the game ends, 2 for a
// wrong command, control, index or property or a line too long, 3 for a
// dialog with no answer.
int runScript(std::istream& in, std::ostream& out, const std::filesystem::path& folder);

}  // namespace dravonelle
