// Keeps a top-level window off the taskbar and the pager. Qt's X11 backend
// never asks for that itself, so the window's _NET_WM_STATE gets the two
// skip atoms before it is first mapped; Qt keeps atoms it does not manage.
#pragma once

class QWidget;

// Call before the window's first show(). Does nothing off X11.
void KeepOffTaskbar(QWidget* window);
