#include "ui/qt/picture_store.h"

#include <QGuiApplication>
#include <QPainter>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/qt/picture_art.h"

namespace dravonelle {
namespace {

// The number between the parentheses of "GrosDésImage(13)".
std::optional<int> storeIndex(std::string_view name, std::string_view store) {
    if (name.size() < store.size() + 3 || name.substr(0, store.size()) != store) return std::nullopt;
    if (name[store.size()] != '(' || name.back() != ')') return std::nullopt;
    const std::string_view digits = name.substr(store.size() + 1, name.size() - store.size() - 2);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// Each picture is painted at the largest size the window shows it: the big
// dice 62 × 59, the small ones 28 × 28, the portraits as in the menu (the
// button and the first place show them a little smaller), the tools and the
// lights as on the tool bar, where the lock shows a light.
constexpr QSizeF kBigDie{62, 59}, kSmallDie{28, 28}, kPortrait{56, 56}, kTool{48, 48};

using Painting = std::function<void(QPainter&, QSizeF)>;

struct Recipe {
    QSizeF size;
    Painting paint;
};

bool isTool(std::string_view name) {
    static constexpr std::string_view kTools[] = {
        "InfosImage", "NoInfosImage", "SonsImage", "NoSonsImges", "AnimeImage", "NoAnimeImage",
        "Lighton",    "Lightoff",     "Paramètres", "Règles",     "Iconify",    "Halte"};
    for (std::string_view tool : kTools) {
        if (tool == name) return true;
    }
    return false;
}

std::optional<Recipe> recipeFor(std::string_view name) {
    for (auto [store, size] : {std::pair{std::string_view("GrosDésImage"), kBigDie},
                               std::pair{std::string_view("PetitsDésImage"), kSmallDie}}) {
        if (const auto index = storeIndex(name, store)) {
            const int set = *index / 10, face = *index % 10;
            if (set < 1 || set > art::kDiceSets || face < 1 || face > 6) return std::nullopt;
            return Recipe{size, [set, face](QPainter& p, QSizeF s) { art::paintDie(p, s, set, face); }};
        }
    }
    if (const auto light = storeIndex(name, "FeuxDés")) {
        if (*light != 5 && *light != 6) return std::nullopt;
        const bool onTable = *light == 6;
        return Recipe{kTool, [onTable](QPainter& p, QSizeF s) { art::paintLight(p, s, onTable); }};
    }
    if (const auto set = storeIndex(name, "DésImage")) {
        if (*set < 1 || *set > art::kDiceSets) return std::nullopt;
        const int chosen = *set;
        return Recipe{kTool, [chosen](QPainter& p, QSizeF s) { art::paintDiceSetSign(p, s, chosen); }};
    }
    if (const auto number = storeIndex(name, "Personnages")) {
        if (*number < 0 || *number > art::kCharacters) return std::nullopt;
        const int who = *number;
        return Recipe{kPortrait, [who](QPainter& p, QSizeF s) { art::paintPortrait(p, s, who); }};
    }
    if (!isTool(name)) return std::nullopt;
    const std::string tool(name);
    return Recipe{kTool, [tool](QPainter& p, QSizeF s) { art::paintTool(p, s, tool); }};
}

}  // namespace

QPixmap paintPicture(const std::string& name, qreal pixelRatio) {
    const auto recipe = recipeFor(name);
    if (!recipe) return {};
    const QSize device(static_cast<int>(std::ceil(recipe->size.width() * pixelRatio)),
                       static_cast<int>(std::ceil(recipe->size.height() * pixelRatio)));
    QPixmap pixmap(device);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    recipe->paint(p, recipe->size);
    return pixmap;
}

const QPixmap& PictureStore::pixmap(const std::string& name) {
    auto it = cache_.find(name);
    if (it == cache_.end()) {
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        it = cache_.emplace(name, paintPicture(name, ratio)).first;
    }
    return it->second;
}

}  // namespace dravonelle
