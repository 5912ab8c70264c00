#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

namespace {

QString& Title() {
    static QString title;
    return title;
}

void ShowMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

TErrorBoxFunction& CurrentErrorBox() {
    static TErrorBoxFunction show = ShowMessageBox;
    return show;
}

}  // namespace

void SetApplicationTitle(const QString& title) { Title() = title; }
QString ApplicationTitle() { return Title(); }

QString ErrorBoxText(const std::exception& error) {
    // The score texts are code page 936 bytes, and an error may quote one.
    QStringDecoder gbk("GBK");
    QString text = gbk.isValid() ? gbk.decode(QByteArray(error.what())) : QString::fromLatin1(error.what());
    return text + QLatin1Char('.');
}

void ShowErrorBox(QWidget* parent, const QString& text) { CurrentErrorBox()(parent, text); }

TErrorBoxFunction ReplaceErrorBox(TErrorBoxFunction show) {
    return std::exchange(CurrentErrorBox(), std::move(show));
}
