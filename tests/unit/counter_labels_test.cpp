#include <gtest/gtest.h>

#include "window/counter_labels.h"

namespace dravonelle {
namespace {

// The scenarios show every other form as the game does: one, several, and
// none for a character.
TEST(CounterLabels, TheFormsTheScenariosLeaveOut) {
    EXPECT_EQ(textePartiesJouées(0), " AUCUNE PARTIE TERMINEE");
    EXPECT_EQ(textePartiesAbandonnées(0), " AUCUNE PARTIE ABANDONNEE");
    EXPECT_EQ(textePartiesIndividuellesJouées(32767), " 32767 PARTIES");
}

}  // namespace
}  // namespace dravonelle
