// The notification-area icon. Qt's activation reasons are turned into the
// two mouse codes the playfield acts on; every other event is dropped.
//
// No context menu is set on the icon: a StatusNotifierItem host would draw
// it itself and send no Context, so the playfield opens its own menu at the
// pointer on the right-press code instead.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

constexpr int kTrayLeftDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr int kTrayRightButtonDown = 516;  // WM_RBUTTONDOWN
constexpr int kTrayIgnored = 0;            // any event the playfield drops

// The mouse code for an activation: DoubleClick is the left double click,
// Context the right press; a single left click or a middle click is dropped.
int TrayCodeFor(QSystemTrayIcon::ActivationReason reason);

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TTrayIcon(QObject* parent = nullptr);
    ~TTrayIcon() override;
    void Add(const QIcon& icon, const QString& tip);  // NIM_ADD
    void Remove();                                     // NIM_DELETE
    bool IsAdded() const { return icon_ != nullptr; }

signals:
    // The callback message: the code of the mouse event over the icon.
    void WMTrayIcon(int code);

private:
    QSystemTrayIcon* icon_ = nullptr;
};
