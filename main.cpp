// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

int main(int argc, char *argv[])
{
    return startProgram(argc, argv);
}
