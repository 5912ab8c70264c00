// The notification-area icon. Qt's activation reasons are turned into the
// two mouse codes the playfield acts on; every other event is dropped.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QSystemTrayIcon;

constexpr int kTrayLeftDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr int kTrayRightButtonDown = 516;  // WM_RBUTTONDOWN

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TTrayIcon(QObject* parent = nullptr);
    ~TTrayIcon() override;
    void Add(const QIcon& icon, const QString& tip);  // NIM_ADD
    void Remove();                                     // NIM_DELETE

signals:
    // The callback message: the code of the mouse event over the icon.
    void WMTrayIcon(int code);

private:
    QSystemTrayIcon* icon_ = nullptr;
};
