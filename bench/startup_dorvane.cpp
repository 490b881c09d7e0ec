// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as in its main(), reporting when the main window is first shown.
#include "base.h"
#include "design.h"
#include "shown_reporter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    design::prepareApplication();
    Base window;
    ShownReporter reporter(&window);
    window.show();
    return app.exec();
}
