// Where the dialogs appear: in the middle of the screen at their first
// showing, and where they were at every later one (they cannot be moved).
#pragma once

class QWidget;

// Places the window in the middle of its screen now.
void CentreOnScreen(QWidget* window);
// Centres the window when it is first shown, at its final size.
void CentreAtFirstShow(QWidget* window);
