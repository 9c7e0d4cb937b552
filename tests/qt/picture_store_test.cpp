// Every picture the window can show is painted, shows something, and the
// dice sets can be told apart; the build stores each one as PNG at both
// scales, the store serves those files, and paints a picture whose file is
// missing or broken.
#include "qt/picture_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <set>
#include <string>
#include <vector>

#include "window/controls/control_model.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// The design-time pictures of every control of the window, the stores
// included, and every picture the game copies onto them.
std::set<std::string> picturesOfTheGame() {
    ControlModel model;
    buildMainWindow(model);
    std::set<std::string> names;
    for (const Control& c : model.controls()) {
        if (!c.design().picture.empty()) names.insert(c.design().picture);
    }
    for (int set = 1; set <= 3; ++set) {
        for (int face = 1; face <= 6; ++face) {
            names.insert("GrosDésImage(" + std::to_string(set * 10 + face) + ")");
            names.insert("PetitsDésImage(" + std::to_string(set * 10 + face) + ")");
        }
        names.insert("DésImage(" + std::to_string(set) + ")");
    }
    for (int i = 0; i <= 24; ++i) names.insert("Personnages(" + std::to_string(i) + ")");
    for (const char* name : {"FeuxDés(5)", "FeuxDés(6)", "InfosImage", "NoInfosImage", "SonsImage", "NoSonsImges",
                             "AnimeImage", "NoAnimeImage", "Lighton", "Lightoff", "Paramètres", "Règles",
                             "Iconify", "Halte"}) {
        names.insert(name);
    }
    return names;
}

bool uniform(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) return false;
        }
    }
    return true;
}

QImage imageOf(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

QImage imageOf(const std::string& name, qreal ratio = 1) { return imageOf(paintPicture(name, ratio)); }

// The pictures the build made, where the game finds them.
const QString kBuildPictures = QStringLiteral(DRAVONELLE_PICTURE_FOLDER);

// The screen's resolution, as the store sees it (1 offscreen, unless a scale
// factor is set), and the stored file it reads for it.
qreal screenRatio() { return qGuiApp->devicePixelRatio(); }
int storedScale() { return screenRatio() > 1 ? 2 : 1; }

// How many pixels differ between two pictures of the same size.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

// Two pictures pixel for pixel alike.
::testing::AssertionResult alike(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure()
               << "sizes " << a.width() << "×" << a.height() << " and " << b.width() << "×" << b.height();
    }
    const int differing = differingPixels(a, b);
    if (differing > 0) return ::testing::AssertionFailure() << differing << " pixels differ";
    return ::testing::AssertionSuccess();
}

TEST(PictureStore, EveryPictureOfTheGameShowsSomething) {
    PictureStore store(kBuildPictures);
    const std::set<std::string> names = picturesOfTheGame();
    EXPECT_GE(names.size(), 78u);  // 36 dice, 3 sets, 25 portraits, 2 lights, 12 tools
    for (const std::string& name : names) {
        const QPixmap& pixmap = store.pixmap(name);
        ASSERT_FALSE(pixmap.isNull()) << name;
        EXPECT_FALSE(uniform(pixmap.toImage())) << name;
    }
}

TEST(PictureStore, TheBuildsListIsThePicturesOfTheGame) {
    const std::vector<std::string>& listed = allPictureNames();
    const std::set<std::string> unique(listed.begin(), listed.end());
    EXPECT_EQ(unique.size(), listed.size());
    EXPECT_EQ(unique, picturesOfTheGame());
}

TEST(PictureStore, EveryPictureIsStoredAtBothScales) {
    for (const std::string& name : picturesOfTheGame()) {
        for (const int scale : {1, 2}) {
            const QString file = QDir(kBuildPictures).filePath(pictureFileName(name, scale));
            const QImage image = QImageReader(file, "png").read();
            const auto size = pictureSize(name, scale);
            ASSERT_FALSE(image.isNull()) << file.toStdString();
            ASSERT_TRUE(size) << name;
            EXPECT_EQ(image.width(), size->width()) << file.toStdString();
            EXPECT_EQ(image.height(), size->height()) << file.toStdString();
        }
    }
    EXPECT_EQ(pictureFileName("GrosDésImage(13)", 2), QStringLiteral("GrosDésImage(13)@2x.png"));
}

// Each stored file holds the very picture the game would paint.
TEST(PictureStore, TheStoreServesTheStoredPictures) {
    PictureStore store(kBuildPictures);
    for (const std::string& name : picturesOfTheGame()) {
        const QPixmap& served = store.pixmap(name);
        EXPECT_EQ(served.devicePixelRatio(), storedScale()) << name;
        EXPECT_TRUE(alike(imageOf(served), imageOf(name, storedScale()))) << name;
    }
}

TEST(PictureStore, AScreenOfMoreThanOnePixelGetsTheDoubleFile) {
    for (const qreal ratio : {1.25, 2.0}) {
        const QPixmap sharp = loadPicture(kBuildPictures, "GrosDésImage(25)", ratio);
        EXPECT_EQ(sharp.size(), QSize(124, 118)) << ratio;
        EXPECT_EQ(sharp.devicePixelRatio(), 2) << ratio;
        EXPECT_TRUE(alike(imageOf(sharp), imageOf("GrosDésImage(25)", 2))) << ratio;
    }
    EXPECT_EQ(loadPicture(kBuildPictures, "GrosDésImage(25)", 1).size(), QSize(62, 59));
}

// The store reads its own folder: a file put there is what it shows.
TEST(PictureStore, TheStoreReadsItsFolder) {
    QTemporaryDir folder;
    QImage red(*pictureSize("GrosDésImage(11)", storedScale()), QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.filePath(pictureFileName("GrosDésImage(11)", storedScale())), "png"));
    PictureStore store(folder.path());
    EXPECT_TRUE(alike(imageOf(store.pixmap("GrosDésImage(11)")), red));
}

// A file that is gone, empty, not a PNG or not of the picture's size leaves
// the picture painted.
TEST(PictureStore, ABrokenOrMissingFileIsPaintedInstead) {
    QTemporaryDir folder;
    const auto write = [&folder](const std::string& name, const QByteArray& bytes) {
        QFile file(folder.filePath(pictureFileName(name, storedScale())));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("GrosDésImage(11)", {});
    write("Halte", QByteArray("not a picture at all"));
    QFile png(QDir(kBuildPictures).filePath(pictureFileName("Personnages(3)", storedScale())));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    write("Règles", png.readAll().left(200));  // cut short
    ASSERT_TRUE(QImage(10, 10, QImage::Format_ARGB32)
                    .save(folder.filePath(pictureFileName("Lighton", storedScale())), "png"));

    PictureStore store(folder.path());
    for (const std::string name : {"GrosDésImage(11)", "Halte", "Règles", "Lighton", "Personnages(7)"}) {
        EXPECT_TRUE(loadPicture(folder.path(), name, screenRatio()).isNull()) << name;
        const QPixmap& served = store.pixmap(name);
        ASSERT_FALSE(served.isNull()) << name;
        EXPECT_TRUE(alike(imageOf(served), imageOf(name, screenRatio()))) << name;
    }
    PictureStore nowhere(folder.filePath(QStringLiteral("no such folder")));
    EXPECT_TRUE(alike(imageOf(nowhere.pixmap("PetitsDésImage(34)")), imageOf("PetitsDésImage(34)", screenRatio())));
}

TEST(PictureStore, AnUnknownNameHasNoPicture) {
    // Not even when a file of that name lies in the folder.
    QTemporaryDir folder;
    ASSERT_TRUE(QImage(48, 48, QImage::Format_ARGB32).save(folder.filePath(QStringLiteral("Rien.png")), "png"));
    PictureStore store(folder.path());
    for (const char* name : {"", "Rien", "GrosDésImage(17)", "GrosDésImage(45)", "Personnages(25)", "FeuxDés(2)",
                             "DésImage(4)", "Halte(1)"}) {
        EXPECT_TRUE(store.pixmap(name).isNull()) << name;
    }
}

TEST(PictureStore, TheDiceSetsDiffer) {
    for (const char* store : {"GrosDésImage", "PetitsDésImage"}) {
        for (int face = 1; face <= 6; ++face) {
            std::vector<QImage> sets;
            for (int set = 1; set <= 3; ++set) {
                sets.push_back(imageOf(std::string(store) + "(" + std::to_string(set * 10 + face) + ")"));
            }
            for (int a = 0; a < 3; ++a) {
                for (int b = a + 1; b < 3; ++b) {
                    const int area = sets[0].width() * sets[0].height();
                    EXPECT_GT(differingPixels(sets[static_cast<std::size_t>(a)], sets[static_cast<std::size_t>(b)]),
                              area / 3)
                        << store << " face " << face << ": sets " << a + 1 << " and " << b + 1;
                }
            }
        }
    }
}

TEST(PictureStore, TheFacesOfADieDiffer) {
    for (int face = 2; face <= 6; ++face) {
        EXPECT_GT(differingPixels(imageOf("GrosDésImage(11)"), imageOf("GrosDésImage(1" + std::to_string(face) + ")")),
                  20);
    }
}

TEST(PictureStore, EveryCharacterHasAFaceOfItsOwn) {
    std::vector<QImage> faces;
    for (int i = 0; i <= 24; ++i) faces.push_back(imageOf("Personnages(" + std::to_string(i) + ")"));
    for (std::size_t a = 0; a < faces.size(); ++a) {
        for (std::size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_GT(differingPixels(faces[a], faces[b]), 56 * 56 / 4) << "characters " << a << " and " << b;
        }
    }
}

TEST(PictureStore, TheLockedLightIsRedAndTheReleasedOneIsNot) {
    const QImage kept = imageOf("FeuxDés(6)"), released = imageOf("FeuxDés(5)");
    const QColor keptCentre = kept.pixelColor(kept.width() / 2, kept.height() / 2);
    const QColor releasedCentre = released.pixelColor(released.width() / 2, released.height() / 2);
    EXPECT_GT(keptCentre.red(), 2 * keptCentre.green());
    EXPECT_LT(releasedCentre.red(), releasedCentre.green() + 20);
}

TEST(PictureStore, PicturesArePaintedAtTheScreensResolution) {
    const QPixmap sharp = paintPicture("GrosDésImage(25)", 2);
    EXPECT_EQ(sharp.size(), QSize(124, 118));
    EXPECT_EQ(sharp.devicePixelRatio(), 2);
    EXPECT_EQ(paintPicture("PetitsDésImage(25)", 1).size(), QSize(28, 28));
    EXPECT_EQ(paintPicture("Personnages(3)", 1.5).size(), QSize(84, 84));
}

// With DRAVONELLE_PICTURE_SHEET=<file.png>, every picture side by side at
// twice its size, to look at them all at once.
TEST(PictureStore, SheetOnRequest) {
    const QString file = qEnvironmentVariable("DRAVONELLE_PICTURE_SHEET");
    if (file.isEmpty()) GTEST_SKIP() << "no sheet asked for";
    const std::set<std::string> names = picturesOfTheGame();
    constexpr int kCell = 130, kColumns = 10;
    QImage sheet(kColumns * kCell, static_cast<int>((names.size() + kColumns - 1) / kColumns) * kCell,
                 QImage::Format_ARGB32);
    sheet.fill(QColor(214, 203, 178));
    QPainter p(&sheet);
    int i = 0;
    for (const std::string& name : names) {
        const QPixmap pixmap = paintPicture(name, 2);
        p.drawPixmap(QPoint((i % kColumns) * kCell + 3, (i / kColumns) * kCell + 3), pixmap);
        ++i;
    }
    p.end();
    EXPECT_TRUE(sheet.save(file));
}

}  // namespace
}  // namespace dravonelle
