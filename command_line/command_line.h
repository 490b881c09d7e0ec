// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, for scripts and workshops that make many templates: the table of
// a scale as text, or its template as a PDF, SVG or DXF file. Options in English, messages in
// French; it needs no display.
#pragma once

namespace command_line
{

// Runs the command line; returns the exit code: 0 done, 1 a file that could not be written
// (none is left half written), 2 a bad argument (no file is written).
int run(int argc, char *argv[]);

} // namespace command_line
