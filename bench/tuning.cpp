// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window and Scala files: of the widest table at 650, and of a scale of a thousand
// degrees read from its file and shown on 500 frets.
#include "bench.h"

#include "decimal_text.h"
#include "file_dialogs.h"
#include "files.h"
#include "scala_file.h"
#include "scala_scale.h"
#include "systems.h"
#include "tuning_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <memory>

using namespace dorvane;

namespace
{

FretTable widestAt650()
{
    return TableOf({FindSystem(ScaleKind::ZarlinoChromatic), 0, Currency::fromScaled(6500000)});
}

// A Scala file of a thousand degrees in cents, the octave last.
std::string thousandDegrees()
{
    std::string file = "A thousand degrees\n 1000\n";
    for (int k = 1; k < 1000; ++k)
        file += " " + DecimalText(1.2 * k, 5) + " pas " + std::to_string(k) + "\n";
    return file + " 2/1\n";
}

// The tuning window of a table, opened, laid out and painted, then closed.
template <class Make> void windowOpened(benchmark::State &state, Make make)
{
    output::FileDialogs dialogs;
    for (auto _ : state) {
        const std::unique_ptr<TuningWindow> window = make(dialogs);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window->close();
        state.ResumeTiming();
    }
}

void tableWindowOpened(benchmark::State &state)
{
    const FretTable table = widestAt650();
    windowOpened(state, [&](output::FileDialogs &dialogs) {
        return std::make_unique<TuningWindow>(table, dialogs, TuningWindow::TemplateOpener(),
                                              nullptr);
    });
}

void scaleWindowOpened(benchmark::State &state)
{
    const ScalaScale scale = *ReadScala(thousandDegrees());
    windowOpened(state, [&](output::FileDialogs &dialogs) {
        return std::make_unique<TuningWindow>(scale, QStringLiteral("mille.scl"),
                                              Currency::fromScaled(6500000), dialogs,
                                              TuningWindow::TemplateOpener(), nullptr);
    });
}

// The widest table's tuning as a Scala file, made and written whole.
void scalaFileWritten(benchmark::State &state)
{
    const QString file = QDir::temp().filePath(QStringLiteral("dorvane-bench.scl"));
    for (auto _ : state) {
        const std::string contents = ScalaFile(widestAt650(), "dorvane-bench.scl");
        if (!files::writeFile(file, QByteArray::fromStdString(contents))) {
            state.SkipWithError("the Scala file was not written");
            return;
        }
    }
}

// A thousand equal divisions as a Scala file, each step in cents, made and written whole.
void divisionsFileWritten(benchmark::State &state)
{
    const QString file = QDir::temp().filePath(QStringLiteral("dorvane-bench-edo.scl"));
    const ScalaScale divisions = *EqualDivisions(MostDivisions);
    for (auto _ : state) {
        const std::string contents = ScalaFile(divisions, "dorvane-bench-edo.scl");
        if (!files::writeFile(file, QByteArray::fromStdString(contents))) {
            state.SkipWithError("the Scala file was not written");
            return;
        }
    }
}

// A thousand degrees read and checked, then the table of 500 frets on 650.
void scalaFileRead(benchmark::State &state)
{
    const std::string file = thousandDegrees();
    for (auto _ : state) {
        const Result<ScalaScale> scale = ReadScala(file);
        benchmark::DoNotOptimize(TableOf(*scale, Currency::fromScaled(6500000), MostFrets));
    }
}

} // namespace

namespace bench
{

void registerTuning()
{
    benchmark::RegisterBenchmark("tuning window opened/42 frets", tableWindowOpened)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("tuning window opened/500 frets of 1000 degrees",
                                 scaleWindowOpened)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Scala file written/42 frets", scalaFileWritten)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Scala file written/1000 equal divisions", divisionsFileWritten)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Scala file read/1000 degrees, 500 frets", scalaFileRead)
        ->Unit(benchmark::kMicrosecond);
    const std::string scl = QDir::temp().filePath("dorvane-bench-1000.scl").toStdString();
    QFile out(QString::fromStdString(scl));
    if (out.open(QIODevice::WriteOnly))
        out.write(QByteArray::fromStdString(thousandDegrees()));
    benchmark::RegisterBenchmark(
        "command line/--table --scl", commandLine,
        std::vector<std::string>{"--table", "--scl", scl, "--length", "650", "--frets", "500"})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
