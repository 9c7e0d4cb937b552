#include <gtest/gtest.h>

#include "rules/number_text.h"

namespace dravonelle {
namespace {

TEST(NumberText, LeadingNumberReadsWhatACaptionHolds) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"   ", 0},     {"XXX", 0},      {"", 0},       {"0", 0},         {"45", 45},
        {"-10", -10},   {"  -264", -264}, {"+3", 3},     {" 12 points", 12}, {"DES = 17", 0},
        {"-", 0},       {"99999", 99999}, {"99999999999", 2147483647}, {"-99999999999", -2147483648}, {"3.5", 3},
    };
    for (const Case& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, SignPositionAndPlainForms) {
    EXPECT_EQ(signedNumber(25), " 25");
    EXPECT_EQ(signedNumber(0), " 0");
    EXPECT_EQ(signedNumber(-10), "-10");
    EXPECT_EQ(plainNumber(-264), "-264");
    EXPECT_EQ(plainNumber(90), "90");
}

TEST(NumberText, LengthCountsCharactersNotBytes) {
    EXPECT_EQ(textLength(" Sèche (1 seul coup) "), 21u);
    EXPECT_EQ(textLength("éèà"), 3u);
    EXPECT_EQ(textLength(""), 0u);
}

}  // namespace
}  // namespace dravonelle
