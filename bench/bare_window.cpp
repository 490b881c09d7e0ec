// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a bare window with the same kinds and number of controls as the main window
// and no logic, in the same style.
#include "shown_reporter.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setFixedSize(474, 382);
    for (int k = 0; k < 3; ++k)
        new QLabel(QStringLiteral("Label"), &window);
    for (int k = 0; k < 3; ++k)
        new QPushButton(QStringLiteral("?"), &window);
    auto *combo = new QComboBox(&window);
    combo->setEditable(true);
    for (int k = 0; k < 8; ++k)
        combo->addItem(QStringLiteral("Entry %1").arg(k));
    new QScrollBar(Qt::Horizontal, &window);
    constexpr int boxes = 2 + 2 * 43;
    for (int k = 0; k < boxes; ++k) {
        auto *box = new QLineEdit(&window);
        box->setGeometry(8 + 60 * (k % 7), 30 + 22 * (k / 7), 57, 19);
        if (k >= 2)
            box->hide();
    }
    ShownReporter reporter(&window);
    window.show();
    return app.exec();
}
