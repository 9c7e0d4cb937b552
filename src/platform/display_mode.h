// The screen's display mode: read at start-up, switched to 1024 × 768 with
// the player's consent when the screen has fewer lines, and put back at
// every exit. The module keeps the record it last read or set, the mode in
// force before the game started and the mode it last set.
#pragma once

#include "platform/layer.h"

#include <string>

#include "platform/platform.h"

namespace dravonelle {

// What one call of ChangeModeEcran does, worked out from which of its four
// values are given (non-zero): the kind of change, noted by NoteModeEcran,
// and the record handed to the platform.
struct ChangementMode {
    // "ChangeResol", "ChangeColor", "ChangeFreq", "ChangeAll", or empty when
    // the values given fit none of those (the record then goes as it is).
    std::string genre;
    bool appliqué = false;  // false only when nothing at all was given
    DisplayMode enregistrement;
};

ChangementMode planChangeModeEcran(const DisplayMode& enregistrement, const DisplayMode& courant, int largeur,
                                   int hauteur, int couleurs, int fréquence);

// Four 16-bit values, as the game keeps a mode.
DisplayMode modeSur16Bits(const DisplayMode& mode);

class ModuleModeEcran {
public:
    explicit ModuleModeEcran(DisplayModes& écran) : écran_(écran) {}

    // Reads the mode in force into the record and into ModeOrigine.
    void LitModeOrigine();
    void ChangeModeEcran(int largeur, int hauteur, int couleurs, int fréquence);
    void RestaureModeEcran();
    void NoteModeEcran(int largeur, int hauteur, int couleurs, int fréquence, const std::string& genre);

    DisplayMode ModeOrigine{0, 0, 0, 0};
    DisplayMode ModeCourant{0, 0, 0, 0};
    // The platform's record: as last read, then as last handed over.
    DisplayMode Enregistrement{0, 0, 0, 0};

private:
    DisplayModes& écran_;
};

}  // namespace dravonelle
