// SPDX-License-Identifier: GPL-3.0-or-later
// The table of medians beside their budgets, printed after the runs.
#include "bench.h"

#include <algorithm>
#include <cstdio>

namespace
{

std::string shownTime(double seconds)
{
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    return text;
}

std::string times(double ratio)
{
    char text[16];
    std::snprintf(text, sizeof text, "x%.1f", ratio);
    return text;
}

// Every table costs at most this much more than the widest at the same length.
constexpr double TableRatio = 1.2;
// The program starts within this much of a bare window's time and memory.
constexpr double StartUpRatio = 1.1;

// Prints the rows of a table and remembers whether all of them hold.
class BudgetTable
{
public:
    BudgetTable() { std::printf("\n| Measure | Median | Budget | Holds |\n|---|---|---|---|\n"); }
    void row(const std::string &measure, const std::string &median, const std::string &budget,
             bool holds)
    {
        allHold = allHold && holds;
        std::printf("| %s | %s | %s | %s |\n", measure.c_str(), median.c_str(), budget.c_str(),
                    holds ? "yes" : "NO");
    }
    bool allHold = true;
};

using Results = std::map<std::string, bench::BudgetReporter::Result>;

// The widest table within a microsecond; a handler within a millisecond; with the repaint it
// causes, within one frame at 60 Hz; the others as named.
void timeBudgets(const Results &results, BudgetTable &table)
{
    struct Budget {
        std::string prefix;
        double seconds;
    };
    const Budget budgets[] = {{bench::referenceTable(), 1e-6},
                              {"Combo1_Click/", 1e-3},
                              {"HScroll1_Change/", 1e-3},
                              {"Longvib_Change/", 1e-3},
                              {"Longvib_Change and repaint/", 1.0 / 60},
                              {"Combo1_Click and repaint/", 1.0 / 60},
                              {"HScroll1_Change and repaint/", 1.0 / 60},
                              {"main window built and shown", 20e-3},
                              {"sheet opened/", 10e-3},
                              {"length read/10 MB", 100e-3},
                              {"board computed/6 strings", 20e-6},
                              {"board computed/24 strings", 2e-3},
                              {"board template/", 1e-3},
                              {"tuned board computed/6 strings", 50e-6},
                              {"tuned board template/", 2e-3},
                              {"tuned board computed/24 strings", 5e-3},
                              {"board preview repainted", 1.0 / 60},
                              {"10 MB pasted", 20.0},
                              {"template/SVG", 2e-3},
                              {"template/DXF", 2e-3},
                              {"template/PDF", 50e-3},
                              {"template dialog opened", 1.0 / 60},
                              {"tuning window opened", 1.0 / 60},
                              {"Scala file written", 1e-3},
                              {"Scala file read", 1e-3},
                              {"command line/", 60e-3}};
    for (const auto &[name, result] : results) {
        for (const Budget &budget : budgets) {
            if (name.rfind(budget.prefix, 0) == 0)
                table.row(name, shownTime(result.seconds), shownTime(budget.seconds),
                          result.seconds < budget.seconds);
        }
    }
}

// Each other table against the widest at the same length.
void tableRatios(const Results &results, BudgetTable &table)
{
    const std::string reference = bench::referenceTable();
    for (const auto &[name, result] : results) {
        if (name.rfind("table/", 0) != 0 || name.rfind(reference, 0) == 0)
            continue;
        const std::string length = name.substr(name.rfind('/') + 1);
        const auto widest = results.find(reference + length);
        if (widest == results.end())
            continue;
        const double ratio = result.seconds / widest->second.seconds;
        char shown[64];
        std::snprintf(shown, sizeof shown, "%s, x%.2f", shownTime(result.seconds).c_str(), ratio);
        table.row(name, shown, times(TableRatio) + " of the widest table", ratio <= TableRatio);
    }
}

void startUpRatios(const Results &results, BudgetTable &table)
{
    const auto startUp = std::find_if(results.begin(), results.end(), [](const auto &r) {
        return r.first.rfind("start-up", 0) == 0;
    });
    if (startUp == results.end()) {
        table.row("start-up", "not measured", times(StartUpRatio), false);
        return;
    }
    std::map<std::string, double> c = startUp->second.counters;
    const double timeRatio = c["own_ms"] / c["bare_ms"];
    const double memoryRatio = c["own_peak_kB"] / c["bare_peak_kB"];
    char time[96], memory[96];
    std::snprintf(time, sizeof time, "%.2f ms (bare window %.2f ms, x%.2f)", c["own_ms"],
                  c["bare_ms"], timeRatio);
    std::snprintf(memory, sizeof memory, "%.0f kB (bare window %.0f kB, x%.2f)", c["own_peak_kB"],
                  c["bare_peak_kB"], memoryRatio);
    table.row("start-up, process start to window shown", time, times(StartUpRatio),
              timeRatio <= StartUpRatio);
    table.row("peak memory at start-up", memory, times(StartUpRatio), memoryRatio <= StartUpRatio);
}

} // namespace

namespace bench
{

void BudgetReporter::ReportRuns(const std::vector<Run> &runs)
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

bool printBudgets(const BudgetReporter &reporter)
{
    BudgetTable table;
    timeBudgets(reporter.results, table);
    tableRatios(reporter.results, table);
    startUpRatios(reporter.results, table);
    return table.allHold;
}

} // namespace bench
