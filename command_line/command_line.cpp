// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "board_options.h"
#include "board_template.h"
#include "failures.h"
#include "files.h"
#include "platform.h"
#include "regional.h"
#include "request.h"
#include "scala_file.h"
#include "template_files.h"
#include "tuning_rows.h"
#include "version.h"

#include <QFileInfo>
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

// "dorvane : « --slot 60 » : la largeur des fentes…", then the exit code. A Scala file's fault
// is named with its option: "« --scl x.scl » : ligne 7 : …".
int refuse(const Failure &failure, int code)
{
    const QString why = output::describe(failure, ".");
    print(stderr, !failure.file.empty() ? QStringLiteral("dorvane : « --scl %1 » : %2.\n")
                                              .arg(QString::fromStdString(failure.file), why)
                                        : QStringLiteral("dorvane : %1.\n").arg(why));
    return code;
}

// Writes to the standard output, whole: 0, or 1 with a message when it could not be written
// (a full disk, a closed pipe).
int printOut(const QString &text)
{
    print(stdout, text);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    const char *why = errno == ENOSPC  ? "le disque est plein"
                      : errno == EPIPE ? "elle a été fermée"
                                       : "l'écriture a échoué";
    return refuse(Failure{dorvane::FileFault::OutputNotWritten, why}, 1);
}

// Tab-separated lines.
QString linesOf(const std::vector<TuningRow> &rows)
{
    QString text;
    for (const TuningRow &row : rows) {
        QStringList cells;
        for (const std::string &cell : row)
            cells << QString::fromStdString(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

// "Frette	Position	Note", then one line a fret in the scale's order; or every column of
// the tuning, under their titles; each with the frets' frequencies last, if asked. A board of
// several strings gives each string's position in columns of their own, in place of the one
// position or after the tuning's columns, under a first line of the strings' lengths.
QString tableText(const FretTable &table, const Request &request)
{
    const std::string separator = output::decimalSeparator();
    std::vector<TuningRow> rows{TuningTitles(request.frequency.has_value())};
    for (TuningRow &row : TuningRows(table, separator, request.frequency))
        rows.push_back(std::move(row));
    const bool board = request.settings.board.strings > 1;
    std::vector<TuningRow> strings;
    TuningRow lengths{"Longueur"};
    if (board) {
        strings =
            BoardColumns(*MakeBoard(table, request.settings.board, tableAtOf(request)), separator);
        lengths.insert(lengths.end(), strings[0].begin(), strings[0].end());
        strings.erase(strings.begin());
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        TuningRow &row = rows[r];
        TuningRow positions = board ? strings[r] : TuningRow{row[5]};
        if (!request.details) {
            // Frette, Position (or each string's), Note, and the frequency.
            TuningRow brief{row[0]};
            brief.insert(brief.end(), positions.begin(), positions.end());
            if (!request.settings.board.tuning.tuned())
                brief.push_back(row[1]); // each string has its own

            if (request.frequency)
                brief.push_back(row[7]);
            row = std::move(brief);
        } else if (board) {
            row.insert(row.end(), positions.begin(), positions.end());
        }
    }
    if (board) {
        // The lengths above their strings' columns.
        const std::size_t before = request.details ? rows[0].size() - strings[0].size() : 1;
        lengths.insert(lengths.begin() + 1, before - 1, std::string());
        rows.insert(rows.begin(), std::move(lengths));
    }
    return linesOf(rows);
}

// A scale of any tuning cut to the longest table, by default two periods: said on the
// standard error, since the table then holds less than asked.
void sayWhenCut(const Request &request)
{
    if (!request.scale || request.frets != 0 || 2 * request.scale->degrees.size() <= MostFrets)
        return;
    print(stderr, QStringLiteral("dorvane : deux périodes de cette gamme feraient %1 frettes ; "
                                 "le tableau s'arrête à %2 (--frets de 1 à %2).\n")
                      .arg(2 * request.scale->degrees.size())
                      .arg(MostFrets));
}

// The tuning as a Scala file, written whole.
int exportScala(const Request &request)
{
    const std::string name = QFileInfo(request.file).fileName().toStdString();
    const std::string contents =
        request.scale ? ScalaFile(*request.scale, name) : ScalaFile(TableOf(request.table), name);
    const Done written = files::writeFile(request.file, QByteArray::fromStdString(contents));
    if (written)
        return 0;
    print(stderr, QStringLiteral("dorvane : le fichier « %1 » n'a pas été écrit : %2.\n")
                      .arg(request.file, output::describe(written.failure())));
    return 1;
}

// The template laid out once, then written; a template that its settings or the paper refuse
// is a bad argument, a file that cannot be written a failure of its own.
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
    const Result<FretTemplate> made = template_files::makeTemplate(
        tableOf(request), request.settings, output::decimalSeparator(), tableAtOf(request));
    if (!made)
        return refuse(named(made.failure(), request), 2);
    const Done written = template_files::save(*made, request.pages, *format, request.file);
    if (written)
        return 0;
    if (written.failure().reason == dorvane::Reason(TemplateFault::TooManyPages)) {
        print(stderr, QStringLiteral("dorvane : %1 ; un fichier SVG ou DXF n'a pas de pages.\n")
                          .arg(output::describe(named(written.failure(), request), ".")));
        return 2;
    }
    print(stderr, QStringLiteral("dorvane : le fichier « %1 » n'a pas été écrit : %2.\n")
                      .arg(request.file, output::describe(written.failure())));
    return 1;
}

} // namespace

int run(int argc, char *argv[])
{
    platform::prepareStandardOutput();
    const Result<Request> request = readRequest(platform::arguments(argc, argv));
    if (!request)
        return refuse(request.failure(), 2);
    switch (request->action) {
    case Request::Action::Help:
        return printOut(helpText());
    case Request::Action::Version:
        return printOut(QString::fromLatin1(ProgramName) + '\n');
    case Request::Action::Table:
        sayWhenCut(*request);
        return printOut(tableText(tableOf(*request), *request));
    case Request::Action::ExportScala:
        return exportScala(*request);
    case Request::Action::Export:
        sayWhenCut(*request);
        break;
    }
    return exportTemplate(*request, argc, argv);
}

} // namespace command_line
