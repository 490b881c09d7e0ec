// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of every user action on the real code, offscreen, with the budget each must hold.
// Run with repetitions to get medians, for example (one command line):
//   build-bench/bench/dorvane_bench --benchmark_repetitions=5
//       --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
// After the runs, a table of the medians beside their budgets is printed, and the program exits
// with 1 if a budget is missed; with "--informative" it only reports.
#include "bench.h"

#include "design.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{

// The offscreen platform warns on every modal window that it cannot raise it; that is noise.
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

// Takes "--informative" out of the arguments; true when it was there.
bool takeInformative(int &argc, char *argv[])
{
    const auto informative = std::find_if(argv + 1, argv + argc, [](const char *argument) {
        return std::strcmp(argument, "--informative") == 0;
    });
    if (informative == argv + argc)
        return false;
    std::copy(informative + 1, argv + argc + 1, informative); // with the closing null
    --argc;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    standardMessages = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    design::prepareApplication();
    // A brief run is too noisy to judge budgets by: "--informative" only reports them.
    const bool failOnMissedBudget = !takeInformative(argc, argv);
    benchmark::Initialize(&argc, argv);

    bench::registerTables();
    bench::registerBoard();
    bench::registerHandlers();
    bench::registerTemplate();
    bench::registerTuning();
    bench::registerStartUp(QCoreApplication::applicationDirPath().toStdString());

    bench::BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool hold = bench::printBudgets(reporter);
    std::printf("\n%s\n", hold ? "Every budget holds." : "A budget is missed.");
    return hold || !failOnMissedBudget ? 0 : 1;
}
