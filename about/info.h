// SPDX-License-Identifier: GPL-3.0-or-later
// The about box "info": the program's name and version, its author, its years, and that it is
// free, over a picture of wood.
#pragma once

#include <QDialog>
#include <QPixmap>

class Info : public QDialog
{
    Q_OBJECT

public:
    Info();

    // Loads the window from its design and shows it modally until the user closes it.
    void showModal();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void load();
    void unload();

    QPixmap background;
    QWidget *controls = nullptr;
};
