// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size template of the widest table: its SVG, DXF and PDF, its dialog opened with the
// preview; and the command line from start to end.
#include "bench.h"

#include "dxf.h"
#include "number_field.h"
#include "svg.h"
#include "systems.h"
#include "template_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace dorvane;

namespace
{

FretTable widestAt650()
{
    const ScaleSystem *widest = &scales::Systems[0];
    for (const ScaleSystem &system : scales::Systems) {
        if (system.sheet == Sheet::Rows42)
            widest = &system;
    }
    return TableOf({widest, 0, Currency::fromScaled(6500000)});
}

FretTemplate widestTemplate()
{
    TemplateSettings settings;
    settings.slotWidth = Currency::fromScaled(6000);
    return MakeTemplate(widestAt650(), settings, ",");
}

void svgWritten(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TemplateSvg(widestTemplate()));
}

void dxfWritten(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TemplateDxf(widestTemplate()));
}

void pdfWritten(benchmark::State &state)
{
    for (auto _ : state) {
        const template_pages::Pages pages(widestTemplate(), {template_pages::Paper::A4});
        benchmark::DoNotOptimize(*template_pages::pdfDocument(pages, QStringLiteral("gabarit")));
    }
}

// Opened, laid out and painted with its preview, then closed; with settings remembered from
// an earlier session, among them a printer that prints at 98 %, in the benchmark's own store.
void dialogOpened(benchmark::State &state)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings stored(QStringLiteral("Dorvane"), QStringLiteral("dorvane"));
    stored.beginGroup(QStringLiteral("Gabarit"));
    stored.setValue(QStringLiteral("unite"), QStringLiteral("mm"));
    stored.setValue(QStringLiteral("largeurBande"), QStringLiteral("55"));
    stored.setValue(QStringLiteral("largeurFentes"), QStringLiteral("0.6"));
    stored.setValue(QStringLiteral("papier"), QStringLiteral("A4"));
    stored.setValue(QStringLiteral("regle"), QStringLiteral("98"));
    stored.sync();
    output::FileDialogs dialogs;
    for (auto _ : state) {
        TemplateDialog dialog(widestAt650(), {}, QStringLiteral("650"), QString(), dialogs,
                              nullptr);
        dialog.show();
        QApplication::processEvents();
        state.PauseTiming();
        dialog.close();
        state.ResumeTiming();
    }
}

// A field of the section "Manche" changed, with six strings fanned, and the preview repainted:
// the template made again, laid out on its pages and the first one drawn.
void boardRepainted(benchmark::State &state)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings stored(QStringLiteral("Dorvane"), QStringLiteral("dorvane"));
    stored.beginGroup(QStringLiteral("Gabarit"));
    stored.setValue(QStringLiteral("cordes"), 6);
    stored.setValue(QStringLiteral("longueurGrave"), QStringLiteral("686"));
    stored.setValue(QStringLiteral("frettePerpendiculaire"), QStringLiteral("7"));
    stored.sync();
    const FretTable table =
        TableOf({FindSystem(ScaleKind::TemperedChromatic), 0, Currency::fromScaled(6480000)});
    const TableAt tableAt = [](Currency length) {
        return TableOf({FindSystem(ScaleKind::TemperedChromatic), 0, length});
    };
    output::FileDialogs dialogs;
    TemplateDialog dialog(table, {tableAt, DegreesOf(table)}, QStringLiteral("648"), QString(),
                          dialogs, nullptr);
    dialog.show();
    QApplication::processEvents();
    auto *span = dialog.findChild<QLineEdit *>(QStringLiteral("EcartementSillet"));
    auto *preview = dialog.findChild<QWidget *>(QStringLiteral("Apercu"));
    int typed = 0;
    for (auto _ : state) {
        span->setText(typed++ % 2 ? QStringLiteral("35") : QStringLiteral("36"));
        emit qobject_cast<NumberField *>(span)->valueEdited();
        preview->repaint();
    }
    stored.remove(QString());
}

} // namespace

namespace bench
{

// The program started with arguments, to its end; seconds, negative when it failed.
double runToEnd(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || status != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void commandLine(benchmark::State &state, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(),
                     QCoreApplication::applicationDirPath().toStdString() + "/../dorvane");
    for (auto _ : state) {
        const double seconds = runToEnd(arguments);
        if (seconds < 0) {
            state.SkipWithError("the command line failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void registerTemplate()
{
    benchmark::RegisterBenchmark("template/SVG", svgWritten)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("template/DXF", dxfWritten)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("template/PDF", pdfWritten)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("template dialog opened, corrected and remembered", dialogOpened)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("board preview repainted after a change, 6 strings",
                                 boardRepainted)
        ->Unit(benchmark::kMillisecond);
    const std::string scale(widestAt650().title);
    const std::string svg = QDir::temp().filePath("dorvane-bench.svg").toStdString();
    benchmark::RegisterBenchmark(
        "command line/--table", commandLine,
        std::vector<std::string>{"--table", "--scale", scale, "--length", "650"})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        "command line/--export svg", commandLine,
        std::vector<std::string>{"--export", svg, "--scale", scale, "--length", "650"})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
