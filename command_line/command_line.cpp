// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "platform.h"
#include "request.h"
#include "sheet_output.h"
#include "template_files.h"
#include "version.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <memory>

using namespace dorvane;

namespace command_line
{

namespace
{

// The toolkit's notes and warnings about its set-up have nothing to tell a command line's user.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "dorvane: %s\n", qPrintable(message));
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stream);
}

// Writes to the standard output, whole: 0, or 1 with a message when it could not be written
// (a full disk, a closed pipe).
int printOut(const QString &text)
{
    print(stdout, text);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    const QString why = errno == ENOSPC  ? QStringLiteral("le disque est plein")
                        : errno == EPIPE ? QStringLiteral("elle a été fermée")
                                         : QStringLiteral("l'écriture a échoué");
    print(stderr,
          QStringLiteral("dorvane : la sortie standard n'a pas pu être écrite : %1.\n").arg(why));
    return 1;
}

// "Frette	Position	Note", then one line a fret in the scale's order.
QString tableText(const FretTable &table)
{
    const std::string separator = sheet_output::decimalSeparator();
    QString text = QStringLiteral("Frette\tPosition\tNote\n");
    for (const Fret &fret : table.frets) {
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(fret.number)
                    .arg(QString::fromStdString(CurrencyText(fret.position, separator).str()),
                         QString::fromStdString(fret.note));
    }
    return text;
}

int exportTemplate(const Request &request, int &argc, char *argv[])
{
    const auto format = template_files::formatOf(request.file);
    // Pages need the toolkit's fonts: its GUI, on a platform that needs no display.
    std::unique_ptr<QGuiApplication> gui;
    if (format == template_files::Format::Pdf) {
        platform::useNoScreen();
        qInstallMessageHandler(quietToolkit);
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }
    const FretTemplate t =
        MakeTemplate(TableOf(request.table), request.settings, sheet_output::decimalSeparator());
    const QString failure = template_files::save(t, request.pages, *format, request.file);
    if (failure.isEmpty())
        return 0;
    print(stderr, QStringLiteral("dorvane : le fichier « %1 » n'a pas été écrit : %2.\n")
                      .arg(request.file, failure));
    return 1;
}

} // namespace

int run(int argc, char *argv[])
{
    platform::prepareStandardOutput();
    const QStringList arguments = platform::arguments(argc, argv);
    Request request;
    try {
        request = readRequest(arguments);
    } catch (const BadArgument &bad) {
        print(stderr, QStringLiteral("dorvane : %1.\n").arg(QString::fromStdString(bad.what())));
        return 2;
    }
    switch (request.action) {
    case Request::Action::Help:
        return printOut(helpText());
    case Request::Action::Version:
        return printOut(QString::fromLatin1(ProgramName) + '\n');
    case Request::Action::Table:
        return printOut(tableText(TableOf(request.table)));
    case Request::Action::Export:
        break;
    }
    return exportTemplate(request, argc, argv);
}

} // namespace command_line
