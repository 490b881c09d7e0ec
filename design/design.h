// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows are designed with: units, fonts and colours, the text box, the pictures.
#pragma once

#include "look.h"
#include "pictures.h"
#include "text_box.h"
