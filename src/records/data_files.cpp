#include "records/data_files.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "records/windows_1252.h"

namespace dravonelle {

namespace {

constexpr int kShortMin = -32768;
constexpr int kShortMax = 32767;

// ---- writing ---------------------------------------------------------------

class Writer {
public:
    void integer(long long n) { line(std::to_string(n)); }
    void boolean(bool b) { line(b ? "#TRUE#" : "#FALSE#"); }
    void text(std::string_view utf8) {
        std::string bytes = utf8ToWindows1252(utf8);
        for (char& b : bytes) {
            if (static_cast<unsigned char>(b) < 0x20 || b == 0x7F) b = '?';
        }
        line('"' + bytes + '"');
    }
    void line(std::string_view l) {
        out_ += l;
        out_ += "\r\n";
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// ---- reading ---------------------------------------------------------------

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<long long> integerIn(std::string_view l, long long min, long long max) {
    if (l.empty()) return 0;
    const bool negative = l.front() == '-';
    if (negative) l.remove_prefix(1);
    // Eleven digits already pass every range; more could overflow.
    if (l.empty() || l.size() > 11) return std::nullopt;
    long long n = 0;
    for (char c : l) {
        if (!isDigit(c)) return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (negative) n = -n;
    if (n < min || n > max) return std::nullopt;
    return n;
}

// The text between the first and the last quote of a quoted line, as bytes.
std::optional<std::string_view> quoted(std::string_view l) {
    if (l.size() < 2 || l.front() != '"' || l.back() != '"') return std::nullopt;
    return l.substr(1, l.size() - 2);
}

bool isNameText(std::string_view t) {
    if (t.size() < 3 || t.size() > 10) return false;
    for (char c : t) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

bool isDateText(std::string_view t) {
    if (t.empty()) return true;
    return t.size() == 9 && isDigit(t[0]) && isDigit(t[1]) && t[2] == '/' && isDigit(t[3]) && isDigit(t[4]) &&
           t[5] == '/' && isDigit(t[6]) && isDigit(t[7]) && t[8] == ' ';
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kMark)) bytes.remove_prefix(kMark.size());
    return bytes;
}

// Hands out the file's values in order; after the first value that is
// missing or unsound it hands out nothing more. On its way out it tells
// REPORT whether every value asked for was sound. A line without its line
// end is taken only as the last of the layout's VALUES: anywhere else the
// file was cut there.
class Reader {
public:
    Reader(std::string_view bytes, int values, ReadReport* report)
        : rest_(withoutByteOrderMark(bytes)), values_(values), report_(report) {}
    ~Reader() {
        if (report_) report_->whole = !stopped_;
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    std::optional<int> integer(int min, int max) {
        const auto n = take(nextLine() ? integerIn(*line_, min, max) : std::nullopt);
        return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
    }
    std::optional<std::int32_t> longInteger(std::int32_t min, std::int32_t max) {
        const auto n = take(nextLine() ? integerIn(*line_, min, max) : std::nullopt);
        return n ? std::optional<std::int32_t>(static_cast<std::int32_t>(*n)) : std::nullopt;
    }
    std::optional<bool> boolean() {
        std::optional<bool> b;
        if (nextLine()) {
            if (*line_ == "#TRUE#") b = true;
            if (*line_ == "#FALSE#") b = false;
        }
        return take(b);
    }
    std::optional<std::string> text(bool (*sound)(std::string_view)) {
        std::optional<std::string> s;
        if (nextLine()) {
            if (const auto t = quoted(*line_); t && sound(*t)) s = windows1252ToUtf8(*t);
        }
        return take(s);
    }

private:
    // Reads the next line once per value; false when there is none or the
    // reading has stopped.
    bool nextLine() {
        if (!line_ && !stopped_) {
            line_ = splitLine();
            ++taken_;
        }
        return line_.has_value();
    }
    std::optional<std::string_view> splitLine() {
        if (rest_.empty()) return std::nullopt;
        const std::size_t end = rest_.find_first_of("\r\n");
        std::string_view l = rest_.substr(0, end);
        if (end == std::string_view::npos) {
            if (taken_ + 1 != values_) return std::nullopt;
            rest_ = {};
        } else {
            const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
            rest_.remove_prefix(end + (crlf ? 2 : 1));
        }
        while (!l.empty() && (l.back() == ' ' || l.back() == '\t')) l.remove_suffix(1);
        return l;
    }
    template <typename T>
    std::optional<T> take(std::optional<T> value) {
        line_.reset();
        if (!value) stopped_ = true;
        return stopped_ ? std::nullopt : value;
    }

    std::string_view rest_;
    int values_;
    int taken_ = 0;
    ReadReport* report_;
    std::optional<std::string_view> line_;
    bool stopped_ = false;
};

std::string fileOfMode(const char* stem, int modeTirage) {
    return std::string(stem) + (modeTirage == 2 ? "2" : "1");
}

}  // namespace

std::string classementFile(int modeTirage) { return fileOfMode("Fichyam", modeTirage); }
std::string infoFile(int modeTirage) { return fileOfMode("Info", modeTirage); }
std::string abandonFile(int modeTirage) { return fileOfMode("Abandon", modeTirage); }

// ---- "Joueurs" ----------------------------------------------------------------

std::string formatJoueurs(const Joueurs& joueurs) {
    Writer w;
    for (int i = 1; i <= kPersonnages; ++i) w.text(joueurs.NomsPersonnages[i]);
    return w.take();
}

Joueurs parseJoueurs(std::string_view bytes, ReadReport* report) {
    Joueurs j = joueursNeufs();
    Reader r(bytes, kPersonnages, report);
    for (int i = 1; i <= kPersonnages; ++i) {
        const auto nom = r.text(isNameText);
        if (!nom) break;
        j.NomsPersonnages[i] = *nom;
    }
    return j;
}

// ---- "Abandon1" / "Abandon2" ------------------------------------------------------

std::string formatAbandons(const Abandons& abandons) {
    Writer w;
    w.integer(abandons.TotalAbandons);
    for (int i = 1; i <= kPersonnages; ++i) w.integer(abandons.AbandonsPar[i]);
    return w.take();
}

Abandons parseAbandons(std::string_view bytes, ReadReport* report) {
    Abandons a;
    Reader r(bytes, 1 + kPersonnages, report);
    const auto total = r.integer(0, kCompteurMax);
    if (!total) return a;
    a.TotalAbandons = *total;
    for (int i = 1; i <= kPersonnages; ++i) {
        const auto n = r.integer(0, kCompteurMax);
        if (!n) break;
        a.AbandonsPar[i] = *n;
    }
    return a;
}

// ---- "Info1" / "Info2" --------------------------------------------------------------

std::string formatInfos(const Infos& infos) {
    Writer w;
    w.integer(infos.TotalTerminées);
    for (int i = 1; i <= kPersonnages; ++i) w.integer(infos.TerminéesPar[i]);
    for (std::int32_t n : infos.CompteursCréation) w.integer(n);
    return w.take();
}

Infos parseInfos(std::string_view bytes, ReadReport* report) {
    Infos f;
    Reader r(bytes, 1 + kPersonnages + kCompteursCréation, report);
    const auto total = r.integer(0, kCompteurMax);
    if (!total) return f;
    f.TotalTerminées = *total;
    for (int i = 1; i <= kPersonnages; ++i) {
        const auto n = r.integer(0, kCompteurMax);
        if (!n) return f;
        f.TerminéesPar[i] = *n;
    }
    for (std::int32_t& compteur : f.CompteursCréation) {
        const auto n = r.longInteger(0, kCompteurLongMax);
        if (!n) break;
        compteur = *n;
    }
    return f;
}

// ---- "Fichyam1" / "Fichyam2" ------------------------------------------------------

std::string formatClassement(const Classement& classement) {
    Writer w;
    for (int k = 1; k <= kRangs; ++k) {
        w.integer(classement.ClassementPersonnage[k]);
        w.text(classement.ClassementDate[k]);
        w.integer(classement.ClassementScore[k]);
    }
    return w.take();
}

Classement parseClassement(std::string_view bytes, ReadReport* report) {
    Classement c;
    Reader r(bytes, 3 * kRangs, report);
    for (int k = 1; k <= kRangs; ++k) {
        const auto personnage = r.integer(0, kPersonnages);
        const auto date = r.text(isDateText);
        const auto score = r.integer(kShortMin, kShortMax);
        if (!personnage || !date || !score) break;
        c.ClassementPersonnage[k] = *personnage;
        c.ClassementDate[k] = *date;
        c.ClassementScore[k] = *score;
    }
    return c;
}

// ---- "Commence" -------------------------------------------------------------------

std::string formatCommence(const Commence& commence) {
    Writer w;
    w.boolean(commence.SansAnimation);
    w.integer(0);
    if (commence.PersonnageDépart == 0) {
        w.line("");
    } else {
        w.integer(commence.PersonnageDépart);
    }
    w.integer(commence.ModeTirage);
    w.boolean(commence.SansBulles);
    w.boolean(commence.SansSons);
    w.boolean(commence.PanneauAffiché);
    w.integer(commence.JeuDeDés);
    w.boolean(commence.Verrouillé);
    return w.take();
}

Commence parseCommence(std::string_view bytes, ReadReport* report) {
    Commence c;
    Reader r(bytes, 9, report);
    // Each value is taken only when it and all before it are sound.
    if (const auto v = r.boolean()) c.SansAnimation = *v;
    r.integer(kShortMin, kShortMax);  // always 0, ignored
    if (const auto v = r.integer(0, kPersonnages)) c.PersonnageDépart = *v;
    if (const auto v = r.integer(0, 2)) c.ModeTirage = *v;
    if (const auto v = r.boolean()) c.SansBulles = *v;
    if (const auto v = r.boolean()) c.SansSons = *v;
    if (const auto v = r.boolean()) c.PanneauAffiché = *v;
    if (const auto v = r.integer(0, 3)) c.JeuDeDés = *v;
    if (const auto v = r.boolean()) c.Verrouillé = *v;
    return c;
}

}  // namespace dravonelle
