#include "script_driver.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "script_tokens.h"
#include "window/controls/control_model.h"
#include "window/fields.h"
#include "window/jeu_yam.h"
#include "platform/scripted_platform.h"

namespace dravonelle {
namespace {

struct ScriptError {
    std::string message;
    int status = 2;
};

// A token as an error message repeats it: at most 80 characters, cut
// between two characters, never inside one.
std::string echo(const std::string& token) {
    std::size_t end = 0;
    for (int chars = 0; end < token.size() && chars < 80; ++chars) {
        ++end;
        while (end < token.size() && (static_cast<unsigned char>(token[end]) & 0xC0) == 0x80) ++end;
    }
    return end < token.size() ? token.substr(0, end) + "…" : token;
}

std::optional<int> toInt(const std::string& token) {
    int value = 0;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

int needInt(const std::string& token, int low, int high) {
    auto v = toInt(token);
    if (!v || *v < low || *v > high) throw ScriptError{"bad number " + echo(token)};
    return *v;
}

std::string colorText(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

std::string boolText(bool b) { return b ? "true" : "false"; }

std::string valueText(const FieldValue& v) {
    if (auto* i = std::get_if<int>(&v)) return std::to_string(*i);
    if (auto* b = std::get_if<bool>(&v)) return boolText(*b);
    return quoted(std::get<std::string>(v));
}

std::optional<std::string> property(const Control& c, const std::string& prop) {
    if (prop == "caption") return quoted(c.caption());
    if (prop == "visible") return boolText(c.visible());
    if (prop == "enabled") return boolText(c.enabled());
    if (prop == "forecolor") return colorText(c.forecolor());
    if (prop == "backcolor") return colorText(c.backcolor());
    if (prop == "highlight") return boolText(c.highlight());
    if (prop == "value") return std::to_string(c.value());
    if (prop == "left") return std::to_string(c.left());
    if (prop == "top") return std::to_string(c.top());
    if (prop == "width") return std::to_string(c.width());
    if (prop == "height") return std::to_string(c.height());
    if (prop == "picture") return c.picture().empty() ? std::string("none") : c.picture();
    if (prop == "fontsize") return std::to_string(c.fontsize());
    if (prop == "focus") return boolText(c.hasFocus());
    return std::nullopt;
}

}  // namespace

class ScriptSession::Driver {
public:
    Driver(std::ostream& out, const std::filesystem::path& folder) : out_(out), platform_(out, folder) {}

    JeuYam* jeu() const { return jeu_.get(); }

    // Runs one tokenised line; answers false once the game has ended.
    bool run(const std::vector<std::string>& t) {
        const std::string& cmd = t[0];
        if (setUp(cmd, t)) return true;
        if (cmd == "start") {
            start(t);
        } else if (cmd == "print") {
            print(t);
        } else if (cmd == "field") {
            field(t);
        } else {
            event(cmd, t);
        }
        if (platform_.exited()) {
            out_ << "exit\n";
            return false;
        }
        return true;
    }

private:
    void arity(const std::vector<std::string>& t, std::size_t low, std::size_t high) {
        if (t.size() < low || t.size() > high) throw ScriptError{"wrong number of arguments to " + echo(t[0])};
    }

    // Commands that set up the platform; some may also come after start.
    bool setUp(const std::string& cmd, const std::vector<std::string>& t) {
        if (cmd == "screen") {
            beforeStart(cmd);
            arity(t, 5, 5);
            platform_.setScreen({needInt(t[1], 1, 100000), needInt(t[2], 1, 100000), needInt(t[3], 1, 64),
                                 needInt(t[4], 0, 1000)});
        } else if (cmd == "seed") {
            beforeStart(cmd);
            arity(t, 2, 2);
            unsigned long long seed = 0;
            const char* end = t[1].data() + t[1].size();
            auto [ptr, ec] = std::from_chars(t[1].data(), end, seed);
            if (ec != std::errc() || ptr != end) throw ScriptError{"bad seed " + echo(t[1])};
            platform_.setSeed(seed);
        } else if (cmd == "now") {
            arity(t, 3, 3);
            platform_.setNow(parseTime(t[1], t[2]));
        } else if (cmd == "online") {
            arity(t, 2, 2);
            platform_.setOnline(yesNo(t[1]));
        } else if (cmd == "dice") {
            arity(t, 2, 1000);
            for (std::size_t i = 1; i < t.size(); ++i) platform_.queueFace(needInt(t[i], 1, 6));
        } else if (cmd == "answer") {
            arity(t, 2, 2);
            platform_.queueYesNo(yesNo(t[1]));
        } else if (cmd == "text") {
            arity(t, 2, 2);
            platform_.queueText(t[1]);
        } else if (cmd == "cancel") {
            arity(t, 1, 1);
            platform_.queueText(std::nullopt);
        } else {
            return false;
        }
        return true;
    }

    void beforeStart(const std::string& cmd) {
        if (jeu_) throw ScriptError{echo(cmd) + " must come before start"};
    }

    static bool yesNo(const std::string& word) {
        if (word == "yes") return true;
        if (word == "no") return false;
        throw ScriptError{"expected yes or no, not " + echo(word)};
    }

    static int daysIn(int year, int month) {
        if (month < 1 || month > 12) return 0;
        static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return days[month - 1] + (month == 2 && leap ? 1 : 0);
    }

    static DateTime parseTime(const std::string& date, const std::string& time) {
        int y, mo, d, h, mi, s;
        char tail;
        if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &y, &mo, &d, &tail) != 3 ||
            std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &h, &mi, &s, &tail) != 3 || mo < 1 || mo > 12 || d < 1 ||
            d > daysIn(y, mo) || h > 23 || mi > 59 || s > 59 || y < 1601 || h < 0 || mi < 0 || s < 0) {
            throw ScriptError{"bad time " + echo(date) + " " + echo(time)};
        }
        return DateTime{y, mo, d, h, mi, s, weekdayOf(y, mo, d)};
    }

    void start(const std::vector<std::string>& t) {
        arity(t, 1, 1);
        beforeStart("start");
        platform_handles_ = std::make_unique<Platform>(platform_.platform());
        jeu_ = std::make_unique<JeuYam>(model_, *platform_handles_);
        jeu_->surConseil = [this](const std::string& line) { out_ << line << '\n'; };
        jeu_->Form_Load();
    }

    JeuYam& started(const std::string& cmd) {
        if (!jeu_) throw ScriptError{echo(cmd) + " before start"};
        return *jeu_;
    }

    // The window a control name belongs to: the consent window's names are
    // its own while it waits for the player, and wherever the main window
    // has no control of that name.
    ControlModel* windowOf(const std::string& name) {
        ControlModel* consent = jeu_ ? &jeu_->consentement() : nullptr;
        if (consent && consent->hasName(name) && jeu_->consentementAttendu()) return consent;
        if (model_.hasName(name)) return &model_;
        if (consent && consent->hasName(name)) return consent;
        return nullptr;
    }

    // NAME [I] at t[first]: the control, checked.
    Control& control(const std::vector<std::string>& t, std::size_t first, std::size_t count) {
        const std::string& name = t[first];
        ControlModel* window = windowOf(name);
        if (!window) throw ScriptError{"unknown control " + echo(name)};
        const bool isArray = window->isArray(name);
        if (isArray != (count == 2)) {
            throw ScriptError{isArray ? echo(name) + " needs an index" : echo(name) + " takes no index"};
        }
        Control* c = window->find(name, isArray ? needInt(t[first + 1], -32768, 32767) : -1);
        if (!c) throw ScriptError{"no index " + echo(t[first + 1]) + " in " + echo(name)};
        return *c;
    }

    void print(const std::vector<std::string>& t) {
        started("print");
        arity(t, 3, 4);
        Control& c = control(t, 1, t.size() - 2);
        auto value = property(c, t.back());
        if (!value) throw ScriptError{"unknown property " + echo(t.back())};
        out_ << c.label() << '.' << t.back() << " = " << *value << '\n';
    }

    void field(const std::vector<std::string>& t) {
        JeuYam& jeu = started("field");
        arity(t, 2, 3);
        int index = -1;
        if (t.size() == 3) index = needInt(t[2], 0, 32767);
        const FieldLookup f = readField(jeu, t[1], index);
        if (f.status == FieldLookup::Status::UnknownField) throw ScriptError{"unknown field " + echo(t[1])};
        if (f.status == FieldLookup::Status::BadIndex) throw ScriptError{"bad index for field " + echo(t[1])};
        out_ << t[1];
        if (index >= 0) out_ << '(' << index << ')';
        out_ << " = " << valueText(f.value) << '\n';
    }

    Event pointed(EventKind kind, const std::vector<std::string>& t) {
        arity(t, 2, 3);
        if (t[1] == kWindowName && t.size() != 2) throw ScriptError{"JeuYam takes no index"};
        const Control& c = control(t, 1, t.size() - 1);
        return Event{kind, c.name(), c.index()};
    }

    void event(const std::string& cmd, const std::vector<std::string>& t) {
        if (cmd == "click") {
            JeuYam& jeu = started(cmd);
            Event click = pointed(EventKind::Click, t);
            // A person's pointer passes over the control before clicking it.
            if (!lastMove_ || lastMove_->first != click.name || lastMove_->second != click.index) {
                moveTo(jeu, click.name, click.index);
            }
            if (!platform_.exited()) jeu.handle(click);
        } else if (cmd == "move") {
            JeuYam& jeu = started(cmd);
            const Event move = pointed(EventKind::Move, t);
            moveTo(jeu, move.name, move.index);
        } else if (cmd == "key") {
            JeuYam& jeu = started(cmd);
            arity(t, 2, 2);
            jeu.handle(parseKey(t[1]));
        } else if (cmd == "tick") {
            JeuYam& jeu = started(cmd);
            arity(t, 2, 2);
            const Control* timer = model_.hasName(t[1]) && !model_.isArray(t[1]) ? model_.find(t[1]) : nullptr;
            if (!timer || timer->kind() != ControlKind::Timer) throw ScriptError{"unknown timer " + echo(t[1])};
            jeu.handle(Event::tick(t[1]));
        } else if (cmd == "close") {
            JeuYam& jeu = started(cmd);
            arity(t, 1, 1);
            jeu.handle(Event::close());
        } else {
            throw ScriptError{"unknown command " + echo(cmd)};
        }
    }

    void moveTo(JeuYam& jeu, const std::string& name, int index) {
        lastMove_ = std::pair{name, index};
        jeu.handle(Event::move(name, index));
    }

    static Event parseKey(const std::string& k) {
        static const std::map<std::string, Key, std::less<>> kNamed{
            {"Space", Key::Space},   {"Return", Key::Return},     {"Enter", Key::Return},
            {"Tab", Key::Tab},       {"Shift+Tab", Key::BackTab}, {"Up", Key::Up},
            {"Down", Key::Down},     {"Left", Key::Left},         {"Right", Key::Right},
            {"Escape", Key::Escape}, {"F1", Key::F1},             {"PageUp", Key::PageUp},
            {"PageDown", Key::PageDown}};
        if (auto it = kNamed.find(k); it != kNamed.end()) return Event::keyPress(it->second);
        const bool ctrl = k.size() == 6 && k.starts_with("Ctrl+");
        const std::string letter = ctrl ? k.substr(5) : k;
        if (letter.size() == 1 && std::isalpha(static_cast<unsigned char>(letter[0]))) {
            return Event::keyPress(Key::Letter, static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0]))),
                                   ctrl);
        }
        throw ScriptError{"unknown key " + echo(k)};
    }

    std::ostream& out_;
    ScriptedPlatform platform_;
    ControlModel model_;
    std::unique_ptr<Platform> platform_handles_;
    std::unique_ptr<JeuYam> jeu_;
    std::optional<std::pair<std::string, int>> lastMove_;
};

ScriptSession::ScriptSession(std::ostream& out, std::filesystem::path folder)
    : out_(out), driver_(std::make_unique<Driver>(out, folder)) {}

ScriptSession::~ScriptSession() = default;

int ScriptSession::run(std::string line) {
    if (ended_) return 0;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
        // A comment starts with '#' as written: a quoted first token is a
        // word of the script, whatever it holds.
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') return 0;
        auto tokens = splitScriptLine(line);
        if (!tokens) throw ScriptError{"unclosed quote"};
        if (tokens->empty()) return 0;
        if (!driver_->run(*tokens)) ended_ = true;
    } catch (const ScriptError& e) {
        out_ << "error: " << e.message << std::endl;
        return e.status;
    } catch (const NoAnswer& e) {
        out_ << "error: " << e.what() << std::endl;
        return 3;
    }
    return 0;
}

const JeuYam* ScriptSession::jeu() const { return driver_->jeu(); }

namespace {

// Reads one line into LINE, at most kLongestLine bytes of it: false at the
// end of the input, and TOOLONG set when the line goes on past the limit (the
// rest of it is left unread).
bool readLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) return !line.empty();
        if (c == '\n') return true;
        if (line.size() == kLongestLine) {
            tooLong = true;
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
}

}  // namespace

int runScript(std::istream& in, std::ostream& out, const std::filesystem::path& folder) {
    ScriptSession session(out, folder);
    std::string line;
    bool tooLong = false;
    while (!session.ended() && readLine(in, line, tooLong)) {
        if (tooLong) {
            out << "error: line too long" << std::endl;
            return 2;
        }
        if (const int status = session.run(line); status != 0) return status;
    }
    out.flush();
    return 0;
}

}  // namespace dravonelle
