// Code page 936 text fields as Qt strings, for the windows that show and
// ask for them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// The text of a field. A lone first byte of a double-byte character at the
// end (a field cut inside a character) is dropped: it shows as nothing.
QString QStringFromCp936Field(std::string_view bytes);
// Code page 936 bytes for `text`; a character it cannot hold becomes '?'.
std::string Cp936FromQString(const QString& text);
