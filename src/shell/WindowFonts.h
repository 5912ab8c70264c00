// The fonts the window layouts name, each with fallbacks that exist on a
// Linux desktop and that draw the Chinese texts. Sizes are in pixels, the
// character height the layouts give.
#pragma once

#include <QFont>

QFont ArialFont(int pixels, bool bold = false);
QFont VerdanaFont(int pixels);
QFont SansSerifFont(int pixels);  // the layouts' "MS Sans Serif"
