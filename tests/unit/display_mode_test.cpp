// Which change of the screen's mode the given values make; the display_*
// scenarios play the module through, tests/qt the window's side and a signal.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/display_mode.h"

namespace dravonelle {
namespace {

// Which values are given decides what changes: the record as last read is
// 800 × 600 × 16 at 75 Hz, and the module last set 1024 × 768 × 32 at 60 Hz.
TEST(ChangeModeEcran, TheValuesGivenChooseTheChange) {
    const DisplayMode record{800, 600, 16, 75};
    const DisplayMode courant{1024, 768, 32, 60};
    const std::tuple<int, int, int, int, const char*, DisplayMode> cases[] = {
        {1280, 1024, 0, 0, "ChangeResol", {1280, 1024, 32, 60}},
        {0, 0, 24, 0, "ChangeColor", {1024, 768, 24, 60}},
        {0, 0, 0, 85, "ChangeFreq", {1024, 768, 32, 85}},
        {640, 480, 8, 70, "ChangeAll", {640, 480, 8, 70}},
        // A resolution needs both its width and its height; other mixes send
        // the record untouched.
        {1280, 0, 0, 0, "", record},
        {1280, 1024, 24, 0, "", record},
        {0, 0, 24, 85, "", record},
    };
    for (const auto& [w, h, d, r, genre, sent] : cases) {
        const ChangementMode plan = planChangeModeEcran(record, courant, w, h, d, r);
        EXPECT_TRUE(plan.appliqué);
        EXPECT_EQ(plan.genre, genre) << w << ' ' << h << ' ' << d << ' ' << r;
        EXPECT_EQ(plan.enregistrement, sent) << genre;
    }
    EXPECT_FALSE(planChangeModeEcran(record, courant, 0, 0, 0, 0).appliqué);
}

}  // namespace
}  // namespace dravonelle
