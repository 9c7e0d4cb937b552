#include "window/fields.h"

#include <functional>
#include <map>

#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

using Scalar = std::function<FieldValue(const JeuYam&)>;
struct Indexed {
    int size;
    std::function<FieldValue(const JeuYam&, int)> read;
};

#define SCALAR(f) {#f, [](const JeuYam& j) -> FieldValue { return j.f; }}
#define JEU(f) {#f, [](const JeuYam& j) -> FieldValue { return j.partie.f; }}

const std::map<std::string, Scalar, std::less<>>& scalars() {
    static const std::map<std::string, Scalar, std::less<>> table{
        JEU(NuméroJet),      JEU(JetDuRésultat),    JEU(NuméroTirage),  JEU(ModeTirage),
        JEU(CaseAnnoncée),   JEU(CaseAnnulable),    JEU(CaseÉvaluée),   JEU(CaseChoisie),
        JEU(DernièreCase),   JEU(Points),           JEU(DerniersCoupsSecs), JEU(ChoixAuto),
        JEU(AnnonceAuto),    JEU(CaseTirage1),      JEU(CaseTirage2),   JEU(PointsTirage1),
        JEU(PointsTirage2),  JEU(FigureTirage1),    JEU(FigureTirage2), JEU(TourJoué),
        JEU(ChoixBloqué),    JEU(ChoixValeur29),    JEU(CarréSec),      JEU(YamSec),
        JEU(PartieEnCours),  JEU(Assistée), JEU(DéChoisi),         JEU(SommeChiffres), JEU(MessageCase),
        SCALAR(SansBulles),     SCALAR(SansSons),         SCALAR(SansAnimation), SCALAR(Verrouillé),
        SCALAR(JeuDeDés),       SCALAR(PageRègles),       SCALAR(MessageBulle),     SCALAR(MessagePrécédent), SCALAR(MessageChoisi),
        SCALAR(NomBruit),       SCALAR(RangObtenu),       SCALAR(TotalTerminées), SCALAR(TotalAbandons),
        SCALAR(PersonnageCourant), SCALAR(PersonnageDépart), SCALAR(DernierSurvolé), SCALAR(PanneauAffiché),
    };
    return table;
}

#define ARRAY(f)                                                                     \
    {                                                                                \
        #f, Indexed {                                                                \
            static_cast<int>(std::tuple_size_v<decltype(JeuYam::f)>),                \
                [](const JeuYam& j, int i) -> FieldValue {                           \
                    return j.f[static_cast<std::size_t>(i)];                         \
                }                                                                    \
        }                                                                            \
    }

#define JEU_ARRAY(f)                                                                 \
    {                                                                                \
        #f, Indexed {                                                                \
            static_cast<int>(std::tuple_size_v<decltype(Partie::f)>),                \
                [](const JeuYam& j, int i) -> FieldValue {                           \
                    return j.partie.f[static_cast<std::size_t>(i)];                  \
                }                                                                    \
        }                                                                            \
    }

const std::map<std::string, Indexed, std::less<>>& arrays() {
    static const std::map<std::string, Indexed, std::less<>> table{
        JEU_ARRAY(Dés), JEU_ARRAY(DésGardés), JEU_ARRAY(DésTriés), JEU_ARRAY(CaseFermée), JEU_ARRAY(ChancesFigures),
        ARRAY(NomsPersonnages), ARRAY(TerminéesPar), ARRAY(AbandonsPar), JEU_ARRAY(CompteursCréation),
        ARRAY(ClassementPersonnage), ARRAY(ClassementDate), ARRAY(ClassementScore), ARRAY(PersonnagesClassés),
    };
    return table;
}

}  // namespace

FieldLookup readField(const JeuYam& jeu, const std::string& name, int index) {
    if (auto it = scalars().find(name); it != scalars().end()) {
        if (index >= 0) return {FieldLookup::Status::BadIndex, {}};
        return {FieldLookup::Status::Ok, it->second(jeu)};
    }
    if (auto it = arrays().find(name); it != arrays().end()) {
        if (index < 0 || index >= it->second.size) return {FieldLookup::Status::BadIndex, {}};
        return {FieldLookup::Status::Ok, it->second.read(jeu, index)};
    }
    return {FieldLookup::Status::UnknownField, {}};
}

bool fieldIsIndexed(const std::string& name) { return arrays().count(name) != 0; }

std::vector<std::string> fieldNames() {
    std::vector<std::string> names;
    for (const auto& [name, _] : scalars()) names.push_back(name);
    for (const auto& [name, _] : arrays()) names.push_back(name);
    return names;
}

}  // namespace dravonelle
