// The game's window on a small screen, offscreen: the zoom that fits a
// screen's free area, the window and its controls placed and painted at that
// zoom with the model unchanged, clicks landing on the control under the
// pointer; and the window's own control telling whether it is minimised.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>
#include <vector>

#include "qt/control_style.h"
#include "qt/control_widget.h"
#include "qt/main_window.h"
#include "qt/screen_fit.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

TEST(FitFactor, KeepsTheWindowAsItIsWhereItFits) {
    EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {1280, 1024}), 1.0);
    EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {1024, 768}), 1.0);
}

TEST(FitFactor, ScalesDownToTheSmallerSideWithItsFrame) {
    EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {800, 600}), 0.78125);  // 800 × 600 exactly
    EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {1024, 600}), 0.78125);
    EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {1280, 720}), 0.9375);
    // With a title bar of 40 and borders of 12: the window and its frame fit.
    const double f = fitFactor({1024, 768}, {12, 40}, {800, 600});
    EXPECT_LE(1024 * f + 12, 800);
    EXPECT_LE(768 * f + 40, 600);
    EXPECT_GT(768 * (f + 1.0 / 256) + 40, 600);  // and not a step smaller than needed
    // Whole pixels: a multiple of 1/256.
    EXPECT_EQ(f * 256, static_cast<int>(f * 256));
}

TEST(FitFactor, NeverBelowAQuarter) { EXPECT_EQ(fitFactor({1024, 768}, {0, 0}, {100, 80}), 0.25); }

class ZoomTest : public ::testing::Test {
protected:
    ZoomTest() {
        buildMainWindow(model);
        window = std::make_unique<MainWindow>(model, [this](const Event& e) { heard.push_back(e); });
    }

    ControlWidget& widget(const std::string& name, int index = -1) {
        return *window->widgetOf(model.at(name, index).id());
    }

    // The control whose widget is under POINT of the window.
    const Control* under(QPoint point) {
        for (QWidget* w = window->childAt(point); w; w = w->parentWidget())
            if (auto* c = qobject_cast<ControlWidget*>(w)) return &c->control();
        return nullptr;
    }

    ControlModel model;
    std::vector<Event> heard;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ZoomTest, TheWindowAndItsControlsShrinkTogether) {
    window->setZoom(0.78125);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), QSize(800, 600));
    // Cells and the throw button at 25/32 of their places; the model keeps
    // window pixels.
    const QRect ok = pixelRect(model.at("Ok"));
    EXPECT_EQ(widget("Ok").geometry(),
              QRect(QPoint(qRound(ok.x() * 0.78125), qRound(ok.y() * 0.78125)),
                    QPoint(qRound((ok.x() + ok.width()) * 0.78125) - 1, qRound((ok.y() + ok.height()) * 0.78125) - 1)));
    EXPECT_EQ(pixelRect(model.at("Ok")), ok);
    // The middle of each control, scaled, is that control.
    for (const auto& [name, index] : std::vector<std::pair<std::string, int>>{
             {"Ok", -1}, {"Cases", 0}, {"Cases", 35}, {"Cases", 43}, {"Halte", -1}, {"ChoixDés", 2}}) {
        const Control& c = model.at(name, index);
        if (!c.visible()) continue;
        const QPointF middle = QRectF(pixelRect(c)).center() * 0.78125;
        const Control* found = under(middle.toPoint());
        ASSERT_NE(found, nullptr) << name << " " << index;
        EXPECT_EQ(found->name(), name);
        EXPECT_EQ(found->index(), index);
    }
    QTest::mouseClick(&widget("Cases", 35), Qt::LeftButton);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().name, "Cases");
    EXPECT_EQ(heard.back().index, 35);
}

TEST_F(ZoomTest, TheScaledWindowLooksLikeTheWholeOneSmaller) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage whole = window->grab().toImage().scaled(512, 384, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    window->setZoom(0.5);
    QCoreApplication::processEvents();
    const QImage half = window->grab().toImage().convertToFormat(whole.format());
    ASSERT_EQ(half.size(), QSize(512, 384));
    // Pixel by pixel within a few shades on average: the same drawing, not
    // one cut at its full size (that one is off by about 6).
    long long difference = 0;
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            const QColor a = whole.pixelColor(x, y), b = half.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    const double average = double(difference) / (half.width() * half.height() * 3);
    EXPECT_LT(average, 3) << "the half-size window is not the whole one made smaller";
}

TEST_F(ZoomTest, BackToOneIsTheWindowAsDrawn) {
    window->setZoom(0.5);
    window->setZoom(1);
    EXPECT_EQ(window->size(), QSize(kWindowWidth, kWindowHeight));
    EXPECT_EQ(widget("Cases", 35).geometry(), pixelRect(model.at("Cases", 35)));
}

TEST_F(ZoomTest, TheWindowControlTellsWhetherItIsMinimised) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Control& form = model.at(kWindowFormName);
    form.setValue(1);  // as Iconify does, before asking
    window->showMinimized();
    EXPECT_EQ(form.value(), 1);
    // The window manager gives the window back.
    window->showNormal();
    EXPECT_EQ(form.value(), 0);
    // And minimised by the window manager, not by the game.
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(form.value(), 1);
    window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(form.value(), 0);
}

}  // namespace
}  // namespace dravonelle
