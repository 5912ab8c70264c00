#include "NameDialog.h"

std::string AskRecordName(QWidget*) { return "\xD8\xFD\xC3\xFB"; }  // 佚名
std::string TodayShortDate() { return "----/--/--"; }
