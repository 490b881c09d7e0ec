// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "base.h"
#include "command_line.h"
#include "design.h"
#include "platform.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int startProgram(int argc, char *argv[])
{
    // A Scala file alone, as the desktop gives one opened with the program, opens the window
    // with it; any other argument asks for the command line, which needs no display.
    const QStringList arguments = platform::arguments(argc, argv);
    const bool scalaFile = arguments.size() == 1 && !arguments.first().startsWith('-') &&
                           arguments.first().endsWith(QLatin1String(".scl"), Qt::CaseInsensitive);
    if (argc > 1 && !scalaFile)
        return command_line::run(argc, argv);
    // A desktop program needs a screen; say so plainly rather than let the toolkit abort.
    if (!platform::hasDisplay()) {
        // Named as it was started: "dorvane" once installed, "build/dorvane" from the sources.
        std::fprintf(stderr,
                     "dorvane : aucun écran n'a été trouvé (ni X11, ni Wayland). Sur une machine "
                     "sans écran, ouvrez la fenêtre sur un écran virtuel : xvfb-run -a %s ; la "
                     "ligne de commande (%s --help) n'en a pas besoin.\n",
                     argv[0], argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    // The desktop entry that starts the program, so that docks group its windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVANE_APP_ID));
    design::prepareApplication();

    Base window;
    window.show();
    if (scalaFile)
        QTimer::singleShot(0, &window, [&] { window.openScalaFile(arguments.first()); });
    return app.exec();
}
