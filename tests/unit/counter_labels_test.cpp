#include <gtest/gtest.h>

#include "records/counter_labels.h"

namespace dravonelle {
namespace {

TEST(CounterLabels, PluralSingularAndZeroForms) {
    EXPECT_EQ(textePartiesJouées(12), "  12 PARTIES TERMINEES");
    EXPECT_EQ(textePartiesJouées(1), " 1 PARTIE TERMINEE");
    EXPECT_EQ(textePartiesJouées(0), " AUCUNE PARTIE TERMINEE");
    EXPECT_EQ(textePartiesAbandonnées(2), "  2 PARTIES ABANDONNEES");
    EXPECT_EQ(textePartiesAbandonnées(1), " 1 PARTIE ABANDONNEE");
    EXPECT_EQ(textePartiesAbandonnées(0), " AUCUNE PARTIE ABANDONNEE");
    EXPECT_EQ(textePartiesIndividuellesJouées(32767), " 32767 PARTIES");
    EXPECT_EQ(textePartiesIndividuellesJouées(1), "1 PARTIE JOUEE");
    EXPECT_EQ(textePartiesIndividuellesJouées(0), "AUCUNE PARTIE");
    EXPECT_EQ(texteIndividuelAbandon(5), " 5 ABANDONS");
    EXPECT_EQ(texteIndividuelAbandon(1), "1 ABANDON");
    EXPECT_EQ(texteIndividuelAbandon(0), "AUCUN ABANDON");
}

}  // namespace
}  // namespace dravonelle
