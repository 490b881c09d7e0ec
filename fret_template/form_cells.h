// SPDX-License-Identifier: GPL-3.0-or-later
// The cells of the template dialog's grids: a label that gives its field the focus, and a field
// with the unit after it.
#pragma once

#include <QHBoxLayout>
#include <QLabel>

inline QLabel *buddied(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

inline QWidget *withUnit(QWidget *field, QLabel *unit, QWidget *parent)
{
    auto *cell = new QWidget(parent);
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(unit);
    return cell;
}
