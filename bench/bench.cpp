// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of every user action on the real code, offscreen, with the budget each must hold.
// Run with repetitions to get medians, for example (one command line):
//   build-bench/bench/dorvane_bench --benchmark_repetitions=5
//       --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
// After the runs, a table of the medians beside their budgets is printed, and the program exits
// with 1 if a budget is missed; with "--informative" it only reports.
#include "base.h"
#include "design.h"
#include "scale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <new>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace dorvane;

namespace
{

// The texts of a table, as the window would write them.
struct TextTable : RowWriter {
    std::array<ShortText, RowCount> positions;
    std::array<std::string_view, RowCount> notes;
    void writePosition(int row, Currency position) override
    {
        // Made in its place: copying a text just written byte by byte costs more than making it.
        ::new (static_cast<void *>(&positions[row])) ShortText(CurrencyText(position, ","));
    }
    void writeNote(int row, std::string_view note) override { notes[row] = note; }
};

struct TableCase {
    const char *name;
    std::vector<Scale> parts;
    std::span<const NoteRow> names;
};

std::vector<TableCase> tableCases()
{
    using namespace scales;
    return {
        {"Tempérée Diatonique", {TemperedDiatonic}, DiatonicNotes},
        {"Tempérée Chromatique", {TemperedChromatic}, ChromaticNotes},
        {"Zarlino Diatonique", {DiatonicShared, ZarlinoDiatonicOwn}, DiatonicNotes},
        {"Zarlino Chromatique", {ZarlinoChromatic}, {}},
        {"Zarlino Chromatique simplifiée",
         {SimplifiedShared, ZarlinoSimplifiedOwn},
         ChromaticNotes},
        {"Pythagore Diatonique", {DiatonicShared, PythagoreanDiatonicOwn}, DiatonicNotes},
        {"Pythagore Chromatique", {PythagoreanChromatic}, {}},
        {"Pythagore Chromatique simplifiée",
         {SimplifiedShared, PythagoreanSimplifiedOwn},
         ChromaticNotes},
    };
}

void computeTable(benchmark::State &state, const TableCase &table, qint64 scaledLength)
{
    TextTable texts;
    const Currency length = Currency::fromScaled(scaledLength);
    for (auto _ : state) {
        const Currency half = HalfLength(length);
        for (Scale part : table.parts) {
            WritePositions(part, length, half, texts);
            WriteNotes(part, texts);
        }
        WriteNotes(table.names, texts);
        benchmark::DoNotOptimize(texts);
    }
}

Base &sharedWindow()
{
    static Base *window = [] {
        auto *w = new Base;
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the main window is not shown");
        QTest::keyClicks(w->findChild<QLineEdit *>("Longvib"), "650");
        return w;
    }();
    return *window;
}

void chooseScale(Base &window, const QString &scale)
{
    window.findChild<QComboBox *>("Combo1")->setEditText(scale);
    QMetaObject::invokeMethod(&window, "Combo1_Click");
}

// The handler on the real window; with the repaint it asks for when "repaint" is set.
void combo1Click(benchmark::State &state, const QString &scale, bool repaint)
{
    Base &window = sharedWindow();
    for (auto _ : state) {
        chooseScale(window, scale);
        if (repaint)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}

void hScroll1Change(benchmark::State &state, int mode, bool repaint)
{
    Base &window = sharedWindow();
    chooseScale(window, QStringLiteral("Pythagore Diatonique"));
    window.findChild<QScrollBar *>("HScroll1")->setValue(mode);
    QApplication::processEvents();
    for (auto _ : state) {
        QMetaObject::invokeMethod(&window, "HScroll1_Change");
        if (repaint)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}

void mainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<Base>();
        window->show();
        QApplication::processEvents(); // laid out and painted
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void sheetOpened(benchmark::State &state, const QString &scale)
{
    Base &window = sharedWindow();
    chooseScale(window, scale);
    QPushButton *printer = window.findChild<QPushButton *>("Command4");
    for (auto _ : state) {
        // Closed as soon as its event loop runs, after it has been loaded, filled and shown.
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        printer->click();
    }
}

struct StartUp {
    double seconds;
    double peakKilobytes;
};

// Starts a program that prints "shown <peak kB>" once its window is painted; measures the
// time from the start of the process to that line. Seconds are negative when it failed.
StartUp startOnce(const std::string &program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, 0};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return {-1, 0};
    }
    char line[64] = {};
    std::size_t used = 0;
    while (used < sizeof line - 1) {
        const ssize_t got = read(pipeEnds[0], line + used, sizeof line - 1 - used);
        if (got <= 0 || std::memchr(line + used, '\n', static_cast<std::size_t>(got)))
            break;
        used += static_cast<std::size_t>(got);
    }
    const auto shown = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long kilobytes = 0;
    if (std::sscanf(line, "shown %ld", &kilobytes) != 1)
        return {-1, 0};
    return {std::chrono::duration<double>(shown - start).count(), static_cast<double>(kilobytes)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The program's start-up against the bare window's, started in turns so that both see the
// same machine; the time is the program's, the counters give both medians.
void startUp(benchmark::State &state, const std::string &folder)
{
    std::vector<double> own, bare, ownPeak, barePeak;
    for (auto _ : state) {
        const bool bareFirst = own.size() % 2 == 1;
        StartUp b{}, o{};
        if (bareFirst)
            b = startOnce(folder + "/bare_window");
        o = startOnce(folder + "/startup_dorvane");
        if (!bareFirst)
            b = startOnce(folder + "/bare_window");
        if (o.seconds < 0 || b.seconds < 0) {
            state.SkipWithError("a program did not report its window");
            return;
        }
        own.push_back(o.seconds);
        bare.push_back(b.seconds);
        ownPeak.push_back(o.peakKilobytes);
        barePeak.push_back(b.peakKilobytes);
        state.SetIterationTime(o.seconds);
    }
    state.counters["own_ms"] = median(own) * 1e3;
    state.counters["bare_ms"] = median(bare) * 1e3;
    state.counters["own_peak_kB"] = median(ownPeak);
    state.counters["bare_peak_kB"] = median(barePeak);
}

// Collects the medians (or, without repetitions, the single runs) for the budget table.
class BudgetReporter : public benchmark::ConsoleReporter
{
public:
    struct Result {
        double seconds;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Result> results;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred ||
                (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median"))
                continue;
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Result &result = results[run.run_name.str()];
            result.seconds = seconds;
            for (const auto &[name, counter] : run.counters)
                result.counters[name] = counter.value;
        }
    }
};

std::string shownTime(double seconds)
{
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    return text;
}

// The table every other is measured against: the widest, 42 rows of ratios.
constexpr const char *ReferenceTable = "table/Zarlino Chromatique/";

// Prints the medians beside their budgets; returns whether every budget holds.
bool printBudgets(const BudgetReporter &reporter)
{
    struct Budget {
        const char *prefix;
        double seconds;
    };
    // The widest table within a microsecond; a handler within a millisecond; with the repaint
    // it causes, within one frame at 60 Hz.
    const Budget budgets[] = {{ReferenceTable, 1e-6},
                              {"Combo1_Click/", 1e-3},
                              {"HScroll1_Change/", 1e-3},
                              {"Combo1_Click and repaint/", 1.0 / 60},
                              {"HScroll1_Change and repaint/", 1.0 / 60},
                              {"main window built and shown", 20e-3},
                              {"sheet opened/", 10e-3}};
    // Every table costs at most this much more than the widest at the same length.
    constexpr double TableRatio = 1.2;
    // The program starts within this much of a bare window's time and memory.
    constexpr double StartUpRatio = 1.1;
    const auto times = [](double ratio) {
        char text[16];
        std::snprintf(text, sizeof text, "x%.1f", ratio);
        return std::string(text);
    };

    bool allHold = true;
    const auto row = [&allHold](const std::string &measure, const std::string &median,
                                const std::string &budget, bool holds) {
        allHold = allHold && holds;
        std::printf("| %s | %s | %s | %s |\n", measure.c_str(), median.c_str(), budget.c_str(),
                    holds ? "yes" : "NO");
    };
    std::printf("\n| Measure | Median | Budget | Holds |\n|---|---|---|---|\n");
    for (const auto &[name, result] : reporter.results) {
        for (const Budget &budget : budgets) {
            if (name.rfind(budget.prefix, 0) == 0)
                row(name, shownTime(result.seconds), shownTime(budget.seconds),
                    result.seconds < budget.seconds);
        }
        if (name.rfind("table/", 0) == 0 && name.rfind(ReferenceTable, 0) != 0) {
            const std::string length = name.substr(name.rfind('/') + 1);
            const auto reference = reporter.results.find(ReferenceTable + length);
            if (reference == reporter.results.end())
                continue;
            const double ratio = result.seconds / reference->second.seconds;
            char shown[64];
            std::snprintf(shown, sizeof shown, "%s, x%.2f", shownTime(result.seconds).c_str(),
                          ratio);
            row(name, shown, times(TableRatio) + " of the 42-row table", ratio <= TableRatio);
        }
    }
    const auto startUp =
        std::find_if(reporter.results.begin(), reporter.results.end(),
                     [](const auto &r) { return r.first.rfind("start-up", 0) == 0; });
    if (startUp != reporter.results.end()) {
        std::map<std::string, double> c = startUp->second.counters;
        const double timeRatio = c["own_ms"] / c["bare_ms"];
        const double memoryRatio = c["own_peak_kB"] / c["bare_peak_kB"];
        char time[96], memory[96];
        std::snprintf(time, sizeof time, "%.2f ms (bare window %.2f ms, x%.2f)", c["own_ms"],
                      c["bare_ms"], timeRatio);
        std::snprintf(memory, sizeof memory, "%.0f kB (bare window %.0f kB, x%.2f)",
                      c["own_peak_kB"], c["bare_peak_kB"], memoryRatio);
        row("start-up, process start to window shown", time, times(StartUpRatio),
            timeRatio <= StartUpRatio);
        row("peak memory at start-up", memory, times(StartUpRatio), memoryRatio <= StartUpRatio);
    } else {
        row("start-up", "not measured", times(StartUpRatio), false);
    }
    return allHold;
}

} // namespace

// The offscreen platform warns on every modal window that it cannot raise it; that is noise here.
QtMessageHandler standardMessages = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    if (standardMessages)
        standardMessages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    standardMessages = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    design::prepareApplication();
    // "--informative" reports a missed budget without failing: a brief run is too noisy to
    // judge by.
    const auto informative = std::find_if(argv + 1, argv + argc, [](const char *argument) {
        return std::strcmp(argument, "--informative") == 0;
    });
    const bool failOnMissedBudget = informative == argv + argc;
    if (!failOnMissedBudget) {
        std::copy(informative + 1, argv + argc + 1, informative); // with the closing null
        --argc;
    }
    benchmark::Initialize(&argc, argv);

    for (const TableCase &table : tableCases()) {
        for (qint64 length : {qint64(6500000), qint64(10000000000000)}) {
            const std::string name =
                std::string("table/") + table.name + (length == 6500000 ? "/650" : "/1e9");
            benchmark::RegisterBenchmark(name.c_str(), computeTable, table, length);
        }
    }
    for (bool repaint : {false, true}) {
        const std::string suffix = repaint ? " and repaint/" : "/";
        for (const QString &scale : Base::scaleNames())
            benchmark::RegisterBenchmark(("Combo1_Click" + suffix + scale.toStdString()).c_str(),
                                         combo1Click, scale, repaint)
                ->Unit(benchmark::kMicrosecond);
        for (int mode = 0; mode < scales::ModeCount; ++mode)
            benchmark::RegisterBenchmark(
                ("HScroll1_Change" + suffix + "mode " + std::to_string(mode)).c_str(),
                hScroll1Change, mode, repaint)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("main window built and shown", mainWindowShown)
        ->Unit(benchmark::kMillisecond);
    for (const char *scale : {"Zarlino Diatonique", "Tempérée Chromatique", "Pythagore Chromatique",
                              "Zarlino Chromatique"})
        benchmark::RegisterBenchmark((std::string("sheet opened/") + scale).c_str(), sheetOpened,
                                     QString::fromUtf8(scale))
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("start-up", startUp,
                                 QCoreApplication::applicationDirPath().toStdString())
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);

    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool hold = printBudgets(reporter);
    std::printf("\n%s\n", hold ? "Every budget holds." : "A budget is missed.");
    return hold || !failOnMissedBudget ? 0 : 1;
}
