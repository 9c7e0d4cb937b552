#include <gtest/gtest.h>

#include <sstream>

#include "script_driver.h"
#include "script_tokens.h"
#include "window/controls/control_model.h"
#include "window/fields.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

struct ScriptRun {
    int status;
    std::string out;
};

ScriptRun run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    const int status = runScript(in, out, "/nonexistent");
    return {status, out.str()};
}

// The lines a script printed, less the web panels' navigations that every
// start-up reports.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (l.rfind("navigate ", 0) != 0) all.push_back(l);
    }
    return all;
}

const char* const kProperties[] = {"caption", "visible", "enabled", "forecolor", "backcolor",
                                   "highlight", "value",  "left",    "top",       "width",
                                   "height",  "picture", "fontsize", "focus"};

TEST(ScriptDriver, AnswersEveryPropertyOfEveryControl) {
    ControlModel model;
    buildMainWindow(model);
    std::string script = "start\n";
    std::vector<std::string> prefixes;
    for (const Control& c : model.controls()) {
        for (const char* prop : kProperties) {
            script += "print " + c.name() + (c.index() >= 0 ? " " + std::to_string(c.index()) : "") + " " + prop + "\n";
            prefixes.push_back(c.label() + "." + prop + " = ");
        }
    }
    const ScriptRun r = run(script);
    ASSERT_EQ(r.status, 0) << r.out.substr(0, 400);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), prefixes.size());
    for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i].rfind(prefixes[i], 0), 0u) << out[i];
}

TEST(ScriptDriver, AnswersEveryField) {
    std::string script = "start\n";
    for (const std::string& name : fieldNames()) {
        script += "field " + name + (fieldIsIndexed(name) ? " 0" : "") + "\n";
    }
    const ScriptRun r = run(script);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(lines(r.out).size(), fieldNames().size());
    EXPECT_NE(r.out.find("CaseTirage1 = -1\n"), std::string::npos);
    EXPECT_NE(r.out.find("CaseFermée(0) = false\n"), std::string::npos);
    EXPECT_NE(r.out.find("FigureTirage1 = \"\"\n"), std::string::npos);
}

// The forms of the values (quoted captions, colours, pictures, fields) are
// in every scenario's expected output.
TEST(ScriptDriver, WrongLinesStopWithStatusTwo) {
    const char* const wrong[] = {
        "start\nfrobnicate\n",          "start\nprint Nope caption\n",   "start\nprint Cases 99 caption\n",
        "start\nprint Cases caption\n", "start\nprint Ok 3 caption\n",   "start\nprint Ok colour\n",
        "start\nfield Nope\n",          "start\nfield Dés 5\n",          "start\nfield NuméroJet 1\n",
        "click Ok\n",                   "start\nstart\n",                "start\nseed 3\n",
        "start\nkey F1\n",              "dice 7\n",                      "now 2026-13-01 10:00:00\n",
        "start\nclick Pointeur 11\n",   "start\nprint \"Cases 3 caption\n", "start\ntick Nope\n",
    };
    for (const char* script : wrong) {
        const ScriptRun r = run(script);
        EXPECT_EQ(r.status, 2) << script;
        ASSERT_FALSE(r.out.empty()) << script;
        EXPECT_EQ(lines(r.out).back().rfind("error: ", 0), 0u) << script << r.out;
    }
}

TEST(ScriptDriver, BlankAndCommentLinesAreSkippedAndQueriesFollowTheScript) {
    const ScriptRun r = run("\n# a comment\n   \nstart\n  # indented comment\nfield NuméroTirage\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out), std::vector<std::string>{"NuméroTirage = 0"});
}

// A line past the longest the driver takes is refused before it is read
// whole; one just at the limit is an ordinary (here unknown) line.
TEST(ScriptDriver, RefusesALineTooLong) {
    const std::string atLimit(kLongestLine, 'x');
    ScriptRun r = run("start\n" + atLimit + "\nfield NuméroJet\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("error: unknown command xxx"), std::string::npos);
    r = run("# first\n" + atLimit + "y\nstart\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "error: line too long\n");
    // The last line needs no line end.
    EXPECT_EQ(lines(run("start\nfield NuméroJet").out), std::vector<std::string>{"NuméroJet = 0"});
}

TEST(ScriptTokens, QuotesGroupAndEscape) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitScriptLine("click  Cases\t35"), (V{"click", "Cases", "35"}));
    EXPECT_EQ(splitScriptLine(R"(text "JEAN LUC")"), (V{"text", "JEAN LUC"}));
    EXPECT_EQ(splitScriptLine(R"(text "a \"b\" \\ c")"), (V{"text", "a \"b\" \\ c"}));
    EXPECT_EQ(splitScriptLine(R"(text "")"), (V{"text", ""}));
    EXPECT_EQ(splitScriptLine("   "), V{});
    EXPECT_FALSE(splitScriptLine(R"(text "open)").has_value());
}

}  // namespace
}  // namespace dravonelle
