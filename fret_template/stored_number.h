// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in the program's preferences, written as the files write them ("0.6"), whatever the
// regional settings, so that a French desktop and another read them alike.
#pragma once

#include "fret_template.h"
#include "length_reading.h"

#include <QSettings>
#include <optional>

// A stored number; none when it is missing or unreadable.
inline std::optional<dorvane::Currency> storedNumber(const QSettings &settings, const QString &key)
{
    using namespace dorvane;
    const StoredLength read = DecimalFromText(settings.value(key).toString().toStdString());
    if (read.state != LengthState::Valid)
        return std::nullopt;
    return read.value;
}

inline void storeNumber(QSettings &settings, const QString &key, dorvane::Currency value)
{
    settings.setValue(key, QString::fromStdString(dorvane::PointText(value)));
}
