// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's handlers on the real window, offscreen, alone and with the repaint they
// cause; the window built and shown; a result sheet opened; a long paste into the length box.
#include "bench.h"

#include "base.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace dorvane;

namespace
{

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

QString nameOf(const ScaleSystem &system)
{
    return QString::fromUtf8(system.name);
}

void chooseScale(Base &window, const ScaleSystem &system)
{
    window.findChild<QComboBox *>("Combo1")->setEditText(nameOf(system));
    QMetaObject::invokeMethod(&window, "Combo1_Click");
}

const ScaleSystem &systemWithModes()
{
    return *std::find_if(scales::Systems.begin(), scales::Systems.end(),
                         [](const ScaleSystem &s) { return s.hasModes; });
}

// The handler on the real window; with the repaint it asks for when "repaint" is set.
void combo1Click(benchmark::State &state, const ScaleSystem &system, bool repaint)
{
    Base &window = sharedWindow();
    for (auto _ : state) {
        chooseScale(window, system);
        if (repaint)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}

// A keystroke in the length box while the widest table is shown, which it recomputes.
void longvibChange(benchmark::State &state, bool repaint)
{
    Base &window = sharedWindow();
    chooseScale(window, *FindSystem(ScaleKind::ZarlinoChromatic));
    auto *box = window.findChild<QLineEdit *>("Longvib");
    int k = 0;
    for (auto _ : state) {
        box->setText(++k % 2 ? QStringLiteral("650") : QStringLiteral("630"));
        if (repaint)
            QApplication::processEvents();
    }
    box->setText(QStringLiteral("650"));
    QApplication::processEvents();
}

void hScroll1Change(benchmark::State &state, int mode, bool repaint)
{
    Base &window = sharedWindow();
    chooseScale(window, systemWithModes());
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

void sheetOpened(benchmark::State &state, const ScaleSystem &system)
{
    Base &window = sharedWindow();
    chooseScale(window, system);
    QPushButton *printer = window.findChild<QPushButton *>("Command4");
    for (auto _ : state) {
        // Closed as soon as its event loop runs, after it has been loaded, filled and shown.
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        printer->click();
    }
}

// Ten megabytes pasted into the length box with Ctrl+V, read, and the window answering.
void tenMegabytesPasted(benchmark::State &state)
{
    Base window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the main window is not shown");
    auto *box = window.findChild<QLineEdit *>("Longvib");
    QApplication::clipboard()->setText("650" + QString(10'000'000, '7'));
    box->setFocus();
    for (auto _ : state) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
    }
}

} // namespace

namespace bench
{

void registerHandlers()
{
    for (bool repaint : {false, true}) {
        const std::string suffix = repaint ? " and repaint/" : "/";
        for (const ScaleSystem &system : scales::Systems)
            benchmark::RegisterBenchmark(
                ("Combo1_Click" + suffix + std::string(system.name)).c_str(), combo1Click, system,
                repaint)
                ->Unit(benchmark::kMicrosecond);
        for (int mode = 0; mode < scales::ModeCount; ++mode)
            benchmark::RegisterBenchmark(
                ("HScroll1_Change" + suffix + "mode " + std::to_string(mode)).c_str(),
                hScroll1Change, mode, repaint)
                ->Unit(benchmark::kMicrosecond);
        const std::string widest(FindSystem(ScaleKind::ZarlinoChromatic)->name);
        benchmark::RegisterBenchmark(("Longvib_Change" + suffix + widest).c_str(), longvibChange,
                                     repaint)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("main window built and shown", mainWindowShown)
        ->Unit(benchmark::kMillisecond);
    // Each sheet once, for the first system of the list that opens it.
    bool opened[4] = {};
    for (const ScaleSystem &system : scales::Systems) {
        bool &sheet = opened[static_cast<std::size_t>(system.sheet)];
        if (sheet)
            continue;
        sheet = true;
        benchmark::RegisterBenchmark(("sheet opened/" + std::string(system.name)).c_str(),
                                     sheetOpened, system)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("10 MB pasted into the length box", tenMegabytesPasted)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
}

} // namespace bench
