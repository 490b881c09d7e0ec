// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the tuning window's table: one a fret, its columns those of the tuning texts.
#pragma once

#include "tuning_rows.h"

#include <QAbstractTableModel>

class TuningModel : public QAbstractTableModel
{
public:
    TuningModel(const dorvane::FretTable &table, const std::string &separator, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Shows another table, with each fret's frequency from the open string's, if given.
    void setTable(const dorvane::FretTable &table, const std::string &separator,
                  std::optional<double> openFrequency = std::nullopt);

    // The titles and every row, as texts.
    QList<QStringList> texts() const;

private:
    dorvane::TuningRow titles;
    std::vector<dorvane::TuningRow> rows;
};
