// SPDX-License-Identifier: GPL-3.0-or-later
#include "regional.h"

#include <QLocale>

namespace output
{

std::string decimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

} // namespace output
