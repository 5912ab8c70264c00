#include "ModalLoop.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>

namespace {

bool IsInputEvent(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

// Qt's XEmbed tray icon is a top-level widget of this class; its clicks are
// the tray callback and must go through.
bool IsTrayIconWindow(const QWidget* window) {
    return qstrcmp(window->metaObject()->className(), "QSystemTrayIconSys") == 0;
}

bool TakesInputDuringModal(const QWidget* window, const QDialog& dialog) {
    const Qt::WindowType type = window->windowType();
    return window == &dialog || type == Qt::Popup || type == Qt::ToolTip ||
           IsTrayIconWindow(window);
}

class TModalInputBlock : public QObject {
public:
    explicit TModalInputBlock(QDialog& dialog) : dialog_(dialog) {
        Blocks().append(this);
        qApp->installEventFilter(this);
    }
    ~TModalInputBlock() override {
        qApp->removeEventFilter(this);
        Blocks().removeOne(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the innermost showing decides: an outer one would block the
        // dialog shown over it.
        if (Blocks().last() != this) return false;
        if (!watched->isWidgetType() || !IsInputEvent(event->type())) return false;
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (TakesInputDuringModal(window, dialog_)) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            dialog_.raise();
            dialog_.activateWindow();
        }
        return true;
    }

public:
    static QDialog* Innermost() { return Blocks().isEmpty() ? nullptr : &Blocks().last()->dialog_; }

private:
    static QList<TModalInputBlock*>& Blocks() {
        static QList<TModalInputBlock*> blocks;
        return blocks;
    }

    QDialog& dialog_;
};

}  // namespace

QDialog* ShownModalDialog() { return TModalInputBlock::Innermost(); }

int RunModal(QDialog& dialog) {
    TModalInputBlock block(dialog);
    // Both connections end with the loop.
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::exit);
    QObject::connect(&dialog, &QObject::destroyed, &loop, [&loop] { loop.exit(0); });
    dialog.setWindowModality(Qt::NonModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    return loop.exec(QEventLoop::DialogExec);
}
