// SPDX-License-Identifier: GPL-3.0-or-later
// Printing lives in a module of its own, loaded on the first request to print: the toolkit's
// print support it needs would otherwise be loaded at every start of the program.
#pragma once

class QString;
class QWidget;

namespace printing
{

enum class Outcome { Printed, Cancelled, Failed };

// The module's one entry point: the system's print dialog for the sheet, then the sheet on one
// page of the printer chosen. On failure, `failure` names the printer or file and the reason.
using PrintSheet = Outcome (*)(QWidget *sheet, const QString &title, QString *failure);
inline constexpr const char EntryPoint[] = "dorvanePrintSheet";
} // namespace printing
