#include "advisor/mains.h"

#include "rules/cell_value.h"
#include "rules/sheet_index.h"

namespace dravonelle::conseil {

namespace {

// A set's key: how many of each face, in base 6.
int clé(const std::array<int, 6>& c) {
    int k = 0;
    for (int f = 5; f >= 0; --f) k = 6 * k + c[static_cast<std::size_t>(f)];
    return k;
}

constexpr int kClés = 6 * 6 * 6 * 6 * 6 * 6;

std::array<std::int16_t, kClés>& tableDesClés() {
    static std::array<std::int16_t, kClés> t{};
    return t;
}

Mains construit() {
    Mains m;
    auto& parClé = tableDesClés();
    parClé.fill(-1);
    int n = 0, h = 0;
    std::array<int, 6> c{};
    for (c[0] = 0; c[0] <= 5; ++c[0])
        for (c[1] = 0; c[0] + c[1] <= 5; ++c[1])
            for (c[2] = 0; c[0] + c[1] + c[2] <= 5; ++c[2])
                for (c[3] = 0; c[0] + c[1] + c[2] + c[3] <= 5; ++c[3])
                    for (c[4] = 0; c[0] + c[1] + c[2] + c[3] + c[4] <= 5; ++c[4])
                        for (c[5] = 0; c[0] + c[1] + c[2] + c[3] + c[4] + c[5] <= 5; ++c[5]) {
                            const auto g = static_cast<std::size_t>(n);
                            int taille = 0;
                            for (std::size_t f = 0; f < 6; ++f) {
                                m.compte[g][f] = static_cast<std::int8_t>(c[f]);
                                taille += c[f];
                            }
                            m.taille[g] = static_cast<std::int8_t>(taille);
                            m.mainDeGarde[g] = -1;
                            if (taille == 5) {
                                m.mainDeGarde[g] = static_cast<std::int16_t>(h);
                                m.gardeDeMain[static_cast<std::size_t>(h)] = static_cast<std::int16_t>(n);
                                ++h;
                            }
                            parClé[static_cast<std::size_t>(clé(c))] = static_cast<std::int16_t>(n);
                            ++n;
                        }

    // The hands: their dice, sums and points.
    for (std::size_t i = 0; i < kMains; ++i) {
        const auto& cg = m.compte[static_cast<std::size_t>(m.gardeDeMain[i])];
        std::size_t d = 0;
        for (int f = 0; f < 6; ++f)
            for (int j = 0; j < cg[static_cast<std::size_t>(f)]; ++j) m.dés[i][d++] = f + 1;
        int s = 0;
        for (int v : m.dés[i]) s += v;
        m.somme[i] = s;
        m.mainDeSomme[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(i);
        for (int r : sheet::kRows) {
            CellQuery q;
            q.cell = sheet::cell(sheet::Libre, r);
            m.points[i][static_cast<std::size_t>(r)] = valueCell(m.dés[i], q).points;
        }
    }

    // What throwing the other dice gives: every set of the dice thrown, with
    // its multinomial weight over 6^n.
    for (std::size_t g = 0; g < kGardes; ++g) {
        m.débutIssues.push_back(static_cast<int>(m.issues.size()));
        const int lancés = 5 - m.taille[g];
        double total = 1;
        for (int i = 0; i < lancés; ++i) total *= 6;
        for (std::size_t t = 0; t < kGardes; ++t) {
            if (m.taille[t] != lancés) continue;
            // n! / (c1! ... c6!) orders give this set.
            double façons = 1;
            int k = 0;
            std::array<int, 6> somme{};
            for (std::size_t f = 0; f < 6; ++f) {
                for (int j = 1; j <= m.compte[t][f]; ++j) façons = façons * (++k) / j;
                somme[f] = m.compte[g][f] + m.compte[t][f];
            }
            m.issues.push_back({m.mainDeGarde[static_cast<std::size_t>(m.garde(somme))], façons / total});
        }
    }
    m.débutIssues.push_back(static_cast<int>(m.issues.size()));

    // The sets each hand can keep, the largest first.
    for (std::size_t i = 0; i < kMains; ++i) {
        m.débutSous.push_back(static_cast<int>(m.sous.size()));
        const auto& cm = m.compte[static_cast<std::size_t>(m.gardeDeMain[i])];
        for (int taille = 5; taille >= 0; --taille) {
            for (std::size_t g = 0; g < kGardes; ++g) {
                if (m.taille[g] != taille) continue;
                bool dedans = true;
                for (std::size_t f = 0; f < 6; ++f) dedans = dedans && m.compte[g][f] <= cm[f];
                if (dedans) m.sous.push_back(static_cast<std::int16_t>(g));
            }
        }
    }
    m.débutSous.push_back(static_cast<int>(m.sous.size()));
    return m;
}

}  // namespace

int Mains::garde(const std::array<int, 6>& c) const { return tableDesClés()[static_cast<std::size_t>(clé(c))]; }

int Mains::main(const Dice& d) const {
    std::array<int, 6> c{};
    for (int v : d) ++c[static_cast<std::size_t>(v - 1)];
    return mainDeGarde[static_cast<std::size_t>(garde(c))];
}

const Mains& mains() {
    static const Mains m = construit();
    return m;
}

void espérances(const ParMain& v, ParGarde& e) {
    const Mains& m = mains();
    for (std::size_t g = 0; g < kGardes; ++g) {
        double s = 0;
        for (int i = m.débutIssues[g]; i < m.débutIssues[g + 1]; ++i) {
            const Issue& is = m.issues[static_cast<std::size_t>(i)];
            s += is.probabilité * v[static_cast<std::size_t>(is.main)];
        }
        e[g] = s;
    }
}

}  // namespace dravonelle::conseil
