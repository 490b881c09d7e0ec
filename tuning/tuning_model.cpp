// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuning_model.h"

namespace
{

QStringList textsOf(const dorvane::TuningRow &row)
{
    QStringList texts;
    for (const std::string &text : row)
        texts << QString::fromStdString(text);
    return texts;
}

} // namespace

TuningModel::TuningModel(const dorvane::FretTable &table, const std::string &separator,
                         QObject *parent)
    : QAbstractTableModel(parent), titles(dorvane::TuningTitles()),
      rows(dorvane::TuningRows(table, separator))
{
}

void TuningModel::setTable(const dorvane::FretTable &table, const std::string &separator,
                           std::optional<double> openFrequency)
{
    beginResetModel();
    titles = dorvane::TuningTitles(openFrequency.has_value());
    rows = dorvane::TuningRows(table, separator, openFrequency);
    endResetModel();
}

int TuningModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int TuningModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(titles.size());
}

QVariant TuningModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(rows[std::size_t(index.row())][std::size_t(index.column())]);
    // Figures to the right, names to the left, as a table of figures reads.
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant TuningModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= int(titles.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(titles[std::size_t(section)]);
}

QList<QStringList> TuningModel::texts() const
{
    QList<QStringList> texts{textsOf(titles)};
    for (const dorvane::TuningRow &row : rows)
        texts << textsOf(row);
    return texts;
}
