#include "NameDialog.h"

#include <QDate>
#include <QInputDialog>
#include <QLocale>

#include "WindowPlacement.h"
#include "Cp936Text.h"
#include "ModalLoop.h"

namespace {

const char kCaption[] = "您创造了一个新的记录";
const char kPrompt[] = "请输入您的大名";
const char kDefaultName[] = "佚名";

}  // namespace

std::string AskRecordName(QWidget* parent) {
    const QString defaultName = QString::fromUtf8(kDefaultName);
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8(kCaption));
    dialog.setLabelText(QString::fromUtf8(kPrompt));
    dialog.setTextValue(defaultName);
    // Fixed texts: the style or a translation would otherwise make them "&OK".
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    CentreAtFirstShow(&dialog);
    // Cancel and closing the dialog both give the default; OK gives the line,
    // which may be empty.
    const QString name = RunModal(dialog) == QDialog::Accepted ? dialog.textValue() : defaultName;
    return Cp936FromQString(name);
}

QString ShortDateText(const QLocale& locale, const QDate& date) {
    if (locale.language() == QLocale::C) return date.toString(QStringLiteral("yyyy/MM/dd"));
    return locale.toString(date, QLocale::ShortFormat);
}

std::string TodayShortDate() {
    return Cp936FromQString(ShortDateText(QLocale::system(), QDate::currentDate()));
}
