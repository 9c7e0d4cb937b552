// How long the game's window takes to be ready, against a bare Qt window
// holding as many plain widgets as the game's window has (one a control,
// timers aside).
//
// "Ready" is the same for both: from nothing to the first paint of the whole
// window, the events run until the window has been painted once. Both run
// offscreen, so no display is needed, and each case starts once untimed
// before it is measured, so that what the process loads only once (the
// platform plugin, the font database) counts for neither side.
//
// The game's data folder is a scratch folder in memory (/dev/shm where there
// is one), made when the program starts and removed when it ends: the game
// never writes beside the program. Every start of a case reuses its folder,
// as a player's folder is reused: the untimed first start of the empty
// folder lays down the neutral data files, and the saved set-up of a
// returning player is copied in once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "window/jeu_yam.h"
#include "qt/control_style.h"
#include "qt/main_window.h"
#include "qt/picture_store.h"
#include "qt/qt_platform.h"
#include "qt/window_background.h"
#include "window/window_layout.h"

namespace {

using namespace dravonelle;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time this thread has had, in milliseconds: on a busy
// machine it tells the work done apart from the time spent waiting for a
// core. Qt builds and paints the window on this thread.
double threadMilliseconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// ---- the scratch folders ---------------------------------------------------

fs::path scratchRoot() {
    static const fs::path root = [] {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path made = base / ("dravonelle-window-bench-" + std::to_string(::getpid()));
        fs::remove_all(made, error);
        fs::create_directories(made);
        return made;
    }();
    return root;
}

// The data files live here instead of beside the program.
class ScratchFiles : public Files {
public:
    explicit ScratchFiles(fs::path folder) : folder_(std::move(folder)) {}
    fs::path folder() override { return folder_; }
    void wrote(const std::string&) override {}
    void warn(const std::string&) override {}

private:
    fs::path folder_;
};

// A start that asks the player anything (another copy of the game holding
// the folder) is a broken measurement: it is reported, never waited for.
class NoDialogs : public Dialogs {
public:
    bool askYesNo(const std::string& text, const std::string&) override { return refuse(text); }
    std::optional<std::string> askText(const std::string& title, const std::string&) override {
        refuse(title);
        return std::nullopt;
    }
    void tell(const std::string& text, const std::string&) override { refuse(text); }

    const std::string& asked() const { return asked_; }

private:
    bool refuse(const std::string& text) {
        asked_ = text;
        return false;
    }
    std::string asked_;
};

// ---- painting --------------------------------------------------------------

// Watches the first paint of a window. Qt paints a window and then its
// children, in one pass, so the first paint of a child closes the window's
// own, and once the events that brought the pass have run, the whole window
// is on the screen.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    bool painted() const { return windowPainted_.has_value(); }
    std::optional<Clock::time_point> windowPainted() const { return windowPainted_; }
    std::optional<Clock::time_point> childPainted() const { return childPainted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget == &window_) {
                if (!windowPainted_) windowPainted_ = Clock::now();
            } else if (windowPainted_ && !childPainted_ && widget->window() == &window_) {
                childPainted_ = Clock::now();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    std::optional<Clock::time_point> windowPainted_, childPainted_;
};

// The first paint in three, milliseconds: from show() to the window's own
// paint (polishing the widgets, making the window and its backing store),
// the window's own paint (for the game, its background), its controls.
struct PaintTimes {
    bool painted = false;
    double expose = 0, own = 0, controls = 0;
};

// Shows WINDOW and runs the events until it has been painted.
PaintTimes showAndPaint(QWidget& window) {
    FirstPaint paint(window);
    const auto shown = Clock::now();
    window.show();
    const auto deadline = shown + std::chrono::seconds(10);
    while (!paint.painted() && Clock::now() < deadline) QCoreApplication::processEvents();
    const auto end = Clock::now();
    PaintTimes times;
    times.painted = paint.painted();
    if (!times.painted) return times;
    const auto ms = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double, std::milli>(to - from).count();
    };
    const Clock::time_point own = *paint.windowPainted();
    const Clock::time_point controls = paint.childPainted().value_or(end);
    times.expose = ms(shown, own);
    times.own = ms(own, controls);
    times.controls = ms(controls, end);
    return times;
}

// What a closed window leaves to the event loop (deferred deletions and
// events posted during the start) goes before the next start is timed.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// ---- the game's window ----------------------------------------------------

// Milliseconds per step of a start, added up over the iterations.
struct Steps {
    std::vector<std::pair<std::string, double>> steps;

    void add(const std::string& name, double ms) {
        for (auto& [known, total] : steps) {
            if (known == name) {
                total += ms;
                return;
            }
        }
        steps.emplace_back(name, ms);
    }
    void add(const Steps& other) {
        for (const auto& [name, ms] : other.steps) add(name, ms);
    }
    void addPaint(const PaintTimes& paint) {
        add("expose", paint.expose);
        add("own", paint.own);
        add("controls", paint.controls);
    }
    // Each step as a counter, averaged per start.
    void report(benchmark::State& state) const {
        for (const auto& [name, ms] : steps)
            state.counters[name] = benchmark::Counter(ms, benchmark::Counter::kAvgIterations);
    }
};

// The game as main() starts it, but with its data in FOLDER and no dialog,
// each step timed.
struct GameStart {
    Steps steps;
    double wall = 0;  // milliseconds, the whole start

    std::unique_ptr<ControlModel> model;
    std::unique_ptr<QtPlatform> qt;
    std::unique_ptr<ScratchFiles> files;
    NoDialogs dialogs;
    std::unique_ptr<Platform> services;
    std::unique_ptr<JeuYam> game;
    std::unique_ptr<MainWindow> window;  // last made, first gone: before the game its events reach
    bool painted = false;

    explicit GameStart(const fs::path& folder) {
        const double processor = threadMilliseconds();
        const auto start = Clock::now();
        auto t = start;
        const auto step = [this, &t](const char* name) {
            steps.add(name, millisecondsSince(t));
            t = Clock::now();
        };
        model = std::make_unique<ControlModel>();
        model->setMeasure(measureCaption);
        qt = std::make_unique<QtPlatform>(QStringLiteral(DRAVONELLE_SOUND_FOLDER));
        files = std::make_unique<ScratchFiles>(folder);
        const Platform& p = qt->services();
        services = std::make_unique<Platform>(Platform{p.clock, p.dice, p.sound, dialogs, p.display, p.network,
                                                       p.web, p.animator, p.process, *files});
        game = std::make_unique<JeuYam>(*model, *services);
        step("core");

        JeuYam* g = game.get();
        window = std::make_unique<MainWindow>(*model, [g](const Event& e) { g->handle(e); });
        qt->attach(*window);
        step("widgets");

        game->Form_Load();
        step("load");

        window->sync();
        step("sync");

        const PaintTimes paint = showAndPaint(*window);
        window->activateWindow();
        painted = paint.painted;
        steps.addPaint(paint);

        wall = millisecondsSince(start);
        steps.add("cpu", threadMilliseconds() - processor);
    }
};

enum Folder { FirstStart = 0, ReturningPlayer = 1 };

// The folder of each kind of start, ready for it.
fs::path folderFor(Folder kind) {
    const fs::path folder = scratchRoot() / (kind == FirstStart ? "first-start" : "returning-player");
    if (fs::exists(folder)) return folder;
    fs::create_directories(folder);
    if (kind == ReturningPlayer) {
        // A player with a character, "2 tirages", counters and rankings:
        // the start restores them all and writes nothing.
        for (const auto& file : fs::directory_iterator(DRAVONELLE_SAVED_SETUP))
            fs::copy_file(file.path(), folder / file.path().filename());
    }
    return folder;
}

void BM_GameWindowReady(benchmark::State& state) {
    const fs::path folder = folderFor(static_cast<Folder>(state.range(0)));
    {
        GameStart first(folder);  // the first start lays down the data files
        if (!first.dialogs.asked().empty()) return state.SkipWithError(first.dialogs.asked().c_str());
    }
    settle();
    Steps steps;
    for (auto _ : state) {
        {
            GameStart start(folder);
            if (!start.painted) return state.SkipWithError("the game's window was never painted");
            if (!start.dialogs.asked().empty()) return state.SkipWithError(start.dialogs.asked().c_str());
            state.SetIterationTime(start.wall / 1000);
            steps.add(start.steps);
        }
        settle();
    }
    // Where the time goes, milliseconds per start: the model and the game,
    // the widgets, Form_Load, the widgets brought in step with it, the
    // first paint in three; and the processor time of the whole start.
    steps.report(state);
}
BENCHMARK(BM_GameWindowReady)
    ->ArgName("returning")
    ->Arg(FirstStart)
    ->Arg(ReturningPlayer)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// ---- what the first paint draws once ----------------------------------------

// The background beneath the controls, rendered once per window at its
// first paint.
void BM_WindowBackground(benchmark::State& state) {
    ControlModel model;
    model.setMeasure(measureCaption);
    buildMainWindow(model);
    const QSize size(kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        WindowBackground background(model);
        QPixmap screen(size);
        QPainter p(&screen);
        background.paint(p, QRect(QPoint(0, 0), size), size, 1.0);
    }
}
BENCHMARK(BM_WindowBackground)->Unit(benchmark::kMillisecond);

// The pictures the first paint shows (those of the controls on screen after
// Form_Load), taken by a new store as a new window's store takes them: read
// from the build's files beside the program, or painted where there are no
// files.
void BM_StartPictures(benchmark::State& state) {
    std::set<std::string> names;
    {
        GameStart start(folderFor(FirstStart));
        const QRect screen = start.window->rect();
        for (const Control& c : start.model->controls()) {
            const QWidget* w = start.window->widgetOf(c.id());
            if (c.picture().empty() || !w || !w->isVisibleTo(start.window.get())) continue;
            // The closed menus wait below the window: Qt never paints them.
            if (QRect(w->mapTo(start.window.get(), QPoint(0, 0)), w->size()).intersects(screen))
                names.insert(c.picture());
        }
    }
    settle();
    const bool painted = state.range(0) != 0;
    const QString folder = painted ? QString::fromStdString((scratchRoot() / "no-pictures").string()) : QString();
    for (auto _ : state) {
        PictureStore store(folder);
        for (const std::string& name : names) benchmark::DoNotOptimize(store.pixmap(name).cacheKey());
    }
    state.counters["pictures"] = static_cast<double>(names.size());
}
BENCHMARK(BM_StartPictures)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ---- the bare window -------------------------------------------------------

// One plain widget in place of a control: a push button for a button, a
// label for the rest, at the control's place with its caption.
struct PlainWidget {
    bool button;
    QRect place;
    QString text;
    bool visible;
};

// The game's controls that have a widget (a timer has none), as the layout
// table lays them out, so the bare window follows any change of the layout.
const std::vector<PlainWidget>& plainWidgets() {
    static const std::vector<PlainWidget> widgets = [] {
        ControlModel model;
        model.setMeasure(measureCaption);
        buildMainWindow(model);
        std::vector<PlainWidget> made;
        for (const Control& c : model.controls()) {
            if (c.kind() == ControlKind::Timer) continue;
            const bool button = c.kind() == ControlKind::CommandButton || c.kind() == ControlKind::ImageButton;
            made.push_back({button, pixelRect(c), QString::fromStdString(c.caption()), c.visible()});
        }
        return made;
    }();
    return widgets;
}

struct BareStart {
    Steps steps;
    double wall = 0;  // milliseconds, the whole start
    bool painted = false;
};

// A 1024 × 768 window of plain widgets, as many as the game's controls;
// ALLSHOWN shows every one, otherwise those the game hides at first are
// hidden too.
BareStart bareWindowReady(bool allShown) {
    BareStart start;
    const double processor = threadMilliseconds();
    const auto t = Clock::now();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dravonelle"));
    window.setFixedSize(kWindowWidth, kWindowHeight);
    for (const PlainWidget& w : plainWidgets()) {
        QWidget* made = w.button ? static_cast<QWidget*>(new QPushButton(w.text, &window))
                                 : static_cast<QWidget*>(new QLabel(w.text, &window));
        made->setGeometry(w.place);
        made->setVisible(allShown || w.visible);
    }
    start.steps.add("widgets", millisecondsSince(t));
    const PaintTimes paint = showAndPaint(window);
    start.painted = paint.painted;
    start.steps.addPaint(paint);
    start.wall = millisecondsSince(t);
    start.steps.add("cpu", threadMilliseconds() - processor);
    return start;
}

void BM_BareWindowReady(benchmark::State& state) {
    const bool allShown = state.range(0) != 0;
    bareWindowReady(allShown);
    settle();
    Steps steps;
    for (auto _ : state) {
        const BareStart start = bareWindowReady(allShown);
        if (!start.painted) return state.SkipWithError("the bare window was never painted");
        state.SetIterationTime(start.wall / 1000);
        steps.add(start.steps);
        settle();
    }
    steps.report(state);
    state.counters["count"] = static_cast<double>(plainWidgets().size());
}
BENCHMARK(BM_BareWindowReady)->ArgName("all_shown")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

// ---- whole processes ---------------------------------------------------------

// What a player waits for: from starting the program to its painted window,
// the loading of Qt and its plugins, fonts and sounds included. The
// benchmark starts itself again ("--start-once game FOLDER" or "--start-once
// bare"); the child leaves as soon as its window is painted, so its
// tear-down is not counted. The game starts in the returning player's folder.
int startOnce(int argc, char* argv[]) {
    const auto entered = Clock::now();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravonelle"));
    const auto t = Clock::now();
    bool painted = false;
    Steps steps;
    if (argc >= 4 && std::string(argv[2]) == "game") {
        GameStart start{fs::path(argv[3])};
        painted = start.painted && start.dialogs.asked().empty();
        steps = start.steps;
    } else {
        const BareStart start = bareWindowReady(false);
        painted = start.painted;
        steps = start.steps;
    }
    // DRAVONELLE_BENCH_STEPS=1 prints where a fresh process spends its start.
    if (std::getenv("DRAVONELLE_BENCH_STEPS")) {
        std::fprintf(stderr, "%s: %.1f ms from main(), window %.1f ms after QApplication;", argv[2],
                     millisecondsSince(entered), millisecondsSince(t));
        for (const auto& [name, ms] : steps.steps) std::fprintf(stderr, " %s %.1f", name.c_str(), ms);
        std::fprintf(stderr, "\n");
    }
    std::fflush(nullptr);
    std::_Exit(painted ? 0 : 1);
}

void BM_ProcessReady(benchmark::State& state) {
    const bool game = state.range(0) != 0;
    const std::string folder = folderFor(ReturningPlayer).string();
    std::vector<std::string> args{"window_bench", "--start-once", game ? "game" : "bare", folder};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto once = [&argv]() -> std::optional<double> {
        const auto t = Clock::now();
        pid_t child = 0;
        if (::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;
        int status = 0;
        if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        return millisecondsSince(t);
    };
    if (!once()) return state.SkipWithError("the child did not paint its window");
    for (auto _ : state) {
        const auto took = once();
        if (!took) return state.SkipWithError("the child did not paint its window");
        state.SetIterationTime(*took / 1000);
    }
}
BENCHMARK(BM_ProcessReady)->ArgName("game")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char* argv[]) {
    // Offscreen whatever the environment says: the benchmark needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::string(argv[1]) == "--start-once") return startOnce(argc, argv);
    benchmark::Initialize(&argc, argv);
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Dravonelle"));
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
            status = 1;
        } else {
            benchmark::RunSpecifiedBenchmarks();
        }
    }
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(scratchRoot(), error);
    return status;
}
