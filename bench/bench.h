// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark program's parts: the measures of the tables, of the window's handlers and of
// the start-up, each registered with Google Benchmark, and the report of their budgets.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace bench
{

// "table/NAME/650" and "table/NAME/1e9" for each system, and "length read/10 MB".
void registerTables();
// The name of the table every other is measured against: the widest, "table/NAME/".
std::string referenceTable();

// A fanned fingerboard computed: "board computed/6 strings, 24 frets" and the largest.
void registerBoard();

// The handlers on the real window, with and without their repaint, the window built and
// shown, a sheet opened and a long paste.
void registerHandlers();

// The template of the widest table: its files, its dialog, the command line.
void registerTemplate();

// The tuning window and the Scala files: of the widest table, and of a scale of 1000 degrees.
void registerTuning();

// The program started with these arguments, to its end, its time as the iteration's.
void commandLine(benchmark::State &state, std::vector<std::string> arguments);

// The program's start-up against a bare window's; the programs stand in `folder`.
void registerStartUp(const std::string &folder);

// Collects the medians (or, without repetitions, the single runs) for the budget table.
class BudgetReporter : public benchmark::ConsoleReporter
{
public:
    struct Result {
        double seconds;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Result> results;

    void ReportRuns(const std::vector<Run> &runs) override;
};

// Prints the medians beside their budgets; returns whether every budget holds.
bool printBudgets(const BudgetReporter &reporter);

} // namespace bench
