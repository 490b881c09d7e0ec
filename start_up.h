// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does when it starts, for its main() and for the tests that start it so.
#pragma once

// With an argument, the command line; without one, the application made ready (French texts,
// style, fonts) and the main window shown until it is closed. Returns the exit code.
int startProgram(int argc, char *argv[]);
