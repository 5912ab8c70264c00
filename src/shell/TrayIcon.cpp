#include "TrayIcon.h"

#include <QSystemTrayIcon>

TTrayIcon::TTrayIcon(QObject* parent) : QObject(parent) {}
TTrayIcon::~TTrayIcon() { delete icon_; }
void TTrayIcon::Add(const QIcon&, const QString&) {}
void TTrayIcon::Remove() {}
