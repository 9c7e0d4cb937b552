#include "qt/picture_recipes.h"

#include <QPainter>
#include <cmath>
#include <functional>
#include <map>

#include "qt/picture_art.h"

namespace dravonelle {
namespace {

// Each picture is painted at the largest size the window shows it: the big
// dice 62 × 59, the small ones 28 × 28, the portraits as in the menu (the
// button and the first place show them a little smaller), the tools and the
// lights as on the tool bar, where the lock shows a light.
constexpr QSizeF kBigDie{62, 59}, kSmallDie{28, 28}, kPortrait{56, 56}, kTool{48, 48};
// The logo page's background, as the offline panel and the consent window
// both show it (window_layout_web.cpp).
constexpr QSizeF kLogoBackground{400, 156};

using Painting = std::function<void(QPainter&, QSizeF)>;

struct Recipe {
    QSizeF size;
    Painting paint;
};

using Recipes = std::map<std::string, Recipe, std::less<>>;

std::string indexed(std::string_view store, int index) {
    return std::string(store) + "(" + std::to_string(index) + ")";
}

Recipes makeRecipes() {
    Recipes recipes;
    // The dice stores: ten times the set plus the face.
    for (int set = 1; set <= art::kDiceSets; ++set) {
        for (int face = 1; face <= 6; ++face) {
            const Painting die = [set, face](QPainter& p, QSizeF s) { art::paintDie(p, s, set, face); };
            recipes.emplace(indexed("GrosDésImage", set * 10 + face), Recipe{kBigDie, die});
            recipes.emplace(indexed("PetitsDésImage", set * 10 + face), Recipe{kSmallDie, die});
        }
        recipes.emplace(indexed("DésImage", set),
                        Recipe{kTool, [set](QPainter& p, QSizeF s) { art::paintDiceSetSign(p, s, set); }});
    }
    // The light under a die: 6 while it stands on the table, 5 once taken back.
    for (const int light : {5, 6}) {
        recipes.emplace(indexed("FeuxDés", light),
                        Recipe{kTool, [light](QPainter& p, QSizeF s) { art::paintLight(p, s, light == 6); }});
    }
    for (int who = 0; who <= art::kCharacters; ++who) {
        recipes.emplace(indexed("Personnages", who),
                        Recipe{kPortrait, [who](QPainter& p, QSizeF s) { art::paintPortrait(p, s, who); }});
    }
    for (const char* tool : {"InfosImage", "NoInfosImage", "SonsImage", "NoSonsImges", "AnimeImage", "NoAnimeImage",
                             "Lighton", "Lightoff", "Paramètres", "Règles", "Iconify", "Halte", "Conseil"}) {
        const std::string name(tool);
        recipes.emplace(name, Recipe{kTool, [name](QPainter& p, QSizeF s) { art::paintTool(p, s, name); }});
    }
    recipes.emplace("LogoFond", Recipe{kLogoBackground, art::paintLogoBackground});
    return recipes;
}

const Recipes& recipes() {
    static const Recipes all = makeRecipes();
    return all;
}

const Recipe* recipeFor(std::string_view name) {
    const auto it = recipes().find(name);
    return it == recipes().end() ? nullptr : &it->second;
}

QSize deviceSize(const Recipe& recipe, qreal pixelRatio) {
    return QSize(static_cast<int>(std::ceil(recipe.size.width() * pixelRatio)),
                 static_cast<int>(std::ceil(recipe.size.height() * pixelRatio)));
}

}  // namespace

const std::vector<std::string>& allPictureNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& [name, recipe] : recipes()) all.push_back(name);
        return all;
    }();
    return names;
}

std::optional<QSize> pictureSize(std::string_view name, qreal pixelRatio) {
    const Recipe* recipe = recipeFor(name);
    if (!recipe) return std::nullopt;
    return deviceSize(*recipe, pixelRatio);
}

QPixmap paintPicture(std::string_view name, qreal pixelRatio) {
    const Recipe* recipe = recipeFor(name);
    if (!recipe) return {};
    QPixmap pixmap(deviceSize(*recipe, pixelRatio));
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    recipe->paint(p, recipe->size);
    return pixmap;
}

QString pictureFileName(std::string_view name, int scale) {
    const QString base = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return scale == 1 ? base + QStringLiteral(".png") : base + QStringLiteral("@%1x.png").arg(scale);
}

}  // namespace dravonelle
