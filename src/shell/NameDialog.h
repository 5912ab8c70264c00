// The new-record questions: the player's name and today's date, both as
// code page 936 bytes ready for the table.
#pragma once

#include <string>

class QWidget;

// Asks for the name, modal and centred, default "佚名" selected; Cancel or
// closing gives the default. Characters without a code page 936 form
// become '?'. The caller cuts the result to the field.
std::string AskRecordName(QWidget* parent);
// Today's date in the user's short date format, in code page 936.
std::string TodayShortDate();
