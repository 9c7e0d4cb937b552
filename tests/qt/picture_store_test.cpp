// Every picture the window can show is stored by the build at both scales as
// the very picture the game paints, and shows something; the store reads its
// folder, the @2x file on a sharp screen, and paints what is missing or
// broken; pictures that mean different things look different.
#include "qt/picture_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <set>

#include "window/controls/control_model.h"
#include "qt/picture_recipes.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

const QString kBuildPictures = QStringLiteral(DRAVONELLE_PICTURE_FOLDER);

QImage argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }
QImage painted(const std::string& name, qreal ratio = 1) { return argb(paintPicture(name, ratio).toImage()); }

// How many pixels differ between two pictures; more than all when the sizes do.
int differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// The build's list names every picture a control of the window starts with
// (the dice, portraits and lights the game copies are such controls), once.
TEST(PictureStore, TheBuildStoresEveryPictureOfTheGameAsPainted) {
    ControlModel model;
    buildMainWindow(model);
    const std::vector<std::string>& names = allPictureNames();
    const std::set<std::string> listed(names.begin(), names.end());
    EXPECT_EQ(listed.size(), names.size());
    for (const Control& c : model.controls())
        EXPECT_TRUE(c.design().picture.empty() || listed.count(c.design().picture)) << c.label();
    for (const std::string& name : names) {
        for (const int scale : {1, 2}) {
            const QImage stored(QDir(kBuildPictures).filePath(pictureFileName(name, scale)), "png");
            EXPECT_EQ(stored.size(), pictureSize(name, scale).value_or(QSize(-1, -1)))
                << name << " @" << scale;
            EXPECT_EQ(differing(argb(stored), painted(name, scale)), 0) << name << " @" << scale;
        }
        QImage flat = painted(name);
        flat.fill(flat.pixel(0, 0));
        EXPECT_GT(differing(painted(name), flat), 0) << name << " is one flat colour";
    }
}

// A good file of the store's folder is what it serves, the @2x one on a
// screen above one pixel; a file gone, empty, not a PNG, cut short or of the
// wrong size leaves the picture painted; an unknown name has no picture.
TEST(PictureStore, ServesItsFolderAndPaintsWhatIsMissingOrBroken) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    const int scale = ratio > 1 ? 2 : 1;
    QTemporaryDir folder;
    QFile cut(QDir(kBuildPictures).filePath(pictureFileName("Personnages(3)", scale)));
    ASSERT_TRUE(cut.open(QIODevice::ReadOnly));
    for (const auto& [name, bytes] : {std::pair<std::string, QByteArray>{"Halte", "not a picture at all"},
                                      {"Iconify", {}},
                                      {"Règles", cut.read(200)}}) {
        QFile file(folder.filePath(pictureFileName(name, scale)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QImage red(*pictureSize("GrosDésImage(11)", scale), QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.filePath(pictureFileName("GrosDésImage(11)", scale)), "png"));
    ASSERT_TRUE(
        QImage(10, 10, QImage::Format_ARGB32).save(folder.filePath(pictureFileName("Lighton", scale))));

    PictureStore store(folder.path());
    EXPECT_EQ(differing(argb(store.pixmap("GrosDésImage(11)").toImage()), red), 0);
    for (const std::string name : {"Halte", "Iconify", "Règles", "Lighton", "Personnages(7)"}) {
        EXPECT_TRUE(loadPicture(folder.path(), name, ratio).isNull()) << name;
        EXPECT_EQ(differing(argb(store.pixmap(name).toImage()), painted(name, ratio)), 0) << name;
    }
    for (const char* name :
         {"", "Rien", "GrosDésImage(17)", "GrosDésImage(45)", "Personnages(25)", "DésImage(4)"})
        EXPECT_TRUE(store.pixmap(name).isNull()) << name;
    const QPixmap sharp = loadPicture(kBuildPictures, "GrosDésImage(25)", 1.25);
    EXPECT_EQ(sharp.devicePixelRatio(), 2);
    EXPECT_EQ(differing(argb(sharp.toImage()), painted("GrosDésImage(25)", 2)), 0);
    EXPECT_EQ(loadPicture(kBuildPictures, "GrosDésImage(25)", 1).size(), QSize(62, 59));
}

// The three dice sets differ on every face, the faces of a die differ, every
// character has a face of its own, and the held die's light is red.
TEST(PictureStore, PicturesThatMeanDifferentThingsLookDifferent) {
    const auto die = [](const char* store, int set, int face) {
        return painted(std::string(store) + "(" + std::to_string(set * 10 + face) + ")");
    };
    for (int face = 1; face <= 6; ++face) {
        for (const char* store : {"GrosDésImage", "PetitsDésImage"})
            for (const auto& [a, b] : {std::pair{1, 2}, {1, 3}, {2, 3}})
                EXPECT_GT(differing(die(store, a, face), die(store, b, face)),
                          die(store, a, face).width() * die(store, a, face).height() / 3)
                    << store << " face " << face << ", sets " << a << " and " << b;
        EXPECT_TRUE(face == 1 || differing(die("GrosDésImage", 1, 1), die("GrosDésImage", 1, face)) > 20)
            << face;
    }
    std::vector<QImage> faces;
    for (int i = 0; i <= 24; ++i) faces.push_back(painted("Personnages(" + std::to_string(i) + ")"));
    for (std::size_t a = 0; a < faces.size(); ++a)
        for (std::size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_GT(differing(faces[a], faces[b]), 56 * 56 / 4) << "characters " << a << " and " << b;
    const QColor held = painted("FeuxDés(6)").pixelColor(painted("FeuxDés(6)").rect().center());
    const QColor free = painted("FeuxDés(5)").pixelColor(painted("FeuxDés(5)").rect().center());
    EXPECT_GT(held.red(), 2 * held.green());
    EXPECT_LT(free.red(), free.green() + 20);
}

}  // namespace
}  // namespace dravonelle
