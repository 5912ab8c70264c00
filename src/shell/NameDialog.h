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

class QDate;
class QLocale;
class QString;
// `date` in the short date format of `locale`. The C locale has no regional
// settings, and its format ("11 Dec 2026") would lose the year's last digit
// to the 10-byte field, so it writes the placeholder's shape, 2026/12/11.
QString ShortDateText(const QLocale& locale, const QDate& date);
