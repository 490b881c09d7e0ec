// SPDX-License-Identifier: GPL-3.0-or-later
// A printing module of another build of the program, as an older installation leaves one: its
// entry points have the names the program looks for, not the types it calls them with. Built
// once without the build's name, as modules were before it, and once with another.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT int dorvanePrintSheet(int sheet)
{
    return sheet;
}

#ifdef STALE_BUILD
extern "C" Q_DECL_EXPORT const char *dorvanePrintingBuild()
{
    return STALE_BUILD;
}
#endif
