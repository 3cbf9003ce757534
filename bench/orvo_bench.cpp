// Timings of the work a resize and the two timers do: generating a maze,
// drawing it in each style (the game's drawing and the stroke-by-stroke
// reference), and one tick of each timer; and the floor a new game on a
// whole screen is held to, writing the screen's picture once.
// Run: build/orvo_bench (add --benchmark_format=json to keep).
#include "common/colour.h"
#include "common/random_source.h"
#include "maze/generator.h"
#include "platform/surface/image_surface.h"
#include "platform/surface/pixel_memory.h"
#include "common/cell_geometry.h"
#include "play/movement.h"
#include "render/maze_renderer.h"
#include "support/reference_drawing.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr ColourWord kFore = RGB(255, 255, 192);
constexpr ColourWord kBack = RGB(32, 32, 96);

struct Size {
    int width;
    int height;
};
constexpr Size kSizes[] = {{42, 21}, {126, 66}, {254, 128}};

// A game's state as the main window holds it, with its backing image.
struct Game {
    Game(Size size, qreal ratio) : width(static_cast<std::int16_t>(size.width)), height(static_cast<std::int16_t>(size.height))
    {
        surface.resize(QSize((size.width + 2) * 15, (size.height + 4) * 15), ratio);
        surface.setBackColor(kBack);
        generate();
    }

    void generate()
    {
        random.reseed(0.25 * ++generation);
        const DigOutcome start = digMaze(maze, width, height, static_cast<std::int16_t>(width * height), random, goalY);
        playerX = start.startX;
        playerY = start.startY;
    }

    MazeScene scene() const
    {
        return MazeScene {maze, width, height, goalY, ClockReading {}, 0, name, kFore, kBack};
    }

    MazeGrid maze;
    std::int16_t width;
    std::int16_t height;
    std::int16_t goalY = 0;
    std::int16_t playerX = 1;
    std::int16_t playerY = 1;
    FastRandom random;
    int generation = 0;
    std::string name = "<No One>";
    // The window's picture, which the reference drawing can draw on as well.
    ReferenceSurface surface;
};

// As a resize does it: the window's picture is made anew at its size, then
// the maze is dug and drawn.
void newGame(benchmark::State& state, int style, Size size, qreal ratio)
{
    Game game(size, ratio);
    const QSize client = game.surface.logicalSize();
    for (auto _ : state) {
        game.surface.resize(client, ratio);
        game.surface.Cls();
        game.generate();
        drawInStyle(game.surface, game.scene(), static_cast<std::int16_t>(style - 1));
    }
}

// As dragging a window's edge does it: every step a little larger or
// smaller than the last, from the start size to a maximised window and back.
void drag(benchmark::State& state, int style, qreal ratio)
{
    Game game({126, 66}, ratio);
    int step = 0;
    for (auto _ : state) {
        const int along = step < 40 ? step : 80 - step;
        step = (step + 1) % 80;
        game.width = static_cast<std::int16_t>(42 + 5 * along);
        game.height = static_cast<std::int16_t>(21 + 2 * along);
        game.surface.resize(QSize((game.width + 2) * 15 + 7, (game.height + 4) * 15 + 3), ratio);
        game.surface.Cls();
        game.generate();
        drawInStyle(game.surface, game.scene(), static_cast<std::int16_t>(style - 1));
    }
}

void generate(benchmark::State& state, Size size)
{
    Game game(size, 1.0);
    for (auto _ : state) {
        game.generate();
        benchmark::DoNotOptimize(game.goalY);
    }
}

template <auto Draw>
void render(benchmark::State& state, int style, Size size, qreal ratio)
{
    Game game(size, ratio);
    for (auto _ : state)
        Draw(game.surface, game.scene(), static_cast<std::int16_t>(style - 1));
}

// The game's first picture, as at start-up: no tile has been made yet.
void firstPicture(benchmark::State& state)
{
    Game game({42, 21}, 1.0);
    for (auto _ : state) {
        platform::ImageSurface fresh;
        fresh.resize(QSize(666, 386), 1.0);
        drawInStyle(fresh, game.scene(), 0);
    }
}

void playTick(benchmark::State& state)
{
    Game game({126, 66}, 1.0);
    drawInStyle(game.surface, game.scene(), 0);
    const HeldKeys keys {0, 0, -1, 0};
    for (auto _ : state) {
        const std::int16_t prevX = game.playerX;
        const std::int16_t prevY = game.playerY;
        movePlayer(game.maze, keys, game.playerX, game.playerY);
        drawPlayerStep(game.surface, kFore, prevX, prevY, game.playerX, game.playerY);
    }
}

void clockTick(benchmark::State& state)
{
    Game game({126, 66}, 1.0);
    drawInStyle(game.surface, game.scene(), 0);
    ClockReading reading;
    for (auto _ : state) {
        const ClockReading next = advanced(reading);
        drawClockTick(game.surface, game.height, reading, next, kFore, kBack);
        reading = next;
    }
}

std::string sizeName(Size size)
{
    return std::to_string(size.width) + "/" + std::to_string(size.height);
}

// The maze of a maximised window on a 3840 x 2160 screen at each desktop
// scale: the picture is always the whole screen, the cells fewer as the
// scale grows.
struct Screen {
    int percent;
    Size size;
};
constexpr Screen kScreens[] = {{100, {254, 129}}, {115, {220, 121}}, {125, {202, 111}}, {133, {190, 104}},
                               {150, {168, 92}},  {175, {144, 78}},  {200, {126, 68}}};

// The floor under every Screen row: writing the whole screen's picture once,
// in memory of the kind the game's picture has. `Fill` is libc's memset,
// the floor of writing memory (it writes bytes: a grey picture). Beside it,
// ways of writing any pixel: QImage::fill, as the game clears its picture,
// the game's loop in blocks of eight pixels, which GCC vectorises at -O2, and
// std::fill, whose loop over 32-bit pixels GCC leaves one pixel a store at
// -O2.
QImage screenPicture(platform::PixelStore& store)
{
    QImage picture = store.image(QSize(3840, 2160), QImage::Format_RGB32);
    picture.fill(0);
    return picture;
}

template <void (*Write)(QImage&, QRgb)>
void fill(benchmark::State& state)
{
    platform::PixelStore store;
    QImage picture = screenPicture(store);
    QRgb pixel = 0;
    for (auto _ : state) {
        Write(picture, ++pixel);
        benchmark::DoNotOptimize(picture.bits());
    }
}

void qtFill(QImage& picture, QRgb pixel)
{
    picture.fill(pixel);
}

void byteFill(QImage& picture, QRgb pixel)
{
    std::memset(picture.bits(), static_cast<int>(pixel & 0xff), static_cast<std::size_t>(picture.sizeInBytes()));
}

void blockLoop(QImage& picture, QRgb pixel)
{
    platform::fillPixels(reinterpret_cast<QRgb*>(picture.bits()), picture.sizeInBytes() / 4, pixel);
}

void stdFill(QImage& picture, QRgb pixel)
{
    auto* to = reinterpret_cast<QRgb*>(picture.bits());
    std::fill(to, to + picture.sizeInBytes() / 4, pixel);
}

void registerAll()
{
    benchmark::RegisterBenchmark("Fill", fill<byteFill>)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fill/QImage", fill<qtFill>)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fill/Blocks", fill<blockLoop>)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fill/StdFill", fill<stdFill>)->Unit(benchmark::kMillisecond);
    for (int style : {1, 2, 3})
        for (const Screen& screen : kScreens)
            benchmark::RegisterBenchmark(
                ("Screen/" + std::to_string(style) + "/" + std::to_string(screen.percent)).c_str(), newGame, style,
                screen.size, screen.percent / 100.0)
                ->Unit(benchmark::kMillisecond);
    for (int ratio : {1, 2})
        for (Size size : kSizes)
            for (int style : {1, 2, 3}) {
                const std::string tail = std::to_string(style) + "/" + sizeName(size) + "/" + std::to_string(ratio);
                benchmark::RegisterBenchmark(("NewGame/" + tail).c_str(), newGame, style, size, ratio)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("Render/" + tail).c_str(), render<drawInStyle>, style, size, ratio)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("ReferenceRender/" + tail).c_str(), render<referenceDrawInStyle>, style,
                                             size, ratio)
                    ->Unit(benchmark::kMillisecond);
            }
    for (int style : {1, 2, 3})
        for (int ratio : {1, 2})
            benchmark::RegisterBenchmark(("Drag/" + std::to_string(style) + "/" + std::to_string(ratio)).c_str(), drag,
                                         style, ratio)
                ->Unit(benchmark::kMillisecond);
    for (Size size : kSizes)
        benchmark::RegisterBenchmark(("Generate/" + sizeName(size)).c_str(), generate, size)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirstPicture", firstPicture)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlayTick", playTick)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ClockTick", clockTick)->Unit(benchmark::kMicrosecond);
}

// The console report, followed by how many times faster the fast renderer
// is than the reference for each style, size and pixel ratio, and by each
// Fill and Screen row as a multiple of Fill, measured in the same run.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool medianOnly = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!medianOnly && run.run_type == Run::RT_Aggregate)
                continue;
            const std::string name = run.run_name.function_name;
            times_[name] = run.GetAdjustedRealTime();
            cpuTimes_[name] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nReference / fast renderer (median real time):\n");
        for (const auto& [name, time] : times_) {
            if (name.rfind("Render/", 0) != 0)
                continue;
            const auto reference = times_.find("Reference" + name);
            if (reference != times_.end() && time > 0)
                std::printf("  %-24s %6.1fx\n", name.c_str() + 7, reference->second / time);
        }
        // CPU time as well, which the other work of a busy machine disturbs less.
        const auto fill = times_.find("Fill");
        if (fill == times_.end() || fill->second <= 0 || cpuTimes_["Fill"] <= 0)
            return;
        std::printf("\nAs multiples of Fill (median real time, CPU time):\n");
        for (const auto& [name, time] : times_)
            if (name.rfind("Fill/", 0) == 0 || name.rfind("Screen/", 0) == 0)
                std::printf("  %-24s %6.2fx %6.2fx\n", name.c_str(), time / fill->second,
                            cpuTimes_[name] / cpuTimes_["Fill"]);
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, double> cpuTimes_;
};

}  // namespace

int main(int argc, char** argv)
{
    // Text needs the font system, which needs an application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Initialize takes the options it knows out of argv, so the format is
    // looked for first.
    bool console = true;
    for (int i = 1; i < argc; ++i)
        console = console && std::string(argv[i]).rfind("--benchmark_format", 0) != 0;
    benchmark::Initialize(&argc, argv);
    registerAll();
    if (console) {
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
