#include "ui/fields.h"

#include <functional>
#include <map>

#include "ui/jeu_yam.h"

namespace dravonelle {
namespace {

using Scalar = std::function<FieldValue(const JeuYam&)>;
struct Indexed {
    int size;
    std::function<FieldValue(const JeuYam&, int)> read;
};

#define SCALAR(f) {#f, [](const JeuYam& j) -> FieldValue { return j.f; }}

const std::map<std::string, Scalar, std::less<>>& scalars() {
    static const std::map<std::string, Scalar, std::less<>> table{
        SCALAR(NuméroJet),      SCALAR(JetDuRésultat),    SCALAR(NuméroTirage),  SCALAR(ModeTirage),
        SCALAR(CaseAnnoncée),   SCALAR(CaseAnnulable),    SCALAR(CaseÉvaluée),   SCALAR(CaseChoisie),
        SCALAR(DernièreCase),   SCALAR(Points),           SCALAR(DerniersCoupsSecs), SCALAR(ChoixAuto),
        SCALAR(AnnonceAuto),    SCALAR(CaseTirage1),      SCALAR(CaseTirage2),   SCALAR(PointsTirage1),
        SCALAR(PointsTirage2),  SCALAR(FigureTirage1),    SCALAR(FigureTirage2), SCALAR(TourJoué),
        SCALAR(ChoixBloqué),    SCALAR(ChoixValeur29),    SCALAR(CarréSec),      SCALAR(YamSec),
        SCALAR(PartieEnCours),  SCALAR(DéChoisi),         SCALAR(SommeChiffres), SCALAR(MessageCase),
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

const std::map<std::string, Indexed, std::less<>>& arrays() {
    static const std::map<std::string, Indexed, std::less<>> table{
        ARRAY(Dés), ARRAY(DésGardés), ARRAY(DésTriés), ARRAY(CaseFermée), ARRAY(ChancesFigures),
        ARRAY(NomsPersonnages), ARRAY(TerminéesPar), ARRAY(AbandonsPar), ARRAY(CompteursCréation),
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
