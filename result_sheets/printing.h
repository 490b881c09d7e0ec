// SPDX-License-Identifier: GPL-3.0-or-later
// Printing lives in a module of its own, loaded on the first request to print: the toolkit's
// print support it needs would otherwise be loaded at every start of the program. The build
// tells the program the module's file name and folder.
#pragma once

class QString;
class QWidget;

namespace template_pages
{
class Pages;
}

namespace printing
{

enum class Outcome { Printed, Cancelled, Failed };

// The system's print dialog for the sheet, then the sheet on one page of the printer chosen.
// On failure, `failure` names the printer or file and the reason.
using PrintSheet = Outcome (*)(QWidget *sheet, const QString &title, QString *failure);
inline constexpr const char EntryPoint[] = "dorvanePrintSheet";

// The system's print dialog, then every page of a template in order, at its true size: the
// printer neither scales it nor fits it to its paper.
using PrintTemplate = Outcome (*)(QWidget *parent, const template_pages::Pages &pages,
                                  const QString &title, QString *failure);
inline constexpr const char TemplateEntryPoint[] = "dorvanePrintTemplate";

} // namespace printing
