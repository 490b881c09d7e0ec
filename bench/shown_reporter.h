// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probes: when the watched window has painted for the first time, print how long the
// process has run and its peak memory, then quit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <cstdio>

class ShownReporter : public QObject
{
public:
    explicit ShownReporter(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            std::printf("shown %ld\n", peakKilobytes());
            std::fflush(stdout);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long peakKilobytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
        return -1;
    }

    bool reported = false;
};
