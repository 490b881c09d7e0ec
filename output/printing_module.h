// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module, which holds everything that needs the toolkit's print support: loaded on
// the first request to print, so that the program does not load that support at every start.
// The build tells the program the module's file name and folder.
#pragma once

#include "result.h"

#include <QString>
#include <QStringList>

class QLibrary;
class QWidget;

namespace template_pages
{
class Pages;
}

namespace output
{
class PagedDocument;
}

// The module's entry points, which the program looks up by name.
namespace printing
{

enum class Outcome { Printed, Cancelled };

// The system's print dialog for the sheet, then the sheet on one page of the printer chosen;
// PrintFailed, naming the printer or the file, when the job could not be sent.
using PrintSheet = dorvane::Result<Outcome> (*)(QWidget *sheet, const QString &title);
inline constexpr const char EntryPoint[] = "dorvanePrintSheet";

// The system's print dialog, then every page of a template in order, at its true size: the
// printer neither scales it nor fits it to its paper.
using PrintTemplate = dorvane::Result<Outcome> (*)(QWidget *parent,
                                                   const template_pages::Pages &pages,
                                                   const QString &title);
inline constexpr const char TemplateEntryPoint[] = "dorvanePrintTemplate";

// The system's print dialog, then every page of a document in order, each painted from the
// paper's corner: the tuning of a table.
using PrintDocument = dorvane::Result<Outcome> (*)(QWidget *parent,
                                                   const output::PagedDocument &document,
                                                   const QString &title);
inline constexpr const char DocumentEntryPoint[] = "dorvanePrintDocument";

// The build the module belongs to, which must be the program's: "2.4-" and a digest of the
// headers that declare what the two hand each other. A module without it is older still.
using Build = const char *(*)();
inline constexpr const char BuildEntryPoint[] = "dorvanePrintingBuild";

} // namespace printing

namespace output
{

// Where the printing module of a program in this folder is looked for, in order: beside it, as
// in the build folder and on Windows, then in its own folder once installed ("/usr/bin" gives
// "/usr/lib/x86_64-linux-gnu/dorvane/libdorvane-printing.so" on Debian).
QStringList printingModulePaths(const QString &programFolder);

// An entry point of the printing module, which is loaded on the first request and kept; or
// NoPrintingModule, and the loader's explanation, with its paths, goes to the log; or
// PrintingOtherBuild when the only module found belongs to another build of the program.
dorvane::Result<void *> printingEntry(const char *entryPoint);

// The same from the first of `paths` that loads and belongs to this build, into `module`.
dorvane::Result<void *> printingEntry(QLibrary &module, const QStringList &paths,
                                      const char *entryPoint);

} // namespace output
