#include "TrayIcon.h"

int TrayCodeFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::DoubleClick: return kTrayLeftDoubleClick;
        case QSystemTrayIcon::Context: return kTrayRightButtonDown;
        default: return kTrayIgnored;
    }
}

TTrayIcon::TTrayIcon(QObject* parent) : QObject(parent) {}

TTrayIcon::~TTrayIcon() { Remove(); }

void TTrayIcon::Add(const QIcon& icon, const QString& tip) {
    if (icon_) return;
    icon_ = new QSystemTrayIcon(icon, this);
    icon_->setObjectName(QStringLiteral("TrayIcon"));
    icon_->setToolTip(tip);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                const int code = TrayCodeFor(reason);
                if (code != kTrayIgnored) emit WMTrayIcon(code);
            });
    icon_->show();
}

void TTrayIcon::Remove() {
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}
