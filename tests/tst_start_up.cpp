// SPDX-License-Identifier: GPL-3.0-or-later
// The program started as its main() starts it: once its main window is shown, the toolkit's own
// texts are French, the style and the faces for the design's fonts are set, and closing the
// window ends the program with 0.
#include "start_up.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace
{

int failures = 0;

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

void whenShown()
{
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        window = w->objectName() == QLatin1String("Base") && w->isVisible() ? w : window;
    check(window, "the main window is shown");
    check(QCoreApplication::translate("QLineEdit", "&Copy").remove(QLatin1Char('&')) ==
              QLatin1String("Copier"),
          "the toolkit's texts are French");
    check(QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0,
          "the program's style is set");
    check(!QFont::substitutes(QStringLiteral("MS Sans Serif")).isEmpty(),
          "a face stands for MS Sans Serif");
    if (window)
        window->close();
    else
        QApplication::exit(1);
}

// Runs as the application is made, before the program shows anything.
void whenTheApplicationExists()
{
    QTimer::singleShot(0, whenShown);
}
Q_COREAPP_STARTUP_FUNCTION(whenTheApplicationExists)

} // namespace

int main(int, char *argv[])
{
    char *program[] = {argv[0], nullptr};
    int count = 1;
    const int code = startProgram(count, program);
    check(code == 0, "closing the window ends the program with 0");
    return failures == 0 ? 0 : 1;
}
