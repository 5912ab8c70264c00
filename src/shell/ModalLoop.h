// Showing a dialog modally the way the game needs it: the program's other
// windows take no mouse or keyboard input while it is shown, but the tray
// icon and popup menus stay live, so the command menu still opens from the
// tray. (Qt's own modal exec() would block the tray icon's window too.)
#pragma once

class QDialog;

// Shows `dialog` and runs an event loop until it finishes, meanwhile
// dropping the input meant for every other window except the tray icon,
// popups and tooltips (a press there brings the dialog to the front);
// returns the dialog's result. Showings nest: the innermost one takes the
// input.
int RunModal(QDialog& dialog);
// The dialog of the innermost showing, or nullptr when none is shown.
QDialog* ShownModalDialog();
