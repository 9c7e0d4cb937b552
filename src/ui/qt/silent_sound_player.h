// Plays nothing and never fails: the window's sound player until the game
// has its own sounds.
#pragma once

#include "ui/platform.h"

namespace dravonelle {

class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const std::string&, bool) override {}
};

}  // namespace dravonelle
