// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "base.h"
#include "command_line.h"
#include "design.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace
{

// A desktop program needs a screen; say so plainly rather than let the toolkit abort.
bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int startProgram(int argc, char *argv[])
{
    // Any argument asks for the command line, which needs no display.
    if (argc > 1)
        return command_line::run(argc, argv);
    if (!hasDisplay()) {
        std::fprintf(stderr, "dorvane: no display found; on a machine without a screen run it "
                             "as: xvfb-run -a build/dorvane\n");
        return 1;
    }
    QApplication app(argc, argv);
    // The desktop entry that starts the program, so that docks group its windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));
    design::prepareApplication();

    Base window;
    window.show();
    return app.exec();
}
