// The application's error handling: an error that ends a handler is shown in
// a message box titled with the application title, its text with a full stop
// added, and the handler stops there. Nothing reaches Qt's event loop.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

// The application title (the message boxes' caption). Kept apart from Qt's
// display name, which the X11 backend would append to every window title.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// The text the box shows for an error: its message and a full stop.
QString ErrorBoxText(const std::exception& error);
// Shows the box (modal). Window tests replace it with ReplaceErrorBox.
void ShowErrorBox(QWidget* parent, const QString& text);

using TErrorBoxFunction = std::function<void(QWidget*, const QString&)>;
// Installs another way of showing the box and returns the previous one.
TErrorBoxFunction ReplaceErrorBox(TErrorBoxFunction show);

// Runs `handler`; an error it throws is shown and the handler ends there.
// Returns true when the handler finished without an error.
template <class Handler>
bool RunHandler(QWidget* parent, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowErrorBox(parent, ErrorBoxText(error));
        return false;
    }
}
