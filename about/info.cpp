// SPDX-License-Identifier: GPL-3.0-or-later
#include "info.h"

#include "design.h"
#include "version.h"

#include <QLabel>
#include <QPainter>

namespace
{

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect place, double points,
              const QColor &colour)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    design::setFont(l, design::font("MS Sans Serif", points));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

} // namespace

Info::Info()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("info"));
    setWindowTitle(QStringLiteral("A propos ..."));
    setWindowIcon(design::windowIcon());
    setModal(true);
    setFixedSize(design::pixels(3255), design::pixels(2280));
    connect(this, &QDialog::finished, this, &Info::unload);
}

void Info::showModal()
{
    load();
    exec();
}

void Info::load()
{
    unload();
    controls = new QWidget(this);
    controls->setGeometry(rect());
    background = QPixmap::fromImage(
        design::picture(":/resources/about_background.png", devicePixelRatioF()));
    const QColor light = design::tooltipBackground();
    const QColor white = palette().color(QPalette::Base);

    label(controls, "Label1", QStringLiteral("Dorvane version ") + QLatin1String(dorvane::Version),
          design::twips(720, 120, 2055, 255), 9.75, light);
    label(controls, "Label2", QStringLiteral("Atelier Dorvane"), design::twips(720, 600, 2055, 255),
          9.75, light);
    label(controls, "Label4", QStringLiteral("2004 - 2014"), design::twips(1200, 1080, 1095, 255),
          8.25, light);

    auto *picture = new QLabel(controls);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAccessibleName(QStringLiteral("Image : la tête d'un luth et ses chevilles"));
    picture->setGeometry(design::twips(1440, 1320, 530, 660));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(1);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(
        QPixmap::fromImage(design::picture(":/resources/about_picture.png", devicePixelRatioF())));

    label(controls, "Label3", QStringLiteral("Gratuiciel  /  Freeware"),
          design::twips(720, 2040, 1935, 255), 8.25, white);
    controls->show();
}

void Info::unload()
{
    delete controls;
    controls = nullptr;
}

void Info::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background);
}
